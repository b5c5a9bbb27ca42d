#include "button/render/gradient.h"
#include "platform/errors.h"

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

// Every pixel of every direction, straight from the definition: entry i of
// N = n + 1 has channel first + i * (second - first) / n.
TEST(DrawGradient, EveryDirectionFollowsItsRampPixelByPixel) {
    const OleColor from = Rgb(10, 200, 33);
    const OleColor to = Rgb(250, 5, 34);
    const std::int32_t x0 = 2, y0 = 1, w = 7, h = 5;
    for (std::int32_t d = 0; d < 4; ++d) {
        Surface s = MakeSurface(12, 8);
        DrawGradient(s, x0, y0, w, h, from, to, static_cast<GradientDirection>(d));
        const std::int32_t n = (d == 0 ? w : d == 1 ? h : w + h - 1) - 1;
        for (std::int32_t y = 0; y < 8; ++y) {
            for (std::int32_t x = 0; x < 12; ++x) {
                const bool inside = x >= x0 && x < x0 + w && y >= y0 && y < y0 + h;
                if (!inside) {
                    ASSERT_EQ(s.bitmap().at(x, y), kBg) << d << " " << x << "," << y;
                    continue;
                }
                const std::int32_t ax = x - x0, ay = y - y0;
                const std::int32_t i = d == 0   ? ax
                                       : d == 1 ? ay
                                       : d == 2 ? ax + ay
                                                : ax + (h - 1 - ay);
                auto ch = [&](std::int32_t a, std::int32_t b) { return a + i * (b - a) / n; };
                const OleColor want = Rgb(ch(10, 250), ch(200, 5), ch(33, 34));
                ASSERT_EQ(s.bitmap().at(x, y), ToPixel(want)) << d << " " << x << "," << y;
            }
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
