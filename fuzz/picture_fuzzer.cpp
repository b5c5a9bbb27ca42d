// Picture data: base64 text, embedded bitmap and icon values, and pictures made from
// them. Canonical base64 decodes and encodes back to itself; a picture value that
// parses becomes a picture and that picture's value is the same again.

#include "button/picture_persistence.h"
#include "button/property_value.h"
#include "platform/base64.h"
#include "platform/errors.h"
#include "platform/image_file.h"

#include <cstddef>
#include <cstdint>

using namespace lumio;

namespace {

void CheckBase64(std::string_view text, const std::uint8_t* data, std::size_t size) {
    if (const auto bytes = base64::Decode(text)) {
        if (base64::Encode(*bytes) != text) {
            __builtin_trap();
        }
    }
    const std::vector<std::uint8_t> raw(data, data + size);
    const auto back = base64::Decode(base64::Encode(raw));
    if (!back || *back != raw) {
        __builtin_trap();
    }
}

void CheckPicture(const EmbeddedPicture& e) {
    PictureRef picture;
    try {
        picture = PictureFromValue(e, nullptr);
    } catch (const RuntimeError&) {
        return;
    }
    EmbeddedPicture expected = e;
    for (std::uint8_t& m : expected.mask) {
        m = m != 0 ? 1 : 0;
    }
    const PictureValue back = ValueFromPicture(picture, nullptr);
    const auto* got = std::get_if<EmbeddedPicture>(&back);
    if (got == nullptr || *got != expected) {
        __builtin_trap();
    }
    if (!picture->image().empty()) {
        (void)EncodePng(picture->image());
        (void)EncodePpm(picture->image());
    }
}

void CheckValue(std::string_view text) {
    PropertyValue value;
    try {
        value = ParseValue(text);
    } catch (const ValueSyntaxError&) {
        return;
    }
    if (ParseValue(FormatValue(value)) != value) {
        __builtin_trap();
    }
    if (const auto* picture = std::get_if<PictureValue>(&value)) {
        if (const auto* e = std::get_if<EmbeddedPicture>(picture)) {
            CheckPicture(*e);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        CheckBase64(text, data + 1, size - 1);
        break;
    case 1: {
        // Raw pixels: a small size from the next two bytes, words from the rest.
        if (size < 3) {
            return 0;
        }
        EmbeddedPicture e;
        e.kind = data[1] & 0x80 ? EmbeddedPicture::Kind::Icon : EmbeddedPicture::Kind::Bitmap;
        e.width = data[1] & 0x0F;
        e.height = data[2] & 0x0F;
        const std::size_t n = static_cast<std::size_t>(e.width) * e.height;
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t at = 3 + i * 4;
            std::uint32_t word = 0;
            for (std::size_t k = 0; k < 4 && at + k < size; ++k) {
                word |= std::uint32_t{data[at + k]} << (8 * k);
            }
            e.pixels.push_back(word);
            if (e.kind == EmbeddedPicture::Kind::Icon) {
                e.mask.push_back(static_cast<std::uint8_t>(word >> 24 & 1));
            }
        }
        CheckValue(FormatValue(PictureValue(e)));
        CheckPicture(e);
        break;
    }
    default:
        CheckValue(text);
        break;
    }
    return 0;
}
