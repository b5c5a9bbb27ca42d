#pragma once

#include "platform/color.h"
#include "platform/point.h"
#include "platform/rect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumio {

// Rows of 32-bit pixels somewhere in memory (a rendered window, a DIB section), top row
// first; `stride` is the distance between rows in pixels.
struct PixelRows {
    const Pixel* pixels = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::ptrdiff_t stride = 0;

    const Pixel* row(std::int32_t y) const { return pixels + stride * y; }
};

// The shape a colour key gives a window: every pixel of exactly the key colour is
// outside, every other pixel inside; the top byte (alpha) never counts. It follows a
// rendered image of the window row by row, so after a change only the changed rows are
// scanned again, and it reports whether the shape really changed, so the window system
// is only told when it did.
class KeyShape {
public:
    explicit KeyShape(Pixel key = PixelFromRrggbb(0x424242));

    Pixel key() const { return key_; }
    // A new key: everything is scanned again at the next update.
    void SetKey(Pixel key);

    // Scans rows [top, bottom) of `image`. Any change of the image's size rescans all of
    // it. Answers whether the shape changed.
    bool Update(const PixelRows& image, std::int32_t top, std::int32_t bottom);
    bool UpdateAll(const PixelRows& image) { return Update(image, 0, image.height); }

    // The inside as rectangles in bands: top to bottom, left to right, no overlaps,
    // neighbours merged (the form window regions and X11 shapes take).
    const std::vector<Rect>& rects() const { return rects_; }
    bool Contains(Point p) const;

    // Rows scanned so far, for measuring.
    std::int64_t rowsScanned() const { return rowsScanned_; }

private:
    struct Run {
        std::int32_t left = 0;
        std::int32_t right = 0; // exclusive
        friend bool operator==(const Run&, const Run&) = default;
    };
    using Row = std::vector<Run>;

    Row ScanRow(const PixelRows& image, std::int32_t y) const;
    void RebuildBands();

    Pixel key_;
    std::int32_t width_ = -1;
    std::int32_t height_ = -1;
    std::vector<Row> rows_;
    std::vector<Rect> rects_;
    std::int64_t rowsScanned_ = 0;
};

} // namespace lumio
