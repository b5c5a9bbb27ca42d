#include "platform/picture.h"

#include "platform/errors.h"

#include <limits>
#include <utility>

namespace lumio {

namespace {

std::int32_t MulDivRounded(std::int32_t value, std::int32_t num, std::int32_t den) {
    const std::int64_t product = std::int64_t{value} * num;
    const std::int64_t half = den / 2;
    const std::int64_t q = product >= 0 ? (product + half) / den : (product - half) / den;
    if (q < std::numeric_limits<std::int32_t>::min() ||
        q > std::numeric_limits<std::int32_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow, "Overflow");
    }
    return static_cast<std::int32_t>(q);
}

} // namespace

Picture Picture::FromBitmap(Bitmap image) {
    Picture p;
    p.type_ = PictureType::Bitmap;
    p.himetric_width_ = PixelsToHimetric(image.width());
    p.himetric_height_ = PixelsToHimetric(image.height());
    p.image_ = std::move(image);
    return p;
}

Picture Picture::FromIcon(Bitmap image, Bitmap mask) {
    if (image.width() != mask.width() || image.height() != mask.height()) {
        throw RuntimeError(ErrorNumber::InvalidProcedureCall, "Invalid procedure call or argument");
    }
    Picture p = FromBitmap(std::move(image));
    p.type_ = PictureType::Icon;
    p.mask_ = std::move(mask);
    return p;
}

double HimetricToPixels(std::int32_t himetric) {
    return static_cast<double>(himetric) * kPixelsPerInch / kHimetricPerInch;
}

std::int32_t PixelsToHimetric(std::int32_t pixels) {
    return MulDivRounded(pixels, kHimetricPerInch, kPixelsPerInch);
}

} // namespace lumio
