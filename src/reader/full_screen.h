#pragma once

#include "platform/rect.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace lumio {

// The window in front (the active or foreground one) as the desktop describes it. All
// rectangles are in the desktop's own pixels, the monitors' and the strip's alike.
struct FrontWindow {
    std::uint64_t id = 0;        // 0: no window is in front
    Rect frame;                  // on the screen, with whatever frame the system drew
    bool saysFullScreen = false; // it asked to be full screen, or the system says it is
    bool decorated = false;      // it has a title bar or frame of the system's
    bool shell = false;          // the desktop, a panel, the taskbar: never full screen
    bool minimised = false;      // in front but not on the screen
    bool ours = false;           // one of this program's own windows (the strip, a dialog)
};

// One look at the desktop, taken whenever something may have changed.
struct ScreenState {
    FrontWindow front;
    std::vector<Rect> monitors;
    Rect strip;                // where the strip is, or was when it was hidden
    bool presentation = false; // the system is set for a presentation: every monitor is held
};

// How often the desktop is looked at besides the looks its events ask for: for what no
// event tells (a monitor plugged in, the shell's presentation state, a desktop that sends
// no such events at all), so the strip still steps aside well within a second.
inline constexpr int kFullScreenPollMs = 500;

// What the full-screen window over the strip's monitor is called when the system's
// presentation mode, not one window, holds the screen.
inline constexpr std::uint64_t kPresentationHolder = ~std::uint64_t{0};

// The monitor that holds most of `r` (where the system would say the window is); none
// when `r` lies outside every monitor.
std::optional<std::size_t> MonitorOf(const Rect& r, const std::vector<Rect>& monitors);

// Which full-screen window holds the strip's monitor: the front window's id, or
// kPresentationHolder; 0 when the strip's monitor is free.
std::uint64_t FullScreenOverStrip(const ScreenState& screen);

} // namespace lumio
