#include "platform/transfer.h"

#include "platform/wide_math.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lumio {

namespace {

constexpr Pixel kColorBits = 0x00FFFFFFu;

// How one axis of a stretched transfer maps destination pixels to source pixels.
// Destination pixel j (0 <= j < dst_count) lies at dst_start + j * dst_step and is fed by
// the source offsets [begin, end), source offset k lying at src_start + k * src_step.
// Pixel centres are matched, ties going to the lower offset; when shrinking, every
// source pixel belongs to exactly one destination pixel.
struct Axis {
    std::int64_t dst_start;
    std::int64_t dst_step;
    std::int64_t dst_count;
    std::int64_t src_start;
    std::int64_t src_step;
    std::int64_t src_count;

    Axis(std::int32_t dst, std::int32_t dst_length, std::int32_t src, std::int32_t src_length)
        : dst_start(dst), dst_step(dst_length < 0 ? -1 : 1),
          dst_count(dst_length < 0 ? -std::int64_t{dst_length} : dst_length), src_start(src),
          src_step(src_length < 0 ? -1 : 1),
          src_count(src_length < 0 ? -std::int64_t{src_length} : src_length) {}

    bool empty() const { return dst_count == 0 || src_count == 0; }

    void Group(std::int64_t j, std::int64_t& begin, std::int64_t& end) const {
        if (dst_count >= src_count) {
            begin = static_cast<std::int64_t>(
                FloorDiv(Wide{2 * j + 1} * src_count - 1, Wide{2} * dst_count));
            end = begin + 1;
            return;
        }
        auto first_of = [this](std::int64_t g) {
            if (g >= dst_count) {
                return src_count;
            }
            const Wide k = CeilDiv(Wide{2} * src_count * g + 1 - dst_count, Wide{2} * dst_count);
            return static_cast<std::int64_t>(std::max<Wide>(k, 0));
        };
        begin = first_of(j);
        end = first_of(j + 1);
    }

    // The destination indices whose pixel lies in [0, size).
    StepRange Visible(std::int64_t size) const {
        return ClipSteps(dst_start, dst_step, dst_count, size);
    }

    // The source offsets of a group that lie in [0, size).
    void Readable(std::int64_t size, std::int64_t& begin, std::int64_t& end) const {
        const StepRange readable = ClipSteps(src_start, src_step, src_count, size);
        begin = std::max(begin, readable.first);
        end = std::min(end, readable.last);
    }
};

// Pixels of a transfer's source by top-down row, whatever the memory order.
class Source {
public:
    explicit Source(const Bitmap& bitmap)
        : bits_(bitmap.data()), width_(bitmap.width()), height_(bitmap.height()),
          bottom_up_(false) {}
    explicit Source(const DibView& dib)
        : bits_(dib.bits), width_(dib.width), height_(dib.height < 0 ? -dib.height : dib.height),
          bottom_up_(dib.height > 0) {}

    std::int64_t width() const { return width_; }
    std::int64_t height() const { return height_; }
    Pixel at(std::int64_t x, std::int64_t y) const {
        const std::int64_t memory_row = bottom_up_ ? height_ - 1 - y : y;
        return bits_[memory_row * width_ + x];
    }

private:
    const Pixel* bits_;
    std::int64_t width_;
    std::int64_t height_;
    bool bottom_up_;
};

enum class Merge { And, Or, Pick };

Merge MergeOf(std::int32_t stretch_mode) {
    switch (stretch_mode) {
    case kStretchAndScans:
        return Merge::And;
    case kStretchOrScans:
        return Merge::Or;
    default:
        return Merge::Pick;
    }
}

Pixel ApplyRop(std::uint32_t rop, Pixel s, Pixel d) {
    switch (rop) {
    case kSrcPaint:
        return kOpaque | ((s | d) & kColorBits);
    case kSrcAnd:
        return kOpaque | ((s & d) & kColorBits);
    case kSrcInvert:
        return kOpaque | ((s ^ d) & kColorBits);
    default:
        return kOpaque | (s & kColorBits);
    }
}

bool KnownRop(std::uint32_t rop) {
    return rop == kSrcCopy || rop == kSrcPaint || rop == kSrcAnd || rop == kSrcInvert;
}

// The one stretching loop behind every transfer. When shrinking, the pixels merged
// into one destination pixel are combined by `merge`; picking keeps the last source
// column and the first source row of each group. `keep(s)` false skips a pixel.
template <class Keep>
void Stretch(Bitmap& dst, const Axis& ax, const Axis& ay, const Source& src, Merge merge,
             std::uint32_t rop, Keep keep) {
    const StepRange columns = ax.Visible(dst.width());
    const StepRange rows = ay.Visible(dst.height());
    for (std::int64_t j = rows.first; j < rows.last; ++j) {
        std::int64_t row_begin = 0, row_end = 0;
        ay.Group(j, row_begin, row_end);
        if (merge == Merge::Pick) {
            row_end = row_begin + 1;
        }
        ay.Readable(src.height(), row_begin, row_end);
        if (row_begin >= row_end) {
            continue;
        }
        Pixel* out = dst.row(static_cast<std::int32_t>(ay.dst_start + ay.dst_step * j));
        for (std::int64_t i = columns.first; i < columns.last; ++i) {
            std::int64_t col_begin = 0, col_end = 0;
            ax.Group(i, col_begin, col_end);
            if (merge == Merge::Pick) {
                col_begin = col_end - 1;
            }
            ax.Readable(src.width(), col_begin, col_end);
            if (col_begin >= col_end) {
                continue;
            }
            Pixel s = merge == Merge::And ? ~Pixel{0} : 0;
            for (std::int64_t k = row_begin; k < row_end; ++k) {
                const std::int64_t sy = ay.src_start + ay.src_step * k;
                for (std::int64_t m = col_begin; m < col_end; ++m) {
                    const Pixel p = src.at(ax.src_start + ax.src_step * m, sy);
                    s = merge == Merge::And ? (s & p) : merge == Merge::Or ? (s | p) : p;
                }
            }
            if (!keep(s)) {
                continue;
            }
            Pixel& d = out[ax.dst_start + ax.dst_step * i];
            d = ApplyRop(rop, s, d);
        }
    }
}

bool AlwaysKeep(Pixel) {
    return true;
}

} // namespace

std::int32_t StretchDIBits(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, std::int32_t src_x, std::int32_t src_y,
                           std::int32_t src_width, std::int32_t src_height, const DibView& dib,
                           std::uint32_t rop) {
    if (dib.bits == nullptr || dib.width <= 0 || dib.height == 0 || !KnownRop(rop) ||
        src_width <= 0 || src_height <= 0) {
        return 0;
    }
    const Source source(dib);
    // For a bottom-up array y counts rows from the bottom: turn it into the top row of
    // the source rectangle counted from the top.
    const std::int64_t top =
        dib.height > 0 ? source.height() - std::int64_t{src_y} - src_height : src_y;
    if (top < std::numeric_limits<std::int32_t>::min() ||
        top > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    const Axis ax(x, width, src_x, src_width);
    const Axis ay(y, height, static_cast<std::int32_t>(top), src_height);
    if (ax.empty() || ay.empty()) {
        return 0;
    }
    Stretch(surface.bitmap(), ax, ay, source, MergeOf(surface.stretch_mode()), rop, AlwaysKeep);
    return static_cast<std::int32_t>(source.height());
}

bool StretchBlt(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height, const Bitmap& source, std::int32_t src_x, std::int32_t src_y,
                std::int32_t src_width, std::int32_t src_height, std::uint32_t rop) {
    const Axis ax(x, width, src_x, src_width);
    const Axis ay(y, height, src_y, src_height);
    if (ax.empty() || ay.empty() || !KnownRop(rop)) {
        return false;
    }
    Stretch(surface.bitmap(), ax, ay, Source(source), MergeOf(surface.stretch_mode()), rop,
            AlwaysKeep);
    return true;
}

bool TransparentBlt(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, const Bitmap& source, std::int32_t src_x,
                    std::int32_t src_y, std::int32_t src_width, std::int32_t src_height,
                    OleColor transparent) {
    if (width <= 0 || height <= 0 || src_width <= 0 || src_height <= 0) {
        return false;
    }
    const Pixel key = ToPixel(transparent) & kColorBits;
    Stretch(surface.bitmap(), Axis(x, width, src_x, src_width), Axis(y, height, src_y, src_height),
            Source(source), Merge::Pick, kSrcCopy,
            [key](Pixel s) { return (s & kColorBits) != key; });
    return true;
}

bool DrawIconEx(Surface& surface, std::int32_t x, std::int32_t y, const Picture& icon,
                std::int32_t width, std::int32_t height) {
    if (icon.type() != PictureType::Icon || icon.image().empty()) {
        return false;
    }
    const Bitmap& image = icon.image();
    const std::int32_t w = width == 0 ? image.width() : width;
    const std::int32_t h = height == 0 ? image.height() : height;
    const Axis ax(x, w, 0, image.width());
    const Axis ay(y, h, 0, image.height());
    if (ax.empty() || ay.empty()) {
        return false;
    }
    Stretch(surface.bitmap(), ax, ay, Source(icon.mask()), Merge::Pick, kSrcAnd, AlwaysKeep);
    Stretch(surface.bitmap(), ax, ay, Source(image), Merge::Pick, kSrcInvert, AlwaysKeep);
    return true;
}

} // namespace lumio
