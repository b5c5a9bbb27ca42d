#pragma once

#include "platform/color.h"

namespace lumio {

// Lighter (amount > 0) or darker (amount < 0): each channel v becomes v + amount * 255
// rounded half to even, then limited to 255 (lightening) or 0 (darkening). The amount
// is single precision, as the looks are defined with it: -0.1f * 255 is -25.5000004.
// Takes a translated colour; returns a plain one.
OleColor ShiftColor(OleColor color, float amount);

// The per-channel mean of two translated colours, halves rounded to even.
OleColor BlendColors(OleColor color1, OleColor color2);

} // namespace lumio
