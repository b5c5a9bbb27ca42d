#include "button/render/gray_picture.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

constexpr Pixel kBg = 0xFF336699u;

Surface MakeSurface() {
    Surface s(8, 6);
    s.bitmap().Fill(kBg);
    return s;
}

Pixel Grey(std::uint32_t v) {
    return 0xFF000000u | (v << 16) | (v << 8) | v;
}

// 2 x 2 picture: (10, 20, 31) (255, 255, 255) / (0, 0, 2) (200, 100, 0).
Bitmap Image() {
    Bitmap b(2, 2);
    b.set(0, 0, ToPixel(Rgb(10, 20, 31)));
    b.set(1, 0, ToPixel(Rgb(255, 255, 255)));
    b.set(0, 1, ToPixel(Rgb(0, 0, 2)));
    b.set(1, 1, ToPixel(Rgb(200, 100, 0)));
    return b;
}

TEST(DrawGrayPicture, BitmapCoversItsRectangleInTruncatedMeans) {
    Surface s = MakeSurface();
    EXPECT_TRUE(DrawGrayPicture(s, Picture::FromBitmap(Image()), 1, 2, -1, -1));
    EXPECT_EQ(s.bitmap().at(1, 2), Grey(20)); // 61 / 3
    EXPECT_EQ(s.bitmap().at(2, 2), Grey(255));
    EXPECT_EQ(s.bitmap().at(1, 3), Grey(0)); // 2 / 3
    EXPECT_EQ(s.bitmap().at(2, 3), Grey(100));
    EXPECT_EQ(s.bitmap().at(0, 2), kBg);
    EXPECT_EQ(s.bitmap().at(3, 2), kBg);
    EXPECT_EQ(s.bitmap().at(1, 4), kBg);
}

TEST(DrawGrayPicture, StretchesToTheGivenSize) {
    Surface s = MakeSurface();
    EXPECT_TRUE(DrawGrayPicture(s, Picture::FromBitmap(Image()), 0, 0, 4, 2));
    EXPECT_EQ(s.bitmap().at(0, 0), Grey(20));
    EXPECT_EQ(s.bitmap().at(1, 0), Grey(20));
    EXPECT_EQ(s.bitmap().at(2, 0), Grey(255));
    EXPECT_EQ(s.bitmap().at(3, 1), Grey(100));
    EXPECT_EQ(s.bitmap().at(4, 0), kBg);
    // -1 for one side only.
    Surface t = MakeSurface();
    EXPECT_TRUE(DrawGrayPicture(t, Picture::FromBitmap(Image()), 0, 0, -1, 4));
    EXPECT_EQ(t.bitmap().at(1, 3), Grey(100));
    EXPECT_EQ(t.bitmap().at(2, 3), kBg);
}

TEST(DrawGrayPicture, IconKeepsTheBackgroundWhereTransparent) {
    // Opaque on the diagonal; the transparent cells hold black image pixels, as icons do.
    Bitmap image = Image();
    image.set(1, 0, 0xFF000000u);
    image.set(0, 1, 0xFF000000u);
    Bitmap mask(2, 2, 0xFF000000u);
    mask.set(1, 0, 0xFFFFFFFFu);
    mask.set(0, 1, 0xFFFFFFFFu);
    Surface s = MakeSurface();
    EXPECT_TRUE(DrawGrayPicture(s, Picture::FromIcon(image, mask), 3, 3, -1, -1));
    EXPECT_EQ(s.bitmap().at(3, 3), Grey(20));
    EXPECT_EQ(s.bitmap().at(4, 4), Grey(100));
    EXPECT_EQ(s.bitmap().at(4, 3), kBg);
    EXPECT_EQ(s.bitmap().at(3, 4), kBg);
}

TEST(DrawGrayPicture, NoPictureDrawsNothingAndFails) {
    Surface s = MakeSurface();
    EXPECT_FALSE(DrawGrayPicture(s, Picture(), 0, 0, 4, 4));
    EXPECT_FALSE(DrawGrayPicture(s, Picture::FromBitmap(Image()), 0, 0, 0, 4));
    EXPECT_EQ(s.bitmap(), MakeSurface().bitmap());
}

TEST(DrawGrayPicture, IgnoresTheDrawingMode) {
    Surface a = MakeSurface();
    Surface b = MakeSurface();
    b.SetDrawMode(kDrawModeInvert);
    DrawGrayPicture(a, Picture::FromBitmap(Image()), 0, 0, -1, -1);
    DrawGrayPicture(b, Picture::FromBitmap(Image()), 0, 0, -1, -1);
    EXPECT_EQ(a.bitmap(), b.bitmap());
}

} // namespace
} // namespace lumio
