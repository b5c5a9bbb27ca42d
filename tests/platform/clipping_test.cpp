// Drawing near and far beyond every edge: nothing is written outside the surface and
// clipping never moves the pixels that remain.

#include "platform/edge.h"
#include "platform/fill.h"
#include "platform/focus_rect.h"
#include "platform/line.h"
#include "platform/pixels.h"
#include "platform/surface.h"
#include "platform/transfer.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace lumio {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr Pixel kBg = 0xFF336699u;
constexpr OleColor kInk = Rgb(0xE0, 0x10, 0x70);

using Draw = std::function<void(Surface&, std::int32_t dx, std::int32_t dy)>;

// Draws once on a small surface and once, shifted by (m, m), on a surface with an m-pixel
// margin all round; the small surface must show exactly the window of the big one.
void ExpectClippedLikeUnclipped(const Draw& draw, const char* what) {
    constexpr std::int32_t w = 12, h = 9, m = 40;
    Surface small(w, h);
    small.bitmap().Fill(kBg);
    Surface big(w + 2 * m, h + 2 * m);
    big.bitmap().Fill(kBg);
    draw(small, 0, 0);
    draw(big, m, m);
    for (std::int32_t y = 0; y < h; ++y) {
        for (std::int32_t x = 0; x < w; ++x) {
            ASSERT_EQ(small.bitmap().at(x, y), big.bitmap().at(x + m, y + m))
                << what << " at (" << x << "," << y << ")";
        }
    }
}

TEST(Clipping, CallsCrossingEveryEdgeMatchTheUnclippedDrawing) {
    struct Case {
        const char* name;
        Draw draw;
    };
    auto line = [](std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
        return [=](Surface& s, std::int32_t dx, std::int32_t dy) {
            MoveTo(s, x1 + dx, y1 + dy);
            LineTo(s, x2 + dx, y2 + dy, kInk);
        };
    };
    auto rect_call = [](auto call, Rect r) {
        return [=](Surface& s, std::int32_t dx, std::int32_t dy) {
            call(s, Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy});
        };
    };
    auto fill = [](Surface& s, const Rect& r) { FillRect(s, r, kInk); };
    auto frame = [](Surface& s, const Rect& r) { FrameRect(s, r, kInk); };
    auto invert = [](Surface& s, const Rect& r) { InvertRect(s, r); };
    auto focus = [](Surface& s, const Rect& r) { DrawFocusRect(s, r); };
    auto edge = [](Surface& s, const Rect& r) { DrawEdge(s, r, kEdgeRaised, kBfRect | kBfMiddle); };
    const Case cases[] = {
        {"shallow line through the left and right edges", line(-13, 2, 30, 7)},
        {"steep line through the top and bottom edges", line(3, -20, 9, 25)},
        {"line leaving at the top-left corner", line(5, 4, -7, -9)},
        {"line ending exactly on the right edge", line(3, 3, 12, 3)},
        {"line ending exactly on the bottom edge", line(3, 3, 3, 9)},
        {"line running along outside the surface", line(-5, -1, 20, -1)},
        {"fill over the top-left corner", rect_call(fill, {-3, -3, 4, 4})},
        {"fill over the bottom-right corner", rect_call(fill, {8, 6, 20, 20})},
        {"reversed fill over an edge", rect_call(fill, {3, 12, -4, 5})},
        {"frame larger than the surface", rect_call(frame, {-1, -1, 13, 10})},
        {"frame over the right edge", rect_call(frame, {6, 2, 15, 7})},
        {"invert over the left edge", rect_call(invert, {-6, 1, 3, 8})},
        {"focus rectangle over the top-left corner", rect_call(focus, {-5, -4, 7, 6})},
        {"focus rectangle over the bottom-right corner", rect_call(focus, {5, 3, 19, 14})},
        {"focus rectangle wider than the surface", rect_call(focus, {-9, 2, 21, 7})},
        {"edge with middle over the right edge", rect_call(edge, {4, -2, 16, 7})},
    };
    for (const Case& c : cases) {
        ExpectClippedLikeUnclipped(c.draw, c.name);
    }
}

TEST(Clipping, TransfersCrossingEveryEdgeMatchTheUnclippedDrawing) {
    Bitmap src(5, 4);
    for (std::int32_t y = 0; y < 4; ++y) {
        for (std::int32_t x = 0; x < 5; ++x) {
            src.set(x, y, PixelFromRrggbb(0x102030u * static_cast<std::uint32_t>(x + 5 * y + 1)));
        }
    }
    ExpectClippedLikeUnclipped(
        [&](Surface& s, std::int32_t dx, std::int32_t dy) {
            StretchBlt(s, -3 + dx, -2 + dy, 11, 7, src, 0, 0, 5, 4, kSrcCopy);
        },
        "enlarging over the top-left corner");
    ExpectClippedLikeUnclipped(
        [&](Surface& s, std::int32_t dx, std::int32_t dy) {
            StretchBlt(s, 13 + dx, 10 + dy, -6, -5, src, 0, 0, 5, 4, kSrcCopy);
        },
        "mirrored over the bottom-right corner");
    ExpectClippedLikeUnclipped(
        [&](Surface& s, std::int32_t dx, std::int32_t dy) {
            s.SetStretchMode(kStretchDeleteScans);
            TransparentBlt(s, 9 + dx, -1 + dy, 5, 4, src, 0, 0, 5, 4, ToOleColor(src.at(2, 2)));
        },
        "colour-keyed over the right edge");
}

class ExtremeCoordinates : public ::testing::Test {
protected:
    ExtremeCoordinates() : s(10, 8) { s.bitmap().Fill(kBg); }

    // The pixels that differ from the background, as a picture of '#' and '.'.
    std::string Marks() const {
        std::string out;
        for (std::int32_t y = 0; y < s.height(); ++y) {
            for (std::int32_t x = 0; x < s.width(); ++x) {
                out += s.bitmap().at(x, y) == kBg ? '.' : '#';
            }
            out += '\n';
        }
        return out;
    }

    Surface s;
};

TEST_F(ExtremeCoordinates, LinesAcrossTheWholeRangeKeepTheirPixels) {
    MoveTo(s, kMin, 2);
    LineTo(s, kMax, 2, kInk); // a whole row
    MoveTo(s, 7, kMax);
    LineTo(s, 7, kMin, kInk); // a whole column, drawn upwards
    EXPECT_EQ(Marks(), ".......#..\n"
                       ".......#..\n"
                       "##########\n"
                       ".......#..\n"
                       ".......#..\n"
                       ".......#..\n"
                       ".......#..\n"
                       ".......#..\n");
    EXPECT_EQ(s.current_position(), (Point{7, kMin}));
}

TEST_F(ExtremeCoordinates, DiagonalFromCornerToCornerOfTheRange) {
    MoveTo(s, kMin, kMin);
    LineTo(s, kMax, kMax, kInk);
    for (std::int32_t y = 0; y < s.height(); ++y) {
        for (std::int32_t x = 0; x < s.width(); ++x) {
            EXPECT_EQ(s.bitmap().at(x, y) != kBg, x == y) << x << "," << y;
        }
    }
}

TEST_F(ExtremeCoordinates, SteepLineJustPastItsMidpoint) {
    // Halfway down a line from x = 0 to x = 1 over 2^32 - 1 rows; row 0 is already a
    // hair past the midpoint, so every visible row is at x = 1.
    MoveTo(s, 0, kMin);
    LineTo(s, 1, kMax, kInk);
    EXPECT_EQ(Marks(), std::string(".#........\n")
                           .append(".#........\n")
                           .append(".#........\n")
                           .append(".#........\n")
                           .append(".#........\n")
                           .append(".#........\n")
                           .append(".#........\n")
                           .append(".#........\n"));
}

TEST_F(ExtremeCoordinates, RectanglesOfTheWholeRange) {
    EXPECT_TRUE(FrameRect(s, Rect{kMin, kMin, kMax, kMax}, kInk));
    EXPECT_EQ(Marks().find('#'), std::string::npos);              // its border lies far outside
    EXPECT_TRUE(FillRect(s, Rect{kMax, kMax, kMin, kMin}, kInk)); // reversed: (min, max]
    EXPECT_EQ(Marks().find('.'), std::string::npos);
    EXPECT_TRUE(InvertRect(s, Rect{kMin, kMin, kMax, kMax}));
    EXPECT_EQ(s.bitmap().at(4, 4), ToPixel(kInk) ^ 0x00FFFFFFu);
    EXPECT_TRUE(FillRect(s, Rect{kMax, 0, kMax, 8}, 0)); // empty, at the far edge
    EXPECT_TRUE(DrawEdge(s, Rect{kMin, kMin, kMax, kMax}, kEdgeSunken, kBfRect));
    EXPECT_EQ(s.bitmap().at(9, 7), ToPixel(kInk) ^ 0x00FFFFFFu);
}

TEST_F(ExtremeCoordinates, FocusRectangleAsWideAsTheRange) {
    // For sides of at least two pixels, (x, y) is inverted when x + y has the parity
    // of (right - 1) + top: here even.
    DrawFocusRect(s, Rect{kMin, 2, kMax, 5});
    EXPECT_EQ(Marks(), "..........\n"
                       "..........\n"
                       "#.#.#.#.#.\n"
                       "..........\n"
                       "#.#.#.#.#.\n"
                       "..........\n"
                       "..........\n"
                       "..........\n");
    DrawFocusRect(s, Rect{kMin, 2, kMax, 5});
    EXPECT_EQ(Marks().find('#'), std::string::npos);
}

TEST_F(ExtremeCoordinates, SinglePixelsOffTheSurfaceAreNotWritten) {
    for (auto [x, y] : {std::pair{kMin, kMin}, std::pair{kMax, 0}, std::pair{0, kMax},
                        std::pair{-1, 0}, std::pair{10, 0}, std::pair{0, 8}}) {
        EXPECT_EQ(SetPixel(s, x, y, kInk), kInk);
        EXPECT_EQ(GetPixel(s, x, y), kInvalidColor);
    }
    EXPECT_EQ(Marks().find('#'), std::string::npos);
}

TEST_F(ExtremeCoordinates, TransfersFromAndToFarAway) {
    const Bitmap src(3, 3, PixelFromRrggbb(0x00FF00));
    // [min, min + max) ends at -1: nothing lands on the surface.
    EXPECT_TRUE(StretchBlt(s, kMin, kMin, kMax, kMax, src, 0, 0, 3, 3, kSrcCopy));
    // The only source pixels that exist lie past the end of the source rectangle.
    EXPECT_TRUE(StretchBlt(s, 0, 0, 10, 8, src, kMin, kMin, kMax, kMax, kSrcCopy));
    // Entirely outside the source bitmap.
    EXPECT_TRUE(StretchBlt(s, 0, 0, 10, 8, src, 3, 0, 3, 3, kSrcCopy));
    EXPECT_EQ(Marks().find('#'), std::string::npos);
    // Mirrored from max down to max + min + 1 = 0: covers the whole surface.
    EXPECT_TRUE(StretchBlt(s, kMax, kMax, kMin, kMin, src, 0, 0, 3, 3, kSrcCopy));
    EXPECT_EQ(Marks().find('.'), std::string::npos);
}

} // namespace
} // namespace lumio
