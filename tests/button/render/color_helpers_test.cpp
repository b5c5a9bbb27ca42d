#include "button/render/color_helpers.h"
#include "platform/errors.h"

#include <gtest/gtest.h>
#include <limits>

namespace lumio {
namespace {

TEST(ShiftColor, SinglePrecisionAmountsRoundHalvesToEven) {
    struct Case {
        OleColor in;
        float amount;
        OleColor out;
    };
    const Case cases[] = {
        {Rgb(250, 10, 128), 0.02f, Rgb(255, 15, 133)}, // lighter, red limited to 255
        {Rgb(250, 10, 128), -0.1f, Rgb(224, 0, 102)},  // -25.5000004: 224.4999996 -> 224
        {Rgb(0, 0, 0), 0.1f, Rgb(26, 26, 26)},         // 25.5000004 -> 26
        {Rgb(0, 0, 0), 0.3f, Rgb(77, 77, 77)},         // 76.50000226 -> 77
        {Rgb(100, 100, 100), 0.0f, Rgb(100, 100, 100)},
        {Rgb(255, 255, 255), 0.3f, Rgb(255, 255, 255)},
        {Rgb(10, 20, 30), -0.5f, Rgb(0, 0, 0)},
        {Rgb(200, 201, 202), -0.5f, Rgb(72, 74, 74)}, // 72.5 -> 72, 73.5 -> 74, 74.5 -> 74
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShiftColor(c.in, c.amount), c.out) << std::hex << c.in << " " << c.amount;
    }
}

TEST(ShiftColor, ReadsChannelsByDivisionSoAnUntranslatedColourStaysBounded) {
    // -1 reads as (255, 0, 0); a system colour 0x8000000F as (15, 1, 1).
    EXPECT_EQ(ShiftColor(kInvalidColor, 0.1f), Rgb(255, 26, 26));
    EXPECT_EQ(ShiftColor(SystemColor(15), -0.01f), Rgb(12, 0, 0));
}

TEST(ShiftColor, AnAmountThatCannotBeRoundedRaisesOverflow) {
    try {
        ShiftColor(Rgb(1, 2, 3), std::numeric_limits<float>::infinity());
        ADD_FAILURE();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    }
    EXPECT_THROW(ShiftColor(Rgb(1, 2, 3), std::numeric_limits<float>::quiet_NaN()), RuntimeError);
}

TEST(BlendColors, MeanPerChannelHalvesToEven) {
    EXPECT_EQ(BlendColors(Rgb(1, 2, 3), Rgb(2, 4, 4)), Rgb(2, 3, 4)); // 1.5 -> 2, 3.5 -> 4
    EXPECT_EQ(BlendColors(Rgb(0, 0, 0), Rgb(5, 1, 3)), Rgb(2, 0, 2)); // 2.5 -> 2, 0.5 -> 0
    EXPECT_EQ(BlendColors(FromRrggbb(0xFFFFFF), Rgb(0, 109, 170)), Rgb(128, 182, 212));
    EXPECT_EQ(BlendColors(Rgb(9, 9, 9), Rgb(9, 9, 9)), Rgb(9, 9, 9));
    EXPECT_EQ(BlendColors(Rgb(255, 255, 255), Rgb(255, 255, 255)), Rgb(255, 255, 255));
}

} // namespace
} // namespace lumio
