#include "win32/viewer_window.h"

#include "win32/wide.h"

#include <algorithm>
#include <chrono>

namespace lumio {

namespace {

constexpr wchar_t kClassName[] = L"LumioViewer";
constexpr UINT kFilesDropped = WM_APP + 1;

} // namespace

int WrapLineEnd(std::wstring_view text, int start, int fit) {
    const int end = start + std::max(fit, 1);
    if (end >= static_cast<int>(text.size())) {
        return static_cast<int>(text.size());
    }
    if (text[static_cast<std::size_t>(end)] == L' ') {
        return end + 1; // the word fits just so; its space ends the line
    }
    for (int i = end; i > start; --i) {
        if (text[static_cast<std::size_t>(i - 1)] == L' ') {
            return i;
        }
    }
    return end;
}

void ViewerWindow::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = kClassName;
    ::RegisterClassExW(&wc);
}

ViewerWindow::ViewerWindow(HWND parent, const Rect& g) {
    hwnd_ = ::CreateWindowExW(
        0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, g.left, g.top,
        g.right - g.left, g.bottom - g.top, parent, nullptr,
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    drops_ = std::make_unique<FileDropTarget>(hwnd_, kFilesDropped, [this](const HdropData& files) {
        if (onDrop) {
            onDrop(files);
        }
    });
}

ViewerWindow::~ViewerWindow() {
    drops_.reset(); // while the window it is registered on still exists
    if (hwnd_) {
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

void ViewerWindow::SetFont(HFONT font) {
    font_ = font;
    Changed();
}

void ViewerWindow::SetScale(DisplayScale scale) {
    margin_ = scale.Scaled(kMargin);
    Changed();
}

void ViewerWindow::SetText(std::u16string_view text) {
    text_ = WideCopy(text);
    selStart_ = 0;
    selLength_ = 0;
    colored_.clear();
    Changed();
}

void ViewerWindow::SetSelStart(std::int32_t start) {
    selStart_ = std::clamp<int>(start, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void ViewerWindow::SetSelLength(std::int32_t length) {
    selLength_ = std::clamp<int>(length, 0, static_cast<int>(text_.size()) - selStart_);
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void ViewerWindow::SetSelColor(std::uint32_t color) {
    if (selLength_ > 0) {
        colored_.push_back({selStart_, selLength_, static_cast<COLORREF>(color & 0xFFFFFF)});
        ::InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void ViewerWindow::SetOLEDropMode(std::int32_t mode) {
    drops_->Accept(mode == kOleDropManual);
}

COLORREF ViewerWindow::ColorAt(int index) const {
    COLORREF color = kInk;
    for (const Colored& c : colored_) {
        if (index >= c.start && index < c.start + c.length) {
            color = c.color;
        }
    }
    return color;
}

void ViewerWindow::Changed() {
    layoutDirty_ = true;
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

RECT ViewerWindow::TextArea() const {
    RECT r{};
    ::GetClientRect(hwnd_, &r);
    return RECT{r.left + margin_, r.top + 1, r.right - margin_, r.bottom - 1};
}

void ViewerWindow::Relayout(HDC dc) {
    if (!layoutDirty_) {
        return;
    }
    layoutDirty_ = false;
    lineStarts_.clear();
    const RECT area = TextArea();
    const int width = std::max<int>(1, area.right - area.left);
    const HGDIOBJ old = ::SelectObject(dc, font_);
    const int size = static_cast<int>(text_.size());
    for (int start = 0; start < size;) {
        lineStarts_.push_back(start);
        int fit = 0;
        SIZE extent{};
        ::GetTextExtentExPointW(dc, text_.c_str() + start, size - start, width, &fit, nullptr,
                                &extent);
        start = WrapLineEnd(text_, start, fit);
    }
    ::SelectObject(dc, old);
}

std::pair<int, int> ViewerWindow::VisibleRange() {
    HDC dc = ::GetDC(hwnd_);
    Relayout(dc);
    ::ReleaseDC(hwnd_, dc);
    if (lineStarts_.empty()) {
        return {0, 0};
    }
    // The caret sits at the end of the selection; its character's line stays in view.
    const int caret = selLength_ > 0 ? selStart_ + selLength_ - 1 : selStart_;
    const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), caret);
    const auto line =
        static_cast<std::size_t>(std::max<std::ptrdiff_t>(it - lineStarts_.begin() - 1, 0));
    const int start = lineStarts_[line];
    const int end =
        line + 1 < lineStarts_.size() ? lineStarts_[line + 1] : static_cast<int>(text_.size());
    return {start, end - start};
}

void ViewerWindow::Paint() {
    const auto began = std::chrono::steady_clock::now();
    PAINTSTRUCT ps;
    HDC screen = ::BeginPaint(hwnd_, &ps);
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);

    HBRUSH page = ::CreateSolidBrush(kPage);
    ::FillRect(dc, &client, page);
    ::DeleteObject(page);
    HBRUSH frame = ::CreateSolidBrush(kFrame);
    ::FrameRect(dc, &client, frame);
    ::DeleteObject(frame);

    Relayout(dc);
    const auto [start, length] = VisibleRange();
    if (length > 0) {
        const RECT area = TextArea();
        const HGDIOBJ oldFont = ::SelectObject(dc, font_);
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc, &metrics);
        const int top = area.top + (area.bottom - area.top - metrics.tmHeight) / 2;
        ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
        ::SetBkMode(dc, TRANSPARENT);
        int x = area.left;
        // In runs of one colour each.
        for (int i = start; i < start + length;) {
            const COLORREF color = ColorAt(i);
            int j = i + 1;
            while (j < start + length && ColorAt(j) == color) {
                ++j;
            }
            ::SetTextColor(dc, color);
            ::TextOutW(dc, x, top, text_.c_str() + i, j - i);
            SIZE extent{};
            ::GetTextExtentPoint32W(dc, text_.c_str() + i, j - i, &extent);
            x += extent.cx;
            i = j;
        }
        ::SelectObject(dc, oldFont);
    }
    ::BitBlt(screen, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::EndPaint(hwnd_, &ps);
    ++paints_;
    paintNs_ += std::chrono::duration_cast<std::chrono::nanoseconds>(
                    std::chrono::steady_clock::now() - began)
                    .count();
}

LRESULT CALLBACK ViewerWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ViewerWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(message, wParam, lParam)
                : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT ViewerWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (drops_ && drops_->Handle(message, wParam)) {
        return 0;
    }
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        Changed();
        return 0;
    default:
        // The viewer's presses are its own: they never reach the reader window, whose
        // presses drag it.
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

} // namespace lumio
