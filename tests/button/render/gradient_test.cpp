#include "button/render/gradient.h"
#include "platform/errors.h"

#include <array>
#include <gtest/gtest.h>
#include <limits>

namespace lumio {
namespace {

constexpr Pixel kBg = 0xFF336699u;

Surface MakeSurface(std::int32_t w, std::int32_t h) {
    Surface s(w, h);
    s.bitmap().Fill(kBg);
    return s;
}

Pixel Grey(std::uint32_t v) {
    return 0xFF000000u | (v << 16) | (v << 8) | v;
}

TEST(DrawGradient, OneColumnIsTheSumOfTheHalvedColours) {
    Surface s = MakeSurface(3, 4);
    DrawGradient(s, 1, 0, 1, 4, Rgb(0, 0, 0), Rgb(255, 255, 255), GradientDirection::Horizontal);
    for (std::int32_t y = 0; y < 4; ++y) {
        EXPECT_EQ(s.bitmap().at(1, y), Grey(127));
        EXPECT_EQ(s.bitmap().at(0, y), kBg);
        EXPECT_EQ(s.bitmap().at(2, y), kBg);
    }
    // Odd channels lose their halves: (3, 5, 7) and (9, 11, 255) give (5, 7, 130).
    DrawGradient(s, 0, 0, 1, 1, Rgb(3, 5, 7), Rgb(9, 11, 255), GradientDirection::Horizontal);
    EXPECT_EQ(s.bitmap().at(0, 0), ToPixel(Rgb(5, 7, 130)));
}

TEST(DrawGradient, VerticalThreeRowsBlackToWhite) {
    Surface s = MakeSurface(2, 3);
    DrawGradient(s, 0, 0, 2, 3, Rgb(0, 0, 0), Rgb(255, 255, 255), GradientDirection::Vertical);
    for (std::int32_t x = 0; x < 2; ++x) {
        EXPECT_EQ(s.bitmap().at(x, 0), Grey(0));
        EXPECT_EQ(s.bitmap().at(x, 1), Grey(127));
        EXPECT_EQ(s.bitmap().at(x, 2), Grey(255));
    }
}

TEST(DrawGradient, DescendingChannelsTruncateTowardZero) {
    // 200 -> 0 over 4 entries: 200 + i * -200 / 3 = 200, 134, 67, 0.
    Surface s = MakeSurface(4, 1);
    DrawGradient(s, 0, 0, 4, 1, Rgb(200, 0, 0), Rgb(0, 0, 0), GradientDirection::Horizontal);
    EXPECT_EQ(s.bitmap().at(0, 0), 0xFFC80000u);
    EXPECT_EQ(s.bitmap().at(1, 0), 0xFF860000u);
    EXPECT_EQ(s.bitmap().at(2, 0), 0xFF430000u);
    EXPECT_EQ(s.bitmap().at(3, 0), 0xFF000000u);
}

TEST(DrawGradient, EmptyAreasAndUnknownDirectionsDrawNothing) {
    Surface s = MakeSurface(4, 4);
    const Bitmap before = s.bitmap();
    DrawGradient(s, 0, 0, 4, 0, 0, 0xFFFFFF, GradientDirection::Vertical);
    DrawGradient(s, 0, 0, 0, 4, 0, 0xFFFFFF, GradientDirection::Horizontal);
    DrawGradient(s, 0, 0, -3, 4, 0, 0xFFFFFF, GradientDirection::DiagonalDown);
    DrawGradient(s, 0, 0, 4, 4, 0, 0xFFFFFF, static_cast<GradientDirection>(4));
    DrawGradient(s, 0, 0, 4, 4, 0, 0xFFFFFF, static_cast<GradientDirection>(-1));
    EXPECT_EQ(s.bitmap(), before);
}

TEST(DrawGradient, TopBytesOfTheColoursAreDropped) {
    Surface a = MakeSurface(5, 5);
    Surface b = MakeSurface(5, 5);
    DrawGradient(a, 0, 0, 5, 5, static_cast<OleColor>(0x80123456u),
                 static_cast<OleColor>(0xFF654321u), GradientDirection::DiagonalDown);
    DrawGradient(b, 0, 0, 5, 5, 0x123456, 0x654321, GradientDirection::DiagonalDown);
    EXPECT_EQ(a.bitmap(), b.bitmap());
}

// Every pixel of a 4 x 3 area at (1, 1) for each direction, from (10, 200, 33) to
// (251, 4, 36): green falls by 196 over n steps, so its fractions truncate toward zero
// (-196 / 3 gives -65, not -66). The ramps, entry by entry:
//   horizontal, n = 3: (10,200,33) (90,135,34) (170,70,35) (251,4,36)
//   vertical, n = 2:   (10,200,33) (130,102,34) (251,4,36)
//   diagonals, n = 5:  (10,200,33) (58,161,33) (106,122,34) (154,83,34) (202,44,35)
//                      (251,4,36)
TEST(DrawGradient, EveryDirectionFollowsItsRampPixelByPixel) {
    using Rows = std::array<std::array<Pixel, 4>, 3>;
    const Rows want[4] = {
        {{{0xFF0AC821u, 0xFF5A8722u, 0xFFAA4623u, 0xFFFB0424u},
          {0xFF0AC821u, 0xFF5A8722u, 0xFFAA4623u, 0xFFFB0424u},
          {0xFF0AC821u, 0xFF5A8722u, 0xFFAA4623u, 0xFFFB0424u}}},
        {{{0xFF0AC821u, 0xFF0AC821u, 0xFF0AC821u, 0xFF0AC821u},
          {0xFF826622u, 0xFF826622u, 0xFF826622u, 0xFF826622u},
          {0xFFFB0424u, 0xFFFB0424u, 0xFFFB0424u, 0xFFFB0424u}}},
        {{{0xFF0AC821u, 0xFF3AA121u, 0xFF6A7A22u, 0xFF9A5322u},
          {0xFF3AA121u, 0xFF6A7A22u, 0xFF9A5322u, 0xFFCA2C23u},
          {0xFF6A7A22u, 0xFF9A5322u, 0xFFCA2C23u, 0xFFFB0424u}}},
        {{{0xFF6A7A22u, 0xFF9A5322u, 0xFFCA2C23u, 0xFFFB0424u},
          {0xFF3AA121u, 0xFF6A7A22u, 0xFF9A5322u, 0xFFCA2C23u},
          {0xFF0AC821u, 0xFF3AA121u, 0xFF6A7A22u, 0xFF9A5322u}}},
    };
    for (std::int32_t d = 0; d < 4; ++d) {
        Surface s = MakeSurface(6, 5);
        DrawGradient(s, 1, 1, 4, 3, Rgb(10, 200, 33), Rgb(251, 4, 36),
                     static_cast<GradientDirection>(d));
        for (std::int32_t y = 0; y < 5; ++y) {
            for (std::int32_t x = 0; x < 6; ++x) {
                const bool inside = x >= 1 && x < 5 && y >= 1 && y < 4;
                const Pixel expected = inside ? want[d][y - 1][x - 1] : kBg;
                EXPECT_EQ(s.bitmap().at(x, y), expected) << d << " " << x << "," << y;
            }
        }
    }
}

// Cut at the top, a diagonal shows the rows below the cut as they are in the whole
// gradient. A 3 x 4 area at y = -2 from black to (60, 120, 180): entry i is
// (12i, 24i, 36i), and only the area's rows 2 and 3 are on the surface.
TEST(DrawGradient, DiagonalsCutAtTheTopKeepTheRowsBelowTheCut) {
    const auto entry = [](std::uint32_t i) {
        return 0xFF000000u | ((12 * i) << 16) | ((24 * i) << 8) | (36 * i);
    };
    struct Case {
        GradientDirection direction;
        std::array<std::array<std::uint32_t, 3>, 2> entries; // per surface row
    };
    const Case cases[] = {
        {GradientDirection::DiagonalDown, {{{2, 3, 4}, {3, 4, 5}}}}, // entry x + y
        {GradientDirection::DiagonalUp, {{{1, 2, 3}, {0, 1, 2}}}},   // entry x + (3 - y)
    };
    for (const Case& c : cases) {
        Surface s = MakeSurface(4, 2);
        DrawGradient(s, 0, -2, 3, 4, Rgb(0, 0, 0), Rgb(60, 120, 180), c.direction);
        for (std::int32_t y = 0; y < 2; ++y) {
            for (std::int32_t x = 0; x < 3; ++x) {
                EXPECT_EQ(s.bitmap().at(x, y), entry(c.entries[y][x]))
                    << static_cast<int>(c.direction) << " " << x << "," << y;
            }
            EXPECT_EQ(s.bitmap().at(3, y), kBg);
        }
    }
}

TEST(DrawGradient, EndsAreTheTwoColours) {
    Surface s = MakeSurface(6, 4);
    DrawGradient(s, 0, 0, 6, 4, Rgb(1, 2, 3), Rgb(200, 100, 50), GradientDirection::DiagonalUp);
    EXPECT_EQ(s.bitmap().at(0, 3), ToPixel(Rgb(1, 2, 3)));      // bottom-left
    EXPECT_EQ(s.bitmap().at(5, 0), ToPixel(Rgb(200, 100, 50))); // top-right
    DrawGradient(s, 0, 0, 6, 4, Rgb(1, 2, 3), Rgb(200, 100, 50), GradientDirection::DiagonalDown);
    EXPECT_EQ(s.bitmap().at(0, 0), ToPixel(Rgb(1, 2, 3)));
    EXPECT_EQ(s.bitmap().at(5, 3), ToPixel(Rgb(200, 100, 50)));
}

TEST(DrawGradient, ClippedAreasKeepTheirPlaceInTheRamp) {
    // A gradient hanging over every edge of a small surface shows exactly the middle of
    // the same gradient drawn whole on a big one.
    for (std::int32_t d = 0; d < 4; ++d) {
        Surface small = MakeSurface(10, 6);
        Surface big = MakeSurface(60, 56);
        DrawGradient(small, -7, -9, 31, 23, Rgb(0, 50, 255), Rgb(255, 60, 0),
                     static_cast<GradientDirection>(d));
        DrawGradient(big, 13, 11, 31, 23, Rgb(0, 50, 255), Rgb(255, 60, 0),
                     static_cast<GradientDirection>(d));
        for (std::int32_t y = 0; y < 6; ++y) {
            for (std::int32_t x = 0; x < 10; ++x) {
                ASSERT_EQ(small.bitmap().at(x, y), big.bitmap().at(x + 20, y + 20)) << d;
            }
        }
    }
}

TEST(DrawGradient, HugeAreasDrawOnlyWhatIsVisible) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    Surface s = MakeSurface(8, 4);
    // Equal colours: the ramp is flat whatever its length.
    DrawGradient(s, kMin, kMin, kMax, kMax, Rgb(9, 9, 9), Rgb(9, 9, 9),
                 GradientDirection::Vertical);
    EXPECT_EQ(s.bitmap().at(0, 0), kBg); // ends at -2, short of the surface
    DrawGradient(s, -100, -100, kMax, kMax, Rgb(9, 9, 9), Rgb(9, 9, 9),
                 GradientDirection::Horizontal);
    EXPECT_EQ(s.bitmap().at(7, 3), Grey(9));
}

TEST(DrawGradient, ARampTooLongFor32BitsRaisesOverflowBeforeDrawing) {
    // 8,500,000 entries times a difference of 255 passes 2^31.
    Surface s = MakeSurface(4, 4);
    const Bitmap before = s.bitmap();
    try {
        DrawGradient(s, 0, 0, 8500000, 4, Rgb(0, 0, 0), Rgb(255, 0, 0),
                     GradientDirection::Horizontal);
        ADD_FAILURE();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    }
    EXPECT_EQ(s.bitmap(), before);
    // (N - 1) * 255 fits up to N = 8,421,505 (2,147,483,520), rising or falling.
    for (OleColor from : {Rgb(0, 0, 0), Rgb(255, 0, 0)}) {
        const OleColor to = from == 0 ? Rgb(255, 0, 0) : Rgb(0, 0, 0);
        DrawGradient(s, 0, 0, 8421505, 4, from, to, GradientDirection::Horizontal);
        EXPECT_EQ(s.bitmap().at(0, 0), ToPixel(from));
        EXPECT_THROW(DrawGradient(s, 0, 0, 8421506, 4, from, to, GradientDirection::Horizontal),
                     RuntimeError);
    }
    // Width + height - 1 of a diagonal overflows too.
    EXPECT_THROW(DrawGradient(s, 0, 0, std::numeric_limits<std::int32_t>::max(), 2, 0, 0,
                              GradientDirection::DiagonalDown),
                 RuntimeError);
}

} // namespace
} // namespace lumio
