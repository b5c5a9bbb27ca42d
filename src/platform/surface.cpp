#include "platform/surface.h"

namespace lumio {

Surface::Surface(std::int32_t width, std::int32_t height)
    : bitmap_(width, height, ToPixel(Rgb(255, 255, 255))) {}

void Surface::Resize(std::int32_t width, std::int32_t height) {
    bitmap_ = Bitmap(width, height, ToPixel(back_color_));
}

void Surface::Attach(std::int32_t width, std::int32_t height, Pixel* memory) {
    bitmap_ = Bitmap::View(width, height, memory);
    Clear();
}

void Surface::Clear() {
    bitmap_.Fill(ToPixel(back_color_));
}

std::int32_t Surface::SetDrawMode(std::int32_t mode) {
    if (mode < kDrawModeBlack || mode > kDrawModeWhite) {
        return 0;
    }
    const std::int32_t previous = draw_mode_;
    draw_mode_ = mode;
    return previous;
}

std::int32_t Surface::SetStretchMode(std::int32_t mode) {
    constexpr std::int32_t kHalftone = 4;
    if (mode < kStretchAndScans || mode > kHalftone) {
        return 0;
    }
    const std::int32_t previous = stretch_mode_;
    stretch_mode_ = mode;
    return previous;
}

} // namespace lumio
