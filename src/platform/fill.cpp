#include "platform/fill.h"

#include <algorithm>
#include <cstdint>

namespace lumio {

namespace {

constexpr Pixel kColorBits = 0x00FFFFFFu;

// The pixels a brush covers for a rectangle: [a, b) on each axis, or (b, a] when the
// axis is reversed (the platform mirrors such a rectangle about its start).
Rect BrushArea(const Bitmap& bitmap, const Rect& r) {
    auto axis = [](std::int32_t a, std::int32_t b, std::int64_t& lo, std::int64_t& hi) {
        if (a <= b) {
            lo = a;
            hi = b;
        } else {
            lo = std::int64_t{b} + 1;
            hi = std::int64_t{a} + 1;
        }
    };
    std::int64_t left = 0, right = 0, top = 0, bottom = 0;
    axis(r.left, r.right, left, right);
    axis(r.top, r.bottom, top, bottom);
    return bitmap.Clip(left, top, right, bottom);
}

} // namespace

bool FillRect(Surface& surface, const Rect& rect, OleColor color) {
    Bitmap& bitmap = surface.bitmap();
    bitmap.FillRect(BrushArea(bitmap, rect), ToPixel(color));
    return true;
}

bool FrameRect(Surface& surface, const Rect& rect, OleColor color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return false;
    }
    Bitmap& bitmap = surface.bitmap();
    const Pixel p = ToPixel(color);
    const std::int64_t l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    bitmap.FillRect(bitmap.Clip(l, t, r, t + 1), p); // top
    bitmap.FillRect(bitmap.Clip(l, b - 1, r, b), p); // bottom
    bitmap.FillRect(bitmap.Clip(l, t, l + 1, b), p); // left
    bitmap.FillRect(bitmap.Clip(r - 1, t, r, b), p); // right
    return true;
}

bool InvertRect(Surface& surface, const Rect& rect) {
    Bitmap& bitmap = surface.bitmap();
    bitmap.XorRect(BrushArea(bitmap, rect), kColorBits);
    return true;
}

} // namespace lumio
