#include "button/render/gray_picture.h"

#include "platform/transfer.h"

namespace lumio {

namespace {

Bitmap GrayOf(const Bitmap& image) {
    Bitmap gray(image.width(), image.height());
    for (std::int32_t y = 0; y < image.height(); ++y) {
        const Pixel* in = image.row(y);
        Pixel* out = gray.row(y);
        for (std::int32_t x = 0; x < image.width(); ++x) {
            const Pixel p = in[x];
            const Pixel mean = (((p >> 16) & 0xFFu) + ((p >> 8) & 0xFFu) + (p & 0xFFu)) / 3;
            out[x] = kOpaque | (mean << 16) | (mean << 8) | mean;
        }
    }
    return gray;
}

} // namespace

bool DrawGrayPicture(Surface& surface, const Picture& picture, std::int32_t x, std::int32_t y,
                     std::int32_t width, std::int32_t height) {
    if (picture.type() == PictureType::None) {
        return false;
    }
    const Bitmap& image = picture.image();
    const std::int32_t w = width == -1 ? image.width() : width;
    const std::int32_t h = height == -1 ? image.height() : height;
    const Bitmap gray = GrayOf(image);
    if (picture.type() == PictureType::Icon) {
        // The mask clears the icon's opaque part to black and keeps the rest; the grey
        // image, black where the icon is transparent, is then ORed in.
        StretchBlt(surface, x, y, w, h, picture.mask(), 0, 0, image.width(), image.height(),
                   kSrcAnd);
        return StretchBlt(surface, x, y, w, h, gray, 0, 0, image.width(), image.height(),
                          kSrcPaint);
    }
    return StretchBlt(surface, x, y, w, h, gray, 0, 0, image.width(), image.height(), kSrcCopy);
}

} // namespace lumio
