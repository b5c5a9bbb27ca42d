// Style 14 on an enlarged display: its artwork grows by whole pixels, so a button twice
// the size with the factor 2 is its own picture with every pixel doubled, never blurred;
// the looks drawn from lines keep their corners.
#include "button/render/capsule_look.h"
#include "button/render/capsule_maps.h"
#include "button/render/look_host.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

struct MapCase {
    const char* name;
    void (*paint)(PaintContext&);
};

const MapCase kMaps[] = {
    {"normal", DrawCapsuleNormal},
    {"hot", DrawCapsuleHot},
    {"down", DrawCapsuleDown},
};

Bitmap PaintedMap(const MapCase& map, std::int32_t w, std::int32_t h, std::int32_t factor) {
    testing::LookHost host(w, h);
    host.artworkFactor = factor;
    ButtonModel m;
    PaintContext ctx{m, host};
    map.paint(ctx);
    return host.surface().bitmap();
}

TEST(CapsuleScale, EachFactorDrawsTheMapWithEveryPixelAWholeSquare) {
    struct Size {
        std::int32_t w, h;
    };
    // From the smallest size whose bands run forwards (34 x 21) to a wide button.
    const Size sizes[] = {{34, 21}, {35, 23}, {40, 30}, {75, 23}, {100, 40}, {27, 23}};
    for (const MapCase& map : kMaps) {
        for (const Size size : sizes) {
            if (size.w < 34) {
                continue; // narrower: the top band runs backwards, no picture to compare
            }
            const Bitmap one = PaintedMap(map, size.w, size.h, 1);
            for (const std::int32_t k : {2, 3}) {
                const Bitmap big = PaintedMap(map, size.w * k, size.h * k, k);
                std::int32_t wrong = 0;
                for (std::int32_t y = 0; y < big.height(); ++y) {
                    for (std::int32_t x = 0; x < big.width(); ++x) {
                        wrong += big.at(x, y) != one.at(x / k, y / k) ? 1 : 0;
                    }
                }
                EXPECT_EQ(wrong, 0) << map.name << " " << size.w << "x" << size.h << " x" << k;
            }
        }
    }
}

TEST(CapsuleScale, AFactorOfOneOrLessIsTheMapAtItsOwnSize) {
    for (const MapCase& map : kMaps) {
        const Bitmap one = PaintedMap(map, 60, 30, 1);
        EXPECT_EQ(PaintedMap(map, 60, 30, 0), one) << map.name; // a host that gives nonsense
        EXPECT_EQ(PaintedMap(map, 60, 30, -2), one) << map.name;
    }
}

TEST(CapsuleScale, SmallButtonsAtAFactorStayOnTheirSurface) {
    // Below the size the tiles need they overlap, later ones winning, and nothing is
    // written outside: the sanitizer build would stop on a stray write.
    for (const MapCase& map : kMaps) {
        for (const std::int32_t side : {1, 5, 17, 33, 40}) {
            const Bitmap big = PaintedMap(map, side, side / 2 + 1, 3);
            EXPECT_EQ(big.width(), side);
        }
    }
}

TEST(CapsuleScale, TheRoundedRegionGrowsWithTheArtworkOnlyForTheCapsule) {
    struct Case {
        std::int32_t style;
        std::int32_t factor;
        std::int32_t ellipse;
    };
    const Case cases[] = {
        {14, 1, 18}, {14, 2, 36}, {14, 3, 54}, // the pixel map's corners
        {6, 2, 3},   {10, 2, 4},  {2, 3, 3},   // drawn with one-pixel lines at any size
    };
    for (const Case& c : cases) {
        testing::Look b(c.style, 150, 46);
        b.host.artworkFactor = c.factor;
        b.Paint(0);
        ASSERT_TRUE(b.host.region.has_value()) << c.style;
        EXPECT_EQ(*b.host.region, CreateRoundRectRgn(0, 0, 151, 47, c.ellipse, c.ellipse))
            << "style " << c.style << " x" << c.factor;
    }
    testing::Look plain(0, 150, 46); // a rectangle stays a rectangle
    plain.host.artworkFactor = 2;
    plain.Paint(0);
    ASSERT_TRUE(plain.host.region.has_value());
    EXPECT_EQ(*plain.host.region, CreateRectRgn(0, 0, 150, 46));
}

} // namespace
} // namespace lumio
