// DrawEdge beyond the reference dumps: the other combinations of the border bits,
// partial sides and the adjusted rectangle.

#include "platform/edge.h"
#include "platform/palette.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

constexpr Pixel kBg = 0xFF336699u;

Surface MakeSurface() {
    Surface s(6, 5);
    s.bitmap().Fill(kBg);
    return s;
}

Pixel Sys(std::int32_t index) {
    return ToPixel(SystemPalette::Default().at(index));
}

TEST(DrawEdge, ConflictingBitsCancelTheirRing) {
    struct Case {
        std::uint32_t edge;
        Pixel outer_top_left; // 0: nothing drawn
        Pixel inner_top_left;
    };
    const Case cases[] = {
        {0x0, 0, 0},
        {0x3, 0, 0}, // both outer bits: no edge at all
        {0x7, 0, 0},
        {0xB, 0, 0},
        {0xF, 0, 0},
        {0xC, 0, 0},                       // both inner bits, no outer
        {0xD, Sys(kColor3dLight), 0},      // raised outer, inner cancelled
        {0xE, Sys(kColorBtnShadow), 0},    // sunken outer, inner cancelled
        {0x4, Sys(kColorBtnHighlight), 0}, // inner alone: on the outer ring
        {0x8, Sys(kColor3dDkShadow), 0},
        {0x9, Sys(kColor3dLight), Sys(kColor3dDkShadow)},     // bump
        {0x6, Sys(kColorBtnShadow), Sys(kColorBtnHighlight)}, // etched
    };
    for (const Case& c : cases) {
        Surface s = MakeSurface();
        EXPECT_TRUE(DrawEdge(s, Rect{0, 0, 6, 5}, c.edge, kBfRect));
        EXPECT_EQ(s.bitmap().at(0, 0), c.outer_top_left ? c.outer_top_left : kBg) << c.edge;
        EXPECT_EQ(s.bitmap().at(1, 1), c.inner_top_left ? c.inner_top_left : kBg) << c.edge;
        EXPECT_EQ(s.bitmap().at(2, 2), kBg) << c.edge;
    }
}

TEST(DrawEdge, AdjustShrinksOnlyTheDrawnSidesByTheDrawnRings) {
    struct Case {
        std::uint32_t edge;
        std::uint32_t flags;
        Rect after;
    };
    const Rect r{0, 0, 6, 5};
    const Case cases[] = {
        {kEdgeRaised, kBfRect | kBfAdjust, {2, 2, 4, 3}},
        {kBdrRaisedInner, kBfRect | kBfAdjust, {1, 1, 5, 4}},
        {kEdgeSunken, kBfLeft | kBfTop | kBfAdjust, {2, 2, 6, 5}},
        {kEdgeSunken, kBfRight | kBfAdjust, {0, 0, 4, 5}},
        {kEdgeRaised, kBfRect, {0, 0, 6, 5}},     // without the flag: unchanged
        {0x3, kBfRect | kBfAdjust, {0, 0, 6, 5}}, // nothing drawn, nothing taken
    };
    for (const Case& c : cases) {
        Surface s = MakeSurface();
        Rect after;
        DrawEdge(s, r, c.edge, c.flags, &after);
        EXPECT_EQ(after, c.after) << c.edge << " " << c.flags;
    }
}

TEST(DrawEdge, MiddleFillsWhatTheRingsLeave) {
    Surface s = MakeSurface();
    DrawEdge(s, Rect{0, 0, 6, 5}, kBdrSunkenOuter, kBfRect | kBfMiddle);
    EXPECT_EQ(s.bitmap().at(1, 1), Sys(kColorBtnFace));
    EXPECT_EQ(s.bitmap().at(4, 3), Sys(kColorBtnFace));
    EXPECT_EQ(s.bitmap().at(5, 4), Sys(kColorBtnHighlight));
    Surface mono = MakeSurface();
    DrawEdge(mono, Rect{0, 0, 6, 5}, kEdgeRaised, kBfRect | kBfMiddle | kBfMono);
    EXPECT_EQ(mono.bitmap().at(2, 2), Sys(kColorWindow));
}

TEST(DrawEdge, EmptyAndReversedRectanglesDrawNothing) {
    for (const Rect& r : {Rect{3, 1, 3, 4}, Rect{1, 3, 4, 3}, Rect{5, 4, 1, 1}}) {
        Surface s = MakeSurface();
        EXPECT_TRUE(DrawEdge(s, r, kEdgeRaised, kBfRect | kBfMiddle));
        EXPECT_EQ(s.bitmap(), MakeSurface().bitmap());
    }
}

TEST(DrawEdge, UsesTheSurfacePalette) {
    SystemPalette palette = SystemPalette::Default();
    palette.set(kColor3dDkShadow, FromRrggbb(0x010203));
    Surface s = MakeSurface();
    s.set_palette(palette);
    DrawEdge(s, Rect{0, 0, 6, 5}, kEdgeRaised, kBfRect);
    EXPECT_EQ(s.bitmap().at(5, 4), 0xFF010203u);
}

} // namespace
} // namespace lumio
