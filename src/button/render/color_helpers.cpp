#include "button/render/color_helpers.h"

#include "platform/numeric.h"

#include <algorithm>

namespace lumio {

OleColor ShiftColor(OleColor color, float amount) {
    // The amount keeps its single-precision value; the arithmetic after it is double.
    const double delta = static_cast<double>(amount) * 255.0;
    auto shift = [amount, delta](std::int32_t channel) {
        const std::int32_t v = RoundHalfEven(channel + delta);
        return amount > 0 ? std::min(v, 255) : std::max(v, 0);
    };
    return shift(RedOf(color)) + shift(GreenOf(color)) * 256 + shift(BlueOf(color)) * 65536;
}

OleColor BlendColors(OleColor color1, OleColor color2) {
    auto mean = [](std::int32_t a, std::int32_t b) {
        return RoundHalfEven((static_cast<double>(a) + b) / 2.0);
    };
    return mean(RedOf(color1), RedOf(color2)) + mean(GreenOf(color1), GreenOf(color2)) * 256 +
           mean(BlueOf(color1), BlueOf(color2)) * 65536;
}

} // namespace lumio
