#include "platform/errors.h"
#include "platform/surface.h"

#include <cstring>
#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(Surface, MemoryIsBlueGreenRedAlphaRowsPacked) {
    Surface s(3, 2);
    EXPECT_EQ(s.bytes_per_line(), 12);
    s.bitmap().set(1, 1, ToPixel(Rgb(0x11, 0x22, 0x33)));
    const unsigned char* b = s.bytes() + s.bytes_per_line() + 4;
    EXPECT_EQ(b[0], 0x33); // blue
    EXPECT_EQ(b[1], 0x22); // green
    EXPECT_EQ(b[2], 0x11); // red
    EXPECT_EQ(b[3], 0xFF); // alpha, as an RGB32 image expects
}

TEST(Surface, ClearPaintsTheBackColourAndSettingItDoesNot) {
    Surface s(4, 3);
    EXPECT_EQ(s.bitmap().at(0, 0), 0xFFFFFFFFu);
    s.set_back_color(FromRrggbb(0x336699));
    EXPECT_EQ(s.bitmap().at(3, 2), 0xFFFFFFFFu);
    s.Clear();
    for (std::int32_t y = 0; y < 3; ++y) {
        for (std::int32_t x = 0; x < 4; ++x) {
            EXPECT_EQ(s.bitmap().at(x, y), 0xFF336699u);
        }
    }
    s.Resize(2, 5);
    EXPECT_EQ(s.width(), 2);
    EXPECT_EQ(s.height(), 5);
    EXPECT_EQ(s.bitmap().at(1, 4), 0xFF336699u);
}

TEST(Surface, DrawModeAcceptsOnlyTheSixteenOperations) {
    Surface s(1, 1);
    EXPECT_EQ(s.draw_mode(), kDrawModeCopyPen);
    EXPECT_EQ(s.SetDrawMode(kDrawModeInvert), kDrawModeCopyPen);
    EXPECT_EQ(s.SetDrawMode(0), 0);
    EXPECT_EQ(s.SetDrawMode(17), 0);
    EXPECT_EQ(s.draw_mode(), kDrawModeInvert);
    EXPECT_EQ(s.SetDrawMode(kDrawModeWhite), kDrawModeInvert);
    EXPECT_EQ(s.SetDrawMode(kDrawModeBlack), kDrawModeWhite);
}

TEST(Surface, StretchModeDefaultsToAndScans) {
    Surface s(1, 1);
    EXPECT_EQ(s.stretch_mode(), kStretchAndScans);
    EXPECT_EQ(s.SetStretchMode(kStretchDeleteScans), kStretchAndScans);
    EXPECT_EQ(s.SetStretchMode(5), 0);
    EXPECT_EQ(s.SetStretchMode(0), 0);
    EXPECT_EQ(s.stretch_mode(), kStretchDeleteScans);
}

TEST(Bitmap, RefusesImpossibleSizes) {
    for (auto [w, h] :
         {std::pair{-1, 1}, std::pair{1, -1}, std::pair{1 << 21, 1}, std::pair{20000, 20000}}) {
        try {
            Bitmap b(w, h);
            ADD_FAILURE() << w << "x" << h;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::OutOfMemory);
        }
    }
    EXPECT_TRUE(Bitmap(0, 7).empty());
}

TEST(Bitmap, ClipCutsAnyRectangleToTheBitmap) {
    const Bitmap b(10, 8);
    EXPECT_EQ(b.Clip(-5, -5, 3, 4), (Rect{0, 0, 3, 4}));
    EXPECT_EQ(b.Clip(8, 6, 100, 100), (Rect{8, 6, 10, 8}));
    EXPECT_EQ(b.Clip(INT64_MIN / 2, INT64_MIN / 2, INT64_MAX / 2, INT64_MAX / 2),
              (Rect{0, 0, 10, 8}));
    EXPECT_EQ(b.Clip(10, 0, 20, 8), Rect{});
    EXPECT_EQ(b.Clip(5, 5, 5, 6), Rect{});
    EXPECT_EQ(b.Clip(6, 0, 5, 8), Rect{});
}

TEST(ClipSteps, KeepsOnlyTheStepsThatLandOnTheBitmap) {
    struct Case {
        std::int64_t start, step, count, size;
        std::int64_t first, last;
    };
    const Case cases[] = {
        {5, 1, 10, 8, 0, 3},    // runs off the far end
        {-3, 1, 5, 4, 3, 5},    // starts before the near end
        {10, -1, 20, 4, 7, 11}, // backwards through the whole bitmap
        {2, -1, 2, 4, 0, 2},    // backwards, inside
        {-1, -1, 5, 4, 2, 0},   // backwards away from it: nothing
        {4, 1, 5, 4, 0, 0},     // starts just past the end: nothing
        {INT64_MIN / 4, 1, INT64_MAX / 2, 3, -(INT64_MIN / 4), -(INT64_MIN / 4) + 3},
    };
    for (const Case& c : cases) {
        const StepRange r = ClipSteps(c.start, c.step, c.count, c.size);
        if (c.first >= c.last) {
            EXPECT_GE(r.first, r.last) << c.start;
        } else {
            EXPECT_EQ(r.first, c.first) << c.start;
            EXPECT_EQ(r.last, c.last) << c.start;
        }
    }
}

} // namespace
} // namespace lumio
