// Every look at sizes where its recipe runs backwards or off the surface, at sizes
// whose arithmetic overflows, and the window region each look rebuilds.
#include "button/render/look_host.h"
#include "button/render/style_table.h"

#include <gtest/gtest.h>
#include <limits>

namespace lumio {
namespace {

using testing::Look;

enum class Variant { Plain, Disabled, Checked, Focused };
constexpr Variant kVariants[] = {Variant::Plain, Variant::Disabled, Variant::Checked,
                                 Variant::Focused};

void Apply(Look& b, Variant v) {
    switch (v) {
    case Variant::Plain:
        break;
    case Variant::Disabled:
        b.m.Enabled = false;
        break;
    case Variant::Checked:
        b.Check();
        b.m.mMouseOver = true;
        b.m.mLeftDown = true;
        break;
    case Variant::Focused:
        b.Focus();
        b.m.mDisplayAsDefault = true;
        break;
    }
}

TEST(LookRobustness, TinyAndNarrowSizesPaintWithoutErrorAtTheirSize) {
    struct Size {
        std::int32_t w, h;
    };
    const Size sizes[] = {{1, 1}, {2, 2}, {5, 5}, {6, 40}, {40, 6}, {7, 3}};
    for (const Size& size : sizes) {
        for (std::int32_t style = 0; style <= 16; ++style) {
            for (std::int32_t state = 0; state <= 2; ++state) {
                for (const Variant v : kVariants) {
                    Look b(style, size.w, size.h);
                    Apply(b, v);
                    EXPECT_NO_THROW(b.Paint(state))
                        << style << " " << state << " " << size.w << "x" << size.h;
                    EXPECT_EQ(b.W(), size.w);
                    EXPECT_EQ(b.H(), size.h);
                }
            }
        }
    }
}

TEST(LookRobustness, ALookMeasuredLargerThanItsSurfaceIsClipped) {
    // The surface lags behind the measured size (a resize on its way): every look draws
    // into the surface it has, exactly the pixels that fall there on a surface of the
    // measured size (clipping never shifts or drops a pixel inside).
    for (std::int32_t style = 0; style <= 16; ++style) {
        for (std::int32_t state = 0; state <= 2; ++state) {
            Look small(style, 9, 5);
            small.host.scaleWidth = 300;
            small.host.scaleHeight = 80;
            small.Focus();
            Look full(style, 300, 80);
            full.Focus();
            ASSERT_NO_THROW(small.Paint(state)) << style << " " << state;
            full.Paint(state);
            for (std::int32_t y = 0; y < 5; ++y) {
                for (std::int32_t x = 0; x < 9; ++x) {
                    ASSERT_EQ(small.pixels().at(x, y), full.pixels().at(x, y))
                        << "style " << style << " state " << state << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(LookRobustness, OverflowingSizesRaiseNoErrorButOverflow) {
    constexpr float kMin = static_cast<float>(std::numeric_limits<std::int32_t>::min());
    constexpr float kNearMax = 2147483520.0f; // the largest float below 2^31
    struct Scale {
        float w, h;
    };
    const Scale scales[] = {{kMin, 23}, {75, kMin}, {kNearMax, 23}, {75, kNearMax}};
    for (const Scale& scale : scales) {
        for (std::int32_t style = 0; style <= 15; ++style) {
            for (std::int32_t state = 0; state <= 2; ++state) {
                for (const Variant v : kVariants) {
                    Look b(style, 8, 8);
                    Apply(b, v);
                    b.host.scaleWidth = scale.w;
                    b.host.scaleHeight = scale.h;
                    try {
                        b.Render(state, FindStyle(style)->renderer);
                    } catch (const RuntimeError& e) {
                        EXPECT_EQ(e.number(), ErrorNumber::Overflow)
                            << style << " " << state << " " << e.what();
                    }
                }
            }
        }
    }
}

TEST(LookRobustness, WrappedCoordinatesAreRefusedNotDrawn) {
    // W = -2^31: W - 2 does not fit in 32 bits.
    struct Case {
        std::int32_t style, state;
    };
    const Case cases[] = {{0, 2}, {2, 0}, {3, 1}, {4, 1}, {6, 0}, {8, 1}, {10, 0}, {14, 0}};
    for (const Case& c : cases) {
        Look b(c.style, 8, 8);
        b.host.scaleWidth = static_cast<float>(std::numeric_limits<std::int32_t>::min());
        try {
            b.Render(c.state, FindStyle(c.style)->renderer);
            ADD_FAILURE() << "style " << c.style << " drew with a wrapped coordinate";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::Overflow) << c.style;
        }
    }
}

TEST(LookRegions, WhichPaintsRebuildTheWindowRegion) {
    struct Case {
        std::int32_t style;
        std::int32_t state;
        Variant variant;
        int regions;
    };
    const Case cases[] = {
        {0, 0, Variant::Plain, 1},    {0, 1, Variant::Plain, 0},    {0, 0, Variant::Checked, 0},
        {1, 0, Variant::Plain, 1},    {11, 0, Variant::Plain, 1},   {12, 2, Variant::Plain, 0},
        {2, 0, Variant::Plain, 1},    {2, 1, Variant::Plain, 0},    {2, 1, Variant::Disabled, 1},
        {2, 0, Variant::Checked, 0},  {3, 0, Variant::Plain, 1},    {3, 0, Variant::Checked, 0},
        {4, 0, Variant::Plain, 1},    {4, 2, Variant::Plain, 0},    {4, 2, Variant::Disabled, 1},
        {5, 0, Variant::Plain, 1},    {5, 1, Variant::Plain, 0},    {5, 0, Variant::Checked, 0},
        {6, 0, Variant::Plain, 1},    {6, 1, Variant::Plain, 0},    {6, 2, Variant::Disabled, 1},
        {7, 0, Variant::Plain, 0},    {7, 0, Variant::Focused, 0},  {8, 0, Variant::Plain, 1},
        {8, 0, Variant::Disabled, 0}, {9, 0, Variant::Plain, 0},    {10, 0, Variant::Plain, 1},
        {10, 1, Variant::Plain, 0},   {10, 0, Variant::Checked, 0}, {13, 0, Variant::Plain, 1},
        {13, 0, Variant::Checked, 0}, {14, 0, Variant::Plain, 1},   {14, 0, Variant::Focused, 0},
        {15, 0, Variant::Plain, 1},   {15, 0, Variant::Checked, 0}, {16, 0, Variant::Plain, 0},
    };
    for (const Case& c : cases) {
        Look b(c.style, 50, 20);
        Apply(b, c.variant);
        b.Paint(c.state);
        EXPECT_EQ(b.host.regions, c.regions) << "style " << c.style << " state " << c.state
                                             << " variant " << static_cast<int>(c.variant);
    }
}

} // namespace
} // namespace lumio
