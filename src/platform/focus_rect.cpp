#include "platform/focus_rect.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace lumio {

namespace {

constexpr Pixel kColorBits = 0x00FFFFFFu;

// One side of the dotted outline: `count` pixels from (x, y) in steps of (sx, sy),
// the first being pixel number `index` of the whole walk. Even-numbered pixels of the
// walk are inverted; only the steps that land on the bitmap are visited.
void InvertSide(Bitmap& bitmap, std::int64_t x, std::int64_t y, std::int64_t sx, std::int64_t sy,
                std::int64_t count, std::int64_t index) {
    if (count <= 0) {
        return;
    }
    // Only the steps that keep the moving coordinate on the bitmap are visited; the
    // other coordinate is fixed and checked once.
    const bool horizontal = sx != 0;
    const std::int64_t fixed = horizontal ? y : x;
    const std::int64_t fixed_size = horizontal ? bitmap.height() : bitmap.width();
    if (fixed < 0 || fixed >= fixed_size) {
        return;
    }
    const std::int64_t start = horizontal ? x : y;
    const std::int64_t step = horizontal ? sx : sy;
    const std::int64_t size = horizontal ? bitmap.width() : bitmap.height();
    const StepRange steps = ClipSteps(start, step, count, size);
    // Start on the first visible step that is an even pixel of the walk.
    const std::int64_t first = steps.first + (index + steps.first) % 2;
    for (std::int64_t k = first; k < steps.last; k += 2) {
        const std::int64_t moving = start + step * k;
        const auto px = static_cast<std::int32_t>(horizontal ? moving : fixed);
        const auto py = static_cast<std::int32_t>(horizontal ? fixed : moving);
        bitmap.row(py)[px] ^= kColorBits;
    }
}

} // namespace

bool DrawFocusRect(Surface& surface, const Rect& rect) {
    std::int64_t l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    if (l > r) {
        std::swap(l, r);
    }
    if (t > b) {
        std::swap(t, b);
    }
    const std::int64_t w = r - l;
    const std::int64_t h = b - t;
    if (w == 0 || h == 0) {
        return true;
    }
    // The walk starts at the top-right pixel and goes round anticlockwise; each side
    // stops one short of the next corner, so a one-pixel-thin rectangle is walked
    // there and back and mostly restores itself.
    Bitmap& bitmap = surface.bitmap();
    InvertSide(bitmap, r - 1, t, -1, 0, w - 1, 0);                         // top, leftwards
    InvertSide(bitmap, l, t, 0, 1, h - 1, w - 1);                          // left, down
    InvertSide(bitmap, l, b - 1, 1, 0, w - 1, (w - 1) + (h - 1));          // bottom, rightwards
    InvertSide(bitmap, r - 1, b - 1, 0, -1, h - 1, 2 * (w - 1) + (h - 1)); // right, up
    return true;
}

} // namespace lumio
