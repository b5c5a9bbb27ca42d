#include "button/button_notifications.h"

#include "button/qxbutton.h"

namespace lumio {

namespace {

std::int16_t ButtonsHeld(WParam keys) {
    std::int16_t buttons = 0;
    buttons |= (keys & MK_LBUTTON) ? 1 : 0;
    buttons |= (keys & MK_RBUTTON) ? 2 : 0;
    buttons |= (keys & MK_MBUTTON) ? 4 : 0;
    return buttons;
}

template <typename F, typename... Args>
void Call(const F& notification, Args... args) {
    if (notification) {
        notification(args...);
    }
}

} // namespace

ButtonNotifications NotificationsOf(QxButton& b) {
    ButtonNotifications n;
    n.MouseDown = [&b](auto button, auto shift, float x, float y) {
        b.MouseDown(button, shift, x, y);
    };
    n.MouseMove = [&b](auto button, auto shift, float x, float y) {
        b.MouseMove(button, shift, x, y);
    };
    n.MouseUp = [&b](auto button, auto shift, float x, float y) { b.MouseUp(button, shift, x, y); };
    n.DblClick = [&b] { b.DblClick(); };
    n.KeyDown = [&b](auto code, auto shift) { b.KeyDown(code, shift); };
    n.KeyUp = [&b](auto code, auto shift) { b.KeyUp(code, shift); };
    n.AccessKeyPress = [&b](auto key) { b.AccessKeyPress(key); };
    n.GotFocus = [&b] { b.GotFocus(); };
    n.LostFocus = [&b] { b.LostFocus(); };
    return n;
}

MessageResult DeliverInput(const ButtonNotifications& n, MessageNumber message, WParam wParam,
                           LParam lParam, std::int16_t shift) {
    const auto x = static_cast<float>(XFromLParam(lParam));
    const auto y = static_cast<float>(YFromLParam(lParam));
    switch (message) {
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_LBUTTONDOWN:
        Call(n.MouseDown, std::int16_t{1}, shift, x, y);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        Call(n.MouseDown, std::int16_t{2}, shift, x, y);
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        Call(n.MouseDown, std::int16_t{4}, shift, x, y);
        break;
    case WM_LBUTTONDBLCLK:
        Call(n.DblClick);
        break;
    case WM_LBUTTONUP:
        Call(n.MouseUp, std::int16_t{1}, shift, x, y);
        break;
    case WM_RBUTTONUP:
        Call(n.MouseUp, std::int16_t{2}, shift, x, y);
        break;
    case WM_MBUTTONUP:
        Call(n.MouseUp, std::int16_t{4}, shift, x, y);
        break;
    case WM_MOUSEMOVE:
        Call(n.MouseMove, ButtonsHeld(wParam), shift, x, y);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Call(n.KeyDown, static_cast<std::int16_t>(wParam), shift);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        Call(n.KeyUp, static_cast<std::int16_t>(wParam), shift);
        break;
    case WM_SETFOCUS:
        Call(n.GotFocus);
        break;
    case WM_KILLFOCUS:
        Call(n.LostFocus);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace lumio
