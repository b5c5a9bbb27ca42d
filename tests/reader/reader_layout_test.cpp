// The reader window laid out from its form: what each front end builds, in pixels.
#include "reader/main_msg_form.h"
#include "reader/main_msg_window.h"
#include "reader/reader_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumio {
namespace {

using ::testing::ElementsAre;

TEST(ReaderLayout, TheFormsWindowInPixels) {
    const ReaderLayout layout = LayoutReaderWindow(LoadMainMsgForm());
    EXPECT_EQ(layout.title, u"Lumio V3");
    EXPECT_EQ(layout.clientWidth, 650);
    EXPECT_EQ(layout.clientHeight, 139);
    EXPECT_EQ(layout.backColor, Rgb(66, 66, 66));
    EXPECT_EQ(layout.ambientFont.name, u"微软雅黑");
    EXPECT_EQ(layout.timerInterval, 200);
    EXPECT_FALSE(layout.timerEnabled);

    struct Row {
        std::u16string_view name;
        ReaderControlKind kind;
        Rect geometry;
    };
    // Twips / 15, halves to even: 80 -> 5, 10 -> 1, 405 -> 27, 345 -> 23, 1755 -> 117.
    const Row rows[] = {
        {u"cmd_main", ReaderControlKind::Button, {0, 0, 649, 25}},
        {u"mstart", ReaderControlKind::Button, {5, 1, 32, 24}},
        {u"mzant", ReaderControlKind::Button, {42, 1, 69, 24}},
        {u"mstop", ReaderControlKind::Button, {79, 1, 106, 24}},
        {u"loadtxt", ReaderControlKind::Button, {499, 1, 529, 24}},
        {u"cmd_top", ReaderControlKind::Button, {540, 1, 567, 24}},
        {u"cmd_tolva", ReaderControlKind::Button, {577, 1, 607, 24}},
        {u"cmd_exit", ReaderControlKind::Button, {616, 1, 643, 24}},
        {u"Slider1", ReaderControlKind::Slider, {117, 2, 217, 22}},
        {u"Slider2", ReaderControlKind::Slider, {229, 2, 329, 22}},
        {u"rtxt1", ReaderControlKind::Viewer, {0, 24, 649, 69}},
    };
    EXPECT_EQ(layout.controls.size(), std::size(rows)); // no control for txt1, txt2, ...
    for (const Row& r : rows) {
        const ReaderControl* c = layout.Find(r.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->kind, r.kind);
        EXPECT_EQ(c->geometry, r.geometry);
    }
    // The title strip comes first, so it lies beneath the others.
    EXPECT_EQ(layout.controls.front().name, kTitleStripName);
    const ReaderControl& speed = *layout.Find(kSpeedSliderName);
    EXPECT_EQ(speed.value, 5);
    EXPECT_EQ(speed.max, 10);
    EXPECT_EQ(speed.toolTip, u"调整阅读速度");
    EXPECT_EQ(layout.Find(u"rtxt1")->font.size, 21.75);
    // A button keeps its stored twips and its property set for the button to load.
    const ReaderControl& strip = *layout.Find(kTitleStripName);
    EXPECT_EQ(strip.widthTwips, 9735);
    EXPECT_FALSE(strip.properties.ReadBoolean("Enabled", true));
}

TEST(ReaderLayout, TabOrderByTabIndexWithoutTheViewer) {
    const ReaderLayout layout = LayoutReaderWindow(LoadMainMsgForm());
    EXPECT_THAT(layout.tabOrder,
                ElementsAre(u"cmd_main", u"cmd_exit", u"cmd_tolva", u"mstart", u"cmd_top", u"mstop",
                            u"mzant", u"Slider1", u"Slider2", u"loadtxt"));
}

TEST(ReaderLayout, EqualTabIndicesKeepTheFormsOrderAndDefaultsApply) {
    const Form form =
        ParseForm("Begin Form F\n"
                  "    Begin Slider b\n        TabIndex = 2\n    End\n"
                  "    Begin qxbutton a\n        TabIndex = 2\n        Visible = False\n    End\n"
                  "    Begin RichTextBox v\n        TabIndex = 0\n    End\n"
                  "    Begin Image i\n    End\n"
                  "End\n");
    const ReaderLayout layout = LayoutReaderWindow(form);
    EXPECT_THAT(layout.tabOrder, ElementsAre(u"b", u"a"));
    ASSERT_EQ(layout.controls.size(), 3u); // the image is no control of ours
    EXPECT_FALSE(layout.Find(u"a")->visible);
    EXPECT_EQ(layout.clientWidth, 650); // the form names no size: the window's own
    EXPECT_EQ(layout.Find(u"v")->font.name, u"微软雅黑");
    EXPECT_TRUE(layout.timerEnabled); // and no timer
}

TEST(ReaderLayout, EveryButtonButTheTitleStripHasACommand) {
    const ReaderLayout layout = LayoutReaderWindow(LoadMainMsgForm());
    std::size_t buttons = 0;
    for (const ReaderControl& c : layout.controls) {
        if (c.kind != ReaderControlKind::Button) {
            continue;
        }
        ++buttons;
        std::size_t commands = 0;
        for (const ButtonCommand& command : ReaderButtonCommands()) {
            commands += command.button == c.name ? 1 : 0;
        }
        EXPECT_EQ(commands, c.name == kTitleStripName ? 0u : 1u)
            << std::string(c.name.begin(), c.name.end());
    }
    EXPECT_EQ(buttons, ReaderButtonCommands().size() + 1);
}

TEST(TrayButtons, MouseMessagesAndKeysGiveTheEventsButton) {
    struct Row {
        MessageNumber message;
        std::int16_t button;
    };
    const Row rows[] = {{WM_LBUTTONDOWN, 1}, {WM_LBUTTONUP, 1}, {WM_LBUTTONDBLCLK, 1},
                        {WM_RBUTTONDOWN, 2}, {WM_RBUTTONUP, 2}, {WM_RBUTTONDBLCLK, 2},
                        {WM_MOUSEMOVE, 0},   {WM_MBUTTONUP, 0}, {WM_NULL, 0}};
    for (const Row& r : rows) {
        EXPECT_EQ(MainMsgWindow::TrayButtonFor(r.message), r.button) << r.message;
    }
    EXPECT_EQ(MainMsgWindow::ButtonFromMouseKeys(0), 0);
    EXPECT_EQ(MainMsgWindow::ButtonFromMouseKeys(MK_LBUTTON | MK_SHIFT), 1);
    EXPECT_EQ(MainMsgWindow::ButtonFromMouseKeys(MK_RBUTTON), 2);
    EXPECT_EQ(MainMsgWindow::ButtonFromMouseKeys(MK_LBUTTON | MK_RBUTTON), 1);
}

} // namespace
} // namespace lumio
