// The colour key as a window shape: which pixels are in, how rows are banded, and that
// only real changes are reported.
#include "platform/bitmap.h"
#include "platform/key_shape.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

constexpr Pixel kKey = PixelFromRrggbb(0x424242);

Bitmap Filled(std::int32_t w, std::int32_t h, Pixel color) {
    return Bitmap(w, h, color);
}

PixelRows Rows(const Bitmap& b) {
    return {b.data(), b.width(), b.height(), b.width()};
}

// Every pixel of the shape against the image: in exactly when not the key colour.
void ExpectMatchesImage(const KeyShape& shape, const Bitmap& image) {
    for (std::int32_t y = 0; y < image.height(); ++y) {
        for (std::int32_t x = 0; x < image.width(); ++x) {
            const bool opaque = (image.at(x, y) & 0xFFFFFFu) != (kKey & 0xFFFFFFu);
            bool inRects = false;
            for (const Rect& r : shape.rects()) {
                inRects |= x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            }
            ASSERT_EQ(shape.Contains({x, y}), opaque) << x << "," << y;
            ASSERT_EQ(inRects, opaque) << x << "," << y;
        }
    }
}

TEST(KeyShape, OnlyTheExactKeyColourIsOutside) {
    Bitmap image = Filled(8, 3, kKey);
    image.set(1, 0, PixelFromRrggbb(0x424243));
    image.set(2, 0, PixelFromRrggbb(0x434242));
    image.set(3, 0, PixelFromRrggbb(0x424142));
    image.set(4, 1, PixelFromRrggbb(0x000000));
    image.set(5, 1, 0x00424242u); // alpha does not count
    KeyShape shape(kKey);
    EXPECT_TRUE(shape.UpdateAll(Rows(image)));
    for (const Point p : {Point{1, 0}, Point{2, 0}, Point{3, 0}, Point{4, 1}}) {
        EXPECT_TRUE(shape.Contains(p)) << p.x << "," << p.y;
    }
    EXPECT_FALSE(shape.Contains({5, 1}));
    EXPECT_FALSE(shape.Contains({0, 0}));
    ExpectMatchesImage(shape, image);
}

TEST(KeyShape, AllKeyIsEmptyAndNoKeyIsTheWholeImage) {
    KeyShape shape(kKey);
    const Bitmap key = Filled(10, 4, kKey);
    shape.UpdateAll(Rows(key));
    EXPECT_TRUE(shape.rects().empty());
    const Bitmap white = Filled(10, 4, PixelFromRrggbb(0xFFFFFF));
    shape.UpdateAll(Rows(white));
    EXPECT_EQ(shape.rects(), (std::vector<Rect>{{0, 0, 10, 4}}));
}

TEST(KeyShape, IdenticalRowsShareOneBand) {
    Bitmap image = Filled(20, 10, kKey);
    for (std::int32_t y = 2; y < 6; ++y) {
        for (std::int32_t x = 3; x < 7; ++x) {
            image.set(x, y, PixelFromRrggbb(0x0A141E));
        }
        for (std::int32_t x = 12; x < 15; ++x) {
            image.set(x, y, PixelFromRrggbb(0x0A141E));
        }
    }
    image.set(0, 9, PixelFromRrggbb(0x010101));
    KeyShape shape(kKey);
    shape.UpdateAll(Rows(image));
    EXPECT_EQ(shape.rects(), (std::vector<Rect>{{3, 2, 7, 6}, {12, 2, 15, 6}, {0, 9, 1, 10}}));
    ExpectMatchesImage(shape, image);
}

TEST(KeyShape, AChangeIsReportedOnlyWhenTheShapeChanges) {
    Bitmap image = Filled(30, 6, PixelFromRrggbb(0xC8C8C8));
    KeyShape shape(kKey);
    EXPECT_TRUE(shape.UpdateAll(Rows(image)));
    // Other non-key colours: same shape, nothing to tell the window system.
    for (std::int32_t x = 0; x < 30; ++x) {
        image.set(x, 3, PixelFromRrggbb(0xFF0000));
    }
    EXPECT_FALSE(shape.Update(Rows(image), 3, 4));
    // A key pixel: a hole appears.
    image.set(7, 4, kKey);
    EXPECT_TRUE(shape.Update(Rows(image), 4, 5));
    EXPECT_FALSE(shape.Contains({7, 4}));
    ExpectMatchesImage(shape, image);
    // Rows outside the range given are not looked at.
    image.set(9, 0, kKey);
    EXPECT_FALSE(shape.Update(Rows(image), 1, 6));
    EXPECT_TRUE(shape.Contains({9, 0}));
    EXPECT_TRUE(shape.Update(Rows(image), 0, 1));
    ExpectMatchesImage(shape, image);
}

TEST(KeyShape, ANewSizeRescansEverything) {
    KeyShape shape(kKey);
    const Bitmap small = Filled(10, 10, PixelFromRrggbb(0x010203));
    shape.UpdateAll(Rows(small));
    const std::int64_t before = shape.rowsScanned();
    Bitmap bigger = Filled(12, 14, kKey);
    bigger.set(11, 13, PixelFromRrggbb(0x090909));
    EXPECT_TRUE(shape.Update(Rows(bigger), 0, 1)); // asks for one row, gets all of them
    EXPECT_EQ(shape.rowsScanned() - before, 14);
    ExpectMatchesImage(shape, bigger);
}

TEST(KeyShape, RangesAreClampedToTheImage) {
    KeyShape shape(kKey);
    const Bitmap image = Filled(5, 5, PixelFromRrggbb(0x030303));
    shape.UpdateAll(Rows(image));
    EXPECT_FALSE(shape.Update(Rows(image), -10, 100));
    EXPECT_FALSE(shape.Update(Rows(image), 4, 2));
    EXPECT_FALSE(shape.Contains({-1, 0}));
    EXPECT_FALSE(shape.Contains({0, 5}));
}

TEST(KeyShape, AnotherKeyColour) {
    Bitmap image = Filled(4, 1, kKey);
    image.set(0, 0, PixelFromRrggbb(0x0000FF));
    KeyShape shape(PixelFromRrggbb(0x0000FF));
    shape.UpdateAll(Rows(image));
    EXPECT_FALSE(shape.Contains({0, 0}));
    EXPECT_TRUE(shape.Contains({1, 0}));
    shape.SetKey(kKey);
    EXPECT_TRUE(shape.Update(Rows(image), 0, 0)); // a new key rescans at once
    EXPECT_TRUE(shape.Contains({0, 0}));
    EXPECT_FALSE(shape.Contains({1, 0}));
}

TEST(KeyShape, RowsWithAStrideWiderThanTheImage) {
    // A window's pixels inside a wider buffer: only the first `width` of each row count.
    Bitmap buffer = Filled(8, 2, PixelFromRrggbb(0xFFFFFF));
    buffer.set(1, 1, kKey);
    const PixelRows rows{buffer.data(), 3, 2, buffer.width()};
    KeyShape shape(kKey);
    shape.UpdateAll(rows);
    EXPECT_EQ(shape.rects(), (std::vector<Rect>{{0, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}}));
}

} // namespace
} // namespace lumio
