#include "qt/key_shape.h"

#include <algorithm>

namespace lumio {

KeyShape::KeyShape(QRgb key) : key_(key & 0xFFFFFFu) {}

void KeyShape::SetKey(QRgb key) {
    key_ = key & 0xFFFFFFu;
    size_ = QSize();
}

KeyShape::Row KeyShape::ScanRow(const QImage& image, int y) const {
    Row row;
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const int width = image.width();
    int x = 0;
    while (x < width) {
        while (x < width && (pixels[x] & 0xFFFFFFu) == key_) {
            ++x;
        }
        if (x == width) {
            break;
        }
        const int left = x;
        while (x < width && (pixels[x] & 0xFFFFFFu) != key_) {
            ++x;
        }
        row.push_back({left, x});
    }
    return row;
}

bool KeyShape::Update(const QImage& image, int top, int bottom) {
    if (image.depth() != 32) {
        return Update(image.convertToFormat(QImage::Format_RGB32), top, bottom);
    }
    bool changed = false;
    if (image.size() != size_) {
        size_ = image.size();
        rows_.assign(static_cast<std::size_t>(size_.height()), Row{});
        top = 0;
        bottom = size_.height();
        changed = true;
    }
    top = std::max(top, 0);
    bottom = std::min(bottom, size_.height());
    for (int y = top; y < bottom; ++y) {
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
    const int height = static_cast<int>(rows_.size());
    int y = 0;
    while (y < height) {
        const Row& row = rows_[static_cast<std::size_t>(y)];
        int end = y + 1;
        while (end < height && rows_[static_cast<std::size_t>(end)] == row) {
            ++end;
        }
        for (const Run& run : row) {
            rects_.emplace_back(QPoint(run.left, y), QPoint(run.right - 1, end - 1));
        }
        y = end;
    }
}

QRegion KeyShape::region() const {
    QRegion region;
    region.setRects(rects_.data(), static_cast<int>(rects_.size()));
    return region;
}

bool KeyShape::Contains(QPoint p) const {
    if (p.y() < 0 || p.y() >= static_cast<int>(rows_.size())) {
        return false;
    }
    for (const Run& run : rows_[static_cast<std::size_t>(p.y())]) {
        if (p.x() >= run.left && p.x() < run.right) {
            return true;
        }
    }
    return false;
}

} // namespace lumio
