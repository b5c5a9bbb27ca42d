// Where a message box goes so that the strip, above other windows, hides none of it.
#include "reader/message_placement.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(MessagePlacement, BelowTheStripOrAboveItCentredAndOnTheScreen) {
    const Rect screen{0, 0, 1280, 800};
    struct Case {
        const char* what;
        Rect strip;
        std::int32_t width, height;
        Rect area;
        Point expected;
    };
    const Case cases[] = {
        {"at the top centre: below it", {315, 0, 965, 70}, 300, 150, screen, {490, 78}},
        {"at the bottom: above it", {315, 730, 965, 800}, 300, 150, screen, {490, 572}},
        {"just room below", {0, 100, 650, 170}, 200, 622, screen, {225, 178}},
        {"one pixel short below: above", {0, 100, 650, 171}, 200, 84, {0, 0, 1280, 262}, {225, 8}},
        {"at the left edge: kept on the screen", {-300, 0, 350, 70}, 300, 150, screen, {0, 78}},
        {"at the right edge", {1000, 300, 1650, 370}, 300, 150, screen, {980, 378}},
        {"wider than the screen", {315, 0, 965, 70}, 1500, 150, screen, {0, 78}},
        {"a second screen to the right",
         {1600, 0, 2250, 70},
         300,
         150,
         {1280, 0, 2560, 1024},
         {1775, 78}},
        {"a work area under a top panel",
         {315, 30, 965, 100},
         300,
         150,
         {0, 30, 1280, 770},
         {490, 108}},
        // No room on either side: the side with more, as far from the strip as it goes.
        {"neither side: more room below",
         {0, 100, 650, 170},
         200,
         150,
         {0, 0, 1280, 300},
         {225, 150}},
        {"neither side: more room above",
         {0, 140, 650, 210},
         200,
         150,
         {0, 0, 1280, 300},
         {225, 0}},
        {"taller than the screen", {0, 100, 650, 170}, 200, 900, screen, {225, 0}},
    };
    for (const Case& c : cases) {
        const Point at = PlaceClearOfStrip(c.strip, c.width, c.height, c.area);
        EXPECT_EQ(at, c.expected) << c.what << ": got " << at.x << "," << at.y;
    }
}

TEST(MessagePlacement, WhereverTheStripIsOnATallEnoughScreenTheBoxIsClearOfIt) {
    const Rect screen{0, 0, 1280, 800};
    for (std::int32_t y = -40; y <= 800; y += 7) {
        for (std::int32_t x = -600; x <= 1280; x += 97) {
            const Rect strip{x, y, x + 650, y + 70};
            const Point at = PlaceClearOfStrip(strip, 320, 180, screen);
            const Rect box{at.x, at.y, at.x + 320, at.y + 180};
            ASSERT_FALSE(Overlap(box, strip)) << x << "," << y;
            ASSERT_GE(box.left, 0);
            ASSERT_LE(box.right, 1280);
            ASSERT_GE(box.top, 0);
            ASSERT_LE(box.bottom, 800);
        }
    }
}

} // namespace
} // namespace lumio
