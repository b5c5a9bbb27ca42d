#pragma once

#include "platform/numeric.h"

#include <cstdint>

namespace lumio {

// Forms lay out their controls in twips; at 96 dots per inch a pixel is 15 of them. The
// controls' scale sizes are single-precision, as the platform's are.
inline constexpr float kTwipsPerPixel = 15.0f;

// A length in twips as whole pixels, rounded to nearest with halves to even.
inline std::int32_t TwipsToPixels(double twips) {
    return RoundHalfEven(twips / kTwipsPerPixel);
}

} // namespace lumio
