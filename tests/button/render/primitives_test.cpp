#include "button/render/primitives.h"
#include "platform/errors.h"
#include "platform/focus_rect.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace lumio {
namespace {

constexpr Pixel kBg = 0xFF336699u;
constexpr OleColor kInk = Rgb(0xE0, 0x10, 0x70);
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class Primitives : public ::testing::Test {
protected:
    static constexpr std::int32_t W = 9;
    static constexpr std::int32_t H = 6;

    Primitives() : s(W, H) { s.bitmap().Fill(kBg); }

    std::string Marks() const {
        std::string out;
        for (std::int32_t y = 0; y < H; ++y) {
            for (std::int32_t x = 0; x < W; ++x) {
                out += s.bitmap().at(x, y) == kBg ? '.' : '#';
            }
            out += '\n';
        }
        return out;
    }

    Surface s;
};

TEST_F(Primitives, DrawLineLeavesOutTheEndPoint) {
    DrawLine(s, 1, 1, W - 2, 1, kInk); // covers x = 1 .. W - 3
    DrawLine(s, 0, H - 1, 0, 2, kInk); // upwards: rows 5, 4, 3
    DrawLine(s, 4, 4, 4, 4, kInk);     // zero length: nothing
    EXPECT_EQ(Marks(), ".........\n"
                       ".######..\n"
                       ".........\n"
                       "#........\n"
                       "#........\n"
                       "#........\n");
    EXPECT_EQ(s.current_position(), (Point{4, 4}));
}

TEST_F(Primitives, DrawLineFollowsTheDrawingMode) {
    s.SetDrawMode(kDrawModeInvert);
    DrawLine(s, 0, 0, 3, 0, kInk);
    EXPECT_EQ(s.bitmap().at(1, 0), kBg ^ 0x00FFFFFFu);
}

TEST_F(Primitives, DrawRectangleFramesInsideItsBox) {
    DrawRectangle(s, 0, 0, W, H, kInk);
    EXPECT_EQ(Marks(), "#########\n"
                       "#.......#\n"
                       "#.......#\n"
                       "#.......#\n"
                       "#.......#\n"
                       "#########\n");
}

TEST_F(Primitives, DrawRectangleOneLargerShowsOnlyTopAndLeft) {
    DrawRectangle(s, 0, 0, W + 1, H + 1, kInk);
    EXPECT_EQ(Marks(), "#########\n"
                       "#........\n"
                       "#........\n"
                       "#........\n"
                       "#........\n"
                       "#........\n");
}

TEST_F(Primitives, DrawRectangleOfNothingDrawsNothing) {
    DrawRectangle(s, 2, 2, 0, 3, kInk);
    DrawRectangle(s, 2, 2, 3, -1, kInk);
    EXPECT_EQ(Marks().find('#'), std::string::npos);
}

TEST_F(Primitives, DrawRectangleOverflowRaisesBeforeDrawing) {
    for (auto [x, w] : {std::pair{kMax, 1}, std::pair{kMin, -1}, std::pair{1, kMax}}) {
        try {
            DrawRectangle(s, x, 0, w, 3, kInk);
            ADD_FAILURE() << x << " + " << w;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::Overflow);
        }
    }
    EXPECT_EQ(Marks().find('#'), std::string::npos);
    // Right at the limit is fine and draws the visible left side.
    DrawRectangle(s, 0, 0, kMax, kMax, kInk);
    EXPECT_EQ(s.bitmap().at(0, 3), ToPixel(kInk));
    EXPECT_EQ(s.bitmap().at(3, 3), kBg);
}

TEST_F(Primitives, FillRectangleCoversRightAndBottomExclusive) {
    FillRectangle(s, kInk, Rect{2, 1, 5, 3});
    EXPECT_EQ(Marks(), ".........\n"
                       "..###....\n"
                       "..###....\n"
                       ".........\n"
                       ".........\n"
                       ".........\n");
    FillRectangle(s, kInk, Rect{kMin, kMin, kMax, kMax});
    EXPECT_EQ(Marks().find('.'), std::string::npos);
}

TEST_F(Primitives, SetCornerPixelsSoftensTheFourCorners) {
    SetCornerPixels(s, W, H, kInk);
    EXPECT_EQ(Marks(), ".........\n"
                       ".#.....#.\n"
                       ".........\n"
                       ".........\n"
                       ".#.....#.\n"
                       ".........\n");
}

TEST_F(Primitives, SetCornerPixelsOnTinyAndHugeSizes) {
    SetCornerPixels(s, 2, 2, kInk); // (1,1), (1,0), (0,1), (0,0)
    EXPECT_EQ(s.bitmap().at(0, 0), ToPixel(kInk));
    EXPECT_EQ(s.bitmap().at(1, 1), ToPixel(kInk));
    SetCornerPixels(s, 0, 0, kInk); // corners at -2 fall outside
    SetCornerPixels(s, kMax, kMax, kInk);
    EXPECT_EQ(s.bitmap().at(1, 1), ToPixel(kInk));
    EXPECT_THROW(SetCornerPixels(s, kMin, 5, kInk), RuntimeError);
}

TEST_F(Primitives, FocusRectangleTwiceRestoresWhatThePrimitivesDrew) {
    DrawRectangle(s, 0, 0, W, H, kInk);
    SetCornerPixels(s, W, H, Rgb(1, 2, 3));
    const Bitmap drawn = s.bitmap();
    DrawFocusRect(s, Rect{1, 1, W - 1, H - 1});
    EXPECT_NE(s.bitmap(), drawn);
    DrawFocusRect(s, Rect{1, 1, W - 1, H - 1});
    EXPECT_EQ(s.bitmap(), drawn);
}

} // namespace
} // namespace lumio
