#include "platform/key_shape.h"

#include <algorithm>

namespace lumio {

namespace {

constexpr Pixel kColorBits = 0x00FFFFFFu;

} // namespace

KeyShape::KeyShape(Pixel key) : key_(key & kColorBits) {}

void KeyShape::SetKey(Pixel key) {
    key_ = key & kColorBits;
    width_ = -1;
    height_ = -1;
}

KeyShape::Row KeyShape::ScanRow(const PixelRows& image, std::int32_t y) const {
    Row row;
    const Pixel* pixels = image.row(y);
    const std::int32_t width = image.width;
    std::int32_t x = 0;
    while (x < width) {
        while (x < width && (pixels[x] & kColorBits) == key_) {
            ++x;
        }
        if (x == width) {
            break;
        }
        const std::int32_t left = x;
        while (x < width && (pixels[x] & kColorBits) != key_) {
            ++x;
        }
        row.push_back({left, x});
    }
    return row;
}

bool KeyShape::Update(const PixelRows& image, std::int32_t top, std::int32_t bottom) {
    bool changed = false;
    if (image.width != width_ || image.height != height_) {
        width_ = image.width;
        height_ = image.height;
        rows_.assign(static_cast<std::size_t>(std::max(height_, 0)), Row{});
        top = 0;
        bottom = height_;
        changed = true;
    }
    top = std::max(top, 0);
    bottom = std::min(bottom, height_);
    for (std::int32_t y = top; y < bottom; ++y) {
        Row row = ScanRow(image, y);
        ++rowsScanned_;
        Row& old = rows_[static_cast<std::size_t>(y)];
        if (row != old) {
            old = std::move(row);
            changed = true;
        }
    }
    if (changed) {
        RebuildBands();
    }
    return changed;
}

void KeyShape::RebuildBands() {
    rects_.clear();
    const auto height = static_cast<std::int32_t>(rows_.size());
    std::int32_t y = 0;
    while (y < height) {
        const Row& row = rows_[static_cast<std::size_t>(y)];
        std::int32_t end = y + 1;
        while (end < height && rows_[static_cast<std::size_t>(end)] == row) {
            ++end;
        }
        for (const Run& run : row) {
            rects_.push_back({run.left, y, run.right, end});
        }
        y = end;
    }
}

bool KeyShape::Contains(Point p) const {
    if (p.y < 0 || p.y >= static_cast<std::int32_t>(rows_.size())) {
        return false;
    }
    for (const Run& run : rows_[static_cast<std::size_t>(p.y)]) {
        if (p.x >= run.left && p.x < run.right) {
            return true;
        }
    }
    return false;
}

} // namespace lumio
