#include "button/render/style_table.h"

#include "button/render/style_renderers.h"

#include <array>

namespace lumio {

namespace {

constexpr std::array<StyleEntry, 16> kStyles = {{
    {"Standard", DrawStandard, 0},
    {"Flat", DrawStandard, 0},
    {"Gloss", DrawGloss, 3},
    {"Bevel", DrawBevel, 4},
    {"BlueGlass", DrawBlueGlass, 3},
    {"Shadow", DrawShadow, 0},
    {"SoftGradient", DrawSoftGradient, 3},
    {"AmberBands", DrawAmberBands, 0},
    {"LightBlue", DrawLightBlue, 3},
    {"HighlightBox", DrawHighlightBox, 0},
    {"Plastic", DrawPlastic, 4},
    {"HoverRaised", DrawStandard, 0},
    {"HoverThin", DrawStandard, 0},
    {"AmberNavy", DrawAmberNavy, 0},
    {"Capsule", DrawCapsule, 18, true},
    {"SideGradient", DrawSideGradient, 0},
}};

} // namespace

const StyleEntry* FindStyle(std::int32_t buttonStyle) {
    if (buttonStyle < 0 || buttonStyle >= static_cast<std::int32_t>(kStyles.size())) {
        return nullptr;
    }
    return &kStyles[static_cast<std::size_t>(buttonStyle)];
}

} // namespace lumio
