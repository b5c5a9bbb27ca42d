#pragma once

#include "options.h"
#include "platform/bitmap.h"
#include "platform/text_painter.h"

namespace lumio::qxrender {

// One qxbutton drawn as the options say, the way its container shows it: the
// container's colour outside the button's window region.
Bitmap RenderButton(const Options& options, const TextPainter& text);

} // namespace lumio::qxrender
