#include "fake_controls.h"
#include "platform/utf.h"
#include "reader/viewer_menu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumio::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using Kind = ViewerMenuChoice::Kind;

// Logs every call the window makes, and what the memory is told.
class RecordingPlaces : public ReadingPlaces {
public:
    explicit RecordingPlaces(CallLog& log) : log_(log) {}
    void Leave(std::int32_t readPos) override {
        log_.Add("Leave(" + std::to_string(readPos) + ")");
    }
    std::int32_t Resume(std::u16string_view path, std::size_t length) override {
        log_.Add("Resume(" + ToUtf8(path) + "," + std::to_string(length) + ")");
        return resumeAt;
    }
    void Keep(std::int32_t readPos) override { log_.Add("Keep(" + std::to_string(readPos) + ")"); }
    void Ticked(std::int32_t readPos) override {
        log_.Add("Ticked(" + std::to_string(readPos) + ")");
    }
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override {
        enabled = value;
        log_.Add(std::string("SetEnabled(") + (value ? "true" : "false") + ")");
    }

    std::int32_t resumeAt = 0;
    bool enabled = true;

private:
    CallLog& log_;
};

// The platform's menu and input box as a script: what the user picks and types.
class ScriptedShower : public ViewerMenuShower {
public:
    std::optional<ViewerMenuChoice> ShowMenu(const ViewerMenuModel& model) override {
        shown.push_back(model);
        return pick;
    }
    std::optional<std::u16string> AskText(std::u16string_view title,
                                          std::u16string_view prompt) override {
        asked.push_back(ToUtf8(title) + "|" + ToUtf8(prompt));
        return typed;
    }

    std::optional<ViewerMenuChoice> pick;
    std::optional<std::u16string> typed;
    std::vector<ViewerMenuModel> shown;
    std::vector<std::string> asked;
};

TEST(PercentPositionTest, LengthTimesPercentRoundedHalfToEven) {
    struct Case {
        std::size_t length;
        std::int32_t tenths;
        std::int32_t position;
    };
    const Case cases[] = {
        {1000, 0, 0},
        {1000, 1000, 1000},
        {1000, 375, 375},
        {10, 50, 0}, // 0.5 -> 0
        {30, 50, 2}, // 1.5 -> 2
        {50, 50, 2}, // 2.5 -> 2
        {70, 50, 4}, // 3.5 -> 4
        {3, 333, 1}, // 0.999
        {7, 999, 7}, // 6.993
        {0, 500, 0},
        {2147483647, 1000, 2147483647},
        {2147483647, 5, 10737418},
        {4294967296, 1000, 2147483647}, // beyond 32 bits stays at the largest position
        {1000, -5, 0},
        {1000, 2000, 1000}, // clamped to 0..100 %
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PercentPosition(c.length, c.tenths), c.position)
            << c.length << " x " << c.tenths << " / 1000";
    }
}

TEST(ParsePercentTest, OneDecimalFromZeroToAHundred) {
    struct Case {
        std::u16string_view text;
        std::optional<std::int32_t> tenths;
    };
    const Case cases[] = {
        {u"0", 0},
        {u"37.5", 375},
        {u"37.5%", 375},
        {u" 37.5 % ", 375},
        {u"100", 1000},
        {u"100.0", 1000},
        {u"99.9", 999},
        {u"６０．５％", 605},
        {u"007", 70},
        {u"　50　", 500},
        {u"", std::nullopt},
        {u"%", std::nullopt},
        {u"100.1", std::nullopt},
        {u"101", std::nullopt},
        {u"1000", std::nullopt},
        {u"37.55", std::nullopt},
        {u"37.", std::nullopt},
        {u".5", std::nullopt},
        {u"-1", std::nullopt},
        {u"+5", std::nullopt},
        {u"5e1", std::nullopt},
        {u"3 7", std::nullopt},
        {u"五十", std::nullopt},
        {u"50%%", std::nullopt},
        {u"1,5", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParsePercent(c.text), c.tenths) << ToUtf8(c.text);
    }
}

const std::vector<Chapter> kBook = {
    {u"序章 开始", 10}, {u"第一章 少年", 100}, {u"第二章 远行", 500}, {u"第十二章 归来", 900}};

TEST(JumpPositionTest, PercentageFirstThenTheBeginningOfAChapterTitle) {
    EXPECT_EQ(JumpPosition(u"50", 1000, kBook), 500);
    EXPECT_EQ(JumpPosition(u"第二章", 1000, kBook), 500);
    EXPECT_EQ(JumpPosition(u" 第十二章 ", 1000, kBook), 900);
    EXPECT_EQ(JumpPosition(u"第一", 1000, kBook), 100) << "the first title that begins so";
    EXPECT_EQ(JumpPosition(u"序章 开始", 1000, kBook), 10);
    EXPECT_EQ(JumpPosition(u"第三章", 1000, kBook), std::nullopt);
    EXPECT_EQ(JumpPosition(u"少年", 1000, kBook), std::nullopt) << "the beginning, not any part";
    EXPECT_EQ(JumpPosition(u"", 1000, kBook), std::nullopt);
    EXPECT_EQ(JumpPosition(u"  ", 1000, kBook), std::nullopt);
    EXPECT_EQ(JumpPosition(u"150", 1000, kBook), std::nullopt);
}

TEST(CurrentChapterTest, LastHeadingAtOrBeforeTheReadingPosition) {
    EXPECT_EQ(CurrentChapter(kBook, 0), std::nullopt);
    EXPECT_EQ(CurrentChapter(kBook, 9), std::nullopt);
    EXPECT_EQ(CurrentChapter(kBook, 10), 0u);
    EXPECT_EQ(CurrentChapter(kBook, 499), 1u);
    EXPECT_EQ(CurrentChapter(kBook, 500), 2u) << "a jump to a chapter marks that chapter";
    EXPECT_EQ(CurrentChapter(kBook, 2147483647), 3u);
    EXPECT_EQ(CurrentChapter({}, 100), std::nullopt);
}

class ViewerMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        // 第一章 at 4, 第二章 at 15 in a document text of 100 characters.
        files.files[u"/book.txt"].bytes = "ab\r\n\xB5\xDA\xD2\xBB\xD5\xC2\r\ncdef\r\n"
                                          "\xB5\xDA\xB6\xFE\xD5\xC2\r\n" +
                                          std::string(78, 'x') + "\r\n";
        window.OpenTxt(u"/book.txt");
        ASSERT_EQ(window.txt2().size(), 100u);
        log.Take();
    }

    CallLog log;
    FakeViewer viewer{log};
    FakeTimer timer{log};
    FakeSlider slider1;
    FakeSlider slider2;
    FakeDialog dialog{log};
    FakeMessageBox messageBox{log};
    FakeFileSource files;
    RecordingPlaces places{log};
    MainMsg window{{viewer, timer, slider1, slider2, dialog, messageBox, files, nullptr, &places}};
    ViewerMenu menu{{window, timer, messageBox, &places}};
    ScriptedShower shower;
};

TEST_F(ViewerMenuTest, ModelListsTheChaptersAndMarksTheOneBeingRead) {
    window.SetReadPos(50);
    const ViewerMenuModel model = menu.Model();
    EXPECT_THAT(model.chapters, ElementsAre(u"第一章", u"第二章"));
    EXPECT_EQ(model.currentChapter, 1u);
    EXPECT_TRUE(model.rememberEnabled);
    EXPECT_TRUE(model.rememberChecked);
    window.SetReadPos(1);
    EXPECT_EQ(menu.Model().currentChapter, std::nullopt);
}

TEST_F(ViewerMenuTest, EveryPlaceIsReachedAsAStartPointMoveReachesIt) {
    struct Case {
        ViewerMenuChoice choice;
        std::optional<std::u16string> typed;
        std::int32_t position;
    };
    const Case cases[] = {
        {{Kind::Chapter, 0}, std::nullopt, 4},
        {{Kind::Chapter, 1}, std::nullopt, 15},
        {{Kind::FromStart, 0}, std::nullopt, 0},
        {{Kind::Jump, 0}, u"37.5", 38}, // 37.5 of 100, halves to even
        {{Kind::Jump, 0}, u"100", 100},
        {{Kind::Jump, 0}, u"第二", 15},
    };
    for (const Case& c : cases) {
        window.SetReadPos(77);
        timer.enabled = false; // from paused too: a place chosen always reads on
        shower.pick = c.choice;
        shower.typed = c.typed;
        menu.Open(shower);
        EXPECT_EQ(window.ReadPos(), c.position);
        EXPECT_THAT(log.Take(), ElementsAre("trm1.Enabled=false", "trm1.Enabled=true"));
    }
    EXPECT_THAT(shower.asked, ElementsAre(HasSubstr("跳转到|输入百分比"), HasSubstr("跳转到|"),
                                          HasSubstr("跳转到|")));
}

TEST_F(ViewerMenuTest, FirstTickAfterAChapterJumpShowsTheTextUpToIt) {
    shower.pick = ViewerMenuChoice{Kind::Chapter, 1};
    menu.Open(shower);
    window.trm1_Timer();
    EXPECT_EQ(window.txt1(), window.txt2().substr(0, 16)) << "ReadPos 15: the first 16 characters";
}

TEST_F(ViewerMenuTest, DismissedMenuCancelledBoxOrAWrongAnswerMoveNothing) {
    window.SetReadPos(77);
    timer.enabled = true;
    shower.pick.reset();
    menu.Open(shower);
    shower.pick = ViewerMenuChoice{Kind::Jump, 0};
    shower.typed.reset();
    menu.Open(shower);
    shower.typed = u"第九章";
    menu.Open(shower);
    shower.pick = ViewerMenuChoice{Kind::Chapter, 2}; // no such chapter (any more)
    menu.Open(shower);
    EXPECT_EQ(window.ReadPos(), 77);
    EXPECT_THAT(log.Take(), ElementsAre(HasSubstr("MsgBox(64,信息提示,请输入 0 到 100")));
    EXPECT_TRUE(timer.enabled);
}

TEST_F(ViewerMenuTest, RememberSwitchesTheMemoryForThisRun) {
    shower.pick = ViewerMenuChoice{Kind::Remember, 0};
    menu.Open(shower);
    EXPECT_FALSE(places.enabled);
    EXPECT_FALSE(menu.Model().rememberChecked);
    menu.Open(shower);
    EXPECT_TRUE(places.enabled);
    EXPECT_THAT(log.Take(), ElementsAre("SetEnabled(false)", "SetEnabled(true)"));
}

TEST_F(ViewerMenuTest, WithoutMemoryTheSwitchIsOffAndGreyed) {
    ViewerMenu bare{{window, timer, messageBox, nullptr}};
    const ViewerMenuModel model = bare.Model();
    EXPECT_FALSE(model.rememberEnabled);
    EXPECT_FALSE(model.rememberChecked);
    shower.pick = ViewerMenuChoice{Kind::Remember, 0};
    bare.Open(shower);
    EXPECT_THAT(log.Take(), IsEmpty());
}

// What the reader window tells the memory, and when.
TEST_F(ViewerMenuTest, WindowTellsTheMemoryAtEachMomentAPlaceIsWorthKeeping) {
    places.resumeAt = 60;
    window.SetReadPos(30);
    files.files[u"/other.txt"].bytes = std::string(98, 'y');
    window.OpenTxt(u"/other.txt");
    // The load's own start command pauses, with nothing open for the memory to keep.
    EXPECT_THAT(log.Take(), ElementsAre("Leave(30)", "rtxt1.Text=", "trm1.Enabled=false", "Keep(0)",
                                        "trm1.Enabled=true", "Resume(/other.txt,100)"));
    EXPECT_EQ(window.ReadPos(), 60) << "the remembered place becomes ReadPos after the load";
    window.trm1_Timer();
    EXPECT_EQ(window.txt1(), window.txt2().substr(0, 61)) << "the view ends there";
    window.mstart_Click(); // reading -> paused
    window.mstart_Click(); // paused -> reading: nothing to keep
    window.mzant_Click();
    window.mstop_Click();
    std::vector<std::string> calls = log.Take();
    std::erase_if(calls, [](const std::string& c) { return c.starts_with("rtxt1."); });
    EXPECT_THAT(calls,
                ElementsAre("Ticked(61)", "trm1.Enabled=false", "Keep(61)", "trm1.Enabled=true",
                            "trm1.Enabled=false", "Keep(61)", "trm1.Enabled=false", "Keep(61)"));

    window.OpenTxt(u"/refused.TXT");
    window.OpenTxt(u"/missing.txt");
    calls = log.Take();
    EXPECT_THAT(calls,
                ElementsAre(HasSubstr("MsgBox"), "Leave(61)", "rtxt1.Text=", HasSubstr("MsgBox")))
        << "a refused path changes nothing; a failed load has already dropped the old text";
}

} // namespace
} // namespace lumio::testing
