#include "button/event_text.h"

#include <charconv>
#include <memory>

namespace lumio {

std::string ShortestFloat(float value) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

void DescribeEvents(QxButtonEvents& e, std::function<void(std::string)> sink) {
    // One sink shared by every callback, however often the events object is copied.
    const auto out = std::make_shared<std::function<void(std::string)>>(std::move(sink));
    const auto plain = [out](const char* name) { return [out, name] { (*out)(name); }; };
    const auto mouse = [out](const char* name) {
        return [out, name](std::int16_t& b, std::int16_t& s, float& x, float& y) {
            (*out)(std::string(name) + "(" + std::to_string(b) + "," + std::to_string(s) + "," +
                   ShortestFloat(x) + "," + ShortestFloat(y) + ")");
        };
    };
    const auto key = [out](const char* name) {
        return [out, name](std::int16_t& k, std::int16_t& s) {
            (*out)(std::string(name) + "(" + std::to_string(k) + "," + std::to_string(s) + ")");
        };
    };
    e.Click = plain("Click");
    e.DblClick = plain("DblClick");
    e.MouseEnter = plain("MouseEnter");
    e.MouseLeave = plain("MouseLeave");
    e.MouseMove = mouse("MouseMove");
    e.MouseUp = mouse("MouseUp");
    e.MouseDown = mouse("MouseDown");
    e.KeyDown = key("KeyDown");
    e.KeyUp = key("KeyUp");
    e.KeyPress = [out](std::int16_t& k) { (*out)("KeyPress(" + std::to_string(k) + ")"); };
}

} // namespace lumio
