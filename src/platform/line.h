#pragma once

#include "platform/color.h"
#include "platform/surface.h"

#include <cstdint>

namespace lumio {

// MoveToEx: sets the pen position; returns the previous one.
Point MoveTo(Surface& surface, std::int32_t x, std::int32_t y);

// LineTo with a solid pen one pixel wide in `color`, from the pen position to (x, y),
// which becomes the new pen position. The end point itself is never drawn and a
// zero-length line draws nothing. The surface's drawing mode decides what the pen does
// to each pixel (copy, invert, ...). Pixels off the surface are clipped without moving
// the others, whatever the coordinates.
void LineTo(Surface& surface, std::int32_t x, std::int32_t y, OleColor color);

} // namespace lumio
