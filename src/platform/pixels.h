#pragma once

#include "platform/color.h"
#include "platform/surface.h"

#include <cstdint>

namespace lumio {

// SetPixel: sets (x, y) when it lies on the surface and, like the platform, returns the
// colour the device uses (0x00BBGGRR) either way.
OleColor SetPixel(Surface& surface, std::int32_t x, std::int32_t y, OleColor color);

// GetPixel: the colour at (x, y), or kInvalidColor outside the surface.
OleColor GetPixel(const Surface& surface, std::int32_t x, std::int32_t y);

} // namespace lumio
