#include "button/message_hook.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/window_registry.h"
#include "recording_control.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace lumio {
namespace {

using testing::HookCall;
using testing::RecordingControl;
using Side = HookThunk::Side;
using Point_ = HookThunk::PatchPoint;

constexpr MessageResult OwnAnswer(MessageNumber message) {
    return 1000 + message;
}

class MessageHookTest : public ::testing::Test {
protected:
    MessageHookTest() {
        parent = Make(0);
        button = Make(parent);
    }

    WindowHandle Make(WindowHandle owner) {
        return windows.Create(owner, [this](WindowHandle w, MessageNumber m, WParam wp, LParam) {
            own_calls.push_back({-1, false, w, m, wp});
            return OwnAnswer(m);
        });
    }

    void ExpectRaisesSubscriptOutOfRange(const std::function<void()>& call, const char* what) {
        try {
            call();
            ADD_FAILURE() << what << ": no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), ErrorNumber::SubscriptOutOfRange) << what;
        }
    }

    WindowRegistry windows;
    WindowHandle parent = 0;
    WindowHandle button = 0;
    std::vector<HookCall> log;
    std::vector<HookCall> own_calls; // wParam in `result`
    RecordingControl control{windows, log};
};

TEST_F(MessageHookTest, HookingPutsAThunkOverTheWindowsProcedure) {
    const ProcedureId own = windows.CurrentProcedure(parent);
    EXPECT_TRUE(control.hook.records().empty());
    ASSERT_EQ(control.hook.HookWindow(parent), 0);

    const HookRecord& record = control.hook.records().at(0);
    EXPECT_EQ(record.HookedWindow, parent);
    EXPECT_EQ(record.ThunkAddress, windows.CurrentProcedure(parent));
    EXPECT_EQ(record.PreviousProc, own);
    EXPECT_EQ(windows.Find(parent)->Chain(), (std::vector<ProcedureId>{record.ThunkAddress, own}));
    ASSERT_TRUE(record.Thunk);
    EXPECT_EQ(record.Thunk->previous_proc(), own);
    EXPECT_EQ(record.Thunk->owner(), &control);
    EXPECT_EQ(record.Thunk->total_patches(), 2) << "previous procedure and owner only";
    EXPECT_EQ(record.Thunk->count(Side::Before), 0);
    EXPECT_EQ(record.Thunk->count(Side::After), 0);

    EXPECT_EQ(windows.Send(parent, WM_ACTIVATE, 1, 0), OwnAnswer(WM_ACTIVATE));
    EXPECT_TRUE(log.empty()) << "nothing watched yet";
    EXPECT_EQ(own_calls.size(), 1u);
}

TEST_F(MessageHookTest, WhenDecidesOnWhichSideTheCallbackRuns) {
    struct Row {
        std::int32_t when;
        MessageNumber watched;
        MessageNumber sent;
        bool before;
        bool after;
    };
    const Row rows[] = {
        {kWatchAfter, WM_MOUSEMOVE, WM_MOUSEMOVE, false, true},
        {kWatchBefore, WM_MOUSEMOVE, WM_MOUSEMOVE, true, false},
        {kWatchBoth, WM_MOUSEMOVE, WM_MOUSEMOVE, true, true},
        {kWatchBoth, WM_MOUSEMOVE, WM_MOUSELEAVE, false, false},
        {kWatchAfter, kEveryMessage, WM_PAINT, false, true},
        {kWatchBefore, kEveryMessage, WM_NULL, true, false},
        {kWatchBoth, kEveryMessage, WM_USER + 7, true, true},
        {0, WM_MOUSEMOVE, WM_MOUSEMOVE, false, false},
        {4, WM_MOUSEMOVE, WM_MOUSEMOVE, false, false},
    };
    for (const Row& row : rows) {
        WindowRegistry local;
        std::vector<HookCall> calls;
        RecordingControl probe(local, calls);
        const WindowHandle window = local.Create(
            0, [](WindowHandle, MessageNumber m, WParam, LParam) { return OwnAnswer(m); });
        probe.hook.HookWindow(window);
        probe.hook.WatchMessage(window, row.watched, row.when);

        EXPECT_EQ(local.Send(window, row.sent, 0, 0), OwnAnswer(row.sent));
        std::vector<HookCall> expected;
        if (row.before) {
            expected.push_back({0, true, window, row.sent, 0});
        }
        if (row.after) {
            expected.push_back({0, false, window, row.sent, OwnAnswer(row.sent)});
        }
        EXPECT_EQ(calls, expected)
            << "when " << row.when << ", watched " << row.watched << ", sent " << row.sent;
    }
}

TEST_F(MessageHookTest, AHandledBeforeCallStopsTheMessage) {
    control.hook.HookWindow(button);
    control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchBoth);
    control.action = [](bool bBefore, bool& bHandled, MessageResult& lReturn, auto&...) {
        if (bBefore) {
            bHandled = true;
            lReturn = 55;
        }
    };
    EXPECT_EQ(windows.Send(button, WM_MOUSEMOVE, 0, 0), 55);
    EXPECT_TRUE(own_calls.empty());
    EXPECT_EQ(log.size(), 1u) << "no after-call";
}

TEST_F(MessageHookTest, ABeforeCallsResultIsOverwrittenUnlessItHandledTheMessage) {
    control.hook.HookWindow(button);
    control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchBefore);
    control.action = [](bool, bool&, MessageResult& lReturn, auto&...) { lReturn = 55; };
    EXPECT_EQ(windows.Send(button, WM_MOUSEMOVE, 0, 0), OwnAnswer(WM_MOUSEMOVE));
}

TEST_F(MessageHookTest, AnAfterCallSeesThePreviousResultAndMayChangeIt) {
    control.hook.HookWindow(button);
    control.hook.WatchMessage(button, WM_NCHITTEST, kWatchAfter);
    MessageResult seen = 0;
    control.action = [&](bool, bool&, MessageResult& lReturn, auto&...) {
        seen = lReturn;
        lReturn = HTCAPTION;
    };
    EXPECT_EQ(windows.Send(button, WM_NCHITTEST, 0, 0), HTCAPTION);
    EXPECT_EQ(seen, OwnAnswer(WM_NCHITTEST));
}

TEST_F(MessageHookTest, ChangesMadeBeforeReachThePreviousProcedureAndTheAfterSearch) {
    control.hook.HookWindow(button);
    control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchBefore);
    control.hook.WatchMessage(button, WM_LBUTTONDOWN, kWatchAfter);
    control.action = [](bool bBefore, bool&, MessageResult&, WindowHandle&, MessageNumber& uMsg,
                        WParam& wParam, LParam&) {
        if (bBefore) {
            uMsg = WM_LBUTTONDOWN;
            wParam = MK_LBUTTON;
        }
    };
    EXPECT_EQ(windows.Send(button, WM_MOUSEMOVE, 0, 0), OwnAnswer(WM_LBUTTONDOWN));
    EXPECT_EQ(own_calls, (std::vector<HookCall>{{-1, false, button, WM_LBUTTONDOWN, MK_LBUTTON}}));
    EXPECT_EQ(log, (std::vector<HookCall>{
                       {0, true, button, WM_MOUSEMOVE, 0},
                       {0, false, button, WM_LBUTTONDOWN, OwnAnswer(WM_LBUTTONDOWN)}}));
}

TEST_F(MessageHookTest, WatchingAMessageTwiceLeavesOneEntry) {
    control.hook.HookWindow(button);
    for (int i = 0; i < 2; ++i) {
        control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchBoth);
        control.hook.WatchMessage(button, WM_MOUSELEAVE, kWatchAfter);
    }
    const HookRecord& record = control.hook.records().at(0);
    EXPECT_EQ(record.AfterTable, (MessageTable{WM_MOUSEMOVE, WM_MOUSELEAVE}));
    EXPECT_EQ(record.AfterCount, 2);
    EXPECT_EQ(record.BeforeTable, MessageTable{WM_MOUSEMOVE});
    EXPECT_EQ(record.BeforeCount, 1);
    const HookThunk& thunk = *record.Thunk;
    EXPECT_EQ(thunk.patches(Point_::AfterTable), 2);
    EXPECT_EQ(thunk.patches(Point_::AfterCount), 2);
    EXPECT_EQ(thunk.patches(Point_::BeforeTable), 1);
    EXPECT_EQ(thunk.patches(Point_::BeforeCount), 1);
    windows.Send(button, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(log.size(), 2u) << "once before, once after";
}

TEST_F(MessageHookTest, GrowingATableRepatchesItsAddressAndCount) {
    control.hook.HookWindow(button);
    const MessageNumber messages[] = {WM_MOUSEMOVE, WM_MOUSELEAVE, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                      WM_KEYDOWN};
    int n = 0;
    for (MessageNumber m : messages) {
        control.hook.WatchMessage(button, m, kWatchAfter);
        ++n;
        const HookRecord& record = control.hook.records().at(0);
        EXPECT_EQ(record.Thunk->table(Side::After), record.AfterTable.data());
        EXPECT_EQ(record.Thunk->count(Side::After), n);
        EXPECT_EQ(record.Thunk->patches(Point_::AfterTable), n);
    }
    for (MessageNumber m : messages) {
        windows.Send(button, m, 0, 0);
    }
    windows.Send(button, WM_KEYUP, 0, 0);
    ASSERT_EQ(log.size(), std::size(messages));
    for (std::size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log[i].message, messages[i]);
    }
}

TEST_F(MessageHookTest, AFreeEntryIsReusedWithoutRepatching) {
    control.hook.HookWindow(button);
    // Watching message 0 leaves an entry that reads as free.
    control.hook.WatchMessage(button, WM_NULL, kWatchAfter);
    const HookThunk& thunk = *control.hook.records().at(0).Thunk;
    const int patches = thunk.total_patches();
    const MessageNumber* address = thunk.table(Side::After);

    control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchAfter);
    const HookRecord& record = control.hook.records().at(0);
    EXPECT_EQ(record.AfterTable, MessageTable{WM_MOUSEMOVE});
    EXPECT_EQ(record.AfterCount, 1);
    EXPECT_EQ(thunk.total_patches(), patches);
    EXPECT_EQ(thunk.table(Side::After), address);
    // The thunk reads the entry through the address it already had.
    windows.Send(button, WM_MOUSEMOVE, 0, 0);
    windows.Send(button, WM_NULL, 0, 0);
    EXPECT_EQ(log,
              (std::vector<HookCall>{{0, false, button, WM_MOUSEMOVE, OwnAnswer(WM_MOUSEMOVE)}}));
}

TEST_F(MessageHookTest, EveryMessageStaysEveryMessage) {
    control.hook.HookWindow(button);
    control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchAfter);
    control.hook.WatchMessage(button, kEveryMessage, kWatchAfter);
    const HookRecord& record = control.hook.records().at(0);
    EXPECT_EQ(record.AfterCount, -1);
    EXPECT_EQ(record.Thunk->patches(Point_::AfterTable), 1) << "no table address for -1";
    EXPECT_EQ(record.Thunk->count(Side::After), -1);
    const int patches = record.Thunk->total_patches();

    // A single message added afterwards must not turn "every message" into "none".
    control.hook.WatchMessage(button, WM_MOUSELEAVE, kWatchAfter);
    EXPECT_EQ(record.AfterCount, -1);
    EXPECT_EQ(record.Thunk->total_patches(), patches);
    windows.Send(button, WM_PAINT, 0, 0);
    windows.Send(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(MessageHookTest, UnhookingRestoresTheProcedureAndFreesTheRecord) {
    const ProcedureId own = windows.CurrentProcedure(button);
    control.hook.HookWindow(button);
    control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchBoth);
    const std::shared_ptr<HookThunk> thunk = control.hook.records().at(0).Thunk;
    const ProcedureId recorded = control.hook.records().at(0).PreviousProc;

    control.hook.UnhookWindow(button);
    EXPECT_EQ(windows.CurrentProcedure(button), recorded);
    EXPECT_EQ(recorded, own);
    const HookRecord& record = control.hook.records().at(0);
    EXPECT_EQ(record.HookedWindow, 0);
    EXPECT_EQ(record.BeforeCount, 0);
    EXPECT_EQ(record.AfterCount, 0);
    EXPECT_TRUE(record.BeforeTable.empty());
    EXPECT_TRUE(record.AfterTable.empty());
    EXPECT_FALSE(record.Thunk);
    EXPECT_EQ(thunk->count(Side::Before), 0) << "the thunk stops calling back";
    EXPECT_EQ(thunk->count(Side::After), 0);
    EXPECT_EQ(thunk.use_count(), 1) << "nothing else holds the thunk any more";

    EXPECT_EQ(windows.Send(button, WM_MOUSEMOVE, 0, 0), OwnAnswer(WM_MOUSEMOVE));
    EXPECT_TRUE(log.empty());
}

TEST_F(MessageHookTest, TheNextHookTakesTheLastFreeRecord) {
    const WindowHandle other = Make(parent);
    const WindowHandle third = Make(parent);
    EXPECT_EQ(control.hook.HookWindow(button), 0);
    EXPECT_EQ(control.hook.HookWindow(parent), 1);
    control.hook.UnhookWindow(button);
    EXPECT_EQ(control.hook.HookWindow(other), 0) << "record 0 was free";
    EXPECT_EQ(control.hook.HookWindow(third), 2) << "none free: a new one at the end";
    control.hook.UnhookAllWindows();
    EXPECT_EQ(control.hook.records().size(), 3u);
    EXPECT_EQ(control.hook.HookWindow(button), 2);
    EXPECT_EQ(control.hook.HookWindow(button), 1) << "a record of the same window is not reused";
    for (WindowHandle w : {parent, other, third}) {
        EXPECT_EQ(windows.Find(w)->Chain().size(), 1u);
    }
}

TEST_F(MessageHookTest, HookingAWindowTwicePutsASecondThunkInFront) {
    const ProcedureId own = windows.CurrentProcedure(button);
    EXPECT_EQ(control.hook.HookWindow(button), 0);
    EXPECT_EQ(control.hook.HookWindow(button), 1);
    const auto& records = control.hook.records();
    EXPECT_EQ(records[1].PreviousProc, records[0].ThunkAddress);
    EXPECT_EQ(control.hook.FindHookRecord(button, false), 1);

    control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchAfter); // the newest record
    EXPECT_EQ(records[1].AfterCount, 1);
    EXPECT_EQ(records[0].AfterCount, 0);
    control.hook.UnhookWindow(button);
    EXPECT_EQ(windows.CurrentProcedure(button), records[0].ThunkAddress);
    control.hook.UnhookWindow(button);
    EXPECT_EQ(windows.CurrentProcedure(button), own);
}

TEST_F(MessageHookTest, WindowsThisControlHasNotHookedRaiseOurError) {
    RecordingControl fresh(windows, log);
    ExpectRaisesSubscriptOutOfRange([&] { fresh.hook.UnhookWindow(button); }, "unhook, no table");
    ExpectRaisesSubscriptOutOfRange([&] { fresh.hook.UnhookAllWindows(); }, "unhook all, no table");
    ExpectRaisesSubscriptOutOfRange([&] { fresh.hook.WatchMessage(button, WM_MOUSEMOVE, 1); },
                                    "watch, no table");
    ExpectRaisesSubscriptOutOfRange([&] { fresh.hook.FindHookRecord(button, false); }, "find");

    control.hook.HookWindow(button);
    const std::vector<ProcedureId> chain = windows.Find(parent)->Chain();
    ExpectRaisesSubscriptOutOfRange([&] { control.hook.WatchMessage(parent, WM_ACTIVATE, 1); },
                                    "watch another window");
    ExpectRaisesSubscriptOutOfRange([&] { control.hook.UnhookWindow(parent); },
                                    "unhook another window");
    ExpectRaisesSubscriptOutOfRange([&] { control.hook.WatchMessage(0, WM_ACTIVATE, 1); },
                                    "watch window 0");
    EXPECT_EQ(windows.Find(parent)->Chain(), chain);
    control.hook.UnhookWindow(button);
    ExpectRaisesSubscriptOutOfRange([&] { control.hook.UnhookWindow(button); }, "unhook twice");
    ExpectRaisesSubscriptOutOfRange([&] { control.hook.UnhookWindow(0); },
                                    "window 0 never matches a free record");
    EXPECT_NO_THROW(control.hook.UnhookAllWindows()) << "nothing left is fine";
}

TEST_F(MessageHookTest, AFailedInstallationLeavesEverythingAsItWas) {
    constexpr WindowHandle kNoWindow = 0x7FFF0000;
    EXPECT_EQ(control.hook.HookWindow(kNoWindow), -1);
    EXPECT_EQ(control.hook.HookWindow(0), -1);
    ASSERT_EQ(control.hook.records().size(), 1u);
    EXPECT_EQ(control.hook.records()[0].HookedWindow, 0);
    ExpectRaisesSubscriptOutOfRange([&] { control.hook.WatchMessage(kNoWindow, WM_ACTIVATE, 1); },
                                    "watch after a failed hook");
    EXPECT_NO_THROW(control.hook.UnhookAllWindows());

    EXPECT_EQ(control.hook.HookWindow(button), 0) << "the free record is taken";
    windows.Destroy(parent);
    EXPECT_EQ(control.hook.HookWindow(parent), -1);
    EXPECT_EQ(control.hook.records().size(), 2u);
    EXPECT_EQ(control.hook.HookWindow(parent), -1) << "the same free record, no growth";
    EXPECT_EQ(control.hook.records().size(), 2u);
}

TEST_F(MessageHookTest, TerminationUnhooksParentThenOwnThenTheRest) {
    // The button's input set-up and its undoing, as the control will run them.
    control.hook.HookWindow(button);
    control.hook.HookWindow(parent);
    control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchAfter);
    control.hook.WatchMessage(button, WM_MOUSELEAVE, kWatchAfter);
    control.hook.WatchMessage(parent, WM_NCACTIVATE, kWatchAfter);
    windows.Send(parent, WM_NCACTIVATE, 1, 0);
    windows.Send(button, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(log.size(), 2u);

    control.hook.UnhookWindow(parent);
    control.hook.UnhookWindow(button);
    control.hook.UnhookAllWindows();
    for (WindowHandle w : {parent, button}) {
        EXPECT_EQ(windows.Find(w)->Chain().size(), 1u);
    }
}

TEST_F(MessageHookTest, AWindowDestroyedWhileHookedCanStillBeUnhooked) {
    control.hook.HookWindow(button);
    control.hook.WatchMessage(button, kEveryMessage, kWatchBoth);
    windows.Destroy(button);
    EXPECT_NO_THROW(control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchAfter))
        << "the record is still there";
    EXPECT_NO_THROW(control.hook.UnhookWindow(button));
    EXPECT_EQ(control.hook.records().at(0).HookedWindow, 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(MessageHookTest, AHookThatGoesAwayTakesItsThunksAlong) {
    const ProcedureId own = windows.CurrentProcedure(parent);
    {
        RecordingControl gone(windows, log, 7);
        gone.hook.HookWindow(parent);
        gone.hook.HookWindow(button);
        gone.hook.WatchMessage(parent, kEveryMessage, kWatchBoth);
        control.hook.HookWindow(parent); // above it: must stay linked
        control.hook.WatchMessage(parent, WM_ACTIVATE, kWatchAfter);
    }
    EXPECT_EQ(windows.Find(parent)->Chain(),
              (std::vector<ProcedureId>{control.hook.records().at(0).ThunkAddress, own}));
    EXPECT_EQ(windows.Find(button)->Chain().size(), 1u);
    EXPECT_EQ(windows.Send(parent, WM_ACTIVATE, 1, 0), OwnAnswer(WM_ACTIVATE));
    EXPECT_EQ(log,
              (std::vector<HookCall>{{0, false, parent, WM_ACTIVATE, OwnAnswer(WM_ACTIVATE)}}));
}

TEST_F(MessageHookTest, ACallbackMayUnhookItsOwnWindowWhileTheMessageRuns) {
    struct Row {
        bool in_before;
        std::size_t calls;
    };
    for (const Row row : {Row{true, 1}, Row{false, 2}}) {
        log.clear();
        own_calls.clear();
        control.hook.HookWindow(button);
        control.hook.WatchMessage(button, WM_MOUSELEAVE, kWatchBoth);
        control.action = [&](bool bBefore, auto&...) {
            if (bBefore == row.in_before) {
                control.hook.UnhookWindow(button);
            }
        };
        EXPECT_EQ(windows.Send(button, WM_MOUSELEAVE, 0, 0), OwnAnswer(WM_MOUSELEAVE));
        EXPECT_EQ(log.size(), row.calls) << "no callback after the unhook";
        EXPECT_EQ(own_calls.size(), 1u);
        EXPECT_EQ(windows.Find(button)->Chain().size(), 1u);
    }
}

TEST_F(MessageHookTest, ACallbackMayWatchMoreWhileTheMessageRuns) {
    control.hook.HookWindow(button);
    control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchBefore);
    control.action = [&](bool bBefore, auto&...) {
        if (bBefore) {
            // Grows the after table (new address) and hooks another window in between.
            for (MessageNumber m = WM_USER; m < WM_USER + 20; ++m) {
                control.hook.WatchMessage(button, m, kWatchAfter);
            }
            control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchAfter);
            control.hook.HookWindow(parent);
        }
    };
    windows.Send(button, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(log,
              (std::vector<HookCall>{{0, true, button, WM_MOUSEMOVE, 0},
                                     {0, false, button, WM_MOUSEMOVE, OwnAnswer(WM_MOUSEMOVE)}}));
}

TEST_F(MessageHookTest, ACallbackMayBeReenteredByMessagesItSends) {
    control.hook.HookWindow(button);
    control.hook.WatchMessage(button, WM_MOUSEMOVE, kWatchAfter);
    control.hook.WatchMessage(button, WM_PAINT, kWatchAfter);
    control.action = [&](bool, bool&, MessageResult&, WindowHandle& hwnd, MessageNumber& uMsg,
                         auto&...) {
        if (uMsg == WM_MOUSEMOVE) {
            windows.Send(hwnd, WM_PAINT, 0, 0); // a repaint from inside the callback
        }
    };
    EXPECT_EQ(windows.Send(button, WM_MOUSEMOVE, 0, 0), OwnAnswer(WM_MOUSEMOVE));
    EXPECT_EQ(log, (std::vector<HookCall>{{0, false, button, WM_MOUSEMOVE, OwnAnswer(WM_MOUSEMOVE)},
                                          {0, false, button, WM_PAINT, OwnAnswer(WM_PAINT)}}));
}

TEST_F(MessageHookTest, AControlDestroyedWhileItsThunkRunsIsNotCalledBack) {
    // The outer control goes away while the message is inside the inner one's callback:
    // its thunk still has to finish the message, without calling back.
    auto outer = std::make_unique<RecordingControl>(windows, log, 1);
    control.hook.HookWindow(parent);
    outer->hook.HookWindow(parent);
    control.hook.WatchMessage(parent, WM_ACTIVATE, kWatchBoth);
    outer->hook.WatchMessage(parent, WM_ACTIVATE, kWatchBoth);
    control.action = [&](bool bBefore, auto&...) {
        if (bBefore) {
            outer.reset();
        }
    };
    EXPECT_EQ(windows.Send(parent, WM_ACTIVATE, 1, 0), OwnAnswer(WM_ACTIVATE));
    EXPECT_EQ(log,
              (std::vector<HookCall>{{1, true, parent, WM_ACTIVATE, 0},
                                     {0, true, parent, WM_ACTIVATE, 0},
                                     {0, false, parent, WM_ACTIVATE, OwnAnswer(WM_ACTIVATE)}}));
    EXPECT_EQ(windows.Find(parent)->Chain().size(), 2u);
}

TEST_F(MessageHookTest, AnErrorInTheCallbackGoesToTheSenderAndTheChainStays) {
    control.hook.HookWindow(button);
    control.hook.WatchMessage(button, WM_KEYDOWN, kWatchAfter);
    const std::vector<ProcedureId> chain = windows.Find(button)->Chain();
    control.action = [](auto&&...) { throw RuntimeError(ErrorNumber::Overflow, "handler"); };
    EXPECT_THROW(windows.Send(button, WM_KEYDOWN, VK_SPACE, 0), RuntimeError);
    EXPECT_EQ(windows.Find(button)->Chain(), chain);
    control.action = nullptr;
    EXPECT_EQ(windows.Send(button, WM_KEYDOWN, VK_SPACE, 0), OwnAnswer(WM_KEYDOWN));
}

} // namespace
} // namespace lumio
