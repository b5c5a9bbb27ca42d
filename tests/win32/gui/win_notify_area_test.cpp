#include "win32/win_notify_area.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumio {
namespace {

// A shell that is up or not as the test says, and remembers what it was asked.
struct FakeShell {
    struct Call {
        DWORD message;
        UINT flags;
        std::wstring balloon;
    };
    bool up = false;
    std::vector<Call> calls;

    WinNotifyArea::ShellCall Call() {
        return [this](DWORD message, NOTIFYICONDATAW& record) {
            calls.push_back({message, record.uFlags, record.szInfo});
            return up;
        };
    }
};

class WinNotifyAreaTest : public ::testing::Test {
protected:
    WinNotifyAreaTest() {
        icon_.hWnd = 7;
        icon_.uID = 1;
        icon_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_INFO;
        icon_.uCallbackMessage = 0x200;
        icon_.szInfo = u"提示：左键显示，右键隐藏";
    }
    static constexpr UINT kWithBalloon = NIF_MESSAGE | NIF_ICON | NIF_INFO;
    static constexpr UINT kWithout = NIF_MESSAGE | NIF_ICON;

    FakeShell shell_;
    WinNotifyArea area_{
        [](WindowHandle h) { return h == 7 ? reinterpret_cast<HWND>(0x1234) : nullptr; },
        [](IconHandle) { return static_cast<HICON>(nullptr); }, shell_.Call()};
    TrayIconData icon_;
};

TEST_F(WinNotifyAreaTest, AnIconTheShellWasNotReadyForComesWithItsBalloonWhenItIs) {
    EXPECT_FALSE(area_.Shell_NotifyIcon(NIM_ADD, icon_)); // at log-in, before the shell
    EXPECT_FALSE(area_.HasIcons());
    area_.AddAgain(); // a "TaskbarCreated" while the shell still refuses
    EXPECT_FALSE(area_.HasIcons());
    shell_.up = true;
    area_.AddAgain();
    EXPECT_TRUE(area_.HasIcons());
    area_.AddAgain(); // Explorer restarted: the icon, but the balloon only once
    ASSERT_EQ(shell_.calls.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(shell_.calls[i].message, DWORD{NIM_ADD}) << i;
        EXPECT_EQ(shell_.calls[i].flags, kWithBalloon) << i;
        EXPECT_EQ(shell_.calls[i].balloon, L"提示：左键显示，右键隐藏") << i;
    }
    EXPECT_EQ(shell_.calls[3].flags, kWithout);
}

TEST_F(WinNotifyAreaTest, AnIconAddedAtOnceComesBackWithoutItsBalloon) {
    shell_.up = true;
    EXPECT_TRUE(area_.Shell_NotifyIcon(NIM_ADD, icon_));
    EXPECT_TRUE(area_.HasIcons());
    shell_.up = false; // the shell goes and comes back later
    area_.AddAgain();
    EXPECT_FALSE(area_.HasIcons());
    shell_.up = true;
    area_.AddAgain();
    EXPECT_TRUE(area_.HasIcons());
    ASSERT_EQ(shell_.calls.size(), 3u);
    EXPECT_EQ(shell_.calls[0].flags, kWithBalloon);
    EXPECT_EQ(shell_.calls[1].flags, kWithout);
    EXPECT_EQ(shell_.calls[2].flags, kWithout);
}

TEST_F(WinNotifyAreaTest, ARemovedIconStaysAwayAndAnUnknownWindowIsNeverAsked) {
    EXPECT_FALSE(area_.Shell_NotifyIcon(NIM_ADD, icon_));
    shell_.up = true;
    EXPECT_TRUE(area_.Shell_NotifyIcon(NIM_DELETE, icon_)); // unload before the shell came
    area_.AddAgain();
    EXPECT_FALSE(area_.HasIcons());
    TrayIconData stranger = icon_;
    stranger.hWnd = 8;
    EXPECT_FALSE(area_.Shell_NotifyIcon(NIM_ADD, stranger));
    area_.AddAgain();
    ASSERT_EQ(shell_.calls.size(), 2u) << "only the first add and the delete";
    EXPECT_EQ(shell_.calls[1].message, DWORD{NIM_DELETE});
    EXPECT_FALSE(area_.HasIcons());
}

} // namespace
} // namespace lumio
