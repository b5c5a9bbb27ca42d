#include "button/offscreen_host.h"

#include "button/qxbutton.h"
#include "platform/errors.h"
#include "platform/numeric.h"
#include "platform/palette.h"

namespace lumio {

namespace {

std::int16_t ButtonsHeld(WParam keys) {
    return static_cast<std::int16_t>(((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
                                     ((keys & MK_MBUTTON) ? 4 : 0));
}

std::int16_t ShiftHeld(WParam keys) {
    return static_cast<std::int16_t>(((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0));
}

} // namespace

TextExtent OffscreenHost::CountingText::Measure(const FontAttributes& font,
                                                std::u16string_view text) const {
    ++measures;
    return inner_.Measure(font, text);
}

void OffscreenHost::CountingText::DrawSingleLine(Surface& surface, const FontAttributes& font,
                                                 std::u16string_view text, const Rect& rect) const {
    inner_.DrawSingleLine(surface, font, text, rect);
}

OffscreenHost::OffscreenHost(float widthTwips, float heightTwips, const TextPainter& text)
    : ownDesk_(std::make_unique<OffscreenDesk>()), desk_(ownDesk_.get()), text_(text),
      width_(widthTwips), height_(heightTwips) {
    parentWindow_ = desk_->windows.Create(0, nullptr);
    CreateControlWindow();
}

OffscreenHost::OffscreenHost(OffscreenDesk& sharedDesk, WindowHandle parentWindow, float widthTwips,
                             float heightTwips, const TextPainter& text)
    : desk_(&sharedDesk), parentWindow_(parentWindow), text_(text), width_(widthTwips),
      height_(heightTwips) {
    CreateControlWindow();
}

OffscreenHost::~OffscreenHost() {
    desk_->windows.Destroy(window_);
    if (ownDesk_) {
        desk_->windows.Destroy(parentWindow_);
    }
}

void OffscreenHost::CreateControlWindow() {
    window_ = desk_->windows.Create(
        parentWindow_, [this](WindowHandle, MessageNumber message, WParam wParam, LParam lParam) {
            return OwnProcedure(message, wParam, lParam);
        });
    parentProperties["hWnd"] = parentWindow_;
    parentProperties["MDIChild"] = 0;
    SetAmbientBackColor(ambientBackColor);
    ResizeSurface();
}

void OffscreenHost::PressMouse(std::int16_t button, std::int16_t shift, float x, float y) {
    desktop().SetCapture(window_);
    if (control_ != nullptr) {
        control_->MouseDown(button, shift, x, y);
    }
}

void OffscreenHost::ReleaseMouse(std::int16_t button, std::int16_t shift, float x, float y) {
    if (control_ != nullptr) {
        control_->MouseUp(button, shift, x, y);
    }
    if (desktop().GetCapture() == window_) {
        desktop().ReleaseCapture();
    }
}

void OffscreenHost::DoubleClick() {
    desktop().SetCapture(window_);
    if (control_ != nullptr) {
        control_->DblClick();
    }
}

MessageResult OffscreenHost::OwnProcedure(MessageNumber message, WParam wParam, LParam lParam) {
    if (!translateMessages || control_ == nullptr) {
        return 0;
    }
    const auto x = static_cast<float>(XFromLParam(lParam));
    const auto y = static_cast<float>(YFromLParam(lParam));
    const std::int16_t shift = ShiftHeld(wParam);
    switch (message) {
    case WM_MOUSEMOVE:
        control_->MouseMove(ButtonsHeld(wParam), shift, x, y);
        break;
    case WM_LBUTTONDOWN:
        PressMouse(1, shift, x, y);
        break;
    case WM_RBUTTONDOWN:
        PressMouse(2, shift, x, y);
        break;
    case WM_MBUTTONDOWN:
        PressMouse(4, shift, x, y);
        break;
    case WM_LBUTTONUP:
        ReleaseMouse(1, shift, x, y);
        break;
    case WM_RBUTTONUP:
        ReleaseMouse(2, shift, x, y);
        break;
    case WM_MBUTTONUP:
        ReleaseMouse(4, shift, x, y);
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        DoubleClick();
        break;
    case WM_SETFOCUS:
        control_->GotFocus();
        break;
    case WM_KILLFOCUS:
        control_->LostFocus();
        break;
    case WM_KEYDOWN:
        control_->KeyDown(static_cast<std::int16_t>(wParam), static_cast<std::int16_t>(lParam));
        break;
    case WM_KEYUP:
        control_->KeyUp(static_cast<std::int16_t>(wParam), static_cast<std::int16_t>(lParam));
        break;
    default:
        break;
    }
    return 0;
}

void OffscreenHost::SetAmbientBackColor(OleColor color) {
    ambientBackColor = color;
    // The surface's own background starts as the container's.
    surface_.set_back_color(TranslateColor(color, surface_.palette()));
}

void OffscreenHost::ResizeSurface() {
    surface_.Resize(RoundHalfEven(ScaleWidth()), RoundHalfEven(ScaleHeight()));
}

void OffscreenHost::SetWindowRgn(Region region, bool) {
    region_ = std::move(region);
}

void OffscreenHost::SetWidth(float twips) {
    width_ = twips;
    ResizeSurface();
    if (raiseResizeOnSetSize && control_ != nullptr) {
        control_->Resize();
    }
}

void OffscreenHost::SetHeight(float twips) {
    height_ = twips;
    ResizeSurface();
    if (raiseResizeOnSetSize && control_ != nullptr) {
        control_->Resize();
    }
}

std::int32_t OffscreenHost::ParentProperty(std::string_view name) {
    const auto it = parentProperties.find(name);
    if (it == parentProperties.end()) {
        throw RuntimeError(ErrorNumber::InvalidProcedureCall, "Invalid procedure call");
    }
    return it->second;
}

void OffscreenHost::SetSurfaceEnabled(bool enabled) {
    enabled_ = enabled;
    if (Window* w = desk_->windows.Find(window_)) {
        w->set_enabled(enabled);
    }
    // As on the platform, a window that is disabled gives up the mouse capture.
    if (!enabled && desktop().GetCapture() == window_) {
        desktop().ReleaseCapture();
    }
}

void OffscreenHost::Refresh() {
    if (control_ != nullptr) {
        control_->Paint();
    }
}

void OffscreenHost::HandlerError(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        errors.emplace_back(e.what());
    } catch (...) {
        errors.emplace_back("unknown error");
    }
}

Bitmap OffscreenHost::Composite() const {
    const Pixel back = ToPixel(TranslateColor(ambientBackColor, surface_.palette()));
    Bitmap out(surface_.width(), surface_.height(), back);
    for (std::int32_t y = 0; y < out.height(); ++y) {
        for (std::int32_t x = 0; x < out.width(); ++x) {
            if (!region_ || region_->Contains(x, y)) {
                out.set(x, y, surface_.bitmap().at(x, y));
            }
        }
    }
    return out;
}

} // namespace lumio
