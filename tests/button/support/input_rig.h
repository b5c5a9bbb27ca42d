#pragma once

#include "button/qxbutton.h"
#include "button/support/test_host.h"
#include "platform/messages.h"
#include "platform/point.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumio::testing {

// Every event a button raises, as text in the order raised: "Click", "MouseEnter",
// "MouseDown(1,0,5,6)", "KeyDown(32,0)". With a prefix, several buttons share one log.
class EventLog {
public:
    void Attach(QxButton& button, std::string prefix = {});
    // Entries that are exactly `entry`, or that start with it followed by "(".
    int Count(std::string_view entry) const;
    // The entries as one line, comma-separated, to compare whole sequences readably.
    std::string Joined() const;
    void Clear() { entries.clear(); }

    std::vector<std::string> entries;
};

// A stored set with the given look; style 0 never forces the pressed look of a checked
// button, so tests see mState as the handlers leave it.
PropertyBag ButtonSettings(std::int32_t style = 0, bool handPointer = false,
                           bool checkBoxMode = false);

// A button running in its container: loaded from a set at run time, so the input set-up
// has hooked its window and the parent. Its window lies at kOrigin on the fake screen,
// 75 x 23 pixels, over a parent of 400 x 300 placed at (0, 0). `prepare` may change the
// host (its desktop, its parent's properties) before loading.
struct RunningButton {
    static constexpr Point kOrigin{10, 10};
    static constexpr std::int32_t kWidth = 75;
    static constexpr std::int32_t kHeight = 23;

    explicit RunningButton(const PropertyBag& settings = ButtonSettings(),
                           const std::function<void(TestHost&)>& prepare = {});

    ButtonModel& m() { return button.model(); }
    FakeDesktop& desktop() { return host.desktop(); }
    WindowRegistry& windows() { return host.Windows(); }
    int paints() const { return host.paints(); }

    // The pointer, in the button's client coordinates, moved through the fake desktop.
    void MoveTo(std::int32_t x, std::int32_t y, WParam keys = 0);
    // The pointer over the parent, off the button.
    void MoveAway(WParam keys = 0);
    // A message to the button's window, as the host sends what it hears.
    MessageResult Send(MessageNumber message, WParam wParam = 0, LParam lParam = 0);
    MessageResult SendMouse(MessageNumber message, std::int32_t x, std::int32_t y, WParam keys = 0);
    // The parent window activated (wParam 1) or deactivated (0).
    MessageResult Activate(WParam wParam);
    // A message through the hook callback alone, after the window's own processing.
    void Hook(MessageNumber message, WParam wParam = 0);

    TestHost host;
    QxButton button{host};
    EventLog events;
};

} // namespace lumio::testing
