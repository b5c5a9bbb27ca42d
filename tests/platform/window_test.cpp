#include "platform/messages.h"
#include "platform/window.h"
#include "platform/window_registry.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace lumio {
namespace {

// A link that writes its name to a trace on the way in and out, then forwards.
SubclassProcedure Tracing(std::vector<std::string>& trace, std::string name) {
    return [&trace, name](const PreviousProcedure& previous, WindowHandle window,
                          MessageNumber message, WParam wParam, LParam lParam) {
        trace.push_back(name);
        const MessageResult result = previous(window, message, wParam, lParam);
        trace.push_back("/" + name);
        return result;
    };
}

WindowProcedure OwnProcedure(std::vector<std::string>& trace, MessageResult answer) {
    return [&trace, answer](WindowHandle, MessageNumber, WParam, LParam) {
        trace.push_back("own");
        return answer;
    };
}

TEST(WindowRegistry, HandlesAreUniqueNonzeroAndParentsMustExist) {
    WindowRegistry windows;
    std::set<WindowHandle> seen;
    const WindowHandle top = windows.Create(0, nullptr);
    for (int i = 0; i < 50; ++i) {
        const WindowHandle child = windows.Create(top, nullptr);
        ASSERT_NE(child, 0);
        EXPECT_TRUE(seen.insert(child).second);
        windows.Destroy(child);
    }
    EXPECT_FALSE(seen.contains(top));
    EXPECT_EQ(windows.Create(0x7777, nullptr), 0) << "no such parent";
    const Window* window = windows.Find(top);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parent(), 0);
    EXPECT_TRUE(window->enabled());
    EXPECT_TRUE(window->visible());
    EXPECT_EQ(windows.size(), 1u);
}

TEST(WindowRegistry, DestroyTakesDescendantsAlongAndStaleHandlesMiss) {
    WindowRegistry windows;
    const WindowHandle top = windows.Create(0, nullptr);
    const WindowHandle other = windows.Create(0, nullptr);
    const WindowHandle child = windows.Create(top, [](auto...) { return 5; });
    const WindowHandle grandchild = windows.Create(child, nullptr);
    EXPECT_EQ(windows.Children(top), std::vector<WindowHandle>{child});
    EXPECT_EQ(windows.Send(child, WM_NULL, 0, 0), 5);

    EXPECT_TRUE(windows.Destroy(top));
    std::vector<std::string> trace;
    for (WindowHandle gone : {top, child, grandchild}) {
        EXPECT_FALSE(windows.IsWindow(gone));
        EXPECT_EQ(windows.Send(gone, WM_NULL, 0, 0), 0);
        EXPECT_EQ(windows.CurrentProcedure(gone), 0u);
        EXPECT_FALSE(windows.InstallProcedure(gone, Tracing(trace, "x")).has_value());
    }
    EXPECT_TRUE(windows.IsWindow(other));
    EXPECT_FALSE(windows.Destroy(top));
}

TEST(WindowChain, MessagesRunOutermostFirstAndTheResultComesBack) {
    WindowRegistry windows;
    std::vector<std::string> trace;
    const WindowHandle window = windows.Create(0, OwnProcedure(trace, 77));
    const ProcedureId own = windows.CurrentProcedure(window);
    const auto a = windows.InstallProcedure(window, Tracing(trace, "a"));
    const auto b = windows.InstallProcedure(window, Tracing(trace, "b"));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->replaced, own);
    EXPECT_EQ(b->replaced, a->installed);
    EXPECT_EQ(windows.CurrentProcedure(window), b->installed);
    EXPECT_EQ(windows.Find(window)->Chain(),
              (std::vector<ProcedureId>{b->installed, a->installed, own}));

    EXPECT_EQ(windows.Send(window, WM_PAINT, 0, 0), 77);
    EXPECT_EQ(trace, (std::vector<std::string>{"b", "a", "own", "/a", "/b"}));
}

TEST(WindowChain, ALinkMayChangeTheMessageAndTheResult) {
    WindowRegistry windows;
    MessageNumber seen_message = 0;
    WParam seen_wparam = 0;
    const WindowHandle window =
        windows.Create(0, [&](WindowHandle, MessageNumber message, WParam wParam, LParam) {
            seen_message = message;
            seen_wparam = wParam;
            return HTCLIENT;
        });
    windows.InstallProcedure(window, [](const PreviousProcedure& previous, WindowHandle hwnd,
                                        MessageNumber, WParam wParam, LParam lParam) {
        return previous(hwnd, WM_NCHITTEST, wParam + 1, lParam) + 10;
    });
    EXPECT_EQ(windows.Send(window, WM_NULL, 4, 0), HTCLIENT + 10);
    EXPECT_EQ(seen_message, WM_NCHITTEST);
    EXPECT_EQ(seen_wparam, 5);
}

TEST(WindowChain, AnyLinkCanBeRemovedAndTheOthersKeepForwarding) {
    // Every order of removing three links: after each removal the message passes every
    // remaining link once, in installation order from the outside, and ends at the own
    // procedure.
    std::array<int, 3> order = {0, 1, 2};
    do {
        WindowRegistry windows;
        std::vector<std::string> trace;
        const WindowHandle window = windows.Create(0, OwnProcedure(trace, 1));
        std::vector<ProcedureSwap> swaps;
        for (const char* name : {"0", "1", "2"}) {
            swaps.push_back(*windows.InstallProcedure(window, Tracing(trace, name)));
        }
        std::vector<int> remaining = {2, 1, 0};
        for (int removed : order) {
            ASSERT_TRUE(windows.RestoreProcedure(window, swaps[removed]));
            std::erase(remaining, removed);
            trace.clear();
            EXPECT_EQ(windows.Send(window, WM_NULL, 0, 0), 1);
            std::vector<std::string> expected;
            for (int i : remaining) {
                expected.push_back(std::to_string(i));
            }
            expected.push_back("own");
            for (auto it = remaining.rbegin(); it != remaining.rend(); ++it) {
                expected.push_back("/" + std::to_string(*it));
            }
            EXPECT_EQ(trace, expected) << "order " << order[0] << order[1] << order[2];
        }
        EXPECT_EQ(windows.Find(window)->Chain().size(), 1u);
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(WindowChain, RestoringIsRefusedForTheOwnProcedureAndForLinksAlreadyGone) {
    WindowRegistry windows;
    const WindowHandle window = windows.Create(0, nullptr);
    const ProcedureId own = windows.CurrentProcedure(window);
    std::vector<std::string> trace;
    const ProcedureSwap swap = *windows.InstallProcedure(window, Tracing(trace, "x"));
    EXPECT_FALSE(windows.RestoreProcedure(window, {own, 0}));
    EXPECT_FALSE(windows.RestoreProcedure(window, {0, 0}));
    EXPECT_TRUE(windows.RestoreProcedure(window, swap));
    EXPECT_FALSE(windows.RestoreProcedure(window, swap));
    EXPECT_EQ(windows.CurrentProcedure(window), own);
    const WindowHandle other = windows.Create(0, nullptr);
    const ProcedureSwap elsewhere = *windows.InstallProcedure(other, nullptr);
    EXPECT_FALSE(windows.RestoreProcedure(window, elsewhere)) << "a link of another window";
    EXPECT_EQ(windows.CurrentProcedure(other), elsewhere.installed);
}

TEST(WindowChain, CaptionDragProcedureComesAndGoesWithoutCuttingOthers) {
    // The reader's pattern: remember what is there, put a procedure over it, later put
    // back what was there, while other procedures come and go above and below.
    WindowRegistry windows;
    std::vector<std::string> trace;
    const WindowHandle window = windows.Create(
        0, [](WindowHandle, MessageNumber message, WParam wParam, LParam) -> MessageResult {
            return message == WM_NCHITTEST ? static_cast<MessageResult>(wParam) : 0;
        });
    const auto below = *windows.InstallProcedure(window, Tracing(trace, "below"));
    const ProcedureSwap reader =
        *windows.InstallProcedure(window, [](const PreviousProcedure& previous, WindowHandle hwnd,
                                             MessageNumber message, WParam wParam, LParam lParam) {
            const MessageResult result = previous(hwnd, message, wParam, lParam);
            return message == WM_NCHITTEST && result == HTCLIENT ? HTCAPTION : result;
        });
    EXPECT_EQ(reader.replaced, below.installed);
    const auto above = *windows.InstallProcedure(window, Tracing(trace, "above"));

    struct Row {
        MessageNumber message;
        WParam hit;
        MessageResult expected;
    };
    const Row rows[] = {{WM_NCHITTEST, HTCLIENT, HTCAPTION},
                        {WM_NCHITTEST, HTNOWHERE, HTNOWHERE},
                        {WM_NCHITTEST, HTTRANSPARENT, HTTRANSPARENT},
                        {WM_NCHITTEST, 10 /* left border */, 10},
                        {WM_MOUSEMOVE, HTCLIENT, 0}};
    for (const Row& row : rows) {
        EXPECT_EQ(windows.Send(window, row.message, row.hit, 0), row.expected) << row.hit;
    }

    EXPECT_TRUE(windows.RestoreProcedure(window, below)); // the one it replaced leaves first
    EXPECT_EQ(windows.Send(window, WM_NCHITTEST, HTCLIENT, 0), HTCAPTION);
    EXPECT_TRUE(windows.RestoreProcedure(window, reader));
    trace.clear();
    EXPECT_EQ(windows.Send(window, WM_NCHITTEST, HTCLIENT, 0), HTCLIENT);
    EXPECT_EQ(trace, (std::vector<std::string>{"above", "/above"}));
    EXPECT_EQ(windows.CurrentProcedure(window), above.installed);
}

TEST(WindowChain, ALinkRemovedWhileItRunsStillDeliversThatMessage) {
    WindowRegistry windows;
    std::vector<std::string> trace;
    const WindowHandle window = windows.Create(0, OwnProcedure(trace, 3));
    windows.InstallProcedure(window, Tracing(trace, "a"));
    ProcedureSwap self{};
    self =
        *windows.InstallProcedure(window, [&](const PreviousProcedure& previous, WindowHandle hwnd,
                                              MessageNumber message, WParam wParam, LParam lParam) {
            windows.RestoreProcedure(hwnd, self);
            trace.push_back("self");
            return previous(hwnd, message, wParam, lParam);
        });
    EXPECT_EQ(windows.Send(window, WM_NULL, 0, 0), 3);
    EXPECT_EQ(trace, (std::vector<std::string>{"self", "a", "own", "/a"}));
    trace.clear();
    EXPECT_EQ(windows.Send(window, WM_NULL, 0, 0), 3);
    EXPECT_EQ(trace, (std::vector<std::string>{"a", "own", "/a"}));
}

TEST(WindowChain, RemovingTheLinkBelowWhileRunningSendsTheMessageToWhatTookItsPlace) {
    WindowRegistry windows;
    std::vector<std::string> trace;
    const WindowHandle window = windows.Create(0, OwnProcedure(trace, 3));
    const ProcedureSwap below = *windows.InstallProcedure(window, Tracing(trace, "below"));
    ProcedureId seen_before = 0;
    ProcedureId seen_after = 0;
    windows.InstallProcedure(window, [&](const PreviousProcedure& previous, WindowHandle hwnd,
                                         MessageNumber message, WParam wParam, LParam lParam) {
        seen_before = previous.id();
        windows.RestoreProcedure(hwnd, below);
        seen_after = previous.id();
        return previous(hwnd, message, wParam, lParam);
    });
    EXPECT_EQ(windows.Send(window, WM_NULL, 0, 0), 3);
    EXPECT_EQ(trace, std::vector<std::string>{"own"});
    EXPECT_EQ(seen_before, below.installed);
    EXPECT_EQ(seen_after, below.replaced);
}

TEST(WindowChain, AWindowDestroyedByItsOwnMessageFinishesThatMessage) {
    WindowRegistry windows;
    std::vector<std::string> trace;
    const WindowHandle parent = windows.Create(0, nullptr);
    const WindowHandle window = windows.Create(parent, OwnProcedure(trace, 9));
    windows.InstallProcedure(window, Tracing(trace, "a"));
    windows.InstallProcedure(window, [&](const PreviousProcedure& previous, WindowHandle hwnd,
                                         MessageNumber message, WParam wParam, LParam lParam) {
        windows.Destroy(parent);
        return previous(hwnd, message, wParam, lParam);
    });
    EXPECT_EQ(windows.Send(window, WM_CLOSE, 0, 0), 9);
    EXPECT_EQ(trace, (std::vector<std::string>{"a", "own", "/a"}));
    EXPECT_FALSE(windows.IsWindow(window));
}

TEST(Messages, PointsPackIntoLParamWithTheirSigns) {
    struct Row {
        std::int32_t x, y;
    };
    for (const Row row : {Row{0, 0}, Row{12, 34}, Row{-1, 5}, Row{7, -3}, Row{-32768, 32767}}) {
        const LParam packed = MakeLParam(row.x, row.y);
        EXPECT_EQ(XFromLParam(packed), row.x);
        EXPECT_EQ(YFromLParam(packed), row.y);
    }
    EXPECT_EQ(MakeLParam(0x1234, 0x5678), 0x56781234);
    EXPECT_EQ(LowWord(MakeLParam(-1, 0)), 0xFFFF);
    EXPECT_EQ(HighWord(MakeLParam(0, -1)), 0xFFFF);
}

} // namespace
} // namespace lumio
