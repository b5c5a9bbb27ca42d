#pragma once

#include <cstdint>

namespace lumio {

// The resolution a window is shown at, in dots per inch: 96 is 100 %, 144 is 150 %, 192
// is 200 %. Forms are laid out in twips (1440 to the inch) and fonts sized in points (72
// to the inch), so both turn into pixels the same way at any scale; at 96 dots per inch
// every length is the one the form has always had.
class DisplayScale {
public:
    static constexpr std::int32_t kBaseDpi = 96;
    static constexpr std::int32_t kTwipsPerInch = 1440;

    constexpr DisplayScale() = default;
    // Resolutions the system cannot mean (0, negative) are taken as 100 %.
    constexpr explicit DisplayScale(std::int32_t dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

    constexpr std::int32_t dpi() const { return dpi_; }
    // The scale in per cent, rounded down (120 dots per inch: 125).
    constexpr std::int32_t percent() const { return dpi_ * 100 / kBaseDpi; }

    // A length in twips as whole pixels, rounded to nearest with halves to even.
    std::int32_t Pixels(double twips) const;
    // A length in pixels at 100 % at this scale, rounded the same way (a margin of 4
    // pixels is 6 at 150 %).
    std::int32_t Scaled(std::int32_t pixelsAt100) const;
    // A font's em in whole pixels for its point size; never less than one.
    std::int32_t FontPixels(double points) const;
    // How many pixels each pixel of fixed artwork takes: the largest whole factor that
    // does not exceed the scale (1 up to 199 %, 2 up to 299 %), so a pixel map stays
    // sharp and never outgrows a control that grew by the scale.
    constexpr std::int32_t ArtworkFactor() const {
        return dpi_ >= 2 * kBaseDpi ? dpi_ / kBaseDpi : 1;
    }

    friend constexpr bool operator==(DisplayScale, DisplayScale) = default;

private:
    std::int32_t dpi_ = kBaseDpi;
};

} // namespace lumio
