#include "platform/errors.h"
#include "platform/numeric.h"

#include <gtest/gtest.h>
#include <limits>

namespace lumio {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double in;
        std::int32_t out;
    };
    const Case cases[] = {{0.5, 0},    {1.5, 2},    {2.5, 2},           {11.5, 12},
                          {12.5, 12},  {-0.5, 0},   {-1.5, -2},         {-2.5, -2},
                          {2.4999, 2}, {2.5001, 3}, {-25.5000004, -26}, {1960.78, 1961}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
    }
}

TEST(RoundHalfEven, OutOfRangeRaisesOverflow) {
    EXPECT_EQ(RoundHalfEven(2147483647.0), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundHalfEven(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    for (double bad :
         {2147483647.5 + 1, -2147483649.0, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
        try {
            RoundHalfEven(bad);
            ADD_FAILURE() << bad;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::Overflow);
        }
    }
}

TEST(CheckedArithmetic, RaisesInsteadOfWrapping) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(CheckedAdd(kMax - 1, 1), kMax);
    EXPECT_EQ(CheckedSub(kMin + 1, 1), kMin);
    EXPECT_EQ(CheckedMul(46340, 46340), 2147395600);
    EXPECT_THROW(CheckedAdd(kMax, 1), RuntimeError);
    EXPECT_THROW(CheckedSub(kMin, 1), RuntimeError);
    EXPECT_THROW(CheckedMul(65536, 65536), RuntimeError);
}

TEST(Half, TruncatesTowardZero) {
    EXPECT_EQ(Half(7), 3);
    EXPECT_EQ(Half(-7), -3);
    EXPECT_EQ(Half(0), 0);
}

} // namespace
} // namespace lumio
