// Buttons side by side on one parent, as on the reader window: their hooks chain on the
// parent, and any of them may go at any time.
#include "button/support/input_rig.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace lumio {
namespace {

using testing::ButtonSettings;
using testing::EventLog;
using testing::TestDesk;
using testing::TestHost;

// A row of running buttons under one parent on a fake desktop: button i lies at
// (10 + 90 i, 10), 75 x 23 pixels. A slot keeps its host and window when its button is
// destroyed and loaded again.
class ButtonRow {
public:
    struct Slot {
        Slot(TestDesk& desk, WindowHandle parent) : host(desk, parent, 75 * 15, 23 * 15) {}
        TestHost host;
        std::unique_ptr<QxButton> button;
        bool hooked = false;
    };

    explicit ButtonRow(int count) {
        parent = desk.windows.Create(0, nullptr);
        desk.desktop.PlaceWindow(parent, {0, 0, 20 + 90 * count, 60});
        std::vector<WindowHandle> tabOrder;
        for (int i = 0; i < count; ++i) {
            slots.push_back(std::make_unique<Slot>(desk, parent));
            desk.desktop.PlaceWindow(window(i), Bounds(i));
            tabOrder.push_back(window(i));
            Load(i);
        }
        desk.desktop.SetTabOrder(tabOrder);
    }

    static Rect Bounds(int i) { return {10 + 90 * i, 10, 85 + 90 * i, 33}; }
    int size() const { return static_cast<int>(slots.size()); }
    WindowHandle window(int i) const { return slots[i]->host.window(); }
    QxButton& button(int i) { return *slots[i]->button; }

    void Load(int i) {
        Slot& s = *slots[i];
        s.button = std::make_unique<QxButton>(s.host);
        s.host.Attach(s.button.get());
        s.button->Initialize();
        s.button->ReadProperties(ButtonSettings(i % 2 == 0 ? 0 : 7));
        events.Attach(*s.button, std::to_string(i) + ":");
        s.hooked = true;
    }
    void Terminate(int i) {
        slots[i]->button->Terminate();
        slots[i]->hooked = false;
    }
    void Recreate(int i) {
        slots[i]->host.Attach(nullptr);
        slots[i]->button.reset();
        Load(i);
    }

    // Paints of every button, to count what one message did to each.
    std::vector<int> Paints() const {
        std::vector<int> paints;
        for (const auto& s : slots) {
            paints.push_back(s->host.paints());
        }
        return paints;
    }

    // An activation must reach every hooked button exactly once and no other.
    void ExpectActivationReachesEachHookedButtonOnce(WParam wParam = WA_ACTIVE) {
        const std::vector<int> before = Paints();
        desk.windows.Send(parent, WM_ACTIVATE, wParam, 0);
        const std::vector<int> after = Paints();
        for (int i = 0; i < size(); ++i) {
            const Slot& s = *slots[i];
            const bool isDefault = s.button->model().mDisplayAsDefault && wParam != 0;
            EXPECT_EQ(after[i] - before[i], s.hooked ? (isDefault ? 2 : 1) : 0) << "button " << i;
            if (s.hooked) {
                EXPECT_EQ(s.button->model().mParentActive, wParam != 0) << "button " << i;
            }
        }
    }

    // Every chain ends at its window's own procedure and holds exactly the links that
    // should be there: a thunk per hooked button, plus the foreign links on the parent.
    void ExpectChainsIntact(const std::vector<ProcedureSwap>& foreign) const {
        const Window* p = desk.windows.Find(parent);
        const std::vector<ProcedureId> chain = p->Chain();
        ASSERT_EQ(chain.back(), p->own_procedure());
        std::multiset<ProcedureId> expected{p->own_procedure()};
        for (const ProcedureSwap& f : foreign) {
            expected.insert(f.installed);
        }
        for (int i = 0; i < size(); ++i) {
            const Slot& s = *slots[i];
            const Window* own = desk.windows.Find(s.host.window());
            const std::vector<ProcedureId> ownChain = own->Chain();
            ASSERT_EQ(ownChain.back(), own->own_procedure()) << "button " << i;
            EXPECT_EQ(ownChain.size(), s.hooked ? 2u : 1u) << "button " << i;
            if (!s.hooked) {
                continue;
            }
            for (const HookRecord& r : s.button->messageHook()->records()) {
                if (r.HookedWindow == parent) {
                    expected.insert(r.ThunkAddress);
                }
            }
        }
        EXPECT_EQ(std::multiset<ProcedureId>(chain.begin(), chain.end()), expected);
    }

    TestDesk desk;
    WindowHandle parent = 0;
    std::vector<std::unique_ptr<Slot>> slots;
    EventLog events;
};

TEST(ButtonRow, EightButtonsHearAnActivationOnceEachThroughTheChain) {
    ButtonRow row(8);
    const Window* parent = row.desk.windows.Find(row.parent);
    EXPECT_EQ(parent->Chain().size(), 9u);
    for (int i = 1; i < 8; ++i) {
        // Each thunk was installed over the one of the button before.
        EXPECT_EQ(row.button(i).messageHook()->records()[1].PreviousProc,
                  row.button(i - 1).messageHook()->records()[1].ThunkAddress);
    }
    row.slots[3]->host.displayAsDefault = true;
    row.button(3).AmbientChanged("DisplayAsDefault");
    row.ExpectActivationReachesEachHookedButtonOnce(WA_ACTIVE);
    row.ExpectActivationReachesEachHookedButtonOnce(WA_INACTIVE);
    row.ExpectChainsIntact({});
}

TEST(ButtonRow, ThePointerCrossingTheRowHoversOneButtonAtATime) {
    ButtonRow row(3);
    for (int i = 0; i < 3; ++i) {
        const Rect r = ButtonRow::Bounds(i);
        row.desk.desktop.MovePointer({r.left + 5, r.top + 5});
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(row.button(j).model().mState, j == i ? kStateHover : kStateNormal);
        }
    }
    row.desk.desktop.MovePointer({5, 50});
    EXPECT_EQ(row.events.Joined(),
              "0:MouseMove(0,0,5,5), 0:MouseEnter, 0:MouseLeave, 1:MouseMove(0,0,5,5), "
              "1:MouseEnter, 1:MouseLeave, 2:MouseMove(0,0,5,5), 2:MouseEnter, 2:MouseLeave");
}

TEST(ButtonRow, ButtonsLeavingInAnyOrderKeepTheOthersHearing) {
    std::mt19937 rng(20240611);
    std::vector<int> order(8);
    for (int trial = 0; trial < 24; ++trial) {
        std::iota(order.begin(), order.end(), 0);
        if (trial == 1) {
            std::reverse(order.begin(), order.end());
        } else if (trial > 1) {
            std::shuffle(order.begin(), order.end(), rng);
        }
        ButtonRow row(8);
        for (int i : order) {
            SCOPED_TRACE("trial " + std::to_string(trial) + ", button " + std::to_string(i));
            if (trial % 2 == 0) {
                row.Terminate(i);
            } else {
                row.slots[i]->host.Attach(nullptr);
                row.slots[i]->button.reset(); // destroyed without Terminate
                row.slots[i]->hooked = false;
                row.Load(i);
                row.Terminate(i);
            }
            row.ExpectChainsIntact({});
            row.ExpectActivationReachesEachHookedButtonOnce();
        }
    }
}

// Random input, property changes and hook removals on a row of buttons. After every
// step: every state is 0, 1 or 2, no handler failed, every chain is whole, and a button
// that thinks the pointer is over it either has it there or awaits its leave.
class RandomRow {
public:
    explicit RandomRow(std::uint32_t seed) : rng_(seed), row_(5) {}

    void Run(int steps) {
        for (int step = 0; step < steps; ++step) {
            std::string action;
            try {
                action = Step();
            } catch (const std::exception& e) {
                ADD_FAILURE() << "step " << step << " threw: " << e.what();
                return;
            }
            SCOPED_TRACE("step " + std::to_string(step) + ": " + action);
            Check();
            if (step % 50 == 49) {
                row_.ExpectActivationReachesEachHookedButtonOnce(Pick(2) != 0 ? WA_ACTIVE : 0);
            }
            if (::testing::Test::HasFailure()) {
                return;
            }
        }
    }

private:
    int Pick(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }
    bool Coin() { return Pick(2) == 0; }

    FakeDesktop& desktop() { return row_.desk.desktop; }
    WindowRegistry& windows() { return row_.desk.windows; }

    int SlotOf(WindowHandle window) const {
        for (int i = 0; i < row_.size(); ++i) {
            if (row_.window(i) == window) {
                return i;
            }
        }
        return -1;
    }

    WParam Keys() const { return (left_ ? MK_LBUTTON : 0) | (right_ ? MK_RBUTTON : 0); }

    // A mouse button message to where the host would send it: the capture, else the
    // window under the pointer, when that is an enabled button.
    std::string Mouse(MessageNumber message) {
        WindowHandle target = desktop().GetCapture();
        if (target == 0) {
            target = desktop().WindowFromPoint(pointer_);
        }
        const int i = SlotOf(target);
        if (i < 0 || !windows().Find(target)->enabled()) {
            return "mouse " + std::to_string(message) + " on no button";
        }
        const Rect r = ButtonRow::Bounds(i);
        windows().Send(target, message, Keys(),
                       MakeLParam(pointer_.x - r.left, pointer_.y - r.top));
        return "mouse " + std::to_string(message) + " on " + std::to_string(i);
    }

    std::string Key(MessageNumber message) {
        static constexpr WParam kKeys[] = {13, 27, 32, 32, 32, 37, 38, 39, 40, 65};
        static constexpr LParam kShifts[] = {0, 0, 1, 4};
        const WindowHandle focus = desktop().GetFocus();
        const int i = SlotOf(focus);
        const WParam key = kKeys[Pick(10)];
        if (i < 0 || !windows().Find(focus)->enabled()) {
            return "key on no button";
        }
        windows().Send(focus, message, key, kShifts[Pick(4)]);
        return "key " + std::to_string(message) + "/" + std::to_string(key) + " on " +
               std::to_string(i);
    }

    std::string Step() {
        const int i = Pick(row_.size());
        QxButton& b = row_.button(i);
        switch (Pick(20)) {
        case 0:
        case 1:
        case 2: {
            // Over a button (often near or on its edge), the parent, or nowhere.
            const Rect r = ButtonRow::Bounds(i);
            const int where = Pick(4);
            pointer_ = where == 0   ? Point{Pick(500), Pick(80)}
                       : where == 1 ? Point{r.left - 1 + Pick(77), r.top - 1 + Pick(25)}
                                    : Point{r.left + Pick(75), r.top + Pick(23)};
            desktop().MovePointer(pointer_, Keys());
            return "move to " + std::to_string(pointer_.x) + "," + std::to_string(pointer_.y);
        }
        case 3:
            left_ = true;
            return Mouse(Pick(4) == 0 ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN);
        case 4:
            left_ = false;
            return Mouse(WM_LBUTTONUP);
        case 5:
            right_ = Coin();
            return Mouse(right_ ? WM_RBUTTONDOWN : WM_RBUTTONUP);
        case 6:
        case 7:
            return Key(WM_KEYDOWN);
        case 8:
            return Key(WM_KEYUP);
        case 9:
            b.AccessKeyPress(static_cast<std::int16_t>(Pick(3) == 0 ? 13 : Coin() ? 27 : 'G'));
            return "access key on " + std::to_string(i);
        case 10:
            if (windows().Find(row_.window(i))->enabled()) {
                desktop().SetFocus(Pick(6) == 0 ? row_.parent : row_.window(i));
            }
            return "focus " + std::to_string(i);
        case 11: {
            static constexpr WParam kActivation[] = {0, 0, WA_ACTIVE, WA_CLICKACTIVE, 0x10000};
            windows().Send(row_.parent, Coin() ? WM_ACTIVATE : WM_NCACTIVATE, kActivation[Pick(5)],
                           0);
            return "activation";
        }
        case 12:
            desktop().ProcessPendingMessages();
            return "pending messages";
        case 13:
            switch (Pick(5)) {
            case 0:
                b.SetEnabled(Pick(3) != 0);
                return "Enabled on " + std::to_string(i);
            case 1:
                b.SetCheckBoxMode(Coin());
                return "CheckBoxMode on " + std::to_string(i);
            case 2:
                b.SetValue(Coin());
                return "Value on " + std::to_string(i);
            case 3:
                b.SetButtonStyle(Pick(16));
                return "ButtonStyle on " + std::to_string(i);
            default:
                b.SetHandPointer(Coin());
                return "HandPointer on " + std::to_string(i);
            }
        case 14:
            row_.slots[i]->host.displayAsDefault = Coin();
            b.AmbientChanged("DisplayAsDefault");
            return "DisplayAsDefault on " + std::to_string(i);
        case 15:
            if (Pick(4) != 0) {
                return "no removal";
            }
            row_.Terminate(i);
            return "Terminate " + std::to_string(i);
        case 16:
            if (Pick(3) != 0) {
                return "no removal";
            }
            row_.Recreate(i);
            return "recreate " + std::to_string(i);
        case 17:
            if (const auto swap = windows().InstallProcedure(
                    row_.parent,
                    [](const PreviousProcedure& previous, WindowHandle w, MessageNumber m,
                       WParam wp, LParam lp) { return previous(w, m, wp, lp); })) {
                foreign_.push_back(*swap);
            }
            return "foreign procedure in";
        case 18:
            if (!foreign_.empty()) {
                const auto at = foreign_.begin() + Pick(static_cast<int>(foreign_.size()));
                EXPECT_TRUE(windows().RestoreProcedure(row_.parent, *at));
                foreign_.erase(at);
            }
            return "foreign procedure out";
        default:
            b.LostFocus();
            b.GotFocus();
            return "focus notifications on " + std::to_string(i);
        }
    }

    void Check() {
        const WindowHandle under = desktop().WindowFromPoint(pointer_);
        for (int i = 0; i < row_.size(); ++i) {
            const ButtonRow::Slot& s = *row_.slots[i];
            const ButtonModel& m = s.button->model();
            EXPECT_TRUE(m.mState == 0 || m.mState == 1 || m.mState == 2)
                << "button " << i << ": " << m.mState;
            EXPECT_TRUE(s.host.errors.empty()) << "button " << i << ": " << s.host.errors.front();
            if (s.hooked && m.mMouseOver) {
                EXPECT_TRUE(under == s.host.window() || desktop().IsTrackingLeave(s.host.window()))
                    << "button " << i << " hovers for good";
            }
        }
        const WindowHandle capture = desktop().GetCapture();
        EXPECT_TRUE(capture == 0 || windows().IsWindow(capture));
        row_.ExpectChainsIntact(foreign_);
    }

    std::mt19937 rng_;
    ButtonRow row_;
    std::vector<ProcedureSwap> foreign_;
    Point pointer_;
    bool left_ = false;
    bool right_ = false;
};

TEST(ButtonRow, RandomInputPropertyChangesAndHookRemovalsKeepEveryButtonSound) {
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomRow(seed).Run(3000);
        if (HasFailure()) {
            return;
        }
    }
}

} // namespace
} // namespace lumio
