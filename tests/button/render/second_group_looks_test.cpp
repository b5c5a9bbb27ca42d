// Styles 4, 6, 7, 8, 10, 13 and 15, with expected pixels worked out by hand from their
// recipes. Back colour RGB(100, 150, 200): S(a) adds a * 255 to each channel (a as a
// float), rounds halves to even and clamps; gradient entry i of a ramp of n + 1 is
// first + i * (second - first) / n, truncated.
#include "button/render/look_host.h"
#include "button/render/style_renderers.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

using testing::Inverted;
using testing::Look;

constexpr std::uint32_t kBc = 0x6496C8;

// --- The split rows at W = 60 and H = 23 or 25 -------------------------------------

TEST(SplitRows, AmberBandsSplitsAtHOver27) {
    struct Case {
        std::int32_t height;
        std::int32_t lastUpper; // T - 1
        std::int32_t row;       // a row of the lower band
        std::uint32_t colour;   // FFD767 -> FFE499 at that row
    };
    // H = 23: T = rnd(8.5185) = 9, L = rnd(14.4815) = 14, row 21 is entry 12 of 14:
    // green 215 + 12 * 13 / 13 = 227, blue 103 + 12 * 50 / 13 = 149.
    // H = 25: T = rnd(9.259) = 9, L = rnd(15.74) = 16, row 23 is entry 14 of 16:
    // green 215 + 14 * 13 / 15 = 227, blue 103 + 14 * 50 / 15 = 149. With one row
    // fewer either lower band would end in FFE499 there.
    const Case cases[] = {{23, 8, 21, 0xFFE395}, {25, 8, 23, 0xFFE395}};
    for (const Case& c : cases) {
        Look b(7, 60, c.height);
        b.Paint(1);
        EXPECT_EQ(b.At(30, c.lastUpper), 0xFFEAACu) << c.height;
        EXPECT_EQ(b.At(30, c.lastUpper + 1), 0xFFD767u) << c.height;
        EXPECT_EQ(b.At(30, c.row), c.colour) << c.height;
    }
}

TEST(SplitRows, LightBlueFlatPartStartsAtHOver17) {
    Look b(8, 60, 23);
    b.Paint(1);
    // rnd(13.529) = 14. Row 13 is entry 12 of the 21-row ramp F1F9FD -> D0ECF8.
    EXPECT_EQ(b.At(30, 13), 0xDEF2FAu);
    EXPECT_EQ(b.At(30, 14), 0xD0ECF8u);
    EXPECT_EQ(b.At(30, 20), 0xD0ECF8u);
}

TEST(SplitRows, BlueGlassStripsAndMiddle) {
    Look rest(4, 60, 23);
    rest.Paint(0);
    // M = rnd(11.5) = 12: the lower gradient starts with S(-0.02); row 11 is entry
    // 10 of 23 from S(0.05) (113, 163, 213) to bc: -130 / 22 truncates to -5.
    EXPECT_EQ(rest.At(30, 11), 0x6C9ED0u);
    EXPECT_EQ(rest.At(30, 12), 0x5F91C3u);

    Look pressed(4, 60, 23);
    pressed.Paint(2);
    // Upper strips from row 3, lower ones from M for B = rnd(10.5) = 10 rows, drawn
    // over the frame: row 21 is strip, row 22 still frame. Left strips: entry 1 of 5.
    EXPECT_EQ(pressed.At(2, 11), 0xA0D2EDu); // 96CDEB -> BFE1F3
    EXPECT_EQ(pressed.At(2, 12), 0x64B7E4u); // 53B0E1 -> 97CFED
    EXPECT_EQ(pressed.At(2, 21), 0x64B7E4u);
    EXPECT_EQ(pressed.At(2, 22), 0x1D415Cu);
    // The right strip runs the other way from W - 6: x = W - 3 is its entry 3.
    EXPECT_EQ(pressed.At(57, 12), 0x64B8E4u);
}

TEST(SplitRows, AmberNavyLowerGradient) {
    struct Case {
        std::int32_t height;
        std::int32_t row;
        std::uint32_t colour;
    };
    // From S(-0.01) (97, 147, 197) to S(-0.13) (67, 117, 167). H = 25: M = rnd(12.5)
    // = 12 and height rnd(13.5) = 14, so row 24 is entry 12 of 14: -360 / 13 -> -27.
    // H = 23: height rnd(12.5) = 12, row 22 is entry 10 of 12: -300 / 11 -> -27.
    const Case cases[] = {{25, 24, 0x4678AA}, {23, 22, 0x4678AA}};
    for (const Case& c : cases) {
        Look b(13, 60, c.height);
        b.Paint(0);
        EXPECT_EQ(b.At(30, 11), kBc) << c.height; // the upper gradient ends in bc
        EXPECT_EQ(b.At(30, 12), 0x6193C5u) << c.height;
        EXPECT_EQ(b.At(30, c.row), c.colour) << c.height;
    }
}

// --- Plastic ---------------------------------------------------------------------

TEST(PlasticLook, RowFiveKeepsTheFillInEveryState) {
    struct Case {
        std::int32_t state;
        std::uint32_t fill, sheenEnd, bodyStart, frame;
    };
    const Case cases[] = {
        {0, kBc, kBc, 0x5789BB, 0x104274},      // S(-0.05), S(-0.33)
        {1, 0x71A3D5, 0x71A3D5, kBc, 0x1D4F81}, // S(0.05), S(-0.28)
        {2, 0x5C8EC0, kBc, 0x5082B4, 0x083A6C}, // S(-0.03), S(-0.08), S(-0.36)
    };
    for (const Case& c : cases) {
        Look b(10, 60, 23);
        b.Paint(c.state);
        EXPECT_EQ(b.At(30, 5), c.fill) << c.state;
        EXPECT_EQ(b.At(30, 4), c.sheenEnd) << c.state;
        EXPECT_EQ(b.At(30, 6), c.bodyStart) << c.state;
        EXPECT_EQ(b.At(30, 0), c.frame) << c.state;
        EXPECT_EQ(b.At(1, 1), 0x001648u) << c.state; // S(-0.5): red clamps at 0
        EXPECT_EQ(b.host.regions, c.state == 0 ? 1 : 0);
    }
}

// --- SoftGradient ----------------------------------------------------------------

TEST(SoftGradientLook, HoverAndDisabledLookLikeRest) {
    Look rest(6, 60, 23);
    rest.Paint(0);
    for (const std::int32_t state : {0, 1, 2}) {
        Look disabled(6, 60, 23);
        disabled.m.Enabled = false;
        disabled.Paint(state);
        EXPECT_EQ(disabled.pixels(), rest.pixels()) << state;
        EXPECT_EQ(disabled.host.regions, 1) << state;
    }
    Look hover(6, 60, 23);
    hover.Paint(1);
    EXPECT_EQ(hover.pixels(), rest.pixels());
}

TEST(SoftGradientLook, PressedRampsRunPastTheBottom) {
    Look b(6, 60, 23);
    b.Paint(2);
    // Lower ramp from M = 12 over H = 23 rows, S(-0.1) (74, 124, 174) to S(-0.05)
    // (87, 137, 187): row 21 is entry 9 of 23, +117 / 22 -> +5.
    EXPECT_EQ(b.At(30, 21), 0x4F81B3u);
    EXPECT_EQ(b.At(30, 22), 0x003062u); // the bottom line, S(-0.4): red clamps at 0
    EXPECT_EQ(b.At(1, 22), 0x295B8Du);  // the frame, S(-0.23), left of that line
    EXPECT_EQ(b.At(1, 10), 0xFFFFFFu);  // inner highlight
    EXPECT_EQ(b.At(1, 1), 0x71A3D5u);   // corner pixel S(0.05)
}

TEST(SoftGradientLook, FocusRectangleFramesTheCaptionRectangleOfTheLastPaint) {
    Look b(6, 60, 23);
    b.m.CaptionFocusRect = Rect{10, 5, 30, 15};
    b.Paint(0);
    // Row 5 of the upper ramp white -> bc over 12 rows: (185, 208, 230).
    EXPECT_EQ(b.At(29, 5), 0xB9D0E6u);

    Look focused(6, 60, 23);
    focused.Focus();
    focused.m.CaptionFocusRect = Rect{10, 5, 30, 15};
    focused.Paint(0);
    EXPECT_EQ(focused.At(29, 5), Inverted(0xB9D0E6u));
    EXPECT_EQ(focused.At(28, 5), 0xB9D0E6u);
}

// --- LightBlue -------------------------------------------------------------------

TEST(LightBlueLook, DisabledAndRestingAreAFlatFace) {
    for (const bool enabled : {true, false}) {
        Look b(8, 30, 12);
        b.m.Enabled = enabled;
        b.Paint(enabled ? 0 : 2);
        for (std::int32_t y = 0; y < 12; ++y) {
            for (std::int32_t x = 0; x < 30; ++x) {
                ASSERT_EQ(b.At(x, y), kBc) << x << "," << y << " enabled " << enabled;
            }
        }
        EXPECT_EQ(b.host.regions, enabled ? 1 : 0);
    }
}

TEST(LightBlueLook, HoverAndPressedShareTheFrame) {
    for (const std::int32_t state : {1, 2}) {
        Look b(8, 60, 23);
        b.Paint(state);
        EXPECT_EQ(b.At(30, 0), 0x619ECAu);
        EXPECT_EQ(b.At(30, 1), 0xFFFFFFu);
        EXPECT_EQ(b.At(1, 1), 0xAEEBFFu); // ShiftColor(0x619ECA, 0.3)
        EXPECT_EQ(b.At(58, 21), 0xAEEBFFu);
    }
}

// --- BlueGlass -------------------------------------------------------------------

TEST(BlueGlassLook, DisabledHasItsOwnLookWithoutFocusMarks) {
    Look b(4, 60, 23);
    b.Focus();
    b.m.mDisplayAsDefault = true;
    b.m.Enabled = false;
    b.Paint(0);
    EXPECT_EQ(b.At(30, 11), 0x6C9ED0u); // S(0.03)
    EXPECT_EQ(b.At(0, 11), 0x245688u);  // S(-0.25)
    EXPECT_EQ(b.At(1, 11), 0xA4D6FFu);  // S(0.25)
    EXPECT_EQ(b.At(1, 1), 0x5C8EC0u);   // S(-0.03), not 0x5F96BE
    EXPECT_EQ(b.At(57, 2), 0x6C9ED0u);  // no focus rectangle
    EXPECT_EQ(b.host.regions, 1);
}

TEST(BlueGlassLook, FocusedOrDefaultAtRestGetsTheBlueFrame) {
    Look b(4, 60, 23);
    b.Focus();
    b.Paint(0);
    EXPECT_EQ(b.At(30, 0), 0x3275A7u);
    EXPECT_EQ(b.At(30, 1), 0x48D8FBu);
    EXPECT_EQ(b.At(1, 1), 0x5F96BEu);
    // The focus rectangle (2, 2, W - 2, H - 2) over row 2 of the face: entry 1 of 23
    // from S(0.05) to bc, -13 / 22 truncating to 0.
    EXPECT_EQ(b.At(57, 2), Inverted(0x71A3D5u));

    Look hover(4, 60, 23);
    hover.m.mDisplayAsDefault = true;
    hover.m.mParentActive = true;
    hover.Paint(1);
    EXPECT_EQ(hover.At(30, 0), 0x707070u);
    EXPECT_EQ(hover.At(30, 1), 0xFFFFFFu);
}

// --- AmberNavy -------------------------------------------------------------------

TEST(AmberNavyLook, CheckedShowsTheNavyFrameEvenWithTheMouseAway) {
    struct Case {
        bool checked, mouseOver;
        std::int32_t state;
        std::uint32_t top, row1;
    };
    // Row 1 is entry 1 of 23 of the full-height ramp (of 12 at rest).
    const Case cases[] = {
        {true, false, 0, 0x000080, 0xFFD48A},  // FFD58C -> FFAD55
        {true, true, 0, 0x000080, 0xFE9450},   // FE914E -> FFD38E
        {false, false, 0, 0x71A3D5, 0x70A2D4}, // no frame at rest: S(0.05) -> bc
        {false, true, 1, 0x000080, 0xFFF3CA},  // FFF4CC -> FFD091
        {false, true, 2, 0x000080, 0xFE9450},
    };
    for (const Case& c : cases) {
        Look b(13, 60, 23);
        if (c.checked) {
            b.Check();
        }
        b.m.mMouseOver = c.mouseOver;
        b.Paint(c.state);
        EXPECT_EQ(b.At(30, 0), c.top) << c.checked << c.mouseOver << c.state;
        EXPECT_EQ(b.At(30, 1), c.row1) << c.checked << c.mouseOver << c.state;
        EXPECT_EQ(b.host.regions, !c.checked && c.state == 0 ? 1 : 0);
    }
}

// --- SideGradient ----------------------------------------------------------------

TEST(SideGradientLook, CheckedIsDrawnPressedWithoutARegion) {
    Look rest(15, 60, 23);
    rest.Paint(0);
    // Column 30 of 60 from bc to S(0.08) (120, 170, 220): +600 / 59 -> +10.
    EXPECT_EQ(rest.At(30, 11), 0x6EA0D2u);
    EXPECT_EQ(rest.At(30, 0), 0x7E807Du);
    EXPECT_EQ(rest.host.regions, 1);

    Look checked(15, 60, 23);
    checked.Check();
    checked.Paint(0);
    // From S(-0.05) (87, 137, 187) to S(0.03) (108, 158, 208): +630 / 59 -> +10.
    EXPECT_EQ(checked.At(30, 11), 0x6193C5u);
    EXPECT_EQ(checked.host.regions, 0);
}

TEST(SideGradientLook, FocusRectangleAndTheRunModeQuestion) {
    struct Case {
        bool focus, showFocusRect, userMode, active;
        bool inverted;
        int userModeReads;
    };
    const Case cases[] = {
        {true, true, true, true, true, 1},   {true, true, false, true, false, 1},
        {true, true, true, false, false, 1}, {true, false, true, true, false, 1},
        {false, true, true, true, false, 0},
    };
    for (const Case& c : cases) {
        Look b(15, 60, 23);
        b.m.mHasFocus = c.focus;
        b.m.ShowFocusRect = c.showFocusRect;
        b.m.mParentActive = c.active;
        b.host.userMode = c.userMode;
        b.Paint(0);
        // (3, 3, W - 3, H - 3) from its top right: column 56 is bc + 1120 / 59 -> +18.
        EXPECT_EQ(b.At(56, 3), c.inverted ? Inverted(0x76A8DAu) : 0x76A8DAu)
            << c.focus << c.showFocusRect << c.userMode << c.active;
        EXPECT_EQ(b.host.userModeReads, c.userModeReads);
    }
}

// --- Looks that ignore Enabled -------------------------------------------------------

TEST(SecondGroup, AmberBandsPlasticAmberNavyAndSideGradientIgnoreEnabled) {
    for (const std::int32_t style : {7, 10, 13, 15}) {
        for (const std::int32_t state : {0, 1, 2}) {
            for (const bool checked : {false, true}) {
                Look enabled(style, 50, 20);
                Look disabled(style, 50, 20);
                disabled.m.Enabled = false;
                for (Look* b : {&enabled, &disabled}) {
                    if (checked) {
                        b->Check();
                    }
                    b->m.mMouseOver = true;
                    b->Paint(state);
                }
                EXPECT_EQ(enabled.pixels(), disabled.pixels())
                    << style << " " << state << " " << checked;
            }
        }
    }
}

TEST(SecondGroup, AmberBandsCheckedUnderTheMouseEndsAsPressed) {
    Look checked(7, 60, 23);
    checked.Check();
    checked.m.mMouseOver = true;
    checked.Paint(0);
    Look pressed(7, 60, 23);
    pressed.Paint(2);
    EXPECT_EQ(checked.pixels(), pressed.pixels());
    EXPECT_EQ(checked.host.regions + pressed.host.regions, 0);
}

} // namespace
} // namespace lumio
