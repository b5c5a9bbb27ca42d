#include "platform/bitmap.h"

#include "platform/errors.h"

#include <algorithm>

namespace lumio {

namespace {

// Far beyond any control or picture we draw; keeps a bad size from asking for
// gigabytes and makes the byte stride fit 32 bits.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;
constexpr std::int32_t kMaxSide = 1 << 20;

} // namespace

Bitmap::Bitmap(std::int32_t width, std::int32_t height, Pixel fill) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide ||
        std::int64_t{width} * height > kMaxPixels) {
        throw RuntimeError(ErrorNumber::OutOfMemory, "Out of memory");
    }
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

void Bitmap::Fill(Pixel p) {
    std::fill(pixels_.begin(), pixels_.end(), p);
}

Rect Bitmap::Clip(std::int64_t left, std::int64_t top, std::int64_t right,
                  std::int64_t bottom) const {
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, width_);
    bottom = std::min<std::int64_t>(bottom, height_);
    if (left >= right || top >= bottom) {
        return Rect{};
    }
    return Rect{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                static_cast<std::int32_t>(right), static_cast<std::int32_t>(bottom)};
}

StepRange ClipSteps(std::int64_t start, std::int64_t step, std::int64_t count, std::int64_t size) {
    StepRange r{0, count};
    if (step > 0) {
        r.first = std::max(r.first, -start);
        r.last = std::min(r.last, size - start);
    } else {
        r.first = std::max(r.first, start - (size - 1));
        r.last = std::min(r.last, start + 1);
    }
    return r;
}

void Bitmap::FillRect(const Rect& inside, Pixel p) {
    for (std::int32_t y = inside.top; y < inside.bottom; ++y) {
        Pixel* r = row(y);
        std::fill(r + inside.left, r + inside.right, p);
    }
}

void Bitmap::XorRect(const Rect& inside, Pixel bits) {
    for (std::int32_t y = inside.top; y < inside.bottom; ++y) {
        Pixel* r = row(y);
        for (std::int32_t x = inside.left; x < inside.right; ++x) {
            r[x] ^= bits;
        }
    }
}

} // namespace lumio
