#include "platform/fake_desktop.h"
#include "platform/messages.h"
#include "platform/window_registry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumio {
namespace {

struct Received {
    WindowHandle window;
    MessageNumber message;
    WParam wParam;
    LParam lParam;
    friend bool operator==(const Received&, const Received&) = default;
};

std::ostream& operator<<(std::ostream& out, const Received& r) {
    return out << "{" << r.window << ", " << r.message << ", " << r.wParam << ", " << r.lParam
               << "}";
}

// A parent at (100,100)-(400,200) on the screen with three buttons side by side, each
// window writing down what reaches its own procedure.
class FakeDesktopTest : public ::testing::Test {
protected:
    FakeDesktopTest() : desktop(windows) {
        parent = Make(0, {100, 100, 400, 200});
        for (int i = 0; i < 3; ++i) {
            buttons.push_back(Make(parent, {110 + 100 * i, 110, 190 + 100 * i, 150}));
        }
    }

    WindowHandle Make(WindowHandle owner, Rect screen) {
        const WindowHandle window =
            windows.Create(owner, [this](WindowHandle w, MessageNumber m, WParam wp, LParam lp) {
                received.push_back({w, m, wp, lp});
                return 0;
            });
        desktop.PlaceWindow(window, screen);
        return window;
    }

    std::vector<Received> Take(MessageNumber message) {
        std::vector<Received> picked;
        std::erase_if(received, [&](const Received& r) {
            if (r.message != message) {
                return false;
            }
            picked.push_back(r);
            return true;
        });
        return picked;
    }

    TrackMouseEventRecord LeaveRequest(WindowHandle window) {
        TrackMouseEventRecord request;
        request.hwndTrack = window;
        return request;
    }

    WindowRegistry windows;
    FakeDesktop desktop;
    WindowHandle parent = 0;
    std::vector<WindowHandle> buttons;
    std::vector<Received> received;
};

TEST_F(FakeDesktopTest, TheWindowUnderAPointIsTheDeepestThatCanTakeInput) {
    struct Row {
        Point at;
        int expected; // index into buttons, -1 the parent, -2 none
    };
    const Row rows[] = {{{110, 110}, 0},  {{189, 149}, 0},  {{190, 149}, -1}, {{210, 120}, 1},
                        {{399, 199}, -1}, {{400, 150}, -2}, {{99, 150}, -2}};
    for (const Row& row : rows) {
        const WindowHandle expected = row.expected >= 0    ? buttons[row.expected]
                                      : row.expected == -1 ? parent
                                                           : 0;
        EXPECT_EQ(desktop.WindowFromPoint(row.at), expected) << row.at.x << "," << row.at.y;
    }
    windows.Find(buttons[1])->set_enabled(false);
    EXPECT_EQ(desktop.WindowFromPoint({210, 120}), parent) << "a disabled button passes through";
    windows.Find(buttons[2])->set_visible(false);
    EXPECT_EQ(desktop.WindowFromPoint({310, 120}), parent);
    windows.Find(parent)->set_visible(false);
    EXPECT_EQ(desktop.WindowFromPoint({110, 110}), 0) << "hidden with its parent";
    windows.Find(parent)->set_visible(true);
    windows.Destroy(buttons[0]);
    EXPECT_EQ(desktop.WindowFromPoint({110, 110}), parent);
}

TEST_F(FakeDesktopTest, OfOverlappingTopLevelWindowsTheOnePlacedLastIsOnTop) {
    const WindowHandle first = Make(0, {0, 0, 50, 50});
    const WindowHandle second = Make(0, {25, 25, 75, 75});
    EXPECT_EQ(desktop.WindowFromPoint({30, 30}), second);
    desktop.PlaceWindow(first, {0, 0, 50, 50});
    EXPECT_EQ(desktop.WindowFromPoint({30, 30}), first);
    EXPECT_EQ(desktop.WindowFromPoint({60, 60}), second);
}

TEST_F(FakeDesktopTest, MovingThePointerSendsMouseMovesInClientCoordinates) {
    desktop.MovePointer({125, 130}, MK_LBUTTON);
    EXPECT_EQ(Take(WM_MOUSEMOVE),
              (std::vector<Received>{{buttons[0], WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(15, 20)}}));
    EXPECT_EQ(desktop.GetCursorPos(), (Point{125, 130}));
    desktop.MovePointer({50, 50});
    EXPECT_TRUE(Take(WM_MOUSEMOVE).empty()) << "nothing under the pointer";

    desktop.SetCapture(buttons[0]);
    desktop.MovePointer({105, 100});
    EXPECT_EQ(Take(WM_MOUSEMOVE),
              (std::vector<Received>{{buttons[0], WM_MOUSEMOVE, 0, MakeLParam(-5, -10)}}))
        << "the capture window gets them wherever the pointer is";
    desktop.ReleaseCapture();
    desktop.MovePointer({105, 100});
    EXPECT_EQ(Take(WM_MOUSEMOVE),
              (std::vector<Received>{{parent, WM_MOUSEMOVE, 0, MakeLParam(5, 0)}}));
}

TEST_F(FakeDesktopTest, ALeaveRequestIsAnsweredOnceWhenThePointerLeaves) {
    desktop.MovePointer({120, 120});
    EXPECT_TRUE(desktop.TrackMouseEvent(LeaveRequest(buttons[0])));
    EXPECT_TRUE(desktop.TrackMouseEvent(LeaveRequest(buttons[0]))) << "asked twice, one answer";
    desktop.MovePointer({150, 140});
    EXPECT_TRUE(Take(WM_MOUSELEAVE).empty()) << "still inside";
    EXPECT_TRUE(desktop.IsTrackingLeave(buttons[0]));

    desktop.MovePointer({250, 140});
    EXPECT_EQ(Take(WM_MOUSELEAVE), (std::vector<Received>{{buttons[0], WM_MOUSELEAVE, 0, 0}}));
    EXPECT_FALSE(desktop.IsTrackingLeave(buttons[0]));
    desktop.MovePointer({120, 120});
    desktop.MovePointer({250, 140});
    EXPECT_TRUE(Take(WM_MOUSELEAVE).empty()) << "no new request, no new leave";
}

TEST_F(FakeDesktopTest, LeavingForAChildCountsAsLeavingTheParent) {
    desktop.MovePointer({105, 105});
    desktop.TrackMouseEvent(LeaveRequest(parent));
    desktop.MovePointer({120, 120});
    EXPECT_EQ(Take(WM_MOUSELEAVE), (std::vector<Received>{{parent, WM_MOUSELEAVE, 0, 0}}));
}

TEST_F(FakeDesktopTest, ARequestMadeWithThePointerElsewhereIsAnsweredByTheNextMove) {
    desktop.MovePointer({250, 140});
    EXPECT_TRUE(desktop.ComctlTrackMouseEvent(LeaveRequest(buttons[0])));
    EXPECT_TRUE(Take(WM_MOUSELEAVE).empty());
    desktop.MovePointer({251, 140});
    EXPECT_EQ(Take(WM_MOUSELEAVE), (std::vector<Received>{{buttons[0], WM_MOUSELEAVE, 0, 0}}));
}

TEST_F(FakeDesktopTest, PlacingThePointerMovesItWithoutAMessage) {
    desktop.MovePointer({120, 120});
    desktop.TrackMouseEvent(LeaveRequest(buttons[0]));
    received.clear();
    desktop.PlacePointer({250, 140});
    EXPECT_TRUE(received.empty()) << "neither a move nor the pending leave";
    EXPECT_EQ(desktop.GetCursorPos(), (Point{250, 140}));
    EXPECT_EQ(desktop.WindowFromPoint(desktop.GetCursorPos()), buttons[1]);
    EXPECT_TRUE(desktop.IsTrackingLeave(buttons[0])) << "the request waits for a real move";
    desktop.MovePointer({251, 140});
    EXPECT_EQ(Take(WM_MOUSELEAVE), (std::vector<Received>{{buttons[0], WM_MOUSELEAVE, 0, 0}}));
}

TEST_F(FakeDesktopTest, TheLeaveGoesThroughTheWindowsChain) {
    MessageNumber seen_by_link = 0;
    windows.InstallProcedure(buttons[1], [&](const PreviousProcedure& previous, WindowHandle w,
                                             MessageNumber m, WParam wp, LParam lp) {
        seen_by_link = m;
        return previous(w, m, wp, lp);
    });
    desktop.MovePointer({210, 120});
    desktop.TrackMouseEvent(LeaveRequest(buttons[1]));
    desktop.MovePointer({0, 0});
    EXPECT_EQ(seen_by_link, WM_MOUSELEAVE);
    EXPECT_EQ(Take(WM_MOUSELEAVE).size(), 1u);
}

TEST_F(FakeDesktopTest, MalformedLeaveRequestsAreRefused) {
    TrackMouseEventRecord bad_size = LeaveRequest(buttons[0]);
    bad_size.cbSize = 12;
    TrackMouseEventRecord hover = LeaveRequest(buttons[0]);
    hover.dwFlags = 1;
    const TrackMouseEventRecord nowhere = LeaveRequest(0x12345);
    for (const TrackMouseEventRecord& request : {bad_size, hover, nowhere}) {
        EXPECT_FALSE(desktop.TrackMouseEvent(request));
    }
    EXPECT_FALSE(desktop.IsTrackingLeave(buttons[0]));
    EXPECT_EQ(desktop.CallCount("TrackMouseEvent"), 3u);
}

TEST_F(FakeDesktopTest, CaptureAnswersTheWindowThatHadIt) {
    EXPECT_EQ(desktop.GetCapture(), 0);
    EXPECT_EQ(desktop.SetCapture(buttons[0]), 0);
    EXPECT_EQ(desktop.SetCapture(buttons[1]), buttons[0]);
    EXPECT_EQ(desktop.SetCapture(0x4444), buttons[1]) << "no such window: refused";
    EXPECT_EQ(desktop.GetCapture(), buttons[1]);
    EXPECT_TRUE(desktop.ReleaseCapture());
    EXPECT_EQ(desktop.GetCapture(), 0);
    desktop.SetCapture(buttons[2]);
    windows.Destroy(buttons[2]);
    EXPECT_EQ(desktop.GetCapture(), 0) << "a destroyed window holds nothing";
}

TEST_F(FakeDesktopTest, OnlySystemCursorsLoadAndSetCursorAnswersThePreviousOne) {
    const CursorHandle arrow = desktop.cursor();
    const CursorHandle hand = desktop.LoadCursorA(0, IDC_HAND);
    EXPECT_NE(hand, 0);
    EXPECT_NE(hand, arrow);
    EXPECT_EQ(desktop.LoadCursorA(0, IDC_ARROW), arrow);
    EXPECT_EQ(desktop.LoadCursorA(0, 12345), 0);
    EXPECT_EQ(desktop.LoadCursorA(desktop.GetModuleHandleA("user32"), IDC_HAND), 0);
    EXPECT_EQ(desktop.SetCursor(hand), arrow);
    EXPECT_EQ(desktop.cursor(), hand);
    desktop.RemoveSystemCursor(IDC_HAND);
    EXPECT_EQ(desktop.LoadCursorA(0, IDC_HAND), 0);
}

TEST_F(FakeDesktopTest, TabKeystrokesMoveTheFocusWhenPendingInputRuns) {
    desktop.SetTabOrder({buttons[0], buttons[1], buttons[2]});
    desktop.SetFocus(buttons[0]);
    received.clear();

    desktop.SendKeys("{TAB}");
    EXPECT_EQ(desktop.GetFocus(), buttons[0]) << "not before the input is processed";
    EXPECT_EQ(desktop.pending(), 1u);
    desktop.ProcessPendingMessages();
    EXPECT_EQ(desktop.GetFocus(), buttons[1]);
    EXPECT_EQ(received, (std::vector<Received>{{buttons[0], WM_KILLFOCUS, buttons[1], 0},
                                               {buttons[1], WM_SETFOCUS, buttons[0], 0}}));

    struct Row {
        const char* keys;
        int focus_after;
    };
    windows.Find(buttons[2])->set_enabled(false);
    const Row rows[] = {{"{TAB}", 0},       {"+{TAB}", 1},  {"+{TAB}", 0}, {"{TAB}{TAB}", 0},
                        {"+{TAB}{TAB}", 0}, {"{ENTER}", 0}, {"", 0},       {"{TAB}x{TAB}", 1}};
    for (const Row& row : rows) {
        desktop.SendKeys(row.keys);
        desktop.ProcessPendingMessages();
        EXPECT_EQ(desktop.GetFocus(), buttons[row.focus_after]) << row.keys;
    }
}

TEST_F(FakeDesktopTest, TabFromNowhereStartsAtEitherEndOfTheOrder) {
    desktop.SetTabOrder({buttons[1], buttons[2]});
    desktop.SendKeys("+{TAB}");
    desktop.ProcessPendingMessages();
    EXPECT_EQ(desktop.GetFocus(), buttons[2]);
    desktop.SetFocus(0);
    desktop.SendKeys("{TAB}");
    desktop.ProcessPendingMessages();
    EXPECT_EQ(desktop.GetFocus(), buttons[1]);
    EXPECT_EQ(desktop.SetFocus(0x9999), 0) << "no such window";
    EXPECT_EQ(desktop.GetFocus(), buttons[1]);
}

TEST_F(FakeDesktopTest, PendingMessagesRunInOrderIncludingThosePostedMeanwhile) {
    bool posted_more = false;
    windows.InstallProcedure(buttons[0], [&](const PreviousProcedure& previous, WindowHandle w,
                                             MessageNumber m, WParam wp, LParam lp) {
        if (m == WM_USER && !posted_more) {
            posted_more = true;
            desktop.PostMessage(buttons[1], WM_USER + 2, 0, 0);
        }
        return previous(w, m, wp, lp);
    });
    desktop.PostMessage(buttons[0], WM_USER, 1, 2);
    desktop.PostMessage(buttons[2], WM_USER + 1, 3, 4);
    desktop.PostMessage(0x5555, WM_USER, 0, 0);
    EXPECT_TRUE(received.empty());
    desktop.ProcessPendingMessages();
    EXPECT_EQ(received, (std::vector<Received>{{buttons[0], WM_USER, 1, 2},
                                               {buttons[2], WM_USER + 1, 3, 4},
                                               {buttons[1], WM_USER + 2, 0, 0}}));
    EXPECT_EQ(desktop.pending(), 0u);
}

TEST_F(FakeDesktopTest, TheCallLogShowsWhatWasAsked) {
    desktop.ClearCalls();
    const ModuleHandle comctl = desktop.LoadLibraryA("Comctl32");
    desktop.GetProcAddress(comctl, "_TrackMouseEvent");
    desktop.FreeLibrary(comctl);
    desktop.SetCapture(buttons[0]);
    desktop.SendKeys("+{TAB}");
    EXPECT_EQ(desktop.calls(),
              (std::vector<std::string>{
                  "LoadLibraryA(Comctl32)",
                  "GetProcAddress(" + std::to_string(comctl) + ",_TrackMouseEvent)",
                  "FreeLibrary(" + std::to_string(comctl) + ")",
                  "SetCapture(" + std::to_string(buttons[0]) + ")", "SendKeys(+{TAB})"}));
    EXPECT_EQ(desktop.CallCount("SetCapture"), 1u);
    EXPECT_EQ(desktop.CallCount("Set"), 0u) << "whole names only";
    EXPECT_FALSE(desktop.modules().IsLoaded("comctl32"));
}

} // namespace
} // namespace lumio
