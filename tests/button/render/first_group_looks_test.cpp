// Styles 0, 1, 11, 12, 2, 3, 5 and 9, with expected pixels worked out by hand from
// their recipes. Back colour RGB(100, 150, 200) unless said otherwise; the default
// palette gives the system colours: 3D light E3E3E3, highlight FFFFFF, shadow A0A0A0,
// dark shadow 696969, application workspace ABABAB, grey text 6D6D6D.
#include "button/render/look_host.h"
#include "button/render/style_renderers.h"

#include <gtest/gtest.h>
#include <limits>

namespace lumio {
namespace {

using testing::Hex;
using testing::Inverted;
using testing::Look;

constexpr std::uint32_t kBc = 0x6496C8;
constexpr std::uint32_t kBcLighter = 0x699BCD; // ShiftColor(bc, +0.02): +5.1 per channel

// --- Standard, Flat, HoverRaised, HoverThin ----------------------------------------

struct EdgeCase {
    std::int32_t style;
    std::int32_t state;
    bool checked;
    std::uint32_t top0, top1;       // (W/2, 0) and (W/2, 1)
    std::uint32_t bottom0, bottom1; // (W/2, H-1) and (W/2, H-2)
    std::uint32_t left0;            // (0, H/2)
};

TEST(StandardLooks, EdgesAndFramesByStyleAndState) {
    const EdgeCase cases[] = {
        // Raised edge: outer 3D light / dark shadow, inner highlight / shadow.
        {0, 0, false, 0xE3E3E3, 0xFFFFFF, 0x696969, 0xA0A0A0, 0xE3E3E3},
        {0, 1, false, 0xE3E3E3, 0xFFFFFF, 0x696969, 0xA0A0A0, 0xE3E3E3},
        // A 0xACA899 frame inside a black one.
        {0, 2, false, 0x000000, 0xACA899, 0x000000, 0xACA899, 0x000000},
        // Raised inner only, drawn on the outermost ring.
        {1, 0, false, 0xFFFFFF, kBc, 0xA0A0A0, kBc, 0xFFFFFF},
        {1, 1, false, 0xFFFFFF, kBc, 0xA0A0A0, kBc, 0xFFFFFF},
        // A white frame whose top and left are grey text.
        {1, 2, false, 0x6D6D6D, kBc, 0xFFFFFF, kBc, 0x6D6D6D},
        {11, 0, false, kBc, kBc, kBc, kBc, kBc},
        {11, 1, false, 0xE3E3E3, 0xFFFFFF, 0x696969, 0xA0A0A0, 0xE3E3E3},
        // Sunken: outer shadow / highlight, inner dark shadow / 3D light.
        {11, 2, false, 0xA0A0A0, 0x696969, 0xFFFFFF, 0xE3E3E3, 0xA0A0A0},
        {12, 0, false, kBc, kBc, kBc, kBc, kBc},
        {12, 1, false, 0xFFFFFF, kBc, 0xA0A0A0, kBc, 0xFFFFFF},
        {12, 2, false, 0x6D6D6D, kBc, 0xFFFFFF, kBc, 0x6D6D6D},
        // Checked: a lighter face with a sunken edge, for style 12 the face alone.
        {0, 0, true, 0xA0A0A0, 0x696969, 0xFFFFFF, 0xE3E3E3, 0xA0A0A0},
        {1, 1, true, 0xA0A0A0, 0x696969, 0xFFFFFF, 0xE3E3E3, 0xA0A0A0},
        {11, 2, true, 0xA0A0A0, 0x696969, 0xFFFFFF, 0xE3E3E3, 0xA0A0A0},
        {12, 0, true, kBcLighter, kBcLighter, kBcLighter, kBcLighter, kBcLighter},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "style " << c.style << " state " << c.state
                                          << (c.checked ? " checked" : ""));
        Look b(c.style, 40, 20);
        if (c.checked) {
            b.Check();
        }
        b.Paint(c.state);
        EXPECT_EQ(b.At(20, 0), c.top0);
        EXPECT_EQ(b.At(20, 1), c.top1);
        EXPECT_EQ(b.At(20, 19), c.bottom0);
        EXPECT_EQ(b.At(20, 18), c.bottom1);
        EXPECT_EQ(b.At(0, 10), c.left0);
        EXPECT_EQ(b.At(20, 10), c.checked ? kBcLighter : kBc);
    }
}

TEST(StandardLooks, HoveringAStandardButtonChangesNothingVisible) {
    Look rest(0, 40, 20);
    rest.Paint(0);
    Look hover(0, 40, 20);
    hover.Paint(1);
    EXPECT_EQ(rest.pixels(), hover.pixels());
}

TEST(StandardLooks, FocusedStandardButtonAtRestGetsTheDefaultFrames) {
    Look b(0, 40, 20);
    b.Focus();
    b.Paint(0);
    EXPECT_EQ(b.At(20, 0), 0x000000u); // black outer frame
    EXPECT_EQ(b.At(39, 10), 0x000000u);
    EXPECT_EQ(b.At(38, 10), 0xABABABu); // workspace frame's right side at W - 2
    EXPECT_EQ(b.At(20, 18), 0xABABABu); // and its bottom at H - 2
    // The dotted focus rectangle (4, 4, W - 4, H - 4) starts at its top-right pixel.
    EXPECT_EQ(b.At(35, 4), Inverted(kBc));
    EXPECT_EQ(b.At(34, 4), kBc);
    EXPECT_EQ(b.At(33, 4), Inverted(kBc));
}

TEST(StandardLooks, FocusedStandardButtonPressedKeepsThePressedFrames) {
    Look b(0, 40, 20);
    b.Focus();
    b.Paint(2);
    EXPECT_EQ(b.At(20, 0), 0x000000u);
    EXPECT_EQ(b.At(38, 10), 0xACA899u); // no workspace frame added
    EXPECT_EQ(b.At(35, 4), Inverted(kBc));
}

TEST(StandardLooks, FocusRectangleNeedsRunModeAndActiveWindow) {
    for (const bool active : {true, false}) {
        for (const bool userMode : {true, false}) {
            Look b(1, 40, 20);
            b.Focus();
            b.m.mParentActive = active;
            b.host.userMode = userMode;
            b.Paint(0);
            // Style 1's rectangle is (3, 3, W - 3, H - 3).
            EXPECT_EQ(b.At(36, 3), active && userMode ? Inverted(kBc) : kBc) << active << userMode;
        }
    }
}

TEST(StandardLooks, CheckedStandardWithFocusFramesItsFaceInWorkspaceColour) {
    Look b(0, 40, 20);
    b.Check();
    b.Focus();
    b.Paint(0);
    // Frame(4, 4, W - 7, H - 7): right side at W - 4, bottom at H - 4.
    EXPECT_EQ(b.At(20, 4), 0xABABABu);
    EXPECT_EQ(b.At(36, 10), 0xABABABu);
    EXPECT_EQ(b.At(20, 16), 0xABABABu);
    EXPECT_EQ(b.At(20, 5), kBcLighter);
}

// --- Gloss -----------------------------------------------------------------------

TEST(GlossLook, RestingFaceBandsAndFrame) {
    Look b(2, 40, 20);
    b.Paint(0);
    EXPECT_EQ(b.At(20, 0), 0x003C74u);
    // Shift(0x003C74, +0.3): +76.5000003 per channel, so the halves round up.
    EXPECT_EQ(b.At(1, 1), 0x4D89C1u);
    // Row 2 of the 5-row band from Shift(bc, .2) (151, 201, 251) to Shift(bc, .08)
    // (120, 170, 220): first + 2 * -31 / 4, truncated: -15.
    EXPECT_EQ(b.At(20, 2), 0x88BAECu);
    EXPECT_EQ(b.At(20, 18), 0x4D7FB1u); // Shift(bc, -0.09)
    EXPECT_EQ(b.At(1, 10), 0xB2CAE4u);  // Blend(white, bc): halves to even
}

TEST(GlossLook, HoverRimAndFocusRim) {
    Look hover(2, 40, 20);
    hover.m.mDisplayAsDefault = true;
    hover.m.mParentActive = true;
    hover.Paint(1);
    EXPECT_EQ(hover.At(20, 1), 0xFFF0CFu);
    EXPECT_EQ(hover.At(20, 2), 0xFDD889u);
    EXPECT_EQ(hover.At(1, 10), 0xF9BD49u);
    EXPECT_EQ(hover.At(37, 10), 0xFCD27Au);
    EXPECT_EQ(hover.At(20, 17), 0xF8B330u);
    EXPECT_EQ(hover.At(20, 18), 0xE59700u);

    Look rest(2, 40, 20);
    rest.m.mDisplayAsDefault = true;
    rest.m.mParentActive = true;
    rest.Paint(0);
    EXPECT_EQ(rest.At(20, 1), 0xCEE7FFu);
    EXPECT_EQ(rest.At(1, 10), 0x8EAFE6u);
    EXPECT_EQ(rest.At(20, 18), 0x6982EEu);

    Look inactive(2, 40, 20);
    inactive.m.mDisplayAsDefault = true;
    inactive.Paint(0);
    EXPECT_EQ(inactive.At(1, 10), 0xB2CAE4u);
}

TEST(GlossLook, DisabledIsAFlatFaceWithoutTheBlueFrame) {
    Look b(2, 40, 20);
    b.m.Enabled = false;
    b.Paint(1);
    EXPECT_EQ(b.At(20, 10), 0x6C9ED0u); // Shift(bc, .03)
    EXPECT_EQ(b.At(20, 0), 0x4A7CAEu);  // Shift(bc, -0.1): 74.4999996 rounds down
    EXPECT_EQ(b.At(1, 1), 0x97C9FBu);   // Shift(bc, .2)
    EXPECT_EQ(b.host.regions, 1);
}

TEST(GlossLook, CheckedIsDrawnPressed) {
    Look b(2, 40, 20);
    b.Check();
    b.Paint(0);
    EXPECT_EQ(b.m.mState, 2);
    EXPECT_EQ(b.At(20, 10), 0x5789BBu); // Shift(bc, -0.05): -12.75
    EXPECT_EQ(b.At(20, 1), 0x3B6D9Fu);  // Shift(bc, -0.16): -40.8
    EXPECT_EQ(b.At(20, 2), 0x4A7CAEu);  // Shift(bc, -0.1)
    EXPECT_EQ(b.At(20, 18), 0x76A8DAu); // Shift(bc, +0.07): +17.85
}

TEST(GlossLook, FailingLastStepsAreSkippedQuietly) {
    // An overflowing height in a state that draws no face: the frame draws nothing and
    // the corner pixels fail; the look still ends normally, unlike one without that
    // leniency.
    Look gloss(2, 10, 10);
    gloss.host.scaleHeight = static_cast<float>(std::numeric_limits<std::int32_t>::min());
    EXPECT_NO_THROW(gloss.Render(3, DrawGloss));

    Look plastic(10, 10, 10);
    plastic.host.scaleHeight = gloss.host.scaleHeight;
    EXPECT_THROW(plastic.Render(3, DrawPlastic), RuntimeError);
}

// --- Bevel -----------------------------------------------------------------------

TEST(BevelLook, TakesTheContainerColourAndSetsTheCaptionColour) {
    Look b(3, 40, 20);
    b.m.ForeColor = FromRrggbb(0xFF0000);
    b.Paint(0);
    EXPECT_EQ(b.host.surface().back_color(), b.host.ambientBackColor);
    EXPECT_EQ(b.At(0, 0), kBc); // flat face, no border
    EXPECT_EQ(b.m.ForeColor, 0);
    EXPECT_EQ(b.host.regions, 1);
}

TEST(BevelLook, CheckedHeldDrawsPressedWithAWhiteCaption) {
    Look b(3, 40, 20);
    b.Check();
    b.m.mLeftDown = true;
    b.m.Caption = u"Go";
    b.Paint(0);
    EXPECT_EQ(b.At(20, 10), 0xE5E4DDu);
    EXPECT_EQ(b.At(20, 0), 0x9D9D92u);
    EXPECT_EQ(b.At(20, 1), 0xD7D5CCu); // Shift(0xDCDAD1, -0.02): -5.1
    EXPECT_EQ(b.m.ForeColor, FromRrggbb(0xFFFFFF));
    EXPECT_EQ(b.host.text.draws.back().color, FromRrggbb(0xFFFFFF));
    EXPECT_EQ(b.host.regions, 0);
}

TEST(BevelLook, CheckedNotHeldIsNearWhiteWithTheButtonTextColour) {
    Look b(3, 40, 20);
    b.Check();
    b.m.ForeColor = FromRrggbb(0xFF0000);
    b.Paint(1);
    EXPECT_EQ(b.At(20, 10), 0xFEFEFEu);
    EXPECT_EQ(b.At(20, 0), 0x7A98AFu);
    EXPECT_EQ(b.At(1, 1), 0x6D808Eu); // Shift(0xA0B3C1, -0.2): -51.0000007
    // The hover shading of the checked look.
    EXPECT_EQ(b.At(38, 10), 0xF2F0EDu);
    EXPECT_EQ(b.At(20, 18), 0xE4DED8u);
    EXPECT_EQ(b.At(20, 17), 0xEFECE8u);
    EXPECT_EQ(b.At(20, 16), 0xFAF9F8u);
    EXPECT_EQ(b.m.ForeColor, 0);
}

TEST(BevelLook, HoverSplitsItsGradientAtHalfTheHeightRoundedToEven) {
    Look b(3, 40, 23);
    b.Paint(1);
    // h = rnd(11.5) = 12: row 10 is entry 10 of the first ramp's 12 (with 11 rows it
    // would be the end colour 0xF4F4EE), row 12 starts the second.
    EXPECT_EQ(b.At(20, 10), 0xF5F5F0u);
    EXPECT_EQ(b.At(20, 12), 0xF4F4EEu);
    EXPECT_EQ(b.At(20, 0), 0xCECEC3u);
    EXPECT_EQ(b.At(20, 21), 0xD7D2C6u);
    EXPECT_EQ(b.At(1, 1), 0xC7C7BCu); // Shift(0xD4D4C9, -0.05): -12.75
}

// --- Shadow ----------------------------------------------------------------------

TEST(ShadowLook, RestingFaceSitsOnAThreeToneShadow) {
    Look b(5, 40, 20);
    b.Paint(0);
    const std::uint32_t ambient = 0x102030;
    const std::uint32_t rim = 0xB1E3FF; // Shift(bc, +0.3), clamped
    EXPECT_EQ(b.At(10, 10), kBc);
    EXPECT_EQ(b.At(35, 10), rim); // border's right side at W - 5
    EXPECT_EQ(b.At(36, 10), 0x808080u);
    EXPECT_EQ(b.At(37, 10), 0xA0A0A0u);
    EXPECT_EQ(b.At(38, 10), 0xC0C0C0u);
    EXPECT_EQ(b.At(39, 10), ambient);
    EXPECT_EQ(b.At(38, 3), ambient);
    EXPECT_EQ(b.At(38, 4), 0xC0C0C0u);
    EXPECT_EQ(b.host.regions, 1);
}

TEST(ShadowLook, PressedLeavesTheTopAndLeftStripInTheContainerColour) {
    Look b(5, 40, 20);
    b.Paint(2);
    for (std::int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(b.At(i, 10), 0x102030u);
        EXPECT_EQ(b.At(20, i), 0x102030u);
    }
    EXPECT_EQ(b.At(3, 10), 0xB1E3FFu);
    EXPECT_EQ(b.At(20, 10), kBc);
    EXPECT_EQ(b.At(39, 19), 0xB1E3FFu); // no shadow: the face reaches the corner
}

TEST(ShadowLook, DisabledFaceIsLighter) {
    Look b(5, 40, 20);
    b.m.Enabled = false;
    b.Paint(1);
    EXPECT_EQ(b.At(10, 10), 0x7EB0E2u); // Shift(bc, .1): +25.5000004 rounds up
}

TEST(ShadowLook, FocusInvertsAndLeavesTheSurfaceInInversionMode) {
    Look b(5, 40, 20);
    b.Focus();
    b.Paint(0);
    EXPECT_EQ(b.host.surface().draw_mode(), kDrawModeInvert);
    EXPECT_EQ(b.At(33, 3), Inverted(kBc)); // (3, 3, W - 6, H - 6) from its top right
    Look pressed(5, 40, 20);
    pressed.Focus();
    pressed.Paint(2);
    EXPECT_EQ(pressed.At(36, 6), Inverted(kBc)); // (6, 6, W - 3, H - 3)
}

TEST(ShadowLook, AContainerWithoutAColourEndsTheLookQuietly) {
    for (const std::int32_t state : {0, 1, 2}) {
        Look b(5, 40, 20);
        b.host.failAmbient = true;
        EXPECT_NO_THROW(b.Paint(state)) << state;
        EXPECT_EQ(b.At(10, 10), 0x102030u) << state; // only the cleared surface
        EXPECT_EQ(b.host.regions, state == 0 ? 1 : 0);
    }
}

TEST(ShadowLook, AtRestEvenAnOverflowEndsQuietly) {
    Look rest(5, 10, 10);
    rest.host.scaleWidth = static_cast<float>(std::numeric_limits<std::int32_t>::min());
    EXPECT_NO_THROW(rest.Render(0, DrawShadow));
    Look hover(5, 10, 10);
    hover.host.scaleWidth = rest.host.scaleWidth;
    try {
        hover.Render(1, DrawShadow);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    }
}

// --- HighlightBox ----------------------------------------------------------------

TEST(HighlightBoxLook, LooksByStateAndCheck) {
    struct Case {
        bool enabled, checked;
        std::int32_t state;
        std::uint32_t frame, face; // (W/2, 0) and (W/2, H/2)
    };
    // Resting gradient: Blend(Shift(bc, .26), white) = (210, 236, 255) at the top.
    const Case cases[] = {
        {true, false, 0, 0xD2ECFF, 0},        {false, false, 0, 0xD2ECFF, 0},
        {true, false, 1, 0x316AC5, 0xC1D2EE}, {true, false, 2, 0x4B4B6F, 0x98B5E2},
        {true, true, 0, 0x58587C, 0xE1E6E8},  {true, true, 1, 0x316AC5, 0x98B5E2},
        {false, true, 2, 0x58587C, 0xE1E6E8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.enabled << c.checked << c.state);
        Look b(9, 40, 20);
        b.m.Enabled = c.enabled;
        if (c.checked) {
            b.Check();
        }
        b.Focus();
        b.Paint(c.state);
        EXPECT_EQ(b.At(20, 0), c.frame);
        if (c.face != 0) {
            EXPECT_EQ(b.At(20, 10), c.face);
        } else {
            EXPECT_EQ(b.At(20, 19), kBc); // the gradient ends in bc
        }
        EXPECT_EQ(b.host.regions, 0);
    }
}

} // namespace
} // namespace lumio
