#pragma once

#include "platform/color.h"

#include <array>
#include <cstdint>

namespace lumio {

// Indices of the system colours the drawing code names.
enum SystemColorIndex : std::int32_t {
    kColorWindow = 5,
    kColorWindowFrame = 6,
    kColorWindowText = 8,
    kColorAppWorkspace = 12,
    kColorBtnFace = 15,
    kColorBtnShadow = 16,
    kColorGrayText = 17,
    kColorBtnText = 18,
    kColorBtnHighlight = 20,
    kColor3dDkShadow = 21,
    kColor3dLight = 22,
};

// The system colours, indices 0 to 30. Every tool and test uses Default(); the desktop
// program may build another one from the desktop theme, but never silently.
class SystemPalette {
public:
    static constexpr std::int32_t kCount = 31;

    // Indices 0..30 hold 0x00BBGGRR values; the default palette has them all set.
    explicit SystemPalette(const std::array<OleColor, kCount>& colors) : colors_(colors) {}

    static const SystemPalette& Default();

    // The plain colour at index, or kInvalidColor when index is outside 0..30.
    OleColor at(std::int32_t index) const;
    void set(std::int32_t index, OleColor color);

    friend bool operator==(const SystemPalette&, const SystemPalette&) = default;

private:
    std::array<OleColor, kCount> colors_;
};

// The plain RGB value of a colour value: top byte 0x00 or 0x02 gives the low 24 bits,
// 0x80 with index 0..30 the palette entry; anything else cannot be translated and gives
// kInvalidColor (-1).
OleColor TranslateColor(OleColor color, const SystemPalette& palette = SystemPalette::Default());

} // namespace lumio
