#include "fake_controls.h"
#include "platform/utf.h"
#include "reader/main_msg_window.h"
#include "recording_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace lumio::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The viewer, slider, pin button, tray and shell beside the window, all writing its log.
class RecordingDrop : public DropTarget {
public:
    explicit RecordingDrop(CallLog& log) : log_(log) {}
    void SetOLEDropMode(std::int32_t m) override {
        log_.Add("rtxt1.OLEDropMode=" + std::to_string(m));
    }

private:
    CallLog& log_;
};

class RecordingSlider : public SliderSetter {
public:
    explicit RecordingSlider(CallLog& log) : log_(log) {}
    void SetValue(std::int32_t v) override { log_.Add("Slider1.Value=" + std::to_string(v)); }

private:
    CallLog& log_;
};

class RecordingPin : public CaptionedButton {
public:
    std::u16string Caption() const override { return caption; }
    void SetCaption(std::u16string c) override { caption = std::move(c); }
    void SetToolTipText(std::u16string t) override { toolTip = std::move(t); }
    std::u16string caption = u"5";
    std::u16string toolTip = u"置顶";
};

class RecordingTray : public NotifyArea {
public:
    explicit RecordingTray(CallLog& log) : log_(log) {}
    bool Shell_NotifyIcon(std::int32_t message, const TrayIconData& data) override {
        log_.Add("NotifyIcon(" + std::to_string(message) + ")");
        records.push_back(data);
        return true;
    }
    std::vector<TrayIconData> records;

private:
    CallLog& log_;
};

class RecordingShell : public Shell {
public:
    explicit RecordingShell(CallLog& log) : log_(log) {}
    void ShellExecute(WindowHandle owner, std::u16string_view op, std::u16string_view file,
                      std::u16string_view params, std::u16string_view dir,
                      std::int32_t show) override {
        log_.Add("ShellExecute(" + std::to_string(owner) + "," + ToUtf8(op) + "," + ToUtf8(file) +
                 ",'" + ToUtf8(params) + "','" + ToUtf8(dir) + "'," + std::to_string(show) + ")");
    }

private:
    CallLog& log_;
};

class MainMsgWindowTest : public ::testing::Test {
protected:
    CallLog log;
    RecordingForm form{log};
    RecordingDrop viewer{log};
    FakeTimer timer{log};
    RecordingSlider slider{log};
    RecordingPin pin;
    RecordingTray tray{log};
    RecordingShell shell{log};
    MainMsgWindow window{{form, viewer, timer, slider, pin, tray, shell, 9, u"https://x.test/"}};
};

TEST_F(MainMsgWindowTest, LoadRunsItsStepsInOrder) {
    timer.enabled = true;
    window.Form_Load();
    const std::string key = std::to_string(Rgb(66, 66, 66));
    EXPECT_THAT(log.Take(), ElementsAre("BackColor=" + key, "BorderStyle=0", "GetExStyle",
                                        "SetExStyle=" + std::to_string(0x100 | 0x80000),
                                        "Layered(" + key + ",0,1)", "SetWindowPos(-1,3)", "Show",
                                        "InstallWindowProc", "OLEDropMode=1", "rtxt1.OLEDropMode=1",
                                        "NotifyIcon(0)", "Icon=9", "Hide", "trm1.Interval=200",
                                        "trm1.Enabled=false", "Slider1.Value=5"));
    EXPECT_EQ(window.extendedStyle(), 0x100 | 0x80000);
    EXPECT_TRUE(window.windowProcInstalled());
    EXPECT_FALSE(timer.enabled);
}

TEST_F(MainMsgWindowTest, TrayRecordIsFilledOnceAndUsedForAddAndDelete) {
    window.Form_Load();
    window.Form_Unload();
    ASSERT_EQ(tray.records.size(), 2u);
    const TrayIconData& d = tray.records[0];
    EXPECT_EQ(d.cbSize, 488u);
    EXPECT_EQ(d.hWnd, 0x4242);
    EXPECT_EQ(d.uID, 1u);
    EXPECT_EQ(d.uFlags, 0x13u);
    EXPECT_EQ(d.uFlags & NIF_TIP, 0u) << "no hover tip";
    EXPECT_EQ(d.uCallbackMessage, 512u);
    EXPECT_EQ(d.hIcon, 9);
    EXPECT_EQ(d.szInfo, u"提示：左键显示，右键隐藏");
    EXPECT_EQ(d.szInfoTitle, u"Tolva电子文档阅读器");
    EXPECT_EQ(d.dwInfoFlags, 1u);
    EXPECT_EQ(d.uTimeout, 0u);
    EXPECT_EQ(tray.records[1], d) << "the delete uses the record unchanged";
    // Each text fits its code page 936 field together with its NUL.
    EXPECT_LT(Cp936FieldBytes(d.szInfo), kInfoBytes);
    EXPECT_LT(Cp936FieldBytes(d.szInfoTitle), kInfoTitleBytes);
}

TEST_F(MainMsgWindowTest, UnloadRemovesTheIconThenRestoresTheProcedureOnce) {
    window.Form_Load();
    log.Take();
    window.Form_Unload();
    EXPECT_THAT(log.Take(), ElementsAre("NotifyIcon(2)", "RestoreWindowProc=77"));
    window.Form_Unload();
    EXPECT_THAT(log.Take(), IsEmpty()) << "a second close finds nothing left to undo";
    EXPECT_FALSE(window.windowProcInstalled());
}

TEST_F(MainMsgWindowTest, UnloadBeforeLoadTouchesNothing) {
    window.Form_Unload();
    EXPECT_THAT(log.Take(), IsEmpty());
}

TEST(MainMsgWindowProc, OnlyAClientHitTestBecomesACaptionHit) {
    struct Case {
        std::int32_t message;
        std::int32_t previous;
        std::int32_t expected;
    };
    const Case cases[] = {
        {0x84, 1, 2},   // HTCLIENT -> HTCAPTION
        {0x84, 0, 0},   // HTNOWHERE
        {0x84, -1, -1}, // HTTRANSPARENT
        {0x84, 2, 2},   // already caption
        {0x84, 10, 10}, // a border
        {0x84, -2, -2}, // HTERROR
        {0x200, 1, 1},  // another message with the same answer
        {0x201, 0, 0},  // a button press
        {0x83, 1, 1},   // the message next to it
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MainMsgWindow::WindowProc(c.message, c.previous), c.expected)
            << "message " << c.message << " result " << c.previous;
    }
}

TEST_F(MainMsgWindowTest, InstalledProcedureIsTheCaptionRule) {
    window.Form_Load();
    ASSERT_TRUE(form.rule);
    EXPECT_EQ(form.rule(0x84, 1), 2);
    EXPECT_EQ(form.rule(0x84, 0), 0);
}

TEST_F(MainMsgWindowTest, TrayLeftShowsRightHidesOthersDoNothing) {
    window.Form_MouseMove(2, 0, 0, 0);
    EXPECT_FALSE(form.visible);
    window.Form_MouseMove(2, 0, 0, 0);
    EXPECT_FALSE(form.visible) << "right on a hidden window leaves it hidden";
    window.Form_MouseMove(1, 0, 0, 0);
    EXPECT_TRUE(form.visible);
    window.Form_MouseMove(1, 0, 0, 0);
    EXPECT_TRUE(form.visible) << "left on a shown window leaves it shown";
    log.Take();
    for (std::int16_t b : {0, 3, 4, -1}) {
        window.Form_MouseMove(b, 1, 5, 5);
    }
    EXPECT_THAT(log.Take(), IsEmpty());
}

TEST_F(MainMsgWindowTest, TrayCallbackIgnoresFailures) {
    log.Take();
    form.failShowHide = true;
    EXPECT_NO_THROW(window.Form_MouseMove(1, 0, 0, 0));
    EXPECT_NO_THROW(window.Form_MouseMove(2, 0, 0, 0));
    // Each click asked for its change and nothing else happened: no message, no retry.
    EXPECT_THAT(log.Take(), ElementsAre("Show failed", "Hide failed"));
    EXPECT_FALSE(form.visible);
    // The next click works once the window can.
    form.failShowHide = false;
    window.Form_MouseMove(1, 0, 0, 0);
    EXPECT_THAT(log.Take(), ElementsAre("Show"));
    EXPECT_TRUE(form.visible);
}

TEST_F(MainMsgWindowTest, PinToggleFollowsTheTable) {
    window.Form_Load();
    form.visible = true;
    log.Take();

    window.cmd_top_Click(); // pinned -> hidden, not pinned
    EXPECT_THAT(log.Take(), ElementsAre("SetWindowPos(-2,3)", "Hide"));
    EXPECT_EQ(pin.caption, u"6");
    EXPECT_EQ(pin.toolTip, u"置顶窗体");
    EXPECT_FALSE(form.visible);

    window.Form_MouseMove(1, 0, 0, 0); // back through the tray, still not pinned
    EXPECT_TRUE(form.visible);
    EXPECT_FALSE(form.topmost);
    log.Take();

    window.cmd_top_Click(); // not pinned -> pinned, stays shown
    EXPECT_THAT(log.Take(), ElementsAre("SetWindowPos(-1,3)"));
    EXPECT_EQ(pin.caption, u"5");
    EXPECT_EQ(pin.toolTip, u"取消置顶窗体");
    EXPECT_TRUE(form.visible);

    window.cmd_top_Click(); // and once more hides and unpins
    EXPECT_EQ(pin.caption, u"6");
    EXPECT_FALSE(form.visible);
}

TEST_F(MainMsgWindowTest, PinReadsTheCaptionAsANumber) {
    // Any caption that is not the number 5 counts as "not pinned".
    for (const std::u16string caption : {u" 5", u"5.", u"05"}) {
        pin.caption = caption;
        window.cmd_top_Click();
        EXPECT_EQ(pin.caption, u"6") << ToUtf8(caption);
    }
    for (const std::u16string caption : {u"6", u"", u"x5", u"-5", u"50"}) {
        pin.caption = caption;
        window.cmd_top_Click();
        EXPECT_EQ(pin.caption, u"5") << ToUtf8(caption);
    }
}

TEST(CaptionNumber, ReadsLeadingDigits) {
    EXPECT_EQ(CaptionNumber(u"5"), 5);
    EXPECT_EQ(CaptionNumber(u"  12ab"), 12);
    EXPECT_EQ(CaptionNumber(u"-3"), -3);
    EXPECT_EQ(CaptionNumber(u"+7"), 7);
    EXPECT_EQ(CaptionNumber(u"abc"), 0);
    EXPECT_EQ(CaptionNumber(u""), 0);
}

TEST_F(MainMsgWindowTest, WebPageAndExit) {
    window.cmd_tolva_Click();
    window.cmd_exit_Click();
    EXPECT_THAT(log.Take(), ElementsAre("ShellExecute(16962,open,https://x.test/,'','',"
                                        "5)",
                                        "Unload"));
}

} // namespace
} // namespace lumio::testing
