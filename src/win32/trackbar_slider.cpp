#include "win32/trackbar_slider.h"

namespace lumio {

namespace {

constexpr UINT_PTR kSubclassId = 1;

} // namespace

TrackbarSlider::TrackbarSlider(HWND parent, const Rect& g, std::int32_t min, std::int32_t max) {
    hwnd_ = ::CreateWindowExW(
        0, TRACKBAR_CLASSW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TBS_HORZ | TBS_AUTOTICKS |
            TBS_BOTTOM,
        g.left, g.top, g.right - g.left, g.bottom - g.top, parent, nullptr,
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    ::SendMessageW(hwnd_, TBM_SETRANGE, FALSE, MAKELPARAM(min, max));
    ::SendMessageW(hwnd_, TBM_SETLINESIZE, 0, 1);
    ::SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, 5);
    ::SendMessageW(hwnd_, TBM_SETTICFREQ, 1, 0);
    ::SetWindowSubclass(hwnd_, Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    last_ = Value();
}

TrackbarSlider::~TrackbarSlider() {
    if (hwnd_) {
        ::RemoveWindowSubclass(hwnd_, Subclass, kSubclassId);
        ::DestroyWindow(hwnd_);
    }
}

std::int32_t TrackbarSlider::Value() const {
    return static_cast<std::int32_t>(::SendMessageW(hwnd_, TBM_GETPOS, 0, 0));
}

void TrackbarSlider::SetValue(std::int32_t value) {
    ::SendMessageW(hwnd_, TBM_SETPOS, TRUE, value);
    last_ = Value();
}

void TrackbarSlider::OnScroll(WORD code) {
    if (code == TB_ENDTRACK) {
        return;
    }
    const std::int32_t now = Value();
    if (now != last_) {
        last_ = now;
        if (onScroll) {
            onScroll();
        }
    }
}

LRESULT CALLBACK TrackbarSlider::Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<TrackbarSlider*>(data);
    if (message == WM_LBUTTONDOWN) {
        self->pressed_ = true;
    }
    const LRESULT result = ::DefSubclassProc(hwnd, message, wParam, lParam);
    if (message == WM_LBUTTONUP && self->pressed_) {
        self->pressed_ = false;
        RECT r{};
        ::GetClientRect(hwnd, &r);
        const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (::PtInRect(&r, p) && self->onClick) {
            self->onClick();
        }
    }
    return result;
}

} // namespace lumio
