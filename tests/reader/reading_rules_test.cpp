#include "reader/reading_rules.h"

#include <gtest/gtest.h>
#include <limits>

namespace lumio {
namespace {

constexpr std::int32_t kMaxPos = std::numeric_limits<std::int32_t>::max();

TEST(ReadingRulesTest, SpeedIntervalIs404Minus40PerStep) {
    const std::int32_t expected[] = {404, 364, 324, 284, 244, 204, 164, 124, 84, 44, 4};
    for (std::int32_t v = 0; v <= 10; ++v) {
        EXPECT_EQ(SpeedInterval(v), expected[v]) << v;
    }
}

TEST(ReadingRulesTest, StartPointDividesByTenPointOneMinusValue) {
    struct Case {
        std::size_t length;
        std::int32_t v;
        std::int32_t pos;
    };
    const Case cases[] = {
        {10000, 0, 990},
        {10000, 5, 1961},
        {10000, 8, 4762},
        {10000, 9, 9091},
        {10000, 10, 100000},
        {1000, 10, 10000},
        {0, 10, 0},
        {0, 0, 0},
        // 1.5 and 2.5 (101 / 101 * 1.5 ...): halves go to the even neighbour.
        {3, 10, 30},
        {5, 8, 2},
        {16, 8, 8},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StartPoint(c.length, c.v), c.pos) << c.length << " at " << c.v;
    }
}

TEST(ReadingRulesTest, StartPointBeyond32BitsStaysAtTheLargestPosition) {
    EXPECT_EQ(StartPoint(214748364, 10), 2147483640);
    EXPECT_EQ(StartPoint(214748365, 10), kMaxPos);
    EXPECT_EQ(StartPoint(std::size_t{1} << 40, 10), kMaxPos);
    EXPECT_EQ(StartPoint(std::size_t{1} << 40, 0), kMaxPos);
    EXPECT_EQ(StartPoint(300000000, 9), 272727273);
}

TEST(ReadingRulesTest, CutCostsTheSameAnywhereAndNeverWraps) {
    struct Case {
        std::size_t length;
        std::int32_t p;
        TickCut cut;
    };
    const Case cases[] = {
        {0, 0, {0, 0, 0, 1}},
        {10, 0, {0, 10, 1, 1}},
        {10, 9, {0, 10, 10, 10}},
        {10, 200, {0, 10, 10, 201}},
        {300, 200, {0, 300, 201, 201}},
        {300, 201, {0, 200, 200, 202}},
        {300, 202, {1, 200, 200, 203}},
        {300, 450, {249, 51, 51, 451}},
        {300, 500, {299, 1, 1, 501}},
        {300, 501, {300, 0, 0, 502}},
        {300, kMaxPos - 1, {300, 0, 0, kMaxPos}},
        {300, kMaxPos, {300, 0, 0, kMaxPos}},
        {std::size_t{3} << 30, kMaxPos, {kMaxPos - 201u, 200, 200, kMaxPos}},
        {300, -5, {0, 300, 0, -4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.length << " at " << c.p);
        const TickCut cut = CutForTick(c.length, c.p);
        EXPECT_EQ(cut.tailStart, c.cut.tailStart);
        EXPECT_EQ(cut.tailLength, c.cut.tailLength);
        EXPECT_EQ(cut.viewLength, c.cut.viewLength);
        EXPECT_EQ(cut.nextReadPos, c.cut.nextReadPos);
    }
}

TEST(ReadingRulesTest, MarkIsTheSecondCharacterUntilReadPosPassesTen) {
    EXPECT_EQ(MarkStartFor(7, 7), 1);
    EXPECT_EQ(MarkStartFor(10, 10), 1);
    EXPECT_EQ(MarkStartFor(10, 11), 4);
    EXPECT_EQ(MarkStartFor(201, 201), 195);
    EXPECT_EQ(MarkStartFor(7, 300), 1);
}

} // namespace
} // namespace lumio
