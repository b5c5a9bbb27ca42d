#pragma once

#include "button/render/paint_context.h"

#include <cstdint>
#include <string_view>

namespace lumio {

using StyleRenderer = void (*)(PaintContext&, std::int32_t state);

// One row of the ButtonStyle dispatch: the look's name, who draws it, and the window
// region it gets (a rectangle, or a rounded rectangle with this corner ellipse).
struct StyleEntry {
    std::string_view name;
    StyleRenderer renderer;
    std::int32_t cornerEllipse; // 0: plain rectangle
    // Drawn from fixed artwork, whose corners (and so the region's) grow by the host's
    // artwork factor.
    bool artwork = false;
};

// The entry of a ButtonStyle value, or null for values outside 0 to 15 (those draw no
// background and get a rectangular region).
const StyleEntry* FindStyle(std::int32_t buttonStyle);

} // namespace lumio
