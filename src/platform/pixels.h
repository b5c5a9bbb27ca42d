#pragma once

#include "platform/color.h"
#include "platform/surface.h"

#include <cstdint>

namespace lumio {

// SetPixel: returns the colour set (0x00BBGGRR), or kInvalidColor when (x, y) lies
// outside the surface, which then stays untouched.
OleColor SetPixel(Surface& surface, std::int32_t x, std::int32_t y, OleColor color);

// GetPixel: the colour at (x, y), or kInvalidColor outside the surface.
OleColor GetPixel(const Surface& surface, std::int32_t x, std::int32_t y);

} // namespace lumio
