// Regions beyond the reference dumps: every size a control can have, odd ellipses,
// reversed and extreme corners.

#include "platform/errors.h"
#include "platform/region.h"

#include <gtest/gtest.h>
#include <limits>

namespace lumio {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(Region, RectangleCoversExactlyItsPixels) {
    const Region r = CreateRectRgn(2, 1, 5, 4);
    EXPECT_EQ(r.box(), (Rect{2, 1, 5, 4}));
    EXPECT_TRUE(r.Contains(2, 1));
    EXPECT_TRUE(r.Contains(4, 3));
    EXPECT_FALSE(r.Contains(5, 3));
    EXPECT_FALSE(r.Contains(4, 4));
    EXPECT_FALSE(r.Contains(1, 1));
    EXPECT_EQ(CreateRectRgn(5, 4, 2, 1), r); // corners in either order
    EXPECT_TRUE(CreateRectRgn(3, 0, 3, 9).empty());
    EXPECT_EQ(CreateRectRgn(3, 0, 3, 9).box(), Rect{});
}

TEST(Region, MaskListsMembershipRowByRow) {
    const Region r = CreateRoundRectRgn(0, 0, 6, 5, 3, 3);
    const auto mask = r.Mask(6, 5);
    const std::string want = "01110"
                             "0"
                             "11111"
                             "0"
                             "11111"
                             "0"
                             "01110"
                             "0"
                             "00000"
                             "0";
    ASSERT_EQ(mask.size(), want.size());
    for (std::size_t i = 0; i < mask.size(); ++i) {
        EXPECT_EQ(mask[i], want[i] - '0') << i;
    }
    EXPECT_TRUE(r.Mask(-3, 4).empty());
}

// The properties every rounded control region must have, whatever its size: it fills
// the W x H box, its four corners mirror each other, the middle row is whole, and each
// row is one span that never widens towards the top or bottom.
TEST(Region, RoundedRegionsOfEverySizeAreWellFormed) {
    for (std::int32_t e : {3, 4, 5, 7, 18, 25}) {
        for (std::int32_t w = 1; w <= 40; ++w) {
            for (std::int32_t h = 1; h <= 40; ++h) {
                const Region r = CreateRoundRectRgn(0, 0, w + 1, h + 1, e, e);
                ASSERT_EQ(r.box(), (Rect{0, 0, w, h})) << w << "x" << h << " e" << e;
                std::int32_t previous_cut = 0;
                for (std::int32_t y = 0; y <= (h - 1) / 2; ++y) {
                    std::int32_t cut = 0;
                    while (cut < w && !r.Contains(cut, y)) {
                        ++cut;
                    }
                    ASSERT_LT(cut, w) << "empty row " << y << " of " << w << "x" << h;
                    for (std::int32_t x = 0; x < w; ++x) {
                        const bool in = x >= cut && x < w - cut;
                        ASSERT_EQ(r.Contains(x, y), in) << w << "x" << h << " e" << e;
                        ASSERT_EQ(r.Contains(x, h - 1 - y), in) << w << "x" << h << " e" << e;
                    }
                    if (y > 0) {
                        ASSERT_LE(cut, previous_cut) << w << "x" << h << " e" << e;
                    }
                    previous_cut = cut;
                }
                ASSERT_TRUE(r.Contains(0, h / 2));
                ASSERT_TRUE(r.Contains(w - 1, h / 2));
            }
        }
    }
}

TEST(Region, TallNarrowEllipsesKeepTheirTips) {
    // Ellipse 4 wide, 12 high: the walk over the quadrant ends before the tip rows.
    const Region r = CreateRoundRectRgn(0, 0, 6, 21, 4, 12);
    EXPECT_EQ(r.box(), (Rect{0, 0, 5, 20}));
    EXPECT_TRUE(r.Contains(2, 0));
    EXPECT_FALSE(r.Contains(0, 0));
    EXPECT_FALSE(r.Contains(4, 19));
    EXPECT_TRUE(r.Contains(2, 19));
}

TEST(Region, TinyOrDegenerateRoundedRegions) {
    EXPECT_TRUE(CreateRoundRectRgn(0, 0, 1, 1, 18, 18).empty()); // 0 x 0 after the cut
    EXPECT_EQ(CreateRoundRectRgn(0, 0, 2, 2, 18, 18), CreateRectRgn(0, 0, 1, 1));
    EXPECT_EQ(CreateRoundRectRgn(0, 0, 11, 11, 1, 1), CreateRectRgn(0, 0, 10, 10));
    EXPECT_EQ(CreateRoundRectRgn(0, 0, 11, 11, -3, -3), CreateRoundRectRgn(0, 0, 11, 11, 3, 3));
    EXPECT_EQ(CreateRoundRectRgn(11, 11, 0, 0, 3, 3), CreateRoundRectRgn(0, 0, 11, 11, 3, 3));
}

TEST(Region, ExtremeCornersNeitherOverflowNorExhaustMemory) {
    const Region whole = CreateRoundRectRgn(kMin, kMin, kMax, kMax, 18, 18);
    EXPECT_TRUE(whole.Contains(0, 0));
    EXPECT_TRUE(whole.Contains(kMin + 9, kMin + 9));
    EXPECT_FALSE(whole.Contains(kMin, kMin));
    EXPECT_TRUE(CreateRoundRectRgn(kMin, 0, kMin, 10, 4, 4).empty());
    EXPECT_EQ(CreateRectRgn(kMin, kMin, kMax, kMax).box(), (Rect{kMin, kMin, kMax, kMax}));
    try {
        CreateRoundRectRgn(0, 0, kMax, kMax, kMax, kMax);
        ADD_FAILURE() << "a two-billion-row corner was built";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::OutOfMemory);
    }
}

} // namespace
} // namespace lumio
