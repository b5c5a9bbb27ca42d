#pragma once

#include <cstdint>
#include <functional>

namespace lumio {

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

} // namespace lumio
