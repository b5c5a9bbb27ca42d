#include "reader/full_screen.h"

#include <algorithm>

namespace lumio {

namespace {

std::int64_t OverlapArea(const Rect& a, const Rect& b) {
    const std::int64_t width = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const std::int64_t height = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

bool Covers(const Rect& frame, const Rect& monitor) {
    return monitor.right > monitor.left && monitor.bottom > monitor.top &&
           frame.left <= monitor.left && frame.top <= monitor.top && frame.right >= monitor.right &&
           frame.bottom >= monitor.bottom;
}

} // namespace

std::optional<std::size_t> MonitorOf(const Rect& r, const std::vector<Rect>& monitors) {
    std::optional<std::size_t> best;
    std::int64_t bestArea = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const std::int64_t area = OverlapArea(r, monitors[i]);
        if (area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    return best;
}

std::uint64_t FullScreenOverStrip(const ScreenState& screen) {
    if (screen.presentation) {
        return kPresentationHolder;
    }
    const FrontWindow& front = screen.front;
    if (front.id == 0 || front.shell || front.minimised) {
        return 0;
    }
    const std::optional<std::size_t> frontMonitor = MonitorOf(front.frame, screen.monitors);
    // A window without a frame that fills its monitor is full screen whether it said so
    // or not (games and slide shows often just cover the screen); a maximised window,
    // which keeps its title bar, is not.
    const bool full = front.saysFullScreen || (frontMonitor && !front.decorated &&
                                               Covers(front.frame, screen.monitors[*frontMonitor]));
    if (!full) {
        return 0;
    }
    // Where either monitor cannot be told, the strip may be under the window: step aside.
    const std::optional<std::size_t> stripMonitor = MonitorOf(screen.strip, screen.monitors);
    if (frontMonitor && stripMonitor && *frontMonitor != *stripMonitor) {
        return 0;
    }
    return front.id;
}

} // namespace lumio
