#include "button/render/gradient.h"

#include "platform/numeric.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace lumio {

namespace {

// The integer ramp from one colour to another over n + 1 entries.
class Ramp {
public:
    Ramp(OleColor from, OleColor to, std::int32_t n) : n_(n) {
        const auto a = static_cast<std::uint32_t>(from) & 0x00FFFFFFu;
        const auto b = static_cast<std::uint32_t>(to) & 0x00FFFFFFu;
        for (int c = 0; c < 3; ++c) {
            first_[c] = static_cast<std::int32_t>((a >> (8 * c)) & 0xFFu);
            delta_[c] = static_cast<std::int32_t>((b >> (8 * c)) & 0xFFu) - first_[c];
            second_[c] = first_[c] + delta_[c];
            // Entry n multiplies the whole difference by n; if that does not fit in
            // 32 bits the ramp cannot be built.
            CheckedMul(n_, delta_[c]);
        }
    }

    Pixel Entry(std::int64_t i) const {
        std::array<std::uint32_t, 3> channel{};
        for (int c = 0; c < 3; ++c) {
            const std::int64_t v =
                n_ == 0 ? Half(first_[c]) + Half(second_[c]) : first_[c] + (i * delta_[c]) / n_;
            channel[c] = static_cast<std::uint32_t>(v);
        }
        // Red is the low byte of a colour value and bits 16..23 of a pixel.
        return kOpaque | (channel[0] << 16) | (channel[1] << 8) | channel[2];
    }

private:
    std::int32_t n_;
    std::array<std::int32_t, 3> first_{};
    std::array<std::int32_t, 3> second_{};
    std::array<std::int32_t, 3> delta_{};
};

} // namespace

void DrawGradient(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t width,
                  std::int32_t height, OleColor color1, OleColor color2,
                  GradientDirection direction) {
    if (width <= 0 || height <= 0) {
        return;
    }
    std::int32_t entries = 0;
    switch (direction) {
    case GradientDirection::Horizontal:
        entries = width;
        break;
    case GradientDirection::Vertical:
        entries = height;
        break;
    case GradientDirection::DiagonalDown:
    case GradientDirection::DiagonalUp:
        entries = CheckedSub(CheckedAdd(width, height), 1);
        break;
    default:
        return;
    }
    const Ramp ramp(color1, color2, entries - 1);

    Bitmap& bitmap = surface.bitmap();
    const Rect area = bitmap.Clip(x, y, std::int64_t{x} + width, std::int64_t{y} + height);
    if (area.left >= area.right) {
        return;
    }
    // Positions inside the gradient's own box of the visible part.
    const std::int64_t left = std::int64_t{area.left} - x;
    const std::int64_t top = std::int64_t{area.top} - y;
    const std::int64_t columns = area.right - area.left;
    const std::int64_t rows = area.bottom - area.top;

    // Every pixel row is a run of consecutive ramp entries (or one entry repeated), so
    // the visible entries are computed once and each row is copied or filled from them.
    std::int64_t lo = 0;
    std::int64_t count = 0;
    std::int64_t row_step = 0; // how the first entry moves from one row to the next
    switch (direction) {
    case GradientDirection::Horizontal:
        lo = left;
        count = columns;
        break;
    case GradientDirection::Vertical:
        lo = top;
        count = rows;
        break;
    case GradientDirection::DiagonalDown:
        lo = left + top;
        count = columns + rows - 1;
        row_step = 1;
        break;
    default: // DiagonalUp: entry x + (height - 1 - y)
        lo = left + (height - 1 - (top + rows - 1));
        count = columns + rows - 1;
        row_step = -1;
        break;
    }
    std::vector<Pixel> entry(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i) {
        entry[static_cast<std::size_t>(i)] = ramp.Entry(lo + i);
    }

    for (std::int64_t r = 0; r < rows; ++r) {
        Pixel* out = bitmap.row(static_cast<std::int32_t>(area.top + r)) + area.left;
        if (direction == GradientDirection::Vertical) {
            std::fill(out, out + columns, entry[static_cast<std::size_t>(r)]);
            continue;
        }
        const std::int64_t start = row_step > 0 ? r : row_step < 0 ? rows - 1 - r : 0;
        const Pixel* from = entry.data() + start;
        std::copy(from, from + columns, out);
    }
}

} // namespace lumio
