#include "platform/display_scale.h"

#include "platform/numeric.h"

#include <algorithm>
#include <cmath>

namespace lumio {

std::int32_t DisplayScale::Pixels(double twips) const {
    // twips * dpi is exact in a double, so the quotient is the correctly rounded one and
    // at 96 dots per inch the same as twips / 15.
    return RoundHalfEven(twips * dpi_ / kTwipsPerInch);
}

std::int32_t DisplayScale::Scaled(std::int32_t pixelsAt100) const {
    return RoundHalfEven(static_cast<double>(pixelsAt100) * dpi_ / kBaseDpi);
}

std::int32_t DisplayScale::FontPixels(double points) const {
    // Halves away from zero, as the platform rounds a font's height.
    constexpr double kPointsPerInch = 72.0;
    return std::max(1, static_cast<int>(std::lround(points * dpi_ / kPointsPerInch)));
}

} // namespace lumio
