#pragma once

#include "platform/color.h"
#include "platform/surface.h"

#include <cstdint>

namespace lumio {

enum class GradientDirection : std::int32_t {
    Horizontal = 0,   // first colour at the left
    Vertical = 1,     // first colour at the top
    DiagonalDown = 2, // first colour at the top-left corner, second at the bottom-right
    DiagonalUp = 3,   // first colour at the bottom-left corner, second at the top-right
};

// A two-colour gradient over (x, y, width, height): an integer ramp of N entries
// (N = width, height, or width + height - 1 for the diagonals), entry i being
// first + i * (second - first) / (N - 1) per channel, truncated; a single entry is the
// sum of the halved colours. Nothing is drawn when width or height is 0 or less, or for
// a direction outside 0..3. The top bytes of the colours are ignored. The ramp holds
// (N - 1) * (second - first) in 32 bits: a ramp too long for that raises Overflow.
void DrawGradient(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t width,
                  std::int32_t height, OleColor color1, OleColor color2,
                  GradientDirection direction);

} // namespace lumio
