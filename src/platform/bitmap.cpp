#include "platform/bitmap.h"

#include "platform/errors.h"

#include <algorithm>
#include <utility>

namespace lumio {

namespace {

// Far beyond any control or picture we draw; keeps a bad size from asking for
// gigabytes and makes the byte stride fit 32 bits.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;
constexpr std::int32_t kMaxSide = 1 << 20;

void CheckSize(std::int32_t width, std::int32_t height) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide ||
        std::int64_t{width} * height > kMaxPixels) {
        throw RuntimeError(ErrorNumber::OutOfMemory, "Out of memory");
    }
}

} // namespace

Bitmap::Bitmap(std::int32_t width, std::int32_t height, Pixel fill) {
    CheckSize(width, height);
    width_ = width;
    height_ = height;
    pixels_.assign(count(), fill);
    data_ = pixels_.data();
}

Bitmap Bitmap::View(std::int32_t width, std::int32_t height, Pixel* memory) {
    CheckSize(width, height);
    Bitmap view;
    if (std::int64_t{width} * height == 0) {
        return view;
    }
    if (memory == nullptr) {
        throw RuntimeError(ErrorNumber::OutOfMemory, "Out of memory");
    }
    view.width_ = width;
    view.height_ = height;
    view.data_ = memory;
    return view;
}

Bitmap::Bitmap(const Bitmap& other)
    : width_(other.width_), height_(other.height_),
      pixels_(other.data_, other.data_ + other.count()) {
    data_ = pixels_.data();
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) {
        Bitmap copy(other);
        *this = std::move(copy);
    }
    return *this;
}

// A moved vector keeps its buffer, so the pointer stays right for owned pixels too.
Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)), height_(std::exchange(other.height_, 0)),
      pixels_(std::move(other.pixels_)), data_(std::exchange(other.data_, nullptr)) {
    other.pixels_.clear();
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        pixels_ = std::move(other.pixels_);
        other.pixels_.clear();
        data_ = std::exchange(other.data_, nullptr);
    }
    return *this;
}

bool operator==(const Bitmap& a, const Bitmap& b) {
    return a.width_ == b.width_ && a.height_ == b.height_ &&
           std::equal(a.data_, a.data_ + a.count(), b.data_);
}

void Bitmap::Fill(Pixel p) {
    std::fill(data_, data_ + count(), p);
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
