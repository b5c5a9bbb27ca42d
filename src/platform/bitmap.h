#pragma once

#include "platform/color.h"
#include "platform/rect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumio {

// A top-down block of 32-bit pixels, rows packed (stride = width pixels). Pictures
// hold their pixels in one; a Surface draws into one. A bitmap either owns its pixels
// or is a view of memory somebody else owns in the same layout (a device-independent
// bitmap the platform shows directly); a copy of either owns its pixels.
class Bitmap {
public:
    Bitmap() = default;
    // Raises an OutOfMemory RuntimeError for a negative or unreasonably large size.
    Bitmap(std::int32_t width, std::int32_t height, Pixel fill = kOpaque);
    // A view of width * height pixels at `memory`, which must outlive the view; nothing
    // is written. The same size rules as above; a null memory with pixels to hold is
    // refused the same way.
    static Bitmap View(std::int32_t width, std::int32_t height, Pixel* memory);

    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap() = default;

    bool is_view() const { return data_ != nullptr && pixels_.empty(); }

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    std::int32_t bytes_per_line() const { return width_ * 4; }

    Pixel* data() { return data_; }
    const Pixel* data() const { return data_; }
    Pixel* row(std::int32_t y) { return data_ + static_cast<std::size_t>(y) * width_; }
    const Pixel* row(std::int32_t y) const { return data_ + static_cast<std::size_t>(y) * width_; }

    // Unchecked access; callers clip first.
    Pixel at(std::int32_t x, std::int32_t y) const { return row(y)[x]; }
    void set(std::int32_t x, std::int32_t y, Pixel p) { row(y)[x] = p; }

    bool Contains(std::int64_t x, std::int64_t y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }
    void Fill(Pixel p);

    // [left, right) x [top, bottom) cut to the bitmap; empty (all zero) when nothing is
    // left. 64-bit arguments so callers can pass any sum of two 32-bit coordinates.
    Rect Clip(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) const;
    // Fill / XOR a rectangle that lies inside the bitmap (a Clip result).
    void FillRect(const Rect& inside, Pixel p);
    void XorRect(const Rect& inside, Pixel bits);

    // Same size and pixels, wherever they live.
    friend bool operator==(const Bitmap& a, const Bitmap& b);

private:
    std::size_t count() const { return static_cast<std::size_t>(width_) * height_; }

    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::vector<Pixel> pixels_; // empty for a view
    Pixel* data_ = nullptr;     // pixels_.data() or the viewed memory
};

// The steps k in [0, count) for which start + step * k (step +1 or -1) lies in
// [0, size): how lines, outlines and transfers walk only the part of a run that is on
// a bitmap, however far away the run starts.
struct StepRange {
    std::int64_t first = 0;
    std::int64_t last = 0; // exclusive; first >= last when no step lands
};
StepRange ClipSteps(std::int64_t start, std::int64_t step, std::int64_t count, std::int64_t size);

} // namespace lumio
