#include "button/support/input_rig.h"

#include "button/event_text.h"

#include <algorithm>

namespace lumio::testing {

void EventLog::Attach(QxButton& button, std::string prefix) {
    DescribeEvents(button.events, [this, prefix](std::string event) {
        entries.push_back(prefix + std::move(event));
    });
}

int EventLog::Count(std::string_view entry) const {
    return static_cast<int>(std::count_if(entries.begin(), entries.end(), [&](const auto& e) {
        return e == entry ||
               (e.starts_with(entry) && e.size() > entry.size() && e[entry.size()] == '(');
    }));
}

std::string EventLog::Joined() const {
    std::string line;
    for (const std::string& e : entries) {
        line += line.empty() ? e : ", " + e;
    }
    return line;
}

PropertyBag ButtonSettings(std::int32_t style, bool handPointer, bool checkBoxMode) {
    PropertyBag bag("b");
    bag.WriteInt32("ButtonStyle", style, 1);
    bag.WriteString("Caption", u"&Go", u"qxbutton");
    bag.WriteBoolean("HandPointer", handPointer, false);
    bag.WriteBoolean("CheckBoxMode", checkBoxMode, false);
    return bag;
}

RunningButton::RunningButton(const PropertyBag& settings,
                             const std::function<void(TestHost&)>& prepare)
    : host(kWidth * kTwipsPerPixel, kHeight * kTwipsPerPixel) {
    host.Attach(&button);
    desktop().PlaceWindow(host.parentWindow(), {0, 0, 400, 300});
    desktop().PlaceWindow(host.window(),
                          {kOrigin.x, kOrigin.y, kOrigin.x + kWidth, kOrigin.y + kHeight});
    if (prepare) {
        prepare(host);
    }
    button.Initialize();
    button.ReadProperties(settings);
    events.Attach(button);
}

void RunningButton::MoveTo(std::int32_t x, std::int32_t y, WParam keys) {
    desktop().MovePointer({kOrigin.x + x, kOrigin.y + y}, keys);
}

void RunningButton::MoveAway(WParam keys) {
    desktop().MovePointer({300, 200}, keys);
}

MessageResult RunningButton::Send(MessageNumber message, WParam wParam, LParam lParam) {
    return windows().Send(host.window(), message, wParam, lParam);
}

MessageResult RunningButton::SendMouse(MessageNumber message, std::int32_t x, std::int32_t y,
                                       WParam keys) {
    return Send(message, keys, MakeLParam(x, y));
}

MessageResult RunningButton::Activate(WParam wParam) {
    return windows().Send(host.parentWindow(), WM_ACTIVATE, wParam, 0);
}

void RunningButton::Hook(MessageNumber message, WParam wParam) {
    bool handled = false;
    MessageResult result = 0;
    WindowHandle window =
        message == WM_ACTIVATE || message == WM_NCACTIVATE ? host.parentWindow() : host.window();
    LParam lParam = 0;
    button.zSubclass_Proc(false, handled, result, window, message, wParam, lParam);
}

} // namespace lumio::testing
