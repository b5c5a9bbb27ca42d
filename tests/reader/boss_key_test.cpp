#include "fake_controls.h"
#include "platform/utf.h"
#include "reader/boss_key.h"
#include "reader/main_msg_window.h"
#include "recording_form.h"
#include "window_side_fakes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <system_error>

namespace lumio::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class BossKeyTest : public ::testing::Test, protected StripWithBossKey<RecordingForm> {};

TEST_F(BossKeyTest, TheDefaultKeyIsCtrlAltH) {
    EXPECT_EQ(BossKey::kDefault, ParseHotKey("ctrl+alt+h").key);
    EXPECT_EQ(bossKey.Start(BossKey::kDefault), HotKeyResult::Registered);
    EXPECT_THAT(log.Take(), ElementsAre("Register(Ctrl+Alt+H)"));
    EXPECT_TRUE(bossKey.active());
}

TEST_F(BossKeyTest, PressesHideAndShowAsTheTrayDoes) {
    bossKey.Start(BossKey::kDefault);
    form.visible = true;
    log.Take();
    ASSERT_TRUE(hotKeys.Press());
    EXPECT_THAT(log.Take(), ElementsAre("Hide"));
    EXPECT_FALSE(form.visible);
    ASSERT_TRUE(hotKeys.Press());
    EXPECT_THAT(log.Take(), ElementsAre("Show"));
    EXPECT_TRUE(form.visible);

    // The same calls as the tray's right click and left click.
    window.Form_MouseMove(2, 0, 0, 0);
    window.Form_MouseMove(1, 0, 0, 0);
    EXPECT_THAT(log.Take(), ElementsAre("Hide", "Show"));
}

TEST_F(BossKeyTest, ShowingKeepsThePinStateAndReadingIsNotTouched) {
    window.Form_Load();
    bossKey.Start(BossKey::kDefault);
    form.visible = true;
    timer.enabled = true;
    window.cmd_top_Click(); // unpins and hides
    ASSERT_FALSE(form.topmost);
    ASSERT_FALSE(form.visible);
    log.Take();
    hotKeys.Press();
    EXPECT_THAT(log.Take(), ElementsAre("Show")) << "no placement call: not pinned again";
    EXPECT_FALSE(form.topmost);
    window.cmd_top_Click(); // pins, stays shown
    hotKeys.Press();
    hotKeys.Press();
    EXPECT_THAT(log.Take(), ElementsAre("SetWindowPos(-1,3)", "Hide", "Show"));
    EXPECT_TRUE(form.topmost);
    EXPECT_TRUE(timer.enabled) << "reading goes on";
}

TEST_F(BossKeyTest, ATakenKeyIsSaidOnceAndTheProgramGoesOn) {
    hotKeys.answer = HotKeyResult::Taken;
    const HotKey key = *ParseHotKey("ctrl+shift+F12").key;
    EXPECT_EQ(bossKey.Start(key), HotKeyResult::Taken);
    EXPECT_THAT(log.Take(), ElementsAre("Register(Ctrl+Shift+F12)",
                                        "Notice(Tolva电子文档阅读器,老板键 Ctrl+Shift+F12 "
                                        "已被其他程序占用，本次运行不使用老板键。)"));
    EXPECT_FALSE(bossKey.active());
    EXPECT_FALSE(hotKeys.Press()) << "nothing to press";
    bossKey.Stop();
    EXPECT_THAT(log.Take(), IsEmpty()) << "no key to give back";
}

TEST_F(BossKeyTest, AKeyWhoseThreadCannotStartIsSaidOnceAndTheProgramGoesOn) {
    hotKeys.threadFails = true;
    HotKeyResult result = HotKeyResult::Registered;
    ASSERT_NO_THROW(result = bossKey.Start(BossKey::kDefault));
    EXPECT_EQ(result, HotKeyResult::Failed);
    EXPECT_THAT(log.Take(), ElementsAre("Register(Ctrl+Alt+H)", "Unregister",
                                        "Notice(Tolva电子文档阅读器,老板键 Ctrl+Alt+H "
                                        "无法启用，本次运行不使用老板键。)"));
    EXPECT_FALSE(bossKey.active());
    EXPECT_FALSE(hotKeys.Press());
    // A notice that cannot start its own thread either leaves the console line alone.
    notice.threadFails = true;
    hotKeys.threadFails = false;
    hotKeys.answer = HotKeyResult::Taken;
    ASSERT_NO_THROW(result = bossKey.Start(BossKey::kDefault));
    EXPECT_EQ(result, HotKeyResult::Taken);
    EXPECT_THAT(log.Take(), ElementsAre("Register(Ctrl+Alt+H)", ::testing::StartsWith("Notice(")));
}

TEST(BossKeyConsole, SaysWhyTheProgramRunsWithoutItsKey) {
    const HotKey key = *ParseHotKey("ctrl+shift+F12").key;
    struct Case {
        HotKeyResult result;
        std::optional<HotKey> key;
        std::string line;
    };
    const Case cases[] = {
        {HotKeyResult::Taken, key,
         "lumio: the boss key Ctrl+Shift+F12 is held by another program; running without it\n"},
        {HotKeyResult::Failed, key,
         "lumio: the boss key Ctrl+Shift+F12 could not be set up on this system; running "
         "without it\n"},
        {HotKeyResult::Registered, key, ""},
        {HotKeyResult::Unsupported, key, ""},
        {HotKeyResult::Unsupported, std::nullopt, ""}, // --boss-key none
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BossKey::ConsoleText(c.result, c.key), c.line);
    }
}

TEST_F(BossKeyTest, NoneAndUnsupportedSayNothing) {
    EXPECT_EQ(bossKey.Start(std::nullopt), HotKeyResult::Unsupported);
    EXPECT_THAT(log.Take(), IsEmpty()) << "--boss-key none asks for nothing";
    hotKeys.answer = HotKeyResult::Unsupported;
    EXPECT_EQ(bossKey.Start(BossKey::kDefault), HotKeyResult::Unsupported);
    EXPECT_THAT(log.Take(), ElementsAre("Register(Ctrl+Alt+H)"));
    EXPECT_FALSE(bossKey.active());
}

TEST_F(BossKeyTest, StopGivesTheKeyBackOnce) {
    bossKey.Start(BossKey::kDefault);
    log.Take();
    bossKey.Stop();
    bossKey.Stop();
    EXPECT_THAT(log.Take(), ElementsAre("Unregister"));
    EXPECT_FALSE(hotKeys.Press());
}

TEST_F(BossKeyTest, StartingAgainReplacesTheKey) {
    bossKey.Start(BossKey::kDefault);
    bossKey.Start(*ParseHotKey("alt+grave").key);
    EXPECT_THAT(log.Take(),
                ElementsAre("Register(Ctrl+Alt+H)", "Unregister", "Register(Alt+Grave)"));
}

TEST_F(BossKeyTest, AWindowThatFailsToShowOrHideIsNotReported) {
    bossKey.Start(BossKey::kDefault);
    log.Take();
    form.failShowHide = true;
    form.visible = true;
    EXPECT_NO_THROW(hotKeys.Press());
    form.visible = false;
    EXPECT_NO_THROW(hotKeys.Press());
    // Each press asked for its change, and nothing was said about the failures.
    EXPECT_THAT(log.Take(), ElementsAre("Hide failed", "Show failed"));
    EXPECT_FALSE(form.visible);
    // The key stays: once the window can, the next press shows it.
    EXPECT_TRUE(bossKey.active());
    form.failShowHide = false;
    ASSERT_TRUE(hotKeys.Press());
    EXPECT_THAT(log.Take(), ElementsAre("Show"));
    EXPECT_TRUE(form.visible);
}

TEST(BossKeyLifetime, GoingAwayGivesTheKeyBack) {
    CallLog log;
    RecordingForm form{log};
    RecordingHotKeys hotKeys{log};
    RecordingNotice notice{log};
    {
        BossKey bossKey{{form, [] { return true; }, hotKeys, notice}};
        bossKey.Start(BossKey::kDefault);
    }
    EXPECT_THAT(log.Take(), ElementsAre("Register(Ctrl+Alt+H)", "Unregister"));
}

} // namespace
} // namespace lumio::testing
