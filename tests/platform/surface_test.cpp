#include "platform/errors.h"
#include "platform/surface.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

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

TEST(Surface, AttachedMemoryIsWhereDrawingLands) {
    std::vector<Pixel> memory(6 * 2, 0);
    Surface s;
    s.set_back_color(Rgb(0x10, 0x20, 0x30));
    s.Attach(6, 2, memory.data());
    EXPECT_EQ(s.pixels(), memory.data());
    EXPECT_EQ(s.bytes_per_line(), 24);
    // Attaching clears to the back colour, like Resize.
    EXPECT_EQ(memory[11], ToPixel(Rgb(0x10, 0x20, 0x30)));
    s.bitmap().FillRect(s.bitmap().Clip(4, 1, 99, 99), ToPixel(Rgb(1, 2, 3)));
    EXPECT_EQ(memory[1 * 6 + 4], ToPixel(Rgb(1, 2, 3)));
    EXPECT_EQ(memory[1 * 6 + 3], ToPixel(Rgb(0x10, 0x20, 0x30)));
    // Resizing leaves the lent memory alone and owns its pixels again.
    s.Resize(2, 2);
    EXPECT_NE(s.pixels(), memory.data());
    s.Clear();
    EXPECT_EQ(memory[1 * 6 + 4], ToPixel(Rgb(1, 2, 3)));
}

TEST(Bitmap, ViewsShareMemoryAndCopiesOwnTheirs) {
    std::vector<Pixel> memory(3 * 3, 7);
    Bitmap view = Bitmap::View(3, 3, memory.data());
    EXPECT_TRUE(view.is_view());
    EXPECT_EQ(view.at(2, 2), 7u);
    EXPECT_EQ(view, Bitmap(3, 3, 7));

    Bitmap copy = view;
    EXPECT_FALSE(copy.is_view());
    copy.Fill(9);
    EXPECT_EQ(memory[0], 7u);

    Bitmap assigned(1, 1);
    assigned = view;
    view.Fill(5);
    EXPECT_EQ(memory[8], 5u);
    EXPECT_EQ(assigned.at(0, 0), 7u);
    EXPECT_NE(assigned, view);

    // Moving hands the view on; the source is empty afterwards.
    Bitmap moved = std::move(view);
    EXPECT_EQ(moved.data(), memory.data());
    EXPECT_TRUE(view.empty()); // NOLINT(bugprone-use-after-move): moved-from is empty
    EXPECT_EQ(view.data(), nullptr);

    // Owned pixels keep their place when moved.
    Bitmap owned(2, 2, 3);
    const Pixel* before = owned.data();
    Bitmap taken = std::move(owned);
    EXPECT_EQ(taken.data(), before);
    EXPECT_EQ(taken.at(1, 1), 3u);
}

TEST(Bitmap, ViewRefusesBadSizesAndMissingMemory) {
    Pixel one = 0;
    EXPECT_THROW(Bitmap::View(-1, 1, &one), RuntimeError);
    EXPECT_THROW(Bitmap::View(1 << 21, 1, &one), RuntimeError);
    EXPECT_THROW(Bitmap::View(2, 2, nullptr), RuntimeError);
    const Bitmap none = Bitmap::View(0, 5, nullptr);
    EXPECT_TRUE(none.empty());
    EXPECT_FALSE(none.is_view());
}

} // namespace
} // namespace lumio
