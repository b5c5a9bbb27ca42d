#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <vector>

namespace lumio {

// The shape a colour key gives a window: every pixel of exactly the key colour is
// outside, every other pixel inside. It follows a rendered image of the window row by
// row, so after a change only the changed rows are scanned again, and it reports
// whether the shape really changed, so the window system is only told when it did.
class KeyShape {
public:
    explicit KeyShape(QRgb key = qRgb(66, 66, 66));

    QRgb key() const { return key_; }
    // A new key: everything is scanned again at the next update.
    void SetKey(QRgb key);

    // Scans rows [top, bottom) of `image` (32 bits per pixel; alpha is ignored). Any
    // change of the image's size rescans all of it. Answers whether the shape changed.
    bool Update(const QImage& image, int top, int bottom);
    bool UpdateAll(const QImage& image) { return Update(image, 0, image.height()); }

    // The inside as rectangles in bands: top to bottom, left to right, no overlaps,
    // neighbours merged (the form X11 and QRegion::setRects take).
    const std::vector<QRect>& rects() const { return rects_; }
    QRegion region() const;
    bool Contains(QPoint p) const;

    // Rows scanned so far, for measuring.
    std::int64_t rowsScanned() const { return rowsScanned_; }

private:
    struct Run {
        int left = 0;
        int right = 0; // exclusive
        friend bool operator==(const Run&, const Run&) = default;
    };
    using Row = std::vector<Run>;

    Row ScanRow(const QImage& image, int y) const;
    void RebuildBands();

    QRgb key_;
    QSize size_;
    std::vector<Row> rows_;
    std::vector<QRect> rects_;
    std::int64_t rowsScanned_ = 0;
};

} // namespace lumio
