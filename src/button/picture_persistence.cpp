#include "button/picture_persistence.h"

#include "platform/errors.h"

namespace lumio {

namespace {

Bitmap ToBitmap(const EmbeddedPicture& e) {
    Bitmap b(e.width, e.height);
    for (std::int32_t y = 0; y < e.height; ++y) {
        for (std::int32_t x = 0; x < e.width; ++x) {
            b.set(x, y, e.pixels[static_cast<std::size_t>(y) * e.width + x]);
        }
    }
    return b;
}

} // namespace

PictureRef PictureFromValue(const PictureValue& value, PictureLoader* loader) {
    if (const auto* file = std::get_if<PictureFile>(&value)) {
        if (loader == nullptr) {
            throw RuntimeError(ErrorNumber::FileNotFound,
                               "no picture loader for the file reference " + file->path);
        }
        return loader->Load(file->path);
    }
    const auto* e = std::get_if<EmbeddedPicture>(&value);
    if (e == nullptr) {
        return nullptr;
    }
    if (e->kind == EmbeddedPicture::Kind::Bitmap) {
        return std::make_shared<const Picture>(Picture::FromBitmap(ToBitmap(*e)));
    }
    // Mask bytes say "transparent"; the icon's AND mask is white exactly there.
    Bitmap mask(e->width, e->height);
    for (std::int32_t y = 0; y < e->height; ++y) {
        for (std::int32_t x = 0; x < e->width; ++x) {
            const bool clear = e->mask[static_cast<std::size_t>(y) * e->width + x] != 0;
            mask.set(x, y, clear ? PixelFromRrggbb(0xFFFFFF) : PixelFromRrggbb(0x000000));
        }
    }
    return std::make_shared<const Picture>(Picture::FromIcon(ToBitmap(*e), std::move(mask)));
}

PictureValue ValueFromPicture(const PictureRef& picture, const PictureLoader* loader) {
    if (!picture || picture->type() == PictureType::None) {
        return {};
    }
    if (loader != nullptr) {
        if (auto reference = loader->ReferenceOf(*picture)) {
            return PictureFile{*reference};
        }
    }
    EmbeddedPicture e;
    e.kind = picture->type() == PictureType::Icon ? EmbeddedPicture::Kind::Icon
                                                  : EmbeddedPicture::Kind::Bitmap;
    const Bitmap& image = picture->image();
    e.width = image.width();
    e.height = image.height();
    e.pixels.assign(image.data(), image.data() + static_cast<std::size_t>(e.width) * e.height);
    if (e.kind == EmbeddedPicture::Kind::Icon) {
        const Bitmap& mask = picture->mask();
        e.mask.reserve(e.pixels.size());
        for (std::int32_t y = 0; y < e.height; ++y) {
            for (std::int32_t x = 0; x < e.width; ++x) {
                e.mask.push_back((mask.at(x, y) & 0x00FFFFFFu) != 0 ? 1 : 0);
            }
        }
    }
    return e;
}

} // namespace lumio
