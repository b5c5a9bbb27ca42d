#pragma once

#include "platform/point.h"
#include "platform/rect.h"

#include <cstdint>

namespace lumio {

// Where a message of the program goes on the screen. The strip stays above other
// windows, so a box that shares any of its pixels may be hidden under it; the box goes
// just below the strip's visible part, centred on it, or just above it where the screen
// has no room below. Where neither side has room, it takes the side with more and stays
// on the screen. `strip` and `screen` (the usable area) are in screen pixels; the size
// is the box's with its frame.
Point PlaceClearOfStrip(const Rect& strip, std::int32_t width, std::int32_t height,
                        const Rect& screen);

// The space kept between the strip and the box.
inline constexpr std::int32_t kMessageGap = 8;

} // namespace lumio
