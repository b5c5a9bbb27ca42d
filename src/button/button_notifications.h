#pragma once

#include "platform/messages.h"

#include <cstdint>
#include <functional>

namespace lumio {

class QxButton;

// The input notifications a host delivers to a hosted control, with the arguments the
// control's events take: Button 1 left, 2 right, 4 middle; Shift 1 Shift, 2 Ctrl,
// 4 Alt; x and y in the surface's pixels; KeyCode a virtual-key code.
struct ButtonNotifications {
    std::function<void(std::int16_t Button, std::int16_t Shift, float x, float y)> MouseDown;
    std::function<void(std::int16_t Button, std::int16_t Shift, float x, float y)> MouseMove;
    std::function<void(std::int16_t Button, std::int16_t Shift, float x, float y)> MouseUp;
    std::function<void()> DblClick;
    std::function<void(std::int16_t KeyCode, std::int16_t Shift)> KeyDown;
    std::function<void(std::int16_t KeyCode, std::int16_t Shift)> KeyUp;
    std::function<void(std::int16_t KeyAscii)> AccessKeyPress;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
};

// The notifications that run the control's own input handlers.
ButtonNotifications NotificationsOf(QxButton& control);

// What a container's own, innermost procedure of a control's window does with the
// window's input messages: it turns them into the notifications with the arguments the
// control's events take (`shift` is the Shift/Ctrl/Alt state of the input being
// delivered). A right or middle double click is a second press of that button. Hit tests
// land on the client area; every other message is left alone and answered 0, and so is
// a notification nobody listens to.
MessageResult DeliverInput(const ButtonNotifications& to, MessageNumber message, WParam wParam,
                           LParam lParam, std::int16_t shift);

} // namespace lumio
