#include "platform/line.h"

#include "platform/wide_math.h"

#include <algorithm>
#include <cstdint>

namespace lumio {

namespace {

// A binary raster operation on the colour bits: bit k of (mode - 1) is the result for
// pen bit P and destination bit D with k = 2P + D.
Pixel Rop2(std::int32_t mode, Pixel pen, Pixel dst) {
    const std::uint32_t table = static_cast<std::uint32_t>(mode - 1);
    auto term = [table](int k, std::uint32_t bits) { return (table >> k) & 1u ? bits : 0u; };
    const std::uint32_t result =
        term(0, ~pen & ~dst) | term(1, ~pen & dst) | term(2, pen & ~dst) | term(3, pen & dst);
    return kOpaque | (result & 0x00FFFFFFu);
}

} // namespace

Point MoveTo(Surface& surface, std::int32_t x, std::int32_t y) {
    const Point previous = surface.current_position();
    surface.set_current_position({x, y});
    return previous;
}

void LineTo(Surface& surface, std::int32_t x, std::int32_t y, OleColor color) {
    const Point from = surface.current_position();
    surface.set_current_position({x, y});

    const std::int64_t dx = std::int64_t{x} - from.x;
    const std::int64_t dy = std::int64_t{y} - from.y;
    const std::int64_t n = std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
    if (n == 0) {
        return;
    }
    const bool x_major = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const std::int64_t major_start = x_major ? from.x : from.y;
    const std::int64_t minor_start = x_major ? from.y : from.x;
    const std::int64_t major_step = (x_major ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t minor_delta = x_major ? dy : dx;
    Bitmap& bitmap = surface.bitmap();
    const std::int64_t major_size = x_major ? bitmap.width() : bitmap.height();
    const std::int64_t minor_size = x_major ? bitmap.height() : bitmap.width();

    // Only the steps whose major coordinate lies on the surface.
    const StepRange steps = ClipSteps(major_start, major_step, n, major_size);

    const Pixel pen = ToPixel(color);
    const std::int32_t mode = surface.draw_mode();
    for (std::int64_t i = steps.first; i < steps.last; ++i) {
        // The minor offset is d * i / n to the nearest integer, halves to the smaller.
        const Wide offset = CeilDiv(Wide{2} * minor_delta * i - n, Wide{2} * n);
        const Wide minor = minor_start + offset;
        if (minor < 0 || minor >= minor_size) {
            continue;
        }
        const std::int64_t major = major_start + major_step * i;
        const auto px =
            static_cast<std::int32_t>(x_major ? major : static_cast<std::int64_t>(minor));
        const auto py =
            static_cast<std::int32_t>(x_major ? static_cast<std::int64_t>(minor) : major);
        Pixel* p = bitmap.row(py) + px;
        *p = mode == kDrawModeCopyPen ? pen : Rop2(mode, pen, *p);
    }
}

} // namespace lumio
