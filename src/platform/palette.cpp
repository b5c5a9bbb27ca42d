#include "platform/palette.h"

namespace lumio {

const SystemPalette& SystemPalette::Default() {
    // The desktop defaults every tool and test draws with (index: R, G, B).
    static const SystemPalette palette({
        Rgb(200, 200, 200), Rgb(0, 0, 0),       Rgb(153, 180, 209), Rgb(191, 205, 219),
        Rgb(240, 240, 240), Rgb(255, 255, 255), Rgb(100, 100, 100), Rgb(0, 0, 0),
        Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(180, 180, 180), Rgb(244, 247, 252),
        Rgb(171, 171, 171), Rgb(0, 120, 215),   Rgb(255, 255, 255), Rgb(240, 240, 240),
        Rgb(160, 160, 160), Rgb(109, 109, 109), Rgb(0, 0, 0),       Rgb(0, 0, 0),
        Rgb(255, 255, 255), Rgb(105, 105, 105), Rgb(227, 227, 227), Rgb(0, 0, 0),
        Rgb(255, 255, 225), Rgb(0, 0, 0),       Rgb(0, 102, 204),   Rgb(185, 209, 234),
        Rgb(215, 228, 242), Rgb(51, 153, 255),  Rgb(240, 240, 240),
    });
    return palette;
}

OleColor SystemPalette::at(std::int32_t index) const {
    if (index < 0 || index >= kCount) {
        return kInvalidColor;
    }
    return colors_[static_cast<std::size_t>(index)];
}

void SystemPalette::set(std::int32_t index, OleColor color) {
    if (index >= 0 && index < kCount) {
        colors_[static_cast<std::size_t>(index)] = color & 0x00FFFFFF;
    }
}

OleColor TranslateColor(OleColor color, const SystemPalette& palette) {
    const auto value = static_cast<std::uint32_t>(color);
    const std::uint32_t low = value & 0x00FFFFFFu;
    switch (value >> 24) {
    case 0x00: // a plain colour
    case 0x02: // a palette-relative colour: its RGB part
        return static_cast<OleColor>(low);
    case 0x80: // a system colour by index
        return low < SystemPalette::kCount ? palette.at(static_cast<std::int32_t>(low))
                                           : kInvalidColor;
    default:
        return kInvalidColor;
    }
}

} // namespace lumio
