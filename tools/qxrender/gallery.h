#pragma once

#include "platform/bitmap.h"
#include "platform/text_painter.h"

namespace lumio::qxrender {

// Every ButtonStyle from 0 to 15 and one value outside them, each in its normal,
// hover, pressed, checked, focused (in the active window) and disabled look, in one
// grid with the style names down the side and the looks across the top.
Bitmap RenderGallery(const TextPainter& text);

} // namespace lumio::qxrender
