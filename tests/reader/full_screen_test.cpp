#include "reader/full_screen.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumio {
namespace {

constexpr Rect kLeft{0, 0, 1920, 1080};
constexpr Rect kRight{1920, -200, 3200, 824}; // a smaller monitor, set higher
constexpr Rect kStripLeft{635, 0, 1285, 139};
constexpr Rect kStripRight{2200, 0, 2850, 139};
constexpr std::uint64_t kId = 0x5A;

struct Case {
    const char* name;
    FrontWindow front;
    Rect strip;
    std::vector<Rect> monitors;
    bool presentation;
    std::uint64_t holder;
};

FrontWindow Window(Rect frame, bool says, bool decorated) {
    return {kId, frame, says, decorated, false, false, false};
}

class FullScreenTable : public ::testing::TestWithParam<Case> {};

TEST_P(FullScreenTable, FindsTheWindowThatHoldsTheStripsMonitor) {
    const Case& c = GetParam();
    ScreenState screen;
    screen.front = c.front;
    screen.strip = c.strip;
    screen.monitors = c.monitors;
    screen.presentation = c.presentation;
    EXPECT_EQ(FullScreenOverStrip(screen), c.holder);
}

const std::vector<Rect> kTwo{kLeft, kRight};
FrontWindow Shell(Rect frame) {
    FrontWindow w = Window(frame, false, false);
    w.shell = true;
    return w;
}
FrontWindow Minimised(Rect frame) {
    FrontWindow w = Window(frame, true, false);
    w.minimised = true;
    return w;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FullScreenTable, ::testing::Values(
    Case{"NothingInFront", {}, kStripLeft, kTwo, false, 0},
    Case{"AnOrdinaryWindow", Window({100, 100, 900, 700}, false, true), kStripLeft, kTwo, false, 0},
    Case{"SaysFullScreen", Window(kLeft, true, false), kStripLeft, kTwo, false, kId},
    Case{"SaysFullScreenWhateverItsSize", Window({10, 10, 500, 500}, true, true), kStripLeft, kTwo, false, kId},
    Case{"CoversItsMonitorWithoutAFrame", Window(kLeft, false, false), kStripLeft, kTwo, false, kId},
    Case{"CoversItAndMore", Window({-5, -5, 1930, 1085}, false, false), kStripLeft, kTwo, false, kId},
    Case{"AMaximisedWindowKeepsItsFrame", Window({-8, -8, 1928, 1088}, false, true), kStripLeft, kTwo, false, 0},
    Case{"OnePixelShortAtTheRight", Window({0, 0, 1919, 1080}, false, false), kStripLeft, kTwo, false, 0},
    Case{"OnePixelShortAtTheBottom", Window({0, 0, 1920, 1079}, false, false), kStripLeft, kTwo, false, 0},
    Case{"OnePixelInAtTheTop", Window({0, 1, 1920, 1080}, false, false), kStripLeft, kTwo, false, 0},
    Case{"TheDesktopCoversTheMonitorButIsTheShells", Shell(kLeft), kStripLeft, kTwo, false, 0},
    Case{"AMinimisedFullScreenWindow", Minimised(kLeft), kStripLeft, kTwo, false, 0},
    Case{"FullScreenOnTheOtherMonitor", Window(kRight, true, false), kStripLeft, kTwo, false, 0},
    Case{"CoversTheOtherMonitor", Window(kRight, false, false), kStripLeft, kTwo, false, 0},
    Case{"TheStripOnTheOtherMonitor", Window(kRight, false, false), kStripRight, kTwo, false, kId},
    Case{"TheStripAcrossTheBorderBelongsWhereMostOfItIs",
         Window(kRight, true, false), {1500, 0, 2150, 139}, kTwo, false, 0},
    Case{"TheStripMostlyOnTheRight", Window(kRight, true, false), {1800, 0, 2450, 139}, kTwo, false, kId},
    Case{"SpanningBothTheStripOnTheSmallerMonitor", Window({0, -200, 3200, 1080}, false, false), kStripRight, kTwo, false, 0},
    Case{"SpanningBothItBelongsToTheLargerMonitor", Window({0, -200, 3200, 1080}, false, false), kStripLeft, kTwo, false, kId},
    Case{"PresentationModeHoldsEveryMonitor", {}, kStripRight, kTwo, true, kPresentationHolder},
    Case{"PresentationModeOverAFullScreenWindow", Window(kLeft, true, false), kStripLeft, kTwo, true, kPresentationHolder},
    Case{"NoMonitorsKnownButItSaysSo", Window(kLeft, true, false), kStripLeft, {}, false, kId},
    Case{"NoMonitorsKnownNothingIsCovered", Window(kLeft, false, false), kStripLeft, {}, false, 0},
    Case{"TheStripOffEveryMonitor", Window(kLeft, true, false), {-900, -900, -250, -761}, kTwo, false, kId},
    Case{"AWindowOffEveryMonitorThatSaysSo", Window({-900, -900, -100, -100}, true, false), kStripLeft, kTwo, false, kId},
    Case{"AnEmptyMonitorIsNeverCovered", Window({0, 0, 10, 10}, false, false), kStripLeft, {{0, 0, 0, 0}}, false, 0}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });
// clang-format on

TEST(MonitorOf, TheOneWithMostOfTheRectangle) {
    const std::vector<Rect> monitors{kLeft, kRight};
    EXPECT_EQ(MonitorOf(kStripLeft, monitors), 0u);
    EXPECT_EQ(MonitorOf(kStripRight, monitors), 1u);
    EXPECT_EQ(MonitorOf({1900, 0, 1960, 10}, monitors), 1u) << "40 of its 60 columns";
    EXPECT_EQ(MonitorOf({1890, 0, 1950, 10}, monitors), 0u);
    EXPECT_EQ(MonitorOf({1910, 0, 1930, 10}, monitors), 0u) << "a tie goes to the first";
}

TEST(MonitorOf, NoneWhenItOnlyTouchesOrMisses) {
    const std::vector<Rect> monitors{kLeft};
    EXPECT_FALSE(MonitorOf({1920, 0, 2000, 100}, monitors)) << "touching the right edge";
    EXPECT_FALSE(MonitorOf({0, 1080, 100, 1200}, monitors)) << "touching the bottom";
    EXPECT_FALSE(MonitorOf({100, 100, 100, 200}, monitors)) << "an empty rectangle";
    EXPECT_FALSE(MonitorOf(kLeft, {})) << "no monitors";
    // Sizes beyond 32 bits of area do not overflow.
    EXPECT_EQ(MonitorOf({-2000000000, -2000000000, 2000000000, 2000000000}, monitors), 0u);
}

} // namespace
} // namespace lumio
