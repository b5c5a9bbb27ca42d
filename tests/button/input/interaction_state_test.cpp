// Every transition of mState, and every source of Click, each as a row: the flags before,
// the notification or message, and what must follow.
#include "button/support/input_rig.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumio {
namespace {

using testing::ButtonSettings;
using testing::RunningButton;

struct Flags {
    bool pointer = false; // the pointer lies over the button (implied by `over`)
    bool over = false;
    bool left = false;
    bool space = false;
    bool checkBox = false;
    bool value = false;
    bool enabled = true;
    bool parentActive = false;
    bool isDefault = false;
    std::int16_t lastButton = 0;
};

// Puts the button in the given condition without going through any handler.
void Arrange(RunningButton& b, const Flags& f) {
    if (f.pointer || f.over) {
        b.MoveTo(5, 5);
    }
    ButtonModel& m = b.m();
    m.mMouseOver = f.over;
    m.mLeftDown = f.left;
    m.mSpaceDown = f.space;
    m.CheckBoxMode = f.checkBox;
    m.Value = f.value;
    m.Enabled = f.enabled;
    b.host.SetSurfaceEnabled(f.enabled);
    m.mParentActive = f.parentActive;
    m.mDisplayAsDefault = f.isDefault;
    m.mLastButton = f.lastButton;
}

using Trigger = std::function<void(RunningButton&)>;

const Trigger kHookEnter = [](RunningButton& b) { b.Hook(WM_MOUSEMOVE); };
const Trigger kHookLeave = [](RunningButton& b) { b.Hook(WM_MOUSELEAVE); };
const Trigger kMove = [](RunningButton& b) { b.button.MouseMove(0, 0, 5, 5); };
const Trigger kLeftDown = [](RunningButton& b) { b.button.MouseDown(1, 0, 5, 5); };
const Trigger kRightDown = [](RunningButton& b) { b.button.MouseDown(2, 0, 5, 5); };
const Trigger kLeftUp = [](RunningButton& b) { b.button.MouseUp(1, 0, 5, 5); };
const Trigger kDblClick = [](RunningButton& b) { b.button.DblClick(); };
const Trigger kSpaceDown = [](RunningButton& b) { b.button.KeyDown(32, 0); };
const Trigger kAltSpaceDown = [](RunningButton& b) { b.button.KeyDown(32, 4); };
const Trigger kSpaceUp = [](RunningButton& b) { b.button.KeyUp(32, 0); };
const Trigger kOtherKeyUp = [](RunningButton& b) { b.button.KeyUp(65, 0); };
const Trigger kEnterDown = [](RunningButton& b) { b.button.KeyDown(13, 0); };
const Trigger kArrowDown = [](RunningButton& b) { b.button.KeyDown(40, 0); };
const Trigger kAccessKey = [](RunningButton& b) { b.button.AccessKeyPress('G'); };
const Trigger kAccessEnter = [](RunningButton& b) { b.button.AccessKeyPress(13); };
const Trigger kGotFocus = [](RunningButton& b) { b.button.GotFocus(); };
const Trigger kLostFocus = [](RunningButton& b) { b.button.LostFocus(); };
const Trigger kActivate = [](RunningButton& b) { b.Activate(WA_ACTIVE); };
const Trigger kDeactivate = [](RunningButton& b) { b.Activate(WA_INACTIVE); };
const Trigger kNcActivate = [](RunningButton& b) { b.Hook(WM_NCACTIVATE, 1); };
const Trigger kNcDeactivate = [](RunningButton& b) { b.Hook(WM_NCACTIVATE, 0); };
const Trigger kOtherMessage = [](RunningButton& b) { b.Hook(WM_PAINT); };
const Trigger kValueFalse = [](RunningButton& b) { b.button.SetValue(false); };
const Trigger kValueTrue = [](RunningButton& b) { b.button.SetValue(true); };
const Trigger kCheckBoxOff = [](RunningButton& b) { b.button.SetCheckBoxMode(false); };

constexpr int kUnchanged = -1;
constexpr int kUnlessPressed = -2; // one repaint, none when already pressed

TEST(InteractionState, EveryTransition) {
    struct Row {
        const char* name;
        Flags flags;
        Trigger trigger;
        int state;  // the new mState, or kUnchanged
        int paints; // repaints, or kUnlessPressed
    };
    const std::vector<Row> rows = {
        {"pointer enters", {.pointer = true}, kHookEnter, 1, 1},
        {"pointer enters, Space held", {.pointer = true, .space = true}, kHookEnter, kUnchanged, 1},
        {"captured move off the button", {}, kHookEnter, kUnchanged, 0},
        {"leave", {.over = true}, kHookLeave, 0, 1},
        {"leave, Space held", {.over = true, .space = true}, kHookLeave, kUnchanged, 0},
        {"leave, disabled", {.over = true, .enabled = false}, kHookLeave, kUnchanged, 1},
        {"move over, left held", {.over = true, .left = true}, kMove, 2, 1},
        {"move over", {.over = true}, kMove, 1, 1},
        {"move over, Space held", {.over = true, .space = true}, kMove, kUnchanged, 1},
        {"move, pointer elsewhere", {.left = true}, kMove, kUnchanged, 0},
        {"left down over", {.over = true}, kLeftDown, 2, 1},
        {"left down, not over", {}, kLeftDown, kUnchanged, 1},
        {"right down over", {.over = true}, kRightDown, kUnchanged, 0},
        {"left up", {.over = true, .left = true}, kLeftUp, kUnchanged, 1},
        {"double click after a left press", {.lastButton = 1}, kDblClick, 2, 2},
        {"double click after a right press", {.lastButton = 2}, kDblClick, kUnchanged, 0},
        {"Space down", {}, kSpaceDown, 2, kUnlessPressed},
        {"Space down, left held", {.left = true}, kSpaceDown, kUnchanged, 0},
        {"Alt+Space down", {}, kAltSpaceDown, kUnchanged, 0},
        {"Space down, check-box mode", {.checkBox = true}, kSpaceDown, kUnchanged, 0},
        {"Space up, over, left held", {.over = true, .left = true}, kSpaceUp, 2, 1},
        {"Space up, over", {.over = true}, kSpaceUp, 1, 1},
        {"Space up, not over", {.left = true}, kSpaceUp, 0, 1},
        {"another key up", {.over = true}, kOtherKeyUp, kUnchanged, 0},
        {"Enter down", {}, kEnterDown, kUnchanged, 0},
        {"arrow down", {}, kArrowDown, kUnchanged, 0},
        {"access key unchecks", {.checkBox = true, .value = true}, kAccessKey, 0, 1},
        {"access key checks", {.checkBox = true}, kAccessKey, kUnchanged, 1},
        {"access key, push button", {}, kAccessKey, kUnchanged, 0},
        {"access Enter, check-box mode",
         {.checkBox = true, .value = true},
         kAccessEnter,
         kUnchanged,
         0},
        {"access key, disabled",
         {.checkBox = true, .value = true, .enabled = false},
         kAccessKey,
         kUnchanged,
         0},
        {"focus, over", {.over = true}, kGotFocus, 1, 0},
        {"focus, not over", {}, kGotFocus, 0, 0},
        {"focus, not over, left held", {.left = true}, kGotFocus, kUnchanged, 0},
        {"focus lost, parent active, over", {.over = true, .parentActive = true}, kLostFocus, 1, 1},
        {"focus lost, parent inactive, over", {.over = true}, kLostFocus, 0, 1},
        {"focus lost, parent active, not over", {.parentActive = true}, kLostFocus, 0, 1},
        {"focus lost, default button", {.isDefault = true}, kLostFocus, 0, 2},
        {"parent activated", {.over = true}, kActivate, 0, 1},
        {"parent activated, default button", {.isDefault = true}, kActivate, 0, 2},
        {"parent deactivated", {.over = true, .left = true}, kDeactivate, 0, 1},
        {"caption activated", {.over = true}, kNcActivate, 0, 1},
        {"caption deactivated", {.over = true}, kNcDeactivate, 0, 1},
        {"another hooked message", {.over = true}, kOtherMessage, kUnchanged, 0},
        {"Value := false, check-box mode", {.checkBox = true, .value = true}, kValueFalse, 0, 1},
        {"Value := true, push button", {}, kValueTrue, 0, 1},
        {"check-box mode off", {.checkBox = true, .value = true}, kCheckBoxOff, 0, 1},
    };
    for (const Row& row : rows) {
        for (const int before : {0, 1, 2}) {
            SCOPED_TRACE(std::string(row.name) + ", from state " + std::to_string(before));
            RunningButton b;
            Arrange(b, row.flags);
            b.m().mState = before;
            const int paints = b.paints();
            row.trigger(b);
            EXPECT_EQ(b.m().mState, row.state == kUnchanged ? before : row.state);
            const int repaints = row.paints == kUnlessPressed ? (before == 2 ? 0 : 1) : row.paints;
            EXPECT_EQ(b.paints() - paints, repaints);
            EXPECT_TRUE(b.host.errors.empty());
        }
    }
}

TEST(InteractionState, FlagLifetimes) {
    struct Row {
        const char* name;
        Flags flags;
        Trigger trigger;
        Flags after; // only over, left, space; focus and activity checked apart
        bool focus;
        bool parentActive;
    };
    const Flags all{.over = true, .left = true, .space = true, .parentActive = true};
    const std::vector<Row> rows = {
        {"left down sets left and focus", {}, kLeftDown, {.left = true}, true, false},
        {"right down changes nothing", {}, kRightDown, {}, false, false},
        {"left up clears left", {.left = true}, kLeftUp, {}, false, false},
        {"Space down sets space", {}, kSpaceDown, {.space = true}, false, false},
        {"Alt+Space sets nothing", {}, kAltSpaceDown, {}, false, false},
        {"Space up clears left and space", all, kSpaceUp, {.over = true}, false, true},
        {"access key clears left and space", all, kAccessKey, {.over = true}, false, true},
        {"focus lost clears left and space", all, kLostFocus, {.over = true}, false, true},
        {"deactivation clears all but over", all, kDeactivate, {.over = true}, false, false},
        {"activation sets parent active", {}, kActivate, {}, false, true},
        {"leave clears over", all, kHookLeave, {.left = true, .space = true}, false, true},
        {"entry sets over", {.pointer = true}, kHookEnter, {.over = true}, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RunningButton b;
        Arrange(b, row.flags);
        b.m().mHasFocus = false;
        row.trigger(b);
        EXPECT_EQ(b.m().mMouseOver, row.after.over);
        EXPECT_EQ(b.m().mLeftDown, row.after.left);
        EXPECT_EQ(b.m().mSpaceDown, row.after.space);
        EXPECT_EQ(b.m().mHasFocus, row.focus);
        EXPECT_EQ(b.m().mParentActive, row.parentActive);
    }
    RunningButton b;
    b.button.GotFocus();
    EXPECT_TRUE(b.m().mHasFocus);
    b.Activate(WA_INACTIVE);
    EXPECT_FALSE(b.m().mHasFocus);
}

TEST(InteractionState, ClickSources) {
    struct Row {
        const char* name;
        Flags flags;
        Trigger trigger;
        int clicks;
        bool toggles;
        const char* events; // what the trigger raised, in order
    };
    const auto releaseAt = [](float x, float y) {
        return [x, y](RunningButton& b) { b.button.MouseUp(1, 0, x, y); };
    };
    const std::vector<Row> rows = {
        {"left release inside",
         {.left = true},
         releaseAt(5, 5),
         1,
         false,
         "Click, MouseUp(1,0,5,5)"},
        {"left release inside, check-box mode",
         {.left = true, .checkBox = true},
         releaseAt(74.5f, 22.5f),
         1,
         true,
         "Click, MouseUp(1,0,74.5,22.5)"},
        {"release on x = 0",
         {.left = true, .checkBox = true},
         releaseAt(0, 5),
         0,
         false,
         "MouseUp(1,0,0,5)"},
        {"release on y = 0",
         {.left = true, .checkBox = true},
         releaseAt(5, 0),
         0,
         false,
         "MouseUp(1,0,5,0)"},
        {"release at x = ScaleWidth",
         {.left = true},
         releaseAt(75, 5),
         0,
         false,
         "MouseUp(1,0,75,5)"},
        {"release at y = ScaleHeight",
         {.left = true},
         releaseAt(5, 23),
         0,
         false,
         "MouseUp(1,0,5,23)"},
        {"release just inside the corner",
         {.left = true},
         releaseAt(0.25f, 0.25f),
         1,
         false,
         "Click, MouseUp(1,0,0.25,0.25)"},
        {"release outside", {.left = true}, releaseAt(-3, 40), 0, false, "MouseUp(1,0,-3,40)"},
        {"right release inside",
         {.checkBox = true},
         [](RunningButton& b) { b.button.MouseUp(2, 0, 5, 5); },
         0,
         false,
         "MouseUp(2,0,5,5)"},
        {"Enter", {}, kEnterDown, 1, false, "Click, KeyDown(13,0)"},
        {"Enter, check-box mode", {.checkBox = true}, kEnterDown, 1, false, "Click, KeyDown(13,0)"},
        {"Space up, not over", {}, kSpaceUp, 1, false, "Click, KeyUp(32,0)"},
        {"Space up, over", {.over = true}, kSpaceUp, 1, false, "Click, KeyUp(32,0)"},
        {"Space up, over, left held",
         {.over = true, .left = true},
         kSpaceUp,
         0,
         false,
         "KeyUp(32,0)"},
        {"Space up, left held elsewhere", {.left = true}, kSpaceUp, 1, false, "Click, KeyUp(32,0)"},
        {"Space down, check-box mode", {.checkBox = true}, kSpaceDown, 0, true, "KeyDown(32,0)"},
        {"access key", {}, kAccessKey, 1, false, "Click"},
        {"access key, check-box mode", {.checkBox = true}, kAccessKey, 1, true, "Click"},
        {"access Enter, check-box mode", {.checkBox = true}, kAccessEnter, 0, false, ""},
        {"access Escape, check-box mode",
         {.checkBox = true},
         [](RunningButton& b) { b.button.AccessKeyPress(27); },
         0,
         false,
         ""},
        {"access Enter, push button", {}, kAccessEnter, 1, false, "Click"},
        {"access key, disabled", {.enabled = false}, kAccessKey, 0, false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RunningButton b;
        Arrange(b, row.flags);
        b.events.Clear();
        bool valueAtClick = false;
        b.button.events.Click = [&] {
            valueAtClick = b.button.Value();
            b.events.entries.push_back("Click");
        };
        row.trigger(b);
        EXPECT_EQ(b.events.Count("Click"), row.clicks);
        EXPECT_EQ(b.button.Value(), row.toggles);
        if (row.clicks > 0) {
            EXPECT_EQ(valueAtClick, row.toggles) << "the toggle comes before Click";
        }
        EXPECT_EQ(b.events.Joined(), row.events);
    }
}

} // namespace
} // namespace lumio
