// The run-time input set-up at load (hand cursor, leave-notification probe, hooks and
// watched messages) and its undoing at termination.
#include "button/support/input_rig.h"
#include "platform/errors.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace lumio {
namespace {

using testing::ButtonSettings;
using testing::RunningButton;
using testing::TestHost;

TEST(InputSetup, HooksItsOwnWindowThenTheParentAndWatchesAfterTheirProcessing) {
    RunningButton b;
    const MessageHook* hook = b.button.messageHook();
    ASSERT_NE(hook, nullptr);
    const auto& records = hook->records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].HookedWindow, b.host.window());
    EXPECT_EQ(records[0].AfterTable, (MessageTable{WM_MOUSEMOVE, WM_MOUSELEAVE}));
    EXPECT_EQ(records[0].AfterCount, 2);
    EXPECT_EQ(records[0].BeforeCount, 0);
    EXPECT_EQ(records[1].HookedWindow, b.host.parentWindow());
    EXPECT_EQ(records[1].AfterTable, MessageTable{WM_ACTIVATE}) << "an ordinary form";
    EXPECT_EQ(records[1].BeforeCount, 0);
    for (const HookRecord& r : records) {
        const Window* w = b.windows().Find(r.HookedWindow);
        EXPECT_EQ(w->Chain(), (std::vector<ProcedureId>{r.ThunkAddress, w->own_procedure()}));
    }
    EXPECT_EQ(b.m().mParentHwnd, b.host.parentWindow());
    EXPECT_TRUE(b.m().mTrackLeave);
    EXPECT_TRUE(b.m().mTrackUser32);
}

TEST(InputSetup, TheParentsMdiChildAnswerChoosesTheActivationMessage) {
    struct Row {
        std::optional<std::int32_t> mdiChild; // nothing: the parent cannot answer
        MessageNumber watched;
    };
    for (const Row& row : {Row{0, WM_ACTIVATE}, Row{-1, WM_NCACTIVATE}, Row{1, WM_NCACTIVATE},
                           Row{std::nullopt, WM_NCACTIVATE}}) {
        RunningButton b(ButtonSettings(), [&](TestHost& host) {
            if (row.mdiChild) {
                host.parentProperties["MDIChild"] = *row.mdiChild;
            } else {
                host.parentProperties.erase("MDIChild");
            }
        });
        EXPECT_EQ(b.button.messageHook()->records().at(1).AfterTable, MessageTable{row.watched})
            << "MDIChild " << row.mdiChild.value_or(99);
        const int before = b.paints();
        b.windows().Send(b.host.parentWindow(), row.watched, 1, 0);
        EXPECT_EQ(b.paints(), before + 1);
        EXPECT_TRUE(b.m().mParentActive);
    }
}

// The desktop's calls with module handles written as the library's name: user32 stays
// loaded, so any other handle is the comctl32 the probe loaded itself.
std::vector<std::string> NamingModules(FakeDesktop& desktop) {
    const std::string user32 = std::to_string(desktop.modules().GetModuleHandleA("user32"));
    std::vector<std::string> calls;
    for (std::string call : desktop.calls()) {
        for (const std::string f : {"GetProcAddress(", "FreeLibrary("}) {
            if (call.starts_with(f)) {
                const std::size_t end = call.find_first_of(",)", f.size());
                const std::string handle = call.substr(f.size(), end - f.size());
                call.replace(f.size(), handle.size(), handle == user32 ? "user32" : "comctl32");
            }
        }
        calls.push_back(call);
    }
    return calls;
}

// Which library gives the leave notification, and what the probe asks of the system.
TEST(InputSetup, TheLeaveProbeFindsTheFunctionOrGoesWithoutHooks) {
    struct Row {
        const char* name;
        bool user32Exports;
        std::optional<bool> comctl32Exports; // nothing: no such library at all
        bool trackLeave;
        bool trackUser32;
        const char* tracker; // the call a hover makes
        std::vector<std::string> probeCalls;
    };
    const std::vector<Row> rows = {
        {"user32",
         true,
         true,
         true,
         true,
         "TrackMouseEvent",
         {"GetModuleHandleA(User32)", "GetProcAddress(user32,TrackMouseEvent)"}},
        {"comctl32, loaded for the probe and freed",
         false,
         true,
         true,
         false,
         "_TrackMouseEvent",
         {"GetModuleHandleA(User32)", "GetProcAddress(user32,TrackMouseEvent)",
          "GetModuleHandleA(Comctl32)", "LoadLibraryA(Comctl32)",
          "GetProcAddress(comctl32,_TrackMouseEvent)", "FreeLibrary(comctl32)"}},
        {"neither exports it",
         false,
         false,
         false,
         false,
         nullptr,
         {"GetModuleHandleA(User32)", "GetProcAddress(user32,TrackMouseEvent)",
          "GetModuleHandleA(Comctl32)", "LoadLibraryA(Comctl32)",
          "GetProcAddress(comctl32,_TrackMouseEvent)", "FreeLibrary(comctl32)"}},
        {"comctl32 cannot be loaded",
         false,
         std::nullopt,
         false,
         false,
         nullptr,
         {"GetModuleHandleA(User32)", "GetProcAddress(user32,TrackMouseEvent)",
          "GetModuleHandleA(Comctl32)", "LoadLibraryA(Comctl32)"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RunningButton b(ButtonSettings(), [&](TestHost& host) {
            ModuleTable& modules = host.desktop().modules();
            if (!row.user32Exports) {
                modules.Add("user32", {"SetCapture", "GetCursorPos"}, true);
            }
            if (!row.comctl32Exports) {
                modules.Remove("comctl32");
            } else if (!*row.comctl32Exports) {
                modules.Add("comctl32", {"InitCommonControls"}, false);
            }
        });
        EXPECT_EQ(NamingModules(b.desktop()), row.probeCalls);
        EXPECT_FALSE(b.desktop().modules().IsLoaded("comctl32")) << "freed again";
        EXPECT_EQ(b.m().mTrackLeave, row.trackLeave);
        EXPECT_EQ(b.m().mTrackUser32, row.trackUser32);
        EXPECT_EQ(b.button.messageHook() != nullptr, row.trackLeave);

        b.desktop().ClearCalls();
        b.MoveTo(5, 5);
        if (row.tracker) {
            EXPECT_EQ(b.desktop().CallCount(row.tracker), 2u) << "the move and the entry";
            EXPECT_EQ(b.m().mState, kStateHover);
            EXPECT_EQ(b.events.Count("MouseEnter"), 1);
        } else {
            // No hook: the pointer never gives the hover look, nor MouseEnter, nor a
            // leave request; the move itself still arrives.
            EXPECT_EQ(b.desktop().CallCount("TrackMouseEvent") +
                          b.desktop().CallCount("_TrackMouseEvent"),
                      0u);
            EXPECT_FALSE(b.m().mMouseOver);
            EXPECT_EQ(b.m().mState, kStateNormal);
            EXPECT_EQ(b.events.Joined(), "MouseMove(0,0,5,5)");
            EXPECT_EQ(b.windows().Find(b.host.parentWindow())->Chain().size(), 1u);
        }
    }
}

TEST(InputSetup, TheHandCursorIsLoadedOnlyWhenAskedForAndShownOnlyWhenHeld) {
    {
        RunningButton b(ButtonSettings(0, /*handPointer=*/true));
        EXPECT_EQ(b.desktop().calls().front(), "LoadCursorA(0,32649)");
        EXPECT_NE(b.m().mHandCursor, 0);
        EXPECT_TRUE(b.button.HandPointer());
        b.MoveTo(5, 5); // enters: the hand is applied from the next move on
        EXPECT_NE(b.desktop().cursor(), b.m().mHandCursor);
        b.MoveTo(6, 6);
        EXPECT_EQ(b.desktop().cursor(), b.m().mHandCursor);
        // Turned off later, the hand is no longer applied.
        b.button.SetHandPointer(false);
        b.desktop().ClearCalls();
        b.button.MouseDown(1, 0, 5, 5);
        b.button.MouseUp(1, 0, 5, 5);
        EXPECT_EQ(b.desktop().CallCount("SetCursor"), 0u);
    }
    {
        // No such cursor on the system: HandPointer drops to false, unreported.
        RunningButton b(ButtonSettings(0, true),
                        [](TestHost& host) { host.desktop().RemoveSystemCursor(IDC_HAND); });
        EXPECT_FALSE(b.button.HandPointer());
        EXPECT_EQ(b.m().mHandCursor, 0);
        for (const std::string& change : b.host.changes) {
            EXPECT_NE(change, "HandPointer");
        }
    }
    {
        // Asked for after loading: no cursor is loaded then, so none is shown.
        RunningButton b;
        b.button.SetHandPointer(true);
        b.desktop().ClearCalls();
        b.MoveTo(5, 5);
        b.button.MouseDown(1, 0, 5, 5);
        b.button.DblClick();
        EXPECT_EQ(b.desktop().CallCount("LoadCursorA") + b.desktop().CallCount("SetCursor"), 0u);
    }
}

TEST(InputSetup, AtDesignTimeNothingIsSetUpOrUndone) {
    RunningButton b(ButtonSettings(0, true), [](TestHost& host) { host.userMode = false; });
    EXPECT_TRUE(b.desktop().calls().empty());
    EXPECT_EQ(b.button.messageHook(), nullptr);
    EXPECT_FALSE(b.m().mTrackLeave);
    b.button.Terminate();
    EXPECT_TRUE(b.desktop().calls().empty());
}

TEST(InputSetup, AnOwnWindowThatCannotBeHookedFailsTheLoad) {
    TestHost host;
    QxButton button(host);
    host.Attach(&button);
    host.Windows().Destroy(host.window());
    button.Initialize();
    try {
        button.ReadProperties(ButtonSettings());
        FAIL() << "the load should fail";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::SubscriptOutOfRange);
    }
    // Terminate still takes the parent's hook off again.
    const Window* parent = host.Windows().Find(host.parentWindow());
    EXPECT_EQ(parent->Chain().size(), 2u);
    button.Terminate();
    EXPECT_EQ(parent->Chain(), std::vector<ProcedureId>{parent->own_procedure()});
}

TEST(InputSetup, AParentThatCannotBeHookedLeavesHoverWorkingWithoutActivation) {
    RunningButton b(ButtonSettings(), [](TestHost& host) { host.parentProperties["hWnd"] = 0x7777; });
    int inUse = 0;
    for (const HookRecord& r : b.button.messageHook()->records()) {
        inUse += r.HookedWindow != 0 ? 1 : 0;
    }
    ASSERT_EQ(inUse, 1);
    b.MoveTo(5, 5);
    EXPECT_EQ(b.m().mState, kStateHover);
    const int before = b.paints();
    b.Activate(0);
    EXPECT_EQ(b.paints(), before);

    // The parent's removal fails first; the button's own window is unhooked all the same.
    b.button.Terminate();
    const Window* own = b.windows().Find(b.host.window());
    EXPECT_EQ(own->Chain(), std::vector<ProcedureId>{own->own_procedure()});
    EXPECT_TRUE(b.host.errors.empty());
}

TEST(InputSetup, TerminateRemovesBothHooksAndTheButtonHearsNoMoreMessages) {
    RunningButton b;
    b.button.Terminate();
    for (WindowHandle w : {b.host.window(), b.host.parentWindow()}) {
        const Window* window = b.windows().Find(w);
        EXPECT_EQ(window->Chain(), std::vector<ProcedureId>{window->own_procedure()});
    }
    for (const HookRecord& r : b.button.messageHook()->records()) {
        EXPECT_EQ(r.HookedWindow, 0);
    }
    const int before = b.paints();
    b.Activate(1);
    b.MoveTo(5, 5);
    EXPECT_EQ(b.paints(), before);
    EXPECT_EQ(b.events.Count("MouseEnter"), 0);
    EXPECT_NO_THROW(b.button.Terminate()) << "a second time finds nothing and says nothing";
}

TEST(InputSetup, DestroyingARunningButtonUnhooksIt) {
    TestHost host;
    {
        QxButton button(host);
        host.Attach(&button);
        button.Initialize();
        button.ReadProperties(ButtonSettings());
        host.Attach(nullptr);
    }
    for (WindowHandle w : {host.window(), host.parentWindow()}) {
        const Window* window = host.Windows().Find(w);
        EXPECT_EQ(window->Chain(), std::vector<ProcedureId>{window->own_procedure()});
    }
    EXPECT_EQ(host.Windows().Send(host.parentWindow(), WM_ACTIVATE, 1, 0), 0);
}

} // namespace
} // namespace lumio
