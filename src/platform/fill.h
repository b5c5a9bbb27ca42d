#pragma once

#include "platform/color.h"
#include "platform/rect.h"
#include "platform/surface.h"

namespace lumio {

// Solid rectangle calls with a brush of one colour. None of them honours the line
// drawing mode.

// FillRect: fills [left, right) x [top, bottom). A reversed axis (left > right) fills
// (right, left] instead, as the platform does. Always succeeds.
bool FillRect(Surface& surface, const Rect& rect, OleColor color);

// FrameRect: the one-pixel border just inside [left, right) x [top, bottom). An empty or
// reversed rectangle draws nothing and fails.
bool FrameRect(Surface& surface, const Rect& rect, OleColor color);

// InvertRect: flips every colour bit inside [left, right) x [top, bottom).
bool InvertRect(Surface& surface, const Rect& rect);

} // namespace lumio
