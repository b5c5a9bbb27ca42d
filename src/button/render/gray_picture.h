#pragma once

#include "platform/picture.h"
#include "platform/surface.h"

#include <cstdint>

namespace lumio {

// Draws a picture in grey (each pixel the truncated mean of its channels) at (x, y),
// stretched to width x height (-1 for the picture's own pixel width or height) with the
// surface's stretch mode. An icon goes through its mask (AND, then the grey image OR),
// so its transparent parts keep the background; a bitmap covers the whole rectangle.
// Returns whether the last transfer succeeded (false for no picture).
bool DrawGrayPicture(Surface& surface, const Picture& picture, std::int32_t x, std::int32_t y,
                     std::int32_t width, std::int32_t height);

} // namespace lumio
