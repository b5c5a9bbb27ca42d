#include "platform/region.h"

#include "platform/errors.h"
#include "platform/wide_math.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace lumio {

namespace {

// A region never needs more rows of corner than this; beyond it the platform would
// fail to allocate the region too.
constexpr std::int64_t kMaxEllipseRows = 1 << 20;

} // namespace

bool Region::Contains(std::int32_t x, std::int32_t y) const {
    for (const Rect& r : rects_) {
        if (y >= r.top && y < r.bottom && x >= r.left && x < r.right) {
            return true;
        }
    }
    return false;
}

Rect Region::box() const {
    if (rects_.empty()) {
        return Rect{};
    }
    Rect box = rects_.front();
    for (const Rect& r : rects_) {
        box.left = std::min(box.left, r.left);
        box.top = std::min(box.top, r.top);
        box.right = std::max(box.right, r.right);
        box.bottom = std::max(box.bottom, r.bottom);
    }
    return box;
}

std::vector<std::uint8_t> Region::Mask(std::int32_t width, std::int32_t height) const {
    width = std::max(width, 0);
    height = std::max(height, 0);
    std::vector<std::uint8_t> mask(
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    for (const Rect& r : rects_) {
        const std::int32_t top = std::max(r.top, 0), bottom = std::min(r.bottom, height);
        const std::int32_t left = std::max(r.left, 0), right = std::min(r.right, width);
        for (std::int32_t y = top; y < bottom; ++y) {
            for (std::int32_t x = left; x < right; ++x) {
                mask[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                     static_cast<std::size_t>(x)] = 1;
            }
        }
    }
    return mask;
}

Region CreateRectRgn(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    Region region;
    if (left < right && top < bottom) {
        region.rects_.push_back(Rect{left, top, right, bottom});
    }
    return region;
}

Region CreateRoundRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                          std::int32_t bottom, std::int32_t ellipse_width,
                          std::int32_t ellipse_height) {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    // The region leaves out the last column and row of the rectangle it is given.
    if (right - std::int64_t{1} <= left || bottom - std::int64_t{1} <= top) {
        return Region{};
    }
    --right;
    --bottom;
    const std::int64_t ew =
        std::min<std::int64_t>(std::int64_t{right} - left, std::llabs(ellipse_width));
    const std::int64_t eh =
        std::min<std::int64_t>(std::int64_t{bottom} - top, std::llabs(ellipse_height));
    if (ew < 2 || eh < 2) {
        return CreateRectRgn(left, top, right, bottom);
    }
    if (eh > kMaxEllipseRows) {
        throw RuntimeError(ErrorNumber::OutOfMemory, "Out of memory");
    }

    // The corner inset of each row of the lower half of the ellipse, traced with an
    // integer midpoint walk over one quadrant; the upper half mirrors it.
    std::vector<std::int64_t> inset(static_cast<std::size_t>(eh), -1);
    const Wide a = ew - 1;
    const Wide b = eh - 1;
    const Wide asq = 8 * a * a;
    const Wide bsq = 8 * b * b;
    Wide dx = 4 * b * b * (1 - a);
    Wide dy = 4 * a * a * (1 + (b % 2));
    Wide err = dx + dy + a * a * (b % 2);
    std::int64_t x = 0;
    std::int64_t y = eh / 2;
    inset[static_cast<std::size_t>(y)] = 0;
    while (x <= ew / 2) {
        const Wide e2 = 2 * err;
        if (e2 >= dx) {
            ++x;
            dx += bsq;
            err += dx;
        }
        if (e2 <= dy) {
            ++y;
            dy += asq;
            err += dy;
            if (y < eh) {
                inset[static_cast<std::size_t>(y)] = x;
            }
        }
    }
    // A tall narrow ellipse leaves the walk before its tip, and its last step can
    // overshoot the centre: the tip rows keep the last inset, and every row keeps at
    // least the middle pixel (two for an even width).
    for (std::int64_t i = eh / 2 + 1; i < eh; ++i) {
        auto& cut = inset[static_cast<std::size_t>(i)];
        if (cut < 0) {
            cut = inset[static_cast<std::size_t>(i - 1)];
        }
        cut = std::min(cut, (ew - 1) / 2);
    }

    Region region;
    auto band = [&](std::int64_t band_top, std::int64_t band_bottom, std::int64_t cut) {
        if (left + cut >= right - cut) {
            return;
        }
        region.rects_.push_back(
            Rect{static_cast<std::int32_t>(left + cut), static_cast<std::int32_t>(band_top),
                 static_cast<std::int32_t>(right - cut), static_cast<std::int32_t>(band_bottom)});
    };
    const std::int64_t half = eh / 2;
    for (std::int64_t i = 0; i < half; ++i) {
        band(top + i, top + i + 1, inset[static_cast<std::size_t>(eh - 1 - i)]);
    }
    // The straight sides between the two halves form one band.
    band(top + half, bottom - eh + half + 1, 0);
    for (std::int64_t i = half + 1; i < eh; ++i) {
        band(bottom - eh + i, bottom - eh + i + 1, inset[static_cast<std::size_t>(i)]);
    }
    return region;
}

} // namespace lumio
