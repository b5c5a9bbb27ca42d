#pragma once

#include "platform/rect.h"

#include <cstdint>
#include <vector>

namespace lumio {

// A window region: the set of pixels of a window that belong to it. Held as bands of
// one span per row range (the platform's rectangle list), so any size is cheap; the Qt
// host turns rects() into a widget mask.
class Region {
public:
    Region() = default;

    bool empty() const { return rects_.empty(); }
    bool Contains(std::int32_t x, std::int32_t y) const;
    // Bounding box (all zero when empty).
    Rect box() const;
    // Disjoint rectangles, top to bottom, covering exactly the region.
    const std::vector<Rect>& rects() const { return rects_; }

    // Membership of every pixel of [0, width) x [0, height), row by row (1 = inside).
    std::vector<std::uint8_t> Mask(std::int32_t width, std::int32_t height) const;

    friend bool operator==(const Region&, const Region&) = default;

private:
    friend Region CreateRectRgn(std::int32_t, std::int32_t, std::int32_t, std::int32_t);
    friend Region CreateRoundRectRgn(std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                     std::int32_t, std::int32_t);
    std::vector<Rect> rects_;
};

// CreateRectRgn: [left, right) x [top, bottom), corners in either order.
Region CreateRectRgn(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

// CreateRoundRectRgn: the rectangle with corners rounded by an ellipse of the given
// width and height. Like the platform it covers [left, right - 1) x [top, bottom - 1),
// so (0, 0, W + 1, H + 1) gives a W x H region.
Region CreateRoundRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                          std::int32_t bottom, std::int32_t ellipse_width,
                          std::int32_t ellipse_height);

} // namespace lumio
