// Whole input sequences as the host delivers them: double clicks, drags, held keys, focus
// moves, activation, and handlers that fail or destroy their control.
#include "button/support/input_rig.h"
#include "platform/errors.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace lumio {
namespace {

using testing::ButtonSettings;
using testing::RunningButton;
using testing::TestDesk;
using testing::TestHost;

TEST(InputSequences, ADoubleClickRaisesItsEventsInOrder) {
    RunningButton b;
    b.MoveTo(5, 6);
    b.events.Clear();
    b.SendMouse(WM_LBUTTONDOWN, 5, 6, MK_LBUTTON);
    b.SendMouse(WM_LBUTTONUP, 5, 6);
    b.SendMouse(WM_LBUTTONDBLCLK, 5, 6, MK_LBUTTON);
    EXPECT_EQ(b.m().mState, kStatePressed);
    EXPECT_EQ(b.desktop().GetCapture(), b.host.window());
    b.SendMouse(WM_LBUTTONUP, 5, 6);
    EXPECT_EQ(b.events.Joined(), "MouseDown(1,0,5,6), Click, MouseUp(1,0,5,6), "
                                 "MouseDown(1,0,5,6), DblClick, Click, MouseUp(1,0,5,6)");
    EXPECT_EQ(b.desktop().GetCapture(), 0);
    b.MoveTo(5, 6);
    EXPECT_EQ(b.m().mState, kStateHover) << "the next move ends the pressed look";
}

TEST(InputSequences, ARightDoubleClickOnlyRaisesMouseUps) {
    RunningButton b;
    b.MoveTo(5, 6);
    b.events.Clear();
    b.SendMouse(WM_RBUTTONDOWN, 5, 6, MK_RBUTTON);
    b.SendMouse(WM_RBUTTONUP, 5, 6);
    b.SendMouse(WM_RBUTTONDBLCLK, 5, 6, MK_RBUTTON);
    b.SendMouse(WM_RBUTTONUP, 5, 6);
    EXPECT_EQ(b.events.Joined(), "MouseUp(2,0,5,6), MouseUp(2,0,5,6)");
    EXPECT_EQ(b.m().mState, kStateHover);
    EXPECT_FALSE(b.m().mLeftDown);
}

TEST(InputSequences, RightAndMiddleButtonsRaiseMovesAndUpsButNoDownOrState) {
    for (const auto& [down, up, keys, button] :
         {std::tuple{WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, 2},
          std::tuple{WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, 4}}) {
        RunningButton b;
        b.MoveTo(5, 6);
        b.events.Clear();
        b.SendMouse(down, 5, 6, keys);
        b.MoveTo(7, 6, keys | MK_SHIFT);
        b.SendMouse(up, 7, 6, MK_CONTROL);
        const std::string n = std::to_string(button);
        EXPECT_EQ(b.events.Joined(), "MouseMove(" + n + ",1,7,6), MouseUp(" + n + ",2,7,6)");
        EXPECT_EQ(b.m().mState, kStateHover);
        EXPECT_FALSE(b.m().mLeftDown);
        EXPECT_FALSE(b.m().mHasFocus);
    }
}

TEST(InputSequences, PressDragOutAndReleaseRaisesNoClick) {
    RunningButton b;
    b.MoveTo(5, 5);
    b.SendMouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    ASSERT_EQ(b.m().mState, kStatePressed);
    b.events.Clear();
    // The capture keeps the moves coming: each one outside raises MouseLeave again, and
    // the leave notification asked for by the move before ends the pressed look. None of
    // them is an entry, though they reach the hook too.
    b.MoveAway(MK_LBUTTON);
    b.desktop().MovePointer({350, 250}, MK_LBUTTON);
    EXPECT_EQ(b.events.Count("MouseLeave"), 4) << "a leave notification and a move, twice";
    EXPECT_EQ(b.events.Count("MouseMove"), 2);
    EXPECT_EQ(b.events.Count("MouseEnter"), 0);
    EXPECT_FALSE(b.m().mMouseOver);
    EXPECT_EQ(b.m().mState, kStateNormal);
    b.events.Clear();
    b.SendMouse(WM_LBUTTONUP, 340, 240);
    EXPECT_EQ(b.events.Joined(), "MouseUp(1,0,340,240)");
    EXPECT_FALSE(b.m().mLeftDown);
    // A move that still lands here, off the button, keeps the pressed look.
    b.m().mState = kStatePressed;
    b.button.MouseMove(0, 0, 340, 240);
    EXPECT_EQ(b.m().mState, kStatePressed);
    EXPECT_EQ(b.events.Count("MouseLeave"), 1);
    // Back over the button, the look follows the pointer again.
    b.MoveTo(5, 5);
    EXPECT_EQ(b.m().mState, kStateHover);
    EXPECT_EQ(b.events.Count("Click"), 0);
}

TEST(InputSequences, AltSpaceRaisesNoKeyDownButItsReleaseStillClicks) {
    RunningButton b;
    b.button.KeyDown(32, 4);
    EXPECT_EQ(b.events.Joined(), "");
    EXPECT_FALSE(b.m().mSpaceDown);
    EXPECT_EQ(b.desktop().GetCapture(), 0);
    b.button.KeyUp(32, 4);
    EXPECT_EQ(b.events.Joined(), "Click, KeyUp(32,4)");
}

TEST(InputSequences, SpaceHeldInCheckBoxModeTogglesOnEveryRepeatAndPaintsAtTheRelease) {
    RunningButton b(ButtonSettings(/*style=*/1, false, /*checkBoxMode=*/true));
    const int paints = b.paints();
    b.button.KeyDown(32, 0);
    EXPECT_TRUE(b.button.Value());
    b.button.KeyDown(32, 0);
    EXPECT_FALSE(b.button.Value());
    b.button.KeyDown(32, 0);
    EXPECT_TRUE(b.button.Value());
    EXPECT_EQ(b.paints(), paints) << "the new look waits for the release";
    EXPECT_EQ(b.events.Count("Click"), 0);
    b.button.KeyUp(32, 0);
    EXPECT_EQ(b.paints(), paints + 1);
    EXPECT_EQ(b.events.Joined(), "KeyDown(32,0), KeyDown(32,0), KeyDown(32,0), Click, KeyUp(32,0)");
    EXPECT_EQ(b.m().mState, kStatePressed) << "a checked look of style 1 is drawn pressed";
}

TEST(InputSequences, SpaceWhileTheLeftButtonHoldsTheButtonDownDoesNotClick) {
    RunningButton b;
    b.MoveTo(5, 5);
    b.SendMouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    b.events.Clear();
    b.button.KeyDown(32, 0);
    EXPECT_FALSE(b.m().mSpaceDown);
    b.button.KeyUp(32, 0);
    EXPECT_EQ(b.events.Joined(), "KeyDown(32,0), KeyUp(32,0)");
    EXPECT_EQ(b.m().mState, kStatePressed);
    EXPECT_FALSE(b.m().mLeftDown);
    EXPECT_FALSE(b.m().mSpaceDown);
    EXPECT_EQ(b.desktop().GetCapture(), b.host.window()) << "the mouse still holds it";
}

TEST(InputSequences, ArrowKeysInjectTheTabKeystrokeBeforeRaisingKeyDown) {
    struct Row {
        std::int16_t key;
        const char* keys;
        int step;
    };
    for (const Row& row :
         {Row{37, "+{TAB}", -1}, Row{38, "+{TAB}", -1}, Row{39, "{TAB}", 1}, Row{40, "{TAB}", 1}}) {
        RunningButton b;
        // Three stops in a tab order of their own: another window, the button, a third.
        const WindowHandle after = b.windows().Create(b.host.parentWindow(), nullptr);
        const WindowHandle first = b.windows().Create(b.host.parentWindow(), nullptr);
        b.desktop().SetTabOrder({first, b.host.window(), after});
        b.desktop().SetFocus(b.host.window());
        std::size_t injectedAtKeyDown = 0;
        b.button.events.KeyDown = [&](std::int16_t&, std::int16_t&) {
            injectedAtKeyDown = b.desktop().CallCount("SendKeys");
        };
        b.desktop().ClearCalls();
        b.button.KeyDown(row.key, 0);
        EXPECT_EQ(injectedAtKeyDown, 1u) << row.key;
        EXPECT_EQ(b.desktop().calls(),
                  std::vector<std::string>{"SendKeys(" + std::string(row.keys) + ")"});
        EXPECT_EQ(b.desktop().GetFocus(), b.host.window()) << "it moves with the pending input";
        b.desktop().ProcessPendingMessages();
        EXPECT_EQ(b.desktop().GetFocus(), row.step < 0 ? first : after);
        EXPECT_FALSE(b.m().mHasFocus);
    }
}

TEST(InputSequences, DeactivationLetsGoOfWhateverHeldTheButton) {
    {
        RunningButton b;
        b.MoveTo(5, 5);
        b.SendMouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        ASSERT_EQ(b.m().mState, kStatePressed);
        const int paints = b.paints();
        b.Activate(WA_INACTIVE);
        EXPECT_EQ(b.m().mState, kStateNormal);
        EXPECT_FALSE(b.m().mLeftDown);
        EXPECT_FALSE(b.m().mHasFocus);
        EXPECT_EQ(b.paints(), paints + 1);
        EXPECT_EQ(b.desktop().GetCapture(), b.host.window()) << "the mouse's capture is the host's";
    }
    {
        RunningButton b;
        b.button.GotFocus();
        b.button.KeyDown(32, 0);
        ASSERT_EQ(b.desktop().GetCapture(), b.host.window());
        b.Activate(WA_INACTIVE);
        EXPECT_EQ(b.m().mState, kStateNormal);
        EXPECT_FALSE(b.m().mSpaceDown);
        EXPECT_EQ(b.desktop().GetCapture(), 0);
        b.button.KeyUp(32, 0);
        EXPECT_EQ(b.events.Count("Click"), 1) << "a stray release still clicks";
    }
}

TEST(InputSequences, TheSpaceKeysCaptureEndsWithTheKey) {
    struct Row {
        const char* name;
        void (*release)(RunningButton&);
    };
    for (const Row& row : {
             Row{"released", [](RunningButton& b) { b.button.KeyUp(32, 0); }},
             Row{"focus lost", [](RunningButton& b) { b.button.LostFocus(); }},
             Row{"access key", [](RunningButton& b) { b.button.AccessKeyPress('G'); }},
         }) {
        SCOPED_TRACE(row.name);
        RunningButton b;
        const WindowHandle other = b.windows().Create(b.host.parentWindow(), nullptr);
        b.desktop().SetCapture(other);
        b.desktop().ClearCalls();
        b.button.KeyDown(32, 0);
        EXPECT_EQ(b.desktop().calls(),
                  (std::vector<std::string>{"GetCapture()", "ReleaseCapture()",
                                            "SetCapture(" + std::to_string(b.host.window()) + ")"}));
        row.release(b);
        EXPECT_EQ(b.desktop().GetCapture(), 0);
        // The next click elsewhere goes where the pointer is.
        b.desktop().PlaceWindow(other, {200, 100, 260, 130});
        b.desktop().MovePointer({210, 110});
        EXPECT_EQ(b.events.Count("MouseMove"), 0);
    }
}

TEST(InputSequences, ALeaveWhileDisabledRepaintsButKeepsTheState) {
    RunningButton b;
    b.MoveTo(5, 5);
    ASSERT_EQ(b.m().mState, kStateHover);
    b.button.SetEnabled(false);
    const int paints = b.paints();
    b.events.Clear();
    b.MoveTo(6, 6); // a disabled window is not under the pointer: the leave comes now
    EXPECT_FALSE(b.m().mMouseOver);
    EXPECT_EQ(b.m().mState, kStateHover);
    EXPECT_EQ(b.paints(), paints + 1);
    EXPECT_EQ(b.events.Joined(), "MouseLeave");
}

TEST(InputSequences, TheHookNeverStopsAMessageNorChangesItsResult) {
    RunningButton b;
    for (const MessageNumber message : {WM_ACTIVATE, WM_NCACTIVATE, WM_MOUSEMOVE, WM_MOUSELEAVE}) {
        for (const bool before : {true, false}) {
            bool handled = false;
            MessageResult result = 77;
            WindowHandle window = b.host.window();
            MessageNumber msg = message;
            WParam wParam = 1;
            LParam lParam = 0;
            b.button.zSubclass_Proc(before, handled, result, window, msg, wParam, lParam);
            EXPECT_FALSE(handled);
            EXPECT_EQ(result, 77);
            EXPECT_EQ(msg, message);
        }
    }
    // Through the chain, the parent's own answer is what the sender gets.
    TestDesk desk;
    const WindowHandle parent =
        desk.windows.Create(0, [](WindowHandle, MessageNumber, WParam, LParam) { return 77; });
    TestHost host(desk, parent);
    QxButton button(host);
    host.Attach(&button);
    button.Initialize();
    button.ReadProperties(ButtonSettings());
    EXPECT_EQ(desk.windows.Send(parent, WM_ACTIVATE, 1, 0), 77);
    EXPECT_TRUE(button.model().mParentActive);
}

TEST(InputSequences, AnErrorEndsTheHandlerAndGoesToTheHost) {
    RunningButton b;
    b.button.events.MouseDown = [](std::int16_t&, std::int16_t&, float&, float&) {
        throw RuntimeError(ErrorNumber::Overflow, "Overflow");
    };
    EXPECT_NO_THROW(b.button.MouseDown(1, 0, 5, 5));
    EXPECT_EQ(b.host.errors, std::vector<std::string>{"Overflow"});
    EXPECT_TRUE(b.m().mLeftDown) << "what ran before the error stays done";

    // Inside a window procedure: the error stops there, the chain and the sender go on.
    b.button.events.MouseEnter = [] { throw std::runtime_error("entry failed"); };
    EXPECT_NO_THROW(b.MoveTo(5, 5));
    EXPECT_EQ(b.host.errors.back(), "entry failed");
    EXPECT_TRUE(b.m().mMouseOver);
    b.Activate(WA_ACTIVE);
    EXPECT_TRUE(b.m().mParentActive);
}

// A button an event callback may destroy, the way a form unloads from a button's Click.
struct DisposableButton {
    TestHost host;
    std::unique_ptr<QxButton> button = std::make_unique<QxButton>(host);
    DisposableButton() {
        host.Attach(button.get());
        button->Initialize();
        button->ReadProperties(ButtonSettings(0, false, true));
    }
    void DestroyOn(std::function<void()>& event) {
        event = [this] {
            host.Attach(nullptr);
            button.reset();
        };
    }
    bool Unhooked() {
        const Window* parent = host.Windows().Find(host.parentWindow());
        return parent->Chain() == std::vector<ProcedureId>{parent->own_procedure()};
    }
};

TEST(InputSequences, AClickThatDestroysTheButtonEndsTheHandlerThere) {
    {
        DisposableButton d;
        d.DestroyOn(d.button->events.Click);
        d.button->KeyDown(32, 0);
        d.button->KeyUp(32, 0); // KeyUp and the flags would follow the Click
        EXPECT_EQ(d.button, nullptr);
        EXPECT_TRUE(d.Unhooked());
        EXPECT_TRUE(d.host.errors.empty());
    }
    {
        DisposableButton d;
        d.DestroyOn(d.button->events.MouseEnter);
        d.host.desktop().PlaceWindow(d.host.window(), {0, 0, 75, 23});
        d.host.desktop().MovePointer({5, 5});
        EXPECT_EQ(d.button, nullptr);
        EXPECT_TRUE(d.Unhooked());
    }
    {
        // Pending input run by the access key destroys it before its Click.
        DisposableButton d;
        bool clicked = false;
        d.button->events.Click = [&] { clicked = true; };
        const WindowHandle closer =
            d.host.Windows().Create(0, [&](WindowHandle, MessageNumber, WParam, LParam) {
                d.host.Attach(nullptr);
                d.button.reset();
                return 0;
            });
        d.host.desktop().PostMessage(closer, WM_CLOSE, 0, 0);
        d.button->AccessKeyPress('G');
        EXPECT_EQ(d.button, nullptr);
        EXPECT_FALSE(clicked);
    }
}

} // namespace
} // namespace lumio
