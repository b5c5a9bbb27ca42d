#pragma once

#include "platform/rect.h"
#include "platform/surface.h"

namespace lumio {

// DrawFocusRect: the dotted focus frame on the outline of [left, right) x [top, bottom),
// drawn by inverting every other pixel. Drawing it twice restores the surface; the
// drawing mode and colours of the surface do not matter.
bool DrawFocusRect(Surface& surface, const Rect& rect);

} // namespace lumio
