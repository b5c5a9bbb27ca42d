// The reader window on a monitor of another resolution: the same form laid out again at
// the new dots per inch, every control moved, sized and drawn anew, shown in one go.
#include "reader/main_msg_form.h"
#include "win32/reader_window.h"

namespace lumio {

void ReaderWindow::ApplyScale(DisplayScale scale, const RECT* suggested) {
    const ReaderLayout layout = LayoutReaderWindow(LoadMainMsgForm(), scale);
    RECT place{};
    if (suggested) {
        // The system's rectangle keeps the window under the pointer that drags it across;
        // a window that takes another size can be handed back and forth between two
        // monitors.
        place = *suggested;
    } else {
        ::GetWindowRect(hwnd_, &place);
        place.right = place.left + layout.clientWidth;
        place.bottom = place.top + layout.clientHeight;
    }
    // Nothing is drawn on the way: a strip half laid out would show see-through gaps
    // where the controls have not arrived yet. One redraw at the end shows it whole.
    constexpr UINT kQuietly = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    ::SetWindowPos(hwnd_, nullptr, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, kQuietly);
    if (scale == scale_) {
        ::RedrawWindow(hwnd_, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    }
    scale_ = scale;
    text_.SetScale(scale);
    for (const ReaderControl& c : layout.controls) {
        const Rect& g = c.geometry;
        if (ButtonWindow* b = button(c.name)) {
            b->SetScale(scale); // placed from its own twips, as it was loaded
        } else if (TrackbarSlider* s = slider(c.name)) {
            ::SetWindowPos(s->window(), nullptr, g.left, g.top, g.right - g.left, g.bottom - g.top,
                           kQuietly);
        } else if (c.kind == ReaderControlKind::Viewer && viewer_) {
            ::SetWindowPos(viewer_->window(), nullptr, g.left, g.top, g.right - g.left,
                           g.bottom - g.top, kQuietly);
            viewer_->SetFont(fonts_.Get(c.font, scale));
            viewer_->SetScale(scale);
        }
    }
    // The sliders show the strip's pixel beneath them, which the strip has just drawn
    // at its new size: taken again at their next paint.
    if (sliderBrush_) {
        ::DeleteObject(sliderBrush_);
        sliderBrush_ = nullptr;
    }
    ApplyToolTipFont();
    if (menuShower_) {
        menuShower_->SetFont(fonts_.Get(ambientFont_, scale));
    }
    ::RedrawWindow(hwnd_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void ReaderWindow::ApplyToolTipFont() {
    // The tool tips take the system's font, made for the system's resolution; once the
    // window has been on a monitor of another, they are given the font for the window's.
    if (!toolTips_ || (!toolTipFont_ && scale_ == SystemScale())) {
        return;
    }
    HFONT font = CreateToolTipFont(scale_);
    if (!font) {
        return;
    }
    ::SendMessageW(toolTips_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (toolTipFont_) {
        ::DeleteObject(toolTipFont_);
    }
    toolTipFont_ = font;
}

} // namespace lumio
