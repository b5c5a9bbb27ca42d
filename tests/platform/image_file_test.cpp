#include "platform/image_file.h"

#include <gtest/gtest.h>
#include <string>

namespace lumio {
namespace {

std::uint32_t BigEndian(const std::vector<std::uint8_t>& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
           (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

TEST(ImageFile, Checksums) {
    const std::string iend = "IEND";
    EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(iend.data()), 4), 0xAE426082u);
    const std::string wiki = "Wikipedia";
    EXPECT_EQ(Adler32(reinterpret_cast<const std::uint8_t*>(wiki.data()), wiki.size()),
              0x11E60398u);
    EXPECT_EQ(Adler32(nullptr, 0), 1u);
}

TEST(ImageFile, PpmIsRgbAfterItsHeader) {
    Bitmap b(2, 1);
    b.set(0, 0, 0xFF102030u);
    b.set(1, 0, 0xFFA0B0C0u);
    const auto bytes = EncodePpm(b);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text, std::string("P6\n2 1\n255\n\x10\x20\x30\xA0\xB0\xC0"));
}

// A PNG whose stored blocks we walk by hand: every chunk's CRC holds, the image data
// is split into blocks of at most 65535 bytes, and their bytes are the filtered rows.
TEST(ImageFile, PngChunksAndStoredBlocks) {
    Bitmap b(200, 120, 0xFF123456u); // 120 rows of 601 bytes: more than one block
    b.set(199, 119, 0xFFABCDEFu);
    const auto png = EncodePng(b);
    ASSERT_GT(png.size(), 8u);
    std::size_t pos = 8;
    std::vector<std::uint8_t> idat;
    std::vector<std::string> types;
    while (pos < png.size()) {
        const std::uint32_t len = BigEndian(png, pos);
        types.emplace_back(png.begin() + static_cast<std::ptrdiff_t>(pos + 4),
                           png.begin() + static_cast<std::ptrdiff_t>(pos + 8));
        EXPECT_EQ(Crc32(&png[pos + 4], len + 4), BigEndian(png, pos + 8 + len));
        if (types.back() == "IDAT") {
            idat.insert(idat.end(), png.begin() + static_cast<std::ptrdiff_t>(pos + 8),
                        png.begin() + static_cast<std::ptrdiff_t>(pos + 8 + len));
        }
        pos += 12 + len;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    EXPECT_EQ(BigEndian(png, 16), 200u);
    EXPECT_EQ(BigEndian(png, 20), 120u);

    std::vector<std::uint8_t> raw;
    std::size_t at = 2; // zlib header
    bool last = false;
    int blocks = 0;
    while (!last) {
        last = idat[at] & 1;
        const std::size_t len = idat[at + 1] | (idat[at + 2] << 8);
        const std::size_t nlen = idat[at + 3] | (idat[at + 4] << 8);
        EXPECT_EQ(len ^ 0xFFFF, nlen);
        EXPECT_LE(len, 65535u);
        raw.insert(raw.end(), idat.begin() + static_cast<std::ptrdiff_t>(at + 5),
                   idat.begin() + static_cast<std::ptrdiff_t>(at + 5 + len));
        at += 5 + len;
        ++blocks;
    }
    EXPECT_EQ(blocks, 2);
    ASSERT_EQ(raw.size(), 120u * 601u);
    EXPECT_EQ(BigEndian(idat, at), Adler32(raw.data(), raw.size()));
    EXPECT_EQ(raw[0], 0);                 // no filter
    EXPECT_EQ(raw[1], 0x12);              // first pixel, red first
    EXPECT_EQ(raw[raw.size() - 3], 0xAB); // last pixel
    EXPECT_EQ(raw[raw.size() - 1], 0xEF);
}

} // namespace
} // namespace lumio
