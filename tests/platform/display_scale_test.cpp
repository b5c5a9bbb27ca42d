#include "platform/display_scale.h"
#include "platform/symbol_font.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(DisplayScale, At96DotsPerInchEveryLengthIsTheFormsOwn) {
    const DisplayScale base;
    EXPECT_EQ(base.dpi(), 96);
    EXPECT_EQ(base.percent(), 100);
    EXPECT_EQ(base.ArtworkFactor(), 1);
    // Every twips value a form can hold, and the float ones a button is resized to.
    for (std::int32_t twips = -3000; twips <= 20000; ++twips) {
        ASSERT_EQ(base.Pixels(twips), TwipsToPixels(twips)) << twips;
        const float fraction = static_cast<float>(twips) + 0.5f;
        ASSERT_EQ(base.Pixels(fraction), TwipsToPixels(fraction)) << fraction;
    }
    for (const double points : {7.5, 8.25, 9.0, 10.5, 12.0, 21.75, 0.1}) {
        EXPECT_EQ(base.FontPixels(points), PixelSizeFor(points)) << points;
    }
    EXPECT_EQ(base.Scaled(4), 4);
}

TEST(DisplayScale, LengthsFontsAndArtworkAtTheCommonScales) {
    struct Row {
        std::int32_t dpi;
        std::int32_t percent;
        std::int32_t strip;  // the window's 9750 twips
        std::int32_t button; // 405 twips
        std::int32_t margin; // 4 pixels at 100 %
        std::int32_t viewerFont;
        std::int32_t artwork;
    };
    const Row rows[] = {
        {96, 100, 650, 27, 4, 29, 1},    {120, 125, 812, 34, 5, 36, 1},
        {144, 150, 975, 40, 6, 44, 1},   {168, 175, 1138, 47, 7, 51, 1},
        {192, 200, 1300, 54, 8, 58, 2},  {240, 250, 1625, 68, 10, 73, 2},
        {288, 300, 1950, 81, 12, 87, 3}, {72, 75, 488, 20, 3, 22, 1},
    };
    for (const Row& r : rows) {
        const DisplayScale s(r.dpi);
        EXPECT_EQ(s.percent(), r.percent) << r.dpi;
        // 812.5 and 40.5 round to even; a font's 72.5 pixels round up, as the system's.
        EXPECT_EQ(s.Pixels(9750), r.strip) << r.dpi;
        EXPECT_EQ(s.Pixels(405), r.button) << r.dpi;
        EXPECT_EQ(s.Scaled(4), r.margin) << r.dpi;
        EXPECT_EQ(s.FontPixels(21.75), r.viewerFont) << r.dpi;
        EXPECT_EQ(s.ArtworkFactor(), r.artwork) << r.dpi;
        EXPECT_EQ(SymbolEmPixels({u"Webdings", 12, 700, 2}, s), s.FontPixels(12)) << r.dpi;
    }
}

TEST(DisplayScale, AResolutionTheSystemCannotMeanIs100Percent) {
    for (const std::int32_t dpi : {0, -96, -1}) {
        EXPECT_EQ(DisplayScale(dpi), DisplayScale()) << dpi;
    }
    EXPECT_EQ(DisplayScale(1).ArtworkFactor(), 1); // tiny, but never a factor of 0
    EXPECT_EQ(DisplayScale(1).FontPixels(8), 1);
}

} // namespace
} // namespace lumio
