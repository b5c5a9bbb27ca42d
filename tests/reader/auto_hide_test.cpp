#include "fake_controls.h"
#include "reader/auto_hide.h"
#include "reader/boss_key.h"
#include "reader/main_msg_window.h"
#include "recording_form.h"
#include "window_side_fakes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumio::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

// The strip's window as the desktop program has it: every show and hide asked of it is
// also told to the rule, whoever asked.
class ToldForm : public RecordingForm {
public:
    using RecordingForm::RecordingForm;
    void Show() override {
        RecordingForm::Show();
        if (told) {
            told->Asked(true);
        }
    }
    void Hide() override {
        RecordingForm::Hide();
        if (told) {
            told->Asked(false);
        }
    }
    AutoHide* told = nullptr;
};

// Two monitors side by side; the strip at the top centre of the first.
constexpr Rect kLeftMonitor{0, 0, 1920, 1080};
constexpr Rect kRightMonitor{1920, 0, 3200, 1024};
constexpr Rect kStrip{635, 0, 1285, 139};
constexpr std::uint64_t kWindowA = 0xA0;
constexpr std::uint64_t kWindowB = 0xB0;

ScreenState FullScreen(std::uint64_t id, const Rect& monitor) {
    ScreenState s;
    s.front = {id, monitor, true, false, false, false, false};
    s.monitors = {kLeftMonitor, kRightMonitor};
    s.strip = kStrip;
    return s;
}

ScreenState Ordinary() {
    ScreenState s;
    s.front = {0xC0, {100, 100, 900, 700}, false, true, false, false, false};
    s.monitors = {kLeftMonitor, kRightMonitor};
    s.strip = kStrip;
    return s;
}

// The strip itself, or a dialog of the program, in front.
ScreenState OwnWindow() {
    ScreenState s = Ordinary();
    s.front.id = 0xD0;
    s.front.ours = true;
    return s;
}

enum class Step {
    FullA,      // window A full screen on the strip's monitor
    FullB,      // then window B
    FullAThere, // window A full screen on the other monitor
    NoFull,     // an ordinary window in front
    Own,        // one of the program's own windows in front
    TrayHide,   // right click on the tray icon
    TrayShow,   // left click
    Pin,        // the pin button (pinned: unpins and hides; unpinned: pins)
    Boss,       // the boss key
};

struct Case {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> calls; // on the window, in order
    bool visible;
    bool topmost;
};

class AutoHideTable : public ::testing::TestWithParam<Case>, protected StripWithBossKey<ToldForm> {
protected:
    void SetUp() override {
        form.told = &autoHide;
        window.Form_Load();
        window.Form_MouseMove(1, 0, 0, 0); // start-up ends with the strip shown
        bossKey.Start(BossKey::kDefault);
        log.Take();
    }

    void Run(Step step) {
        switch (step) {
        case Step::FullA:
            return autoHide.Seen(FullScreen(kWindowA, kLeftMonitor));
        case Step::FullB:
            return autoHide.Seen(FullScreen(kWindowB, kLeftMonitor));
        case Step::FullAThere:
            return autoHide.Seen(FullScreen(kWindowA, kRightMonitor));
        case Step::NoFull:
            return autoHide.Seen(Ordinary());
        case Step::Own:
            return autoHide.Seen(OwnWindow());
        case Step::TrayHide:
            return window.Form_MouseMove(2, 0, 0, 0);
        case Step::TrayShow:
            return window.Form_MouseMove(1, 0, 0, 0);
        case Step::Pin:
            return window.cmd_top_Click();
        case Step::Boss:
            hotKeys.Press();
            return;
        }
    }

    AutoHide autoHide{form, [this] { return form.visible; }, [this] { log.Add("BringForward"); }};
};

TEST_P(AutoHideTable, HidesAndShowsOnlyWhatItHid) {
    const Case& c = GetParam();
    timer.enabled = true;
    for (Step step : c.steps) {
        Run(step);
    }
    std::vector<std::string> calls = log.Take();
    std::erase_if(calls, [](const std::string& call) { return call.starts_with("trm1."); });
    EXPECT_THAT(calls, ElementsAreArray(c.calls));
    EXPECT_EQ(form.visible, c.visible);
    EXPECT_EQ(form.topmost, c.topmost);
    EXPECT_TRUE(timer.enabled) << "reading goes on";
}

const std::string kUnpin = "SetWindowPos(-2,3)";
const std::string kRepin = "SetWindowPos(-1,3)";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, AutoHideTable, ::testing::Values(
    Case{"FullScreenHidesTheStripAndItsEndShowsIt",
         {Step::FullA, Step::NoFull}, {"Hide", "Show"}, true, true},
    Case{"AnUnpinnedStripComesBackUnpinned",
         {Step::Pin, Step::TrayShow, Step::FullA, Step::NoFull},
         {kUnpin, "Hide", "Show", "Hide", "Show"}, true, false},
    Case{"ATrayHideBeforeIsKept",
         {Step::TrayHide, Step::FullA, Step::NoFull}, {"Hide"}, false, true},
    Case{"APinHideBeforeIsKept",
         {Step::Pin, Step::FullA, Step::NoFull}, {kUnpin, "Hide"}, false, false},
    Case{"ABossKeyHideBeforeIsKept",
         {Step::Boss, Step::FullA, Step::NoFull}, {"Hide"}, false, true},
    Case{"ATrayHideDuringIsKept",
         {Step::FullA, Step::TrayHide, Step::NoFull}, {"Hide", "Hide"}, false, true},
    Case{"ABossKeyHideDuringIsKept",
         {Step::FullA, Step::Boss, Step::Boss, Step::NoFull},
         {"Hide", "Show", "BringForward", "Hide"}, false, true},
    Case{"APinHideDuringIsKept",
         {Step::FullA, Step::Boss, Step::Pin, Step::NoFull},
         {"Hide", "Show", "BringForward", kUnpin, "Hide"}, false, false},
    Case{"TheBossKeyShowsTheStripDuringAndItStays",
         {Step::FullA, Step::Boss, Step::NoFull}, {"Hide", "Show", "BringForward"}, true, true},
    Case{"TheTrayShowsTheStripDuringAndItStays",
         {Step::FullA, Step::TrayShow, Step::NoFull}, {"Hide", "Show", "BringForward"}, true, true},
    Case{"AShownStripStaysUntilTheNextFullScreenWindow",
         {Step::FullA, Step::Boss, Step::FullB, Step::NoFull},
         {"Hide", "Show", "BringForward", "Hide", "Show"}, true, true},
    Case{"TheSameWindowComingBackIsTheNextFullScreenWindow",
         {Step::FullA, Step::Boss, Step::NoFull, Step::FullA},
         {"Hide", "Show", "BringForward", "Hide"}, false, true},
    Case{"TwoFullScreenWindowsOneAfterTheOther",
         {Step::FullA, Step::FullB, Step::NoFull}, {"Hide", "Show"}, true, true},
    Case{"ATrayHideDuringOutlastsTheNextWindow",
         {Step::FullA, Step::TrayHide, Step::FullB, Step::NoFull},
         {"Hide", "Hide"}, false, true},
    Case{"TheSameLookTwiceChangesNothing",
         {Step::FullA, Step::FullA, Step::NoFull, Step::NoFull}, {"Hide", "Show"}, true, true},
    Case{"AFullScreenWindowOnAnotherMonitorLeavesTheStrip",
         {Step::FullAThere, Step::NoFull}, {}, true, true},
    Case{"MovedOntoTheStripsMonitorItHidesTheStrip",
         {Step::FullAThere, Step::FullA, Step::FullAThere}, {"Hide", "Show"}, true, true},
    Case{"TheStripTakingTheFocusDoesNotEndTheFullScreen",
         {Step::FullA, Step::Own, Step::NoFull}, {"Hide", "Show"}, true, true},
    Case{"FocusBackFromTheShownStripIsNotTheNextWindow",
         {Step::FullA, Step::Boss, Step::Own, Step::FullA, Step::NoFull},
         {"Hide", "Show", "BringForward"}, true, true},
    Case{"AShowWithNoFullScreenWindowBringsNothingForward",
         {Step::TrayHide, Step::TrayShow, Step::FullAThere, Step::Boss, Step::Boss},
         {"Hide", "Show", "Hide", "Show"}, true, true},
    Case{"ThePinCanBeUsedAgainAfterwards",
         {Step::FullA, Step::NoFull, Step::Pin, Step::TrayShow, Step::Pin},
         {"Hide", "Show", kUnpin, "Hide", "Show", kRepin}, true, true}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });
// clang-format on

TEST(AutoHide, AWindowThatFailsToHideIsNotShownLater) {
    CallLog log;
    RecordingForm form{log};
    form.visible = true;
    AutoHide autoHide{form, [&form] { return form.visible; }};
    form.failShowHide = true;
    EXPECT_NO_THROW(autoHide.Held(kWindowA));
    EXPECT_FALSE(autoHide.steppedAside());
    form.failShowHide = false;
    autoHide.Held(0);
    EXPECT_THAT(log.Take(), ElementsAre("Hide failed"))
        << "it never stepped aside, so it does not come back";
}

TEST(AutoHide, AWindowThatFailsToShowAgainIsLeftAlone) {
    CallLog log;
    RecordingForm form{log};
    form.visible = true;
    AutoHide autoHide{form, [&form] { return form.visible; }};
    autoHide.Held(kWindowA);
    ASSERT_TRUE(autoHide.steppedAside());
    form.failShowHide = true;
    EXPECT_NO_THROW(autoHide.Held(0));
    EXPECT_FALSE(autoHide.steppedAside());
    form.failShowHide = false;
    autoHide.Held(kWindowB);
    autoHide.Held(0);
    EXPECT_THAT(log.Take(), ElementsAre("Hide", "Show failed"))
        << "the strip is hidden: nothing to hide";
}

TEST(AutoHide, PresentationModeCountsWhateverWindowIsInFront) {
    CallLog log;
    RecordingForm form{log};
    form.visible = true;
    AutoHide autoHide{form, [&form] { return form.visible; }};
    ScreenState screen = OwnWindow();
    screen.presentation = true;
    autoHide.Seen(screen);
    EXPECT_EQ(autoHide.holder(), kPresentationHolder);
    screen.front.ours = false; // the focus goes elsewhere: the same presentation
    autoHide.Seen(screen);
    screen.presentation = false;
    autoHide.Seen(screen);
    EXPECT_THAT(log.Take(), ElementsAre("Hide", "Show"));
}

TEST(AutoHide, ItsOwnShowsAndHidesAreNotTakenForTheUsers) {
    CallLog log;
    ToldForm form{log};
    form.visible = true;
    AutoHide autoHide{form, [&form] { return form.visible; }};
    form.told = &autoHide;
    autoHide.Held(kWindowA);
    EXPECT_TRUE(autoHide.steppedAside());
    EXPECT_EQ(autoHide.holder(), kWindowA);
    autoHide.Held(0);
    EXPECT_FALSE(autoHide.steppedAside());
    EXPECT_EQ(autoHide.holder(), 0u);
    EXPECT_THAT(log.Take(), ElementsAre("Hide", "Show"));
}

} // namespace
} // namespace lumio::testing
