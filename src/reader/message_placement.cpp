#include "reader/message_placement.h"

#include <algorithm>

namespace lumio {

namespace {

// `start` moved just enough for `size` to lie within [low, high); `low` when it cannot.
std::int32_t Within(std::int32_t start, std::int32_t size, std::int32_t low, std::int32_t high) {
    return std::max(low, std::min(start, high - size));
}

} // namespace

Point PlaceClearOfStrip(const Rect& strip, std::int32_t width, std::int32_t height,
                        const Rect& screen) {
    const std::int32_t centre = strip.left + (strip.right - strip.left) / 2;
    const std::int32_t x = Within(centre - width / 2, width, screen.left, screen.right);

    const std::int32_t below = strip.bottom + kMessageGap;
    const std::int32_t above = strip.top - kMessageGap - height;
    if (below + height <= screen.bottom) {
        return {x, below};
    }
    if (above >= screen.top) {
        return {x, above};
    }
    const bool moreBelow = screen.bottom - strip.bottom >= strip.top - screen.top;
    return {x, Within(moreBelow ? below : above, height, screen.top, screen.bottom)};
}

} // namespace lumio
