#pragma once

#include "platform/color.h"
#include "platform/rect.h"
#include "platform/surface.h"

#include <cstdint>

namespace lumio {

// The small drawing primitives every button look is built from. Coordinates are
// 32-bit; arithmetic on them that overflows raises an Overflow RuntimeError before
// anything is drawn. Nothing outside the surface is ever touched.

// A one-pixel solid line from (x1, y1) to (x2, y2), end point excluded, drawn in the
// surface's drawing mode; leaves the pen position at (x2, y2).
void DrawLine(Surface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              OleColor color);

// A one-pixel frame just inside (x, y, x + width, y + height).
void DrawRectangle(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t width,
                   std::int32_t height, OleColor color);

// A solid fill of the rectangle.
void FillRectangle(Surface& surface, OleColor color, const Rect& rect);

// The pixels (1, 1), (1, height - 2), (width - 2, 1) and (width - 2, height - 2) in
// `color`. The caller re-measures width and height and keeps them.
void SetCornerPixels(Surface& surface, std::int32_t width, std::int32_t height, OleColor color);

} // namespace lumio
