// The drawing mode reaches lines drawn with a pen and nothing else.

#include "platform/edge.h"
#include "platform/fill.h"
#include "platform/focus_rect.h"
#include "platform/line.h"
#include "platform/pixels.h"
#include "platform/surface.h"
#include "platform/transfer.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

constexpr Pixel kBg = 0xFF336699u;
constexpr OleColor kPen = Rgb(0xE0, 0x10, 0x70); // pixel 0xE01070

Surface MakeSurface() {
    Surface s(8, 4);
    s.bitmap().Fill(kBg);
    return s;
}

void HorizontalLine(Surface& s, OleColor pen) {
    MoveTo(s, 0, 1);
    LineTo(s, 8, 1, pen);
}

TEST(DrawMode, EachOperationCombinesPenAndDestination) {
    struct Case {
        std::int32_t mode;
        Pixel want;
    };
    const Pixel p = 0xE01070u, d = 0x336699u;
    const Case cases[] = {
        {kDrawModeBlack, 0},
        {2, ~(p | d)},         // not merge pen
        {3, d & ~p},           // mask not pen
        {4, ~p},               // not copy pen
        {5, p & ~d},           // mask pen not
        {kDrawModeInvert, ~d}, // not
        {kDrawModeXorPen, p ^ d},
        {8, ~(p & d)},  // not mask pen
        {9, p & d},     // mask pen
        {10, ~(p ^ d)}, // not xor pen
        {kDrawModeNop, d},
        {12, d | ~p}, // merge not pen
        {kDrawModeCopyPen, p},
        {14, p | ~d}, // merge pen not
        {15, p | d},  // merge pen
        {kDrawModeWhite, 0xFFFFFFu},
    };
    for (const Case& c : cases) {
        Surface s = MakeSurface();
        s.SetDrawMode(c.mode);
        HorizontalLine(s, kPen);
        EXPECT_EQ(s.bitmap().at(3, 1), 0xFF000000u | (c.want & 0xFFFFFFu)) << c.mode;
        EXPECT_EQ(s.bitmap().at(3, 0), kBg) << c.mode;
    }
}

TEST(DrawMode, InvertedLinesDrawnTwiceRestoreTheSurface) {
    Surface s = MakeSurface();
    s.SetDrawMode(kDrawModeInvert);
    MoveTo(s, 0, 0);
    LineTo(s, 7, 3, kPen);
    EXPECT_NE(s.bitmap(), MakeSurface().bitmap());
    MoveTo(s, 0, 0);
    LineTo(s, 7, 3, kPen);
    EXPECT_EQ(s.bitmap(), MakeSurface().bitmap());
}

TEST(DrawMode, StaysSetAcrossCalls) {
    Surface s = MakeSurface();
    s.SetDrawMode(kDrawModeInvert);
    HorizontalLine(s, kPen);
    FillRect(s, Rect{0, 0, 8, 4}, kPen);
    HorizontalLine(s, kPen);
    EXPECT_EQ(s.draw_mode(), kDrawModeInvert);
    EXPECT_EQ(s.bitmap().at(0, 1), 0xFF1FEF8Fu); // the pen colour inverted
}

TEST(DrawMode, FillsFramesPixelsTransfersEdgesAndFocusIgnoreIt) {
    auto draw_all = [](Surface& s) {
        FillRect(s, Rect{0, 0, 2, 2}, kPen);
        FrameRect(s, Rect{2, 0, 5, 3}, kPen);
        SetPixel(s, 6, 0, kPen);
        const Bitmap src(1, 1, 0xFF00FF00u);
        StretchBlt(s, 7, 0, 1, 1, src, 0, 0, 1, 1, kSrcCopy);
        DrawEdge(s, Rect{0, 2, 2, 4}, kEdgeRaised, kBfRect);
        DrawFocusRect(s, Rect{5, 1, 8, 4});
    };
    Surface copy_pen = MakeSurface();
    draw_all(copy_pen);
    for (std::int32_t mode : {kDrawModeInvert, kDrawModeBlack, kDrawModeNop, kDrawModeXorPen}) {
        Surface s = MakeSurface();
        s.SetDrawMode(mode);
        draw_all(s);
        EXPECT_EQ(s.bitmap(), copy_pen.bitmap()) << mode;
    }
}

} // namespace
} // namespace lumio
