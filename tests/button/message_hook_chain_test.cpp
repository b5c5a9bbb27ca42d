#include "button/message_hook.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/window_registry.h"
#include "recording_control.h"

#include <algorithm>
#include <array>
#include <bit>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>
#include <random>
#include <set>
#include <vector>

namespace lumio {
namespace {

using testing::HookCall;
using testing::RecordingControl;

constexpr int kButtons = 8;
constexpr MessageResult kParentAnswer = 77;

// Eight buttons on one parent, each hooked as the button's input set-up does it: its own
// window, then the parent; mouse move and leave on its own window, activation on the parent.
class EightButtonsTest : public ::testing::Test {
protected:
    EightButtonsTest() {
        parent = windows.Create(0, [this](WindowHandle, MessageNumber, WParam, LParam) {
            ++parent_calls;
            return kParentAnswer;
        });
        for (int i = 0; i < kButtons; ++i) {
            buttons.push_back(windows.Create(parent, nullptr));
            controls.push_back(std::make_unique<RecordingControl>(windows, log, i));
        }
    }

    void SetUpInput(int i) {
        MessageHook& hook = controls[i]->hook;
        hook.HookWindow(buttons[i]);
        hook.HookWindow(parent);
        hook.WatchMessage(buttons[i], WM_MOUSEMOVE, kWatchAfter);
        hook.WatchMessage(buttons[i], WM_MOUSELEAVE, kWatchAfter);
        hook.WatchMessage(parent, WM_NCACTIVATE, kWatchAfter);
    }

    ProcedureId ParentThunk(int i) const {
        const auto& records = controls[i]->hook.records();
        const auto it = std::find_if(records.begin(), records.end(),
                                     [&](const HookRecord& r) { return r.HookedWindow == parent; });
        return it == records.end() ? 0 : it->ThunkAddress;
    }

    WindowRegistry windows;
    WindowHandle parent = 0;
    int parent_calls = 0;
    std::vector<WindowHandle> buttons;
    std::vector<HookCall> log;
    std::vector<std::unique_ptr<RecordingControl>> controls;
};

TEST_F(EightButtonsTest, AnActivationReachesEachButtonOnceThroughTheChain) {
    const ProcedureId own = windows.CurrentProcedure(parent);
    for (int i = 0; i < kButtons; ++i) {
        SetUpInput(i);
    }
    std::vector<ProcedureId> expected_chain;
    for (int i = kButtons - 1; i >= 0; --i) {
        expected_chain.push_back(ParentThunk(i));
    }
    expected_chain.push_back(own);
    EXPECT_EQ(windows.Find(parent)->Chain(), expected_chain);
    for (int i = 1; i < kButtons; ++i) {
        EXPECT_EQ(controls[i]->hook.records().at(1).PreviousProc, ParentThunk(i - 1))
            << "each thunk forwards to the one it replaced";
    }

    EXPECT_EQ(windows.Send(parent, WM_NCACTIVATE, 1, 0), kParentAnswer);
    std::vector<HookCall> expected;
    for (int i = 0; i < kButtons; ++i) { // after-calls: the innermost thunk returns first
        expected.push_back({i, false, parent, WM_NCACTIVATE, kParentAnswer});
    }
    EXPECT_EQ(log, expected);
    EXPECT_EQ(parent_calls, 1);

    log.clear();
    windows.Send(parent, WM_ACTIVATE, 1, 0);
    EXPECT_TRUE(log.empty()) << "not watched";
    windows.Send(buttons[3], WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(log, (std::vector<HookCall>{{3, false, buttons[3], WM_MOUSEMOVE, 0}}));
}

TEST_F(EightButtonsTest, EveryRemovalOrderKeepsTheChainIntact) {
    const ProcedureId own = windows.CurrentProcedure(parent);
    std::array<int, kButtons> order{};
    std::iota(order.begin(), order.end(), 0);
    int orders = 0;
    std::vector<ProcedureId> expected_chain;
    do {
        std::array<ProcedureId, kButtons> thunk{};
        for (int i = 0; i < kButtons; ++i) {
            ASSERT_EQ(controls[i]->hook.HookWindow(parent), 0) << "the freed record is reused";
            controls[i]->hook.WatchMessage(parent, WM_ACTIVATE, kWatchAfter);
            thunk[i] = controls[i]->hook.records()[0].ThunkAddress;
        }
        unsigned remaining = (1u << kButtons) - 1;
        for (int removed : order) {
            controls[removed]->hook.UnhookWindow(parent);
            remaining &= ~(1u << removed);

            expected_chain.clear();
            for (int i = kButtons - 1; i >= 0; --i) {
                if (remaining & (1u << i)) {
                    expected_chain.push_back(thunk[i]);
                }
            }
            expected_chain.push_back(own);
            ASSERT_EQ(windows.Find(parent)->Chain(), expected_chain) << "order #" << orders;

            log.clear();
            ASSERT_EQ(windows.Send(parent, WM_ACTIVATE, 1, 0), kParentAnswer);
            ASSERT_EQ(log.size(), static_cast<std::size_t>(std::popcount(remaining)));
            int last = -1;
            for (const HookCall& call : log) {
                ASSERT_GT(call.control, last) << "once each, innermost first";
                ASSERT_TRUE(remaining & (1u << call.control)) << "a removed hook called back";
                ASSERT_EQ(call.result, kParentAnswer);
                last = call.control;
            }
        }
        ++orders;
    } while (std::next_permutation(order.begin(), order.end()));
    EXPECT_EQ(orders, 40320);
    EXPECT_EQ(parent_calls, 40320 * kButtons);
}

TEST_F(EightButtonsTest, TerminatingInAnyOrderLeavesEveryWindowWithItsOwnProcedure) {
    for (int i = 0; i < kButtons; ++i) {
        SetUpInput(i);
    }
    for (int i : {5, 0, 7, 2, 1, 6, 3, 4}) {
        MessageHook& hook = controls[i]->hook;
        hook.UnhookWindow(parent);
        hook.UnhookWindow(buttons[i]);
        hook.UnhookAllWindows();
        log.clear();
        windows.Send(parent, WM_NCACTIVATE, 0, 0);
        for (const HookCall& call : log) {
            EXPECT_NE(call.control, i);
        }
    }
    for (WindowHandle w : buttons) {
        EXPECT_EQ(windows.Find(w)->Chain(),
                  std::vector<ProcedureId>{windows.Find(w)->own_procedure()});
    }
    EXPECT_EQ(windows.Find(parent)->Chain().size(), 1u);
}

// Random hooking, watching, unhooking, window destruction and messages by several controls
// on a few windows, checked step by step against a plain model of who hooked what.
TEST(MessageHookRandom, ChainsAndCallbacksFollowTheModel) {
    constexpr int kControls = 5;
    constexpr int kSlots = 3;
    constexpr int kSteps = 4000;
    const MessageNumber kMessages[] = {WM_ACTIVATE, WM_NCACTIVATE, WM_MOUSEMOVE, WM_MOUSELEAVE,
                                       WM_PAINT};

    struct Instance {
        int control;
        std::int32_t index; // of the control's record
        WindowHandle window;
        ProcedureId thunk;
        bool every_before = false;
        bool every_after = false;
        std::set<MessageNumber> before;
        std::set<MessageNumber> after;
    };

    WindowRegistry windows;
    auto answer = [](WindowHandle w, MessageNumber m) { return (w ^ (m << 8)) & 0x7FFFFF; };
    auto make = [&](WindowHandle parent) {
        return windows.Create(
            parent, [&](WindowHandle w, MessageNumber m, WParam, LParam) { return answer(w, m); });
    };
    std::vector<WindowHandle> slots = {make(0)};
    for (int i = 1; i < kSlots; ++i) {
        slots.push_back(make(slots[0]));
    }
    std::vector<WindowHandle> destroyed;

    std::vector<HookCall> log;
    std::vector<std::unique_ptr<RecordingControl>> controls;
    for (int i = 0; i < kControls; ++i) {
        controls.push_back(std::make_unique<RecordingControl>(windows, log, i));
    }
    std::array<bool, kControls> has_table{};
    std::vector<Instance> model; // oldest installation first

    // The hook picks a window's record by index, highest first, and a freed record may be
    // taken again later: that is not always the thunk installed last.
    auto newest = [&](int c, WindowHandle w) {
        auto found = model.end();
        for (auto it = model.begin(); it != model.end(); ++it) {
            if (it->control == c && it->window == w &&
                (found == model.end() || it->index > found->index)) {
                found = it;
            }
        }
        return found;
    };
    auto raises = [](auto&& call) {
        try {
            call();
            return false;
        } catch (const RuntimeError& error) {
            return error.number() == ErrorNumber::SubscriptOutOfRange;
        }
    };

    // How often each kind of step happened, so the run is known to have covered them.
    std::array<int, 6> seen{}; // hooks, failed hooks, errors, unhooks, destroys, callbacks
    std::mt19937 random(20240607u);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

    for (int step = 0; step < kSteps; ++step) {
        const int c = pick(kControls);
        MessageHook& hook = controls[c]->hook;
        const WindowHandle w = !destroyed.empty() && pick(10) == 0
                                   ? destroyed[pick(static_cast<int>(destroyed.size()))]
                                   : slots[pick(kSlots)];
        const int action = pick(100);
        if (action < 25) {
            const std::int32_t index = hook.HookWindow(w);
            has_table[c] = true;
            if (windows.IsWindow(w)) {
                ASSERT_GE(index, 0) << "step " << step;
                ++seen[0];
                model.push_back(
                    {c, index, w, hook.records().at(index).ThunkAddress, false, false, {}, {}});
            } else {
                ASSERT_EQ(index, -1) << "step " << step;
                ++seen[1];
            }
        } else if (action < 60) {
            const MessageNumber m = pick(20) == 0 ? kEveryMessage : kMessages[pick(5)];
            const std::int32_t when = 1 + pick(3);
            const auto it = newest(c, w);
            if (it == model.end()) {
                ASSERT_TRUE(raises([&] { hook.WatchMessage(w, m, when); })) << "step " << step;
                ++seen[2];
                continue;
            }
            hook.WatchMessage(w, m, when);
            auto add = [m](bool& every, std::set<MessageNumber>& set) {
                if (m == kEveryMessage) {
                    every = true;
                } else {
                    set.insert(m);
                }
            };
            if (when & kWatchBefore) {
                add(it->every_before, it->before);
            }
            if (when & kWatchAfter) {
                add(it->every_after, it->after);
            }
        } else if (action < 85) {
            const auto it = newest(c, w);
            if (it == model.end()) {
                ASSERT_TRUE(raises([&] { hook.UnhookWindow(w); })) << "step " << step;
                ++seen[2];
                continue;
            }
            hook.UnhookWindow(w);
            model.erase(it);
            ++seen[3];
        } else if (action < 92) {
            if (!has_table[c]) {
                ASSERT_TRUE(raises([&] { hook.UnhookAllWindows(); })) << "step " << step;
                continue;
            }
            hook.UnhookAllWindows();
            std::erase_if(model, [c](const Instance& i) { return i.control == c; });
        } else if (action < 95) {
            const int slot = pick(kSlots);
            windows.Destroy(slots[slot]);
            ++seen[4];
            for (int i = 0; i < kSlots; ++i) {
                if (!windows.IsWindow(slots[i])) {
                    destroyed.push_back(slots[i]);
                    slots[i] = make(i == 0 ? 0 : slots[0]);
                }
            }
        }

        // Every live window's chain: its hooks, newest first, then its own procedure.
        for (WindowHandle live : slots) {
            std::vector<ProcedureId> expected;
            for (auto it = model.rbegin(); it != model.rend(); ++it) {
                if (it->window == live) {
                    expected.push_back(it->thunk);
                }
            }
            expected.push_back(windows.Find(live)->own_procedure());
            ASSERT_EQ(windows.Find(live)->Chain(), expected) << "step " << step;
        }

        // One message: before-calls from the outside in, after-calls from the inside out.
        const WindowHandle target = slots[pick(kSlots)];
        const MessageNumber m = kMessages[pick(5)];
        std::vector<HookCall> expected;
        for (auto it = model.rbegin(); it != model.rend(); ++it) {
            if (it->window == target && (it->every_before || it->before.contains(m))) {
                expected.push_back({it->control, true, target, m, 0});
            }
        }
        for (const Instance& i : model) {
            if (i.window == target && (i.every_after || i.after.contains(m))) {
                expected.push_back({i.control, false, target, m, answer(target, m)});
            }
        }
        log.clear();
        ASSERT_EQ(windows.Send(target, m, 0, 0), answer(target, m)) << "step " << step;
        ASSERT_EQ(log, expected) << "step " << step;
        seen[5] += static_cast<int>(log.size());
    }
    for (int count : seen) {
        EXPECT_GT(count, 10);
    }
}

} // namespace
} // namespace lumio
