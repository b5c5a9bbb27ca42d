#include "fake_controls.h"
#include "platform/utf.h"
#include "reader/main_msg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

namespace lumio::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr std::int32_t kMaxPos = std::numeric_limits<std::int32_t>::max();

class MainMsgTest : public ::testing::Test {
protected:
    // Puts `bytes` in the fake file system at `path`, opens it and forgets the calls.
    void Load(std::string bytes, const std::u16string& path = u"/doc.txt") {
        files.files[path].bytes = std::move(bytes);
        window.OpenTxt(path);
        ASSERT_TRUE(timer.enabled) << "a load always starts reading";
        log.Take();
    }

    // A text of `n` letters in which no short slice repeats often.
    static std::string Letters(std::size_t n) {
        std::string s;
        std::uint32_t x = 12345;
        for (std::size_t i = 0; i < n; ++i) {
            x = x * 1103515245u + 12345u;
            s += static_cast<char>('a' + (x >> 16) % 26);
        }
        return s;
    }

    CallLog log;
    FakeViewer viewer{log};
    FakeTimer timer{log};
    FakeSlider slider1;
    FakeSlider slider2;
    FakeDialog dialog{log};
    FakeMessageBox messageBox{log};
    FakeFileSource files{&log};
    MainMsg window{{viewer, timer, slider1, slider2, dialog, messageBox, files}};
};

// --- Loading -------------------------------------------------------------------------

TEST_F(MainMsgTest, AcceptedLoadResetsStateAndStartsReading) {
    for (const bool timerWasOn : {false, true}) {
        SCOPED_TRACE(timerWasOn);
        timer.enabled = timerWasOn;
        window.SetReadPos(42);
        files.files[u"/a.txt"].bytes = "  Hello  \r\n\r\n   \r\nWorld";
        window.OpenTxt(u"/a.txt");
        // The start command toggles the timer, then the load switches it on for sure.
        EXPECT_THAT(log.Take(), ElementsAre("rtxt1.Text=", "open /a.txt",
                                            timerWasOn ? "trm1.Enabled=false" : "trm1.Enabled=true",
                                            "trm1.Enabled=true"));
        EXPECT_EQ(window.txt2(), u"Hello  World  ");
        EXPECT_EQ(window.ReadPos(), 0);
        EXPECT_EQ(window.txt1(), u"");
        EXPECT_TRUE(timer.enabled);
    }
}

TEST(MainMsgBusyCursorTest, LongLoadShowsTheBusyCursorAndKeepsTheStepsInOrder) {
    CallLog log;
    FakeViewer viewer{log};
    FakeTimer timer{log};
    FakeSlider slider;
    FakeDialog dialog{log};
    FakeMessageBox messageBox{log};
    FakeFileSource files{&log};
    FakeBusyCursor busy{log};
    MainMsg window{{viewer, timer, slider, slider, dialog, messageBox, files, &busy}};
    files.files[u"/big.txt"].bytes = "big";
    files.files[u"/big.txt"].sizeHint = 200'000'000;
    window.OpenTxt(u"/big.txt");
    EXPECT_THAT(log.Take(), ElementsAre("rtxt1.Text=", "open /big.txt", "busy.Show", "busy.Hide",
                                        "trm1.Enabled=true", "trm1.Enabled=true"));
    EXPECT_EQ(window.txt2(), u"big  ");
}

TEST_F(MainMsgTest, LoadKeepsSpeedAndInterval) {
    timer.interval = 84;
    slider1.value = 8;
    Load("x");
    EXPECT_EQ(timer.interval, 84);
}

TEST_F(MainMsgTest, RefusedPathChangesNothing) {
    Load("kept");
    window.trm1_Timer();
    const std::int32_t pos = window.ReadPos();
    const std::u16string view = window.txt1();
    log.Take();
    for (const std::u16string path :
         {u"", u"x.TXT", u"x.Txt", u"x.text", u"txt", u"x.txt ", u"/dir/x.txt/", u".tx"}) {
        SCOPED_TRACE(ToUtf8(path));
        window.OpenTxt(path);
        EXPECT_THAT(log.Take(), ElementsAre("MsgBox(64,信息提示,请选择一个Txt文件.)"));
        EXPECT_EQ(window.txt2(), u"kept  ");
        EXPECT_EQ(window.ReadPos(), pos);
        EXPECT_EQ(window.txt1(), view);
        EXPECT_TRUE(timer.enabled);
    }
}

TEST_F(MainMsgTest, PathTestLooksOnlyAtTheLastFourCharacters) {
    for (const std::u16string path : {u".txt", u"a.b.txt", u"章节.txt", u"x.TXT.txt"}) {
        files.files[path].bytes = "ok";
        window.OpenTxt(path);
        EXPECT_EQ(window.txt2(), u"ok  ");
    }
}

struct LoadFailure {
    const char* name;
    FakeFile file;
    const char* reason;
};

TEST_F(MainMsgTest, UnreadableFileIsReportedAndLeavesAnEmptyDocument) {
    const LoadFailure failures[] = {
        {"removed before the read", FailingOpen(FileErrorKind::NotFound, 2), "文件不存在"},
        {"a directory", FailingOpen(FileErrorKind::IsDirectory, 21), "文件夹"},
        {"no permission", FailingOpen(FileErrorKind::AccessDenied, 13), "权限"},
        {"read error midway", FailingRead(std::string(5000, 'a'), 3000, 1000),
         "读取中途出错（错误码 5）"},
        {"read error at once", FailingRead("abc", 0), "读取中途出错"},
    };
    for (const auto& failure : failures) {
        for (const bool timerWasOn : {false, true}) {
            SCOPED_TRACE(failure.name);
            Load("old document");
            window.trm1_Timer();
            timer.enabled = timerWasOn;
            log.Take();
            files.files[u"/bad.txt"] = failure.file;

            window.OpenTxt(u"/bad.txt");
            const auto calls = log.Take();
            ASSERT_EQ(calls.size(), 3u);
            EXPECT_EQ(calls[0], "rtxt1.Text=");
            EXPECT_EQ(calls[1], "open /bad.txt");
            EXPECT_THAT(calls[2], HasSubstr("MsgBox(48,信息提示,"));
            EXPECT_THAT(calls[2], HasSubstr("/bad.txt"));
            EXPECT_THAT(calls[2], HasSubstr(failure.reason));
            EXPECT_EQ(window.txt2(), u"");
            EXPECT_EQ(window.txt1(), u"");
            EXPECT_EQ(window.ReadPos(), 0);
            EXPECT_EQ(timer.enabled, timerWasOn);
        }
    }
}

TEST_F(MainMsgTest, OpenCommandCancelChangesNothing) {
    Load("reading this");
    for (int i = 0; i < 3; ++i) {
        window.trm1_Timer();
    }
    log.Take();
    dialog.fileName = u"/doc.txt"; // picked before: cancel must not reload it either
    dialog.pick = u"";
    window.loadtxt_Click();
    EXPECT_THAT(log.Take(), ElementsAre("dlg1.Filter=(txt) 文本|*.txt", "dlg1.ShowOpen"));
    EXPECT_EQ(window.txt2(), u"reading this  ");
    EXPECT_EQ(window.ReadPos(), 3);
    EXPECT_EQ(window.txt1(), u"rea");
    EXPECT_EQ(viewer.text, u"rea");
    EXPECT_TRUE(timer.enabled);
}

TEST_F(MainMsgTest, OpenCommandLoadsThePickedFile) {
    Load("old");
    files.files[u"/new.txt"].bytes = "new";
    dialog.pick = u"/new.txt";
    window.loadtxt_Click();
    EXPECT_THAT(log.Take(), ElementsAre("dlg1.Filter=(txt) 文本|*.txt", "dlg1.ShowOpen",
                                        "rtxt1.Text=", "open /new.txt", "trm1.Enabled=false",
                                        "trm1.Enabled=true"));
    EXPECT_EQ(window.txt2(), u"new  ");
}

TEST_F(MainMsgTest, OpenCommandWithARefusedPickKeepsTheDocument) {
    Load("old");
    dialog.pick = u"/new.TXT";
    window.loadtxt_Click();
    EXPECT_THAT(log.Take(), ElementsAre("dlg1.Filter=(txt) 文本|*.txt", "dlg1.ShowOpen",
                                        "MsgBox(64,信息提示,请选择一个Txt文件.)"));
    EXPECT_EQ(window.txt2(), u"old  ");
}

TEST_F(MainMsgTest, DropOpensTheFirstFileOnly) {
    files.files[u"/1.txt"].bytes = "one";
    files.files[u"/2.txt"].bytes = "two";
    FakeDropData drop;
    drop.files = {u"/1.txt", u"/2.txt", u"/3.txt"};
    window.Form_OLEDragDrop(drop);
    EXPECT_THAT(log.Take(), ElementsAre("rtxt1.Text=", "open /1.txt", "trm1.Enabled=true",
                                        "trm1.Enabled=true"));
    drop.files = {u"/2.txt", u"/1.txt"};
    window.rtxt1_OLEDragDrop(drop);
    EXPECT_EQ(window.txt2(), u"two  ");
}

TEST_F(MainMsgTest, DropWithoutFilesDoesNothing) {
    Load("kept");
    FakeDropData text;
    text.hasFileList = false;
    text.files = {u"/ignored.txt"};
    FakeDropData emptyList;
    for (const FakeDropData* drop : {&text, &emptyList}) {
        window.Form_OLEDragDrop(*drop);
        window.rtxt1_OLEDragDrop(*drop);
        EXPECT_THAT(log.Take(), IsEmpty());
        EXPECT_EQ(window.txt2(), u"kept  ");
    }
}

// --- The tick ------------------------------------------------------------------------

struct TickCheck {
    std::int32_t p; // ReadPos when the tick begins
    const char16_t* view;
    int markStart; // -1: no mark
    bool timerAfter;
};

// A file "ABCDEFGH" gives the ten-character document "ABCDEFGH" + two spaces. Its life
// from the load to the pause, at the positions where something changes.
TEST_F(MainMsgTest, TenCharacterDocumentFromLoadToPause) {
    Load("ABCDEFGH");
    ASSERT_EQ(window.txt2().size(), 10u);
    const TickCheck checks[] = {
        {0, u"A", -1, true},           {1, u"AB", -1, true},          {5, u"ABCDEF", -1, true},
        {6, u"ABCDEFG", 1, true},      {9, u"ABCDEFGH  ", 1, true},   {10, u"ABCDEFGH  ", 4, true},
        {200, u"ABCDEFGH  ", 4, true}, {201, u"ABCDEFGH  ", 4, true}, {202, u"BCDEFGH  ", 3, true},
        {203, u"CDEFGH  ", 2, true},   {204, u"DEFGH  ", 1, true},    {205, u"EFGH  ", -1, true},
        {210, u" ", -1, true},         {211, u"", -1, false},
    };
    std::size_t next = 0;
    for (std::int32_t p = 0; p <= 211; ++p) {
        ASSERT_EQ(window.ReadPos(), p);
        ASSERT_TRUE(timer.enabled) << "paused early, at p = " << p;
        window.trm1_Timer();
        const auto calls = log.Take();
        if (next < std::size(checks) && checks[next].p == p) {
            const TickCheck& check = checks[next++];
            SCOPED_TRACE(p);
            if (check.markStart < 0) {
                EXPECT_EQ(calls[1], "rtxt1.SelColor=255");
            } else {
                EXPECT_EQ(calls[1], "rtxt1.SelStart=" + std::to_string(check.markStart));
            }
            EXPECT_EQ(window.txt1(), check.view);
            EXPECT_EQ(viewer.text, check.view);
            EXPECT_EQ(timer.enabled, check.timerAfter);
            EXPECT_EQ(window.ReadPos(), p + 1);
        }
    }
    EXPECT_EQ(next, std::size(checks));
}

TEST_F(MainMsgTest, TickTellsTheViewerInOrder) {
    Load("ABCDEFGH");
    window.trm1_Timer();
    EXPECT_THAT(log.Take(), ElementsAre("rtxt1.Text=A", "rtxt1.SelColor=255"));
    window.SetReadPos(6);
    window.trm1_Timer();
    EXPECT_THAT(log.Take(), ElementsAre("rtxt1.Text=ABCDEFG", "rtxt1.SelStart=1",
                                        "rtxt1.SelLength=6", "rtxt1.SelColor=255"));
    window.SetReadPos(202);
    window.trm1_Timer();
    EXPECT_THAT(log.Take(), ElementsAre("rtxt1.Text=BCDEFGH  ", "rtxt1.SelStart=3",
                                        "rtxt1.SelLength=6", "rtxt1.SelColor=255"));
    window.SetReadPos(211);
    window.trm1_Timer();
    EXPECT_THAT(log.Take(), ElementsAre("rtxt1.Text=", "rtxt1.SelColor=255", "trm1.Enabled=false"));
}

TEST_F(MainMsgTest, MarkMovesToTheEndOnceReadPosPassesTen) {
    Load(Letters(298));
    // {p, mark}: the tick that advances ReadPos to p + 1.
    const std::pair<std::int32_t, int> marks[] = {{5, -1}, {6, 1},  {7, 1},  {8, 1},
                                                  {9, 1},  {10, 5}, {11, 6}, {50, 45}};
    for (const auto& [p, mark] : marks) {
        SCOPED_TRACE(p);
        window.SetReadPos(p);
        window.trm1_Timer();
        const auto calls = log.Take();
        if (mark < 0) {
            EXPECT_EQ(calls.size(), 2u);
        } else {
            ASSERT_EQ(calls.size(), 4u);
            EXPECT_EQ(calls[1], "rtxt1.SelStart=" + std::to_string(mark));
        }
    }
}

TEST_F(MainMsgTest, ViewAroundTheChangeOver) {
    Load(Letters(298));
    const std::u16string& doc = window.txt2();
    // {p, 0-based start, length}: the view ends at characters 200, 201, 200, 201, 202.
    const std::tuple<std::int32_t, std::size_t, std::size_t> views[] = {
        {199, 0, 200}, {200, 0, 201}, {201, 0, 200}, {202, 1, 200}, {203, 2, 200}};
    for (const auto& [p, start, length] : views) {
        SCOPED_TRACE(p);
        window.SetReadPos(p);
        window.trm1_Timer();
        EXPECT_EQ(window.txt1(), doc.substr(start, length));
        EXPECT_EQ(window.TailText(), p > 200 ? doc.substr(start, 200) : doc);
    }
}

TEST_F(MainMsgTest, LastPositionStaysInsteadOfOverflowing) {
    Load("ABCDEFGH");
    window.SetReadPos(kMaxPos - 1);
    window.trm1_Timer();
    EXPECT_EQ(window.ReadPos(), kMaxPos);
    EXPECT_EQ(window.txt1(), u"");
    EXPECT_FALSE(timer.enabled);
    window.mstart_Click();
    window.trm1_Timer();
    EXPECT_EQ(window.ReadPos(), kMaxPos);
    EXPECT_EQ(viewer.text, u"");
    EXPECT_FALSE(timer.enabled);
}

TEST_F(MainMsgTest, EmptyOrBlankDocumentPausesOnTheFirstTick) {
    for (const std::string bytes : {"", "\r\n\r\n", "   \r \xa1\xa1", "\r"}) {
        Load(bytes);
        EXPECT_EQ(window.txt2(), u"");
        window.trm1_Timer();
        EXPECT_THAT(log.Take(),
                    ElementsAre("rtxt1.Text=", "rtxt1.SelColor=255", "trm1.Enabled=false"));
        EXPECT_EQ(window.ReadPos(), 1);
    }
}

TEST_F(MainMsgTest, IdleWindowStartsThenPausesOnNothing) {
    window.mstart_Click();
    EXPECT_TRUE(timer.enabled);
    window.trm1_Timer();
    EXPECT_FALSE(timer.enabled);
    EXPECT_EQ(viewer.text, u"");
}

// --- Commands ------------------------------------------------------------------------

TEST_F(MainMsgTest, StartTogglesWithoutTouchingViewOrPosition) {
    Load("ABCDEFGH");
    window.trm1_Timer();
    window.trm1_Timer();
    log.Take();
    window.mstart_Click();
    window.mstart_Click();
    EXPECT_THAT(log.Take(), ElementsAre("trm1.Enabled=false", "trm1.Enabled=true"));
    EXPECT_EQ(window.txt1(), u"") << "start empties the view text";
    EXPECT_EQ(viewer.text, u"AB") << "but not the viewer";
    EXPECT_EQ(window.ReadPos(), 2);
}

TEST_F(MainMsgTest, PauseKeepsTheViewer) {
    Load("ABCDEFGH");
    window.trm1_Timer();
    log.Take();
    window.mzant_Click();
    window.mzant_Click();
    EXPECT_THAT(log.Take(), ElementsAre("trm1.Enabled=false", "trm1.Enabled=false"));
    EXPECT_EQ(viewer.text, u"A");
}

TEST_F(MainMsgTest, StopEmptiesTheViewerAndStartContinuesFromThere) {
    Load("ABCDEFGH");
    for (int i = 0; i < 3; ++i) {
        window.trm1_Timer();
    }
    log.Take();
    window.mstop_Click();
    EXPECT_THAT(log.Take(), ElementsAre("trm1.Enabled=false", "rtxt1.Text="));
    window.mstart_Click();
    EXPECT_EQ(viewer.text, u"");
    window.trm1_Timer();
    EXPECT_EQ(viewer.text, u"ABCD");
    EXPECT_EQ(window.ReadPos(), 4);
}

TEST_F(MainMsgTest, SpeedSliderSetsTheIntervalAndResumes) {
    const std::int32_t intervals[] = {404, 364, 324, 284, 244, 204, 164, 124, 84, 44, 4};
    for (std::int32_t v = 0; v <= 10; ++v) {
        SCOPED_TRACE(v);
        timer.enabled = false;
        slider1.value = v;
        const std::string interval = "trm1.Interval=" + std::to_string(intervals[v]);
        window.Slider1_Click();
        EXPECT_THAT(log.Take(), ElementsAre("trm1.Enabled=false", interval, "trm1.Enabled=true"));
        window.Slider1_Scroll();
        EXPECT_THAT(log.Take(), ElementsAre("trm1.Enabled=false", interval, "trm1.Enabled=true"));
    }
}

TEST_F(MainMsgTest, StartPointSliderMovesTheReadingPosition) {
    Load(Letters(9998)); // 10000 characters with the two spaces
    ASSERT_EQ(window.txt2().size(), 10000u);
    const std::pair<std::int32_t, std::int32_t> table[] = {{0, 990},  {1, 1099}, {5, 1961},
                                                           {8, 4762}, {9, 9091}, {10, 100000}};
    for (const auto& [v, pos] : table) {
        SCOPED_TRACE(v);
        window.mstop_Click();
        log.Take();
        slider2.value = v;
        window.Slider2_Scroll();
        EXPECT_THAT(log.Take(), ElementsAre("trm1.Enabled=false", "trm1.Enabled=true"));
        EXPECT_EQ(window.ReadPos(), pos);
    }
}

TEST_F(MainMsgTest, StartPointPastTheEndPausesOnTheNextTick) {
    Load(Letters(998));
    slider2.value = 10;
    window.Slider2_Click();
    EXPECT_EQ(window.ReadPos(), 10000);
    window.trm1_Timer();
    EXPECT_EQ(viewer.text, u"");
    EXPECT_FALSE(timer.enabled);
}

} // namespace
} // namespace lumio::testing
