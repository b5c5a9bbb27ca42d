// Pictures and the pixel transfers beyond the reference dumps.

#include "platform/errors.h"
#include "platform/picture.h"
#include "platform/surface.h"
#include "platform/transfer.h"

#include <gtest/gtest.h>
#include <vector>

namespace lumio {
namespace {

constexpr Pixel kBg = 0xFF336699u;

Surface MakeSurface(std::int32_t w = 8, std::int32_t h = 6) {
    Surface s(w, h);
    s.bitmap().Fill(kBg);
    return s;
}

// A source whose pixel (x, y) is 0xA0+y, 0xB0+x, 0x55 (distinct and readable).
Bitmap Numbered(std::int32_t w, std::int32_t h) {
    Bitmap b(w, h);
    for (std::int32_t y = 0; y < h; ++y) {
        for (std::int32_t x = 0; x < w; ++x) {
            b.set(x, y,
                  PixelFromRrggbb(((0xA0u + static_cast<std::uint32_t>(y)) << 16) |
                                  ((0xB0u + static_cast<std::uint32_t>(x)) << 8) | 0x55u));
        }
    }
    return b;
}

TEST(Picture, NaturalSizeInHimetric) {
    struct Case {
        std::int32_t pixels;
        std::int32_t himetric;
    };
    for (const Case c : {Case{0, 0}, Case{1, 26}, Case{16, 423}, Case{24, 635}, Case{32, 847},
                         Case{96, 2540}, Case{-16, -423}}) {
        EXPECT_EQ(PixelsToHimetric(c.pixels), c.himetric) << c.pixels;
        // And back: close enough to round to the same pixel count.
        EXPECT_NEAR(HimetricToPixels(c.himetric), c.pixels, 0.5) << c.pixels;
    }
    EXPECT_DOUBLE_EQ(HimetricToPixels(2540), 96.0);
    EXPECT_THROW(PixelsToHimetric(std::numeric_limits<std::int32_t>::max()), RuntimeError);
    const Picture p = Picture::FromBitmap(Bitmap(32, 16));
    EXPECT_EQ(p.type(), PictureType::Bitmap);
    EXPECT_EQ(p.width(), 847);
    EXPECT_EQ(p.height(), 423);
    EXPECT_EQ(Picture().type(), PictureType::None);
}

TEST(Picture, AnIconNeedsAMaskOfItsOwnSize) {
    const Picture icon = Picture::FromIcon(Bitmap(4, 4), Bitmap(4, 4, 0xFFFFFFFFu));
    EXPECT_EQ(icon.type(), PictureType::Icon);
    EXPECT_EQ(icon.mask().at(3, 3), 0xFFFFFFFFu);
    try {
        Picture::FromIcon(Bitmap(4, 4), Bitmap(4, 3));
        ADD_FAILURE();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::InvalidProcedureCall);
    }
}

TEST(StretchBlt, ShrinkingMergesByTheStretchMode) {
    // Two source pixels per destination pixel across.
    Bitmap src(4, 1);
    src.set(0, 0, 0xFF0F0F0Fu);
    src.set(1, 0, 0xFFF0F00Fu);
    src.set(2, 0, 0xFF000001u);
    src.set(3, 0, 0xFF000010u);
    struct Case {
        std::int32_t mode;
        Pixel first;
        Pixel second;
    };
    for (const Case c :
         {Case{kStretchAndScans, 0xFF00000Fu, 0xFF000000u},
          Case{kStretchOrScans, 0xFFFFFF0Fu, 0xFF000011u},
          Case{kStretchDeleteScans, 0xFFF0F00Fu, 0xFF000010u}, Case{4, 0xFFF0F00Fu, 0xFF000010u}}) {
        Surface s = MakeSurface();
        s.SetStretchMode(c.mode);
        EXPECT_TRUE(StretchBlt(s, 0, 0, 2, 1, src, 0, 0, 4, 1, kSrcCopy));
        EXPECT_EQ(s.bitmap().at(0, 0), c.first) << c.mode;
        EXPECT_EQ(s.bitmap().at(1, 0), c.second) << c.mode;
        EXPECT_EQ(s.bitmap().at(2, 0), kBg) << c.mode;
    }
}

TEST(StretchBlt, UnevenShrinkGivesEverySourcePixelOneHome) {
    // 5 to 2: centres 0.5, 1.5, 2.5 go left (a tie goes to the lower pixel), 3.5, 4.5 right.
    Bitmap src(5, 1);
    for (std::int32_t x = 0; x < 5; ++x) {
        src.set(x, 0, 0xFF000000u | (1u << x));
    }
    Surface s = MakeSurface();
    s.SetStretchMode(kStretchOrScans);
    StretchBlt(s, 0, 0, 2, 1, src, 0, 0, 5, 1, kSrcCopy);
    EXPECT_EQ(s.bitmap().at(0, 0), 0xFF000007u);
    EXPECT_EQ(s.bitmap().at(1, 0), 0xFF000018u);
}

TEST(StretchBlt, RasterOperations) {
    const Bitmap src(1, 1, 0xFF0F0FF0u);
    struct Case {
        std::uint32_t rop;
        Pixel want;
    };
    for (const Case c : {Case{kSrcCopy, 0xFF0F0FF0u}, Case{kSrcAnd, 0xFF030690u},
                         Case{kSrcPaint, 0xFF3F6FF9u}, Case{kSrcInvert, 0xFF3C6969u}}) {
        Surface s = MakeSurface();
        EXPECT_TRUE(StretchBlt(s, 2, 2, 1, 1, src, 0, 0, 1, 1, c.rop));
        EXPECT_EQ(s.bitmap().at(2, 2), c.want) << std::hex << c.rop;
    }
    Surface s = MakeSurface();
    EXPECT_FALSE(StretchBlt(s, 2, 2, 1, 1, src, 0, 0, 1, 1, 0x00AA0029)); // unknown: refused
    EXPECT_FALSE(StretchBlt(s, 2, 2, 0, 1, src, 0, 0, 1, 1, kSrcCopy));
    EXPECT_FALSE(StretchBlt(s, 2, 2, 1, 1, src, 0, 0, 1, 0, kSrcCopy));
    EXPECT_EQ(s.bitmap(), MakeSurface().bitmap());
}

TEST(StretchBlt, MirrorsVerticallyAndFromAMirroredSource) {
    const Bitmap src = Numbered(2, 3);
    Surface s = MakeSurface();
    s.SetStretchMode(kStretchDeleteScans);
    StretchBlt(s, 0, 4, 2, -3, src, 0, 0, 2, 3, kSrcCopy); // rows 4, 3, 2
    EXPECT_EQ(s.bitmap().at(1, 4), src.at(1, 0));
    EXPECT_EQ(s.bitmap().at(1, 2), src.at(1, 2));
    StretchBlt(s, 4, 0, 2, 1, src, 1, 0, -2, 1, kSrcCopy); // source columns 1, 0
    EXPECT_EQ(s.bitmap().at(4, 0), src.at(1, 0));
    EXPECT_EQ(s.bitmap().at(5, 0), src.at(0, 0));
}

TEST(StretchDIBits, BottomUpSourceRectangleCountsFromTheBottom) {
    // Memory row r, column c = (A0 + r)(B0 + c)55; 3 x 4 bottom-up: row 0 is the bottom.
    std::vector<Pixel> bits;
    for (std::uint32_t r = 0; r < 4; ++r) {
        for (std::uint32_t c = 0; c < 3; ++c) {
            bits.push_back(((0xA0u + r) << 16) | ((0xB0u + c) << 8) | 0x55u);
        }
    }
    Surface s = MakeSurface();
    // Source (1, 1) 2 x 2 from the bottom: memory rows 1 and 2, columns 1 and 2; the
    // upper one (row 2) lands on top.
    EXPECT_EQ(StretchDIBits(s, 0, 0, 2, 2, 1, 1, 2, 2, DibView{bits.data(), 3, 4}, kSrcCopy), 4);
    EXPECT_EQ(s.bitmap().at(0, 0), 0xFFA2B155u);
    EXPECT_EQ(s.bitmap().at(1, 1), 0xFFA1B255u);
    // Top-down (negative height): y counts from the top.
    EXPECT_EQ(StretchDIBits(s, 4, 0, 2, 2, 1, 1, 2, 2, DibView{bits.data(), 3, -4}, kSrcCopy), 4);
    EXPECT_EQ(s.bitmap().at(4, 0), 0xFFA1B155u);
    EXPECT_EQ(s.bitmap().at(5, 1), 0xFFA2B255u);
    EXPECT_EQ(StretchDIBits(s, 0, 0, 2, 2, 0, 0, 2, 2, DibView{nullptr, 3, 4}, kSrcCopy), 0);
    EXPECT_EQ(StretchDIBits(s, 0, 0, 2, 2, 0, 0, 2, 2, DibView{bits.data(), 3, 0}, kSrcCopy), 0);
}

TEST(TransparentBlt, KeyColouredPixelsLeaveTheDestination) {
    Bitmap src = Numbered(3, 2);
    const OleColor key = ToOleColor(src.at(1, 0));
    src.set(2, 1, src.at(1, 0) & 0x00FFFFFFu); // alpha does not count
    Surface s = MakeSurface();
    EXPECT_TRUE(TransparentBlt(s, 1, 1, 3, 2, src, 0, 0, 3, 2, key));
    EXPECT_EQ(s.bitmap().at(1, 1), src.at(0, 0));
    EXPECT_EQ(s.bitmap().at(2, 1), kBg);
    EXPECT_EQ(s.bitmap().at(3, 2), kBg);
    EXPECT_EQ(s.bitmap().at(2, 2), src.at(1, 1));
}

TEST(TransparentBlt, MaskColourIsComparedAsStored) {
    // A system colour passed untranslated is compared by its low bytes (0x00000F,
    // red 15), not by the colour it names.
    Bitmap src(2, 1);
    src.set(0, 0, ToPixel(Rgb(240, 240, 240))); // button face
    src.set(1, 0, ToPixel(Rgb(15, 0, 0)));
    Surface s = MakeSurface();
    TransparentBlt(s, 0, 0, 2, 1, src, 0, 0, 2, 1, SystemColor(15));
    EXPECT_EQ(s.bitmap().at(0, 0), src.at(0, 0));
    EXPECT_EQ(s.bitmap().at(1, 0), kBg);
}

TEST(TransparentBlt, RefusesMirroring) {
    const Bitmap src = Numbered(2, 2);
    Surface s = MakeSurface();
    EXPECT_FALSE(TransparentBlt(s, 3, 0, -2, 2, src, 0, 0, 2, 2, 0));
    EXPECT_FALSE(TransparentBlt(s, 0, 0, 2, 2, src, 0, 0, 2, 0, 0));
    EXPECT_EQ(s.bitmap(), MakeSurface().bitmap());
}

TEST(DrawIconEx, MaskThenImageScaled) {
    // 2 x 1 icon: left pixel opaque red, right pixel transparent (mask white, image black).
    Bitmap image(2, 1, 0xFF000000u);
    image.set(0, 0, 0xFFFF0000u);
    Bitmap mask(2, 1, 0xFF000000u);
    mask.set(1, 0, 0xFFFFFFFFu);
    const Picture icon = Picture::FromIcon(image, mask);
    Surface s = MakeSurface();
    EXPECT_TRUE(DrawIconEx(s, 1, 1, icon, 4, 2));
    for (std::int32_t y = 1; y <= 2; ++y) {
        EXPECT_EQ(s.bitmap().at(1, y), 0xFFFF0000u);
        EXPECT_EQ(s.bitmap().at(2, y), 0xFFFF0000u);
        EXPECT_EQ(s.bitmap().at(3, y), kBg);
        EXPECT_EQ(s.bitmap().at(4, y), kBg);
    }
    EXPECT_EQ(s.bitmap().at(1, 3), kBg);
    // Natural size with 0 x 0.
    Surface t = MakeSurface();
    EXPECT_TRUE(DrawIconEx(t, 0, 0, icon, 0, 0));
    EXPECT_EQ(t.bitmap().at(0, 0), 0xFFFF0000u);
    EXPECT_EQ(t.bitmap().at(1, 0), kBg);
    EXPECT_EQ(t.bitmap().at(0, 1), kBg);
}

TEST(DrawIconEx, WhiteMaskWithColourInvertsTheBackground) {
    const Picture icon = Picture::FromIcon(Bitmap(1, 1, 0xFFFFFFFFu), Bitmap(1, 1, 0xFFFFFFFFu));
    Surface s = MakeSurface();
    DrawIconEx(s, 0, 0, icon, 1, 1);
    EXPECT_EQ(s.bitmap().at(0, 0), 0xFFCC9966u);
}

TEST(DrawIconEx, OnlyIconsAreDrawn) {
    Surface s = MakeSurface();
    EXPECT_FALSE(DrawIconEx(s, 0, 0, Picture(), 4, 4));
    EXPECT_FALSE(DrawIconEx(s, 0, 0, Picture::FromBitmap(Bitmap(2, 2, 0xFF000000u)), 4, 4));
    EXPECT_EQ(s.bitmap(), MakeSurface().bitmap());
}

} // namespace
} // namespace lumio
