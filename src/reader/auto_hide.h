#pragma once

#include "reader/full_screen.h"
#include "reader/window_services.h"

#include <cstdint>
#include <functional>

namespace lumio {

// The strip steps aside for a full-screen window: while one holds the strip's monitor
// the strip is hidden as the boss key hides it, and once none does it is shown again
// with its pin state. The user stays in charge: a show or hide they ask for (tray, pin,
// boss key) is never undone, and a strip they show over a full-screen window stays until
// the next full-screen window. Reading is not touched: only the window is hidden.
class AutoHide {
public:
    // `shown`: whether the strip is shown, or asked to be shown and about to be.
    // `bringForward`, where the desktop needs it: puts a strip the user shows over a
    // full-screen window in front of that window (an X11 window manager keeps the
    // full-screen window that has the focus above every other, topmost ones included).
    AutoHide(FormWindow& form, std::function<bool()> shown,
             std::function<void()> bringForward = nullptr);

    // A look at the desktop, as often as the caller likes: only changes count. A look
    // with one of the program's own windows in front changes nothing (the system's
    // presentation mode aside): the strip shown over a full-screen window may take the
    // focus, and giving it back to that window does not make it the next one.
    void Seen(const ScreenState& screen);
    // The same with the verdict already drawn: the full-screen window over the strip's
    // monitor (0: none).
    void Held(std::uint64_t holder);
    // Every show or hide asked of the strip, this rule's own included (told apart here).
    void Asked(bool shown);

    // Hidden by this rule, and nobody has shown or hidden the strip since.
    bool steppedAside() const { return steppedAside_; }
    std::uint64_t holder() const { return holder_; }

private:
    void Act(bool show);

    FormWindow& form_;
    std::function<bool()> shown_;
    std::function<void()> bringForward_;
    std::uint64_t holder_ = 0;
    bool steppedAside_ = false;
    bool acting_ = false;
};

} // namespace lumio
