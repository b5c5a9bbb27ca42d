#include "platform/pixels.h"

namespace lumio {

OleColor SetPixel(Surface& surface, std::int32_t x, std::int32_t y, OleColor color) {
    const Pixel p = ToPixel(color);
    if (surface.bitmap().Contains(x, y)) {
        surface.bitmap().set(x, y, p);
    }
    return ToOleColor(p);
}

OleColor GetPixel(const Surface& surface, std::int32_t x, std::int32_t y) {
    if (!surface.bitmap().Contains(x, y)) {
        return kInvalidColor;
    }
    return ToOleColor(surface.bitmap().at(x, y));
}

} // namespace lumio
