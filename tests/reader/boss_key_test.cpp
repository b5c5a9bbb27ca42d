#include "fake_controls.h"
#include "platform/utf.h"
#include "reader/boss_key.h"
#include "reader/main_msg_window.h"
#include "recording_form.h"
#include "window_side_fakes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
    form.failShowHide = true;
    form.visible = true;
    EXPECT_NO_THROW(hotKeys.Press());
    form.visible = false;
    EXPECT_NO_THROW(hotKeys.Press());
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
