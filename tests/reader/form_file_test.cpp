#include "reader/form_file.h"
#include "reader/main_msg_form.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(MainMsgForm, EveryControlHasItsPlaceTabIndexAndToolTip) {
    const Form form = LoadMainMsgForm();
    EXPECT_EQ(form.kind, "Form");
    EXPECT_EQ(form.name, "MainMsg");
    EXPECT_EQ(form.settings.ReadString("Caption", u""), u"Lumio V3");
    EXPECT_EQ(form.settings.ReadInt32("ClientWidth", 0), 9750);
    EXPECT_EQ(form.settings.ReadInt32("ClientHeight", 0), 2085);
    EXPECT_EQ(form.settings.ReadInt32("BorderStyle", 2), 0);
    EXPECT_EQ(form.settings.ReadColor("BackColor", 0), 0x424242u);
    const FontAttributes windowFont{u"\u5FAE\u8F6F\u96C5\u9ED1", 9, 400, 134};
    EXPECT_EQ(form.settings.ReadFont("Font", {}), windowFont);

    struct Row {
        const char* name;
        const char* kind;
        std::int32_t left, top, width, height, tab;
        std::u16string tip;
        bool visible;
    };
    const Row rows[] = {
        {"mstart", "qxbutton", 80, 10, 405, 345, 4,
         u"\u6253\u5F00(\u6216\u62D6\u5165)TXT\u6587\u6863\uFF0C\u5F00\u59CB\u9605\u8BFB", true},
        {"mzant", "qxbutton", 630, 10, 400, 345, 7, u"\u6682\u505C", true},
        {"mstop", "qxbutton", 1180, 10, 405, 345, 6, u"\u5173\u95ED", true},
        {"Slider1", "Slider", 1755, 30, 1500, 300, 10, u"\u8C03\u6574\u9605\u8BFB\u901F\u5EA6",
         true},
        {"Slider2", "Slider", 3440, 30, 1500, 300, 11,
         u"\u8C03\u6574\u6587\u672C\u9605\u8BFB\u8D77\u70B9", true},
        {"loadtxt", "qxbutton", 7480, 10, 450, 345, 12, u"\u6253\u5F00TXT\u6587\u4EF6", true},
        {"cmd_top", "qxbutton", 8100, 10, 405, 345, 5, u"\u7F6E\u9876", true},
        {"cmd_tolva", "qxbutton", 8650, 15, 450, 345, 2,
         u"\u770B\u770B\u6709\u6CA1\u6709\u65B0\u7248\u672C", true},
        {"cmd_exit", "qxbutton", 9240, 10, 405, 345, 1, u"\u9000\u51FA", true},
        {"rtxt1", "RichTextBox", 0, 360, 9735, 675, 3,
         u"\u5148\u6253\u5F00(\u6216\u62D6\u5165)TXT\u6587\u6863\uFF0C\u518D\u70B9\u51FB"
         u"\u7B2C\u4E00\u4E2A\u6309\u94AE\u5F00\u59CB",
         true},
        {"cmd_main", "qxbutton", 0, 0, 9735, 375, 0, u"", true},
        {"txt2", "TextBox", 1440, 1440, 1335, 375, 9, u"", false},
        {"txt1", "TextBox", 120, 1440, 1215, 375, 8, u"", false},
        {"Image1", "Image", 5280, 1440, 240, 240, 0, u"", false},
    };
    for (const Row& r : rows) {
        const FormControl* c = form.Find(r.name);
        ASSERT_NE(c, nullptr) << r.name;
        EXPECT_EQ(c->kind, r.kind) << r.name;
        EXPECT_EQ(c->Left(), r.left) << r.name;
        EXPECT_EQ(c->Top(), r.top) << r.name;
        EXPECT_EQ(c->Width(), r.width) << r.name;
        EXPECT_EQ(c->Height(), r.height) << r.name;
        EXPECT_EQ(c->TabIndex(), r.tab) << r.name;
        EXPECT_EQ(c->ToolTipText(), r.tip) << r.name;
        EXPECT_EQ(c->Visible(), r.visible) << r.name;
        EXPECT_EQ(c->properties.has_value(), std::string(r.kind) == "qxbutton") << r.name;
    }
    EXPECT_EQ(form.controls.size(), 16u); // with trm1 and dlg1

    for (const char* slider : {"Slider1", "Slider2"}) {
        const FormControl* s = form.Find(slider);
        EXPECT_EQ(s->settings.ReadInt32("Min", -1), 0);
        EXPECT_EQ(s->settings.ReadInt32("Max", -1), 10);
    }
    EXPECT_EQ(form.Find("Slider1")->settings.ReadInt32("Value", -1), 5);
    const FormControl* timer = form.Find("trm1");
    EXPECT_EQ(timer->settings.ReadInt32("Interval", 0), 200);
    EXPECT_FALSE(timer->settings.ReadBoolean("Enabled", true));
    ASSERT_NE(form.Find("dlg1"), nullptr);
    const FontAttributes viewerFont{u"\u5FAE\u8F6F\u96C5\u9ED1", 21.75, 400, 134};
    EXPECT_EQ(form.Find("rtxt1")->settings.ReadFont("Font", {}), viewerFont);
}

TEST(FormFile, MalformedFormsNameControlKeyAndLine) {
    struct Case {
        const char* text;
        const char* control;
        const char* key;
        int line;
    };
    const Case cases[] = {
        {"Begin Form F\n  Begin qxbutton b\n    Left = 1\n", "b", "End", 3},
        {"Begin Form F\n  Begin qxbutton b\n    Begin Properties\n      Caption = \"x\n", "b",
         "Caption", 4},
        {"Begin Form F\nEnd\nEnd\n", "F", "End", 3},
        {"Begin Form F\n  Begin qxbutton b\n  End\n  Begin qxbutton b\n", "b", "Begin", 4},
        {"Begin Form F\n  Begin qxbutton b\n    Begin Other\n", "b", "Begin", 3},
        {"Begin Form F\n  Begin qxbutton\n", "F", "Begin", 2},
        {"Left = 1\n", "", "Left", 1},
        {"Begin Form F\n  Begin qxbutton b\n    Top 3\n", "b", "Top", 3},
        {"Begin Form F\n  Begin qxbutton b\n    Top = 1\n    top = 2\n", "b", "top", 4},
        {"Begin Form F\n  Begin qxbutton b\n    Begin Properties\n      ButtonStyle = 6\n"
         "    End\n    Begin Properties\n",
         "b", "Begin", 6},
        {"Begin Form F\nEnd\nBegin Form G\n", "F", "Begin", 3},
        {"", "", "End", 0},
    };
    for (const Case& c : cases) {
        try {
            ParseForm(c.text);
            ADD_FAILURE() << c.text;
        } catch (const PropertySetError& e) {
            EXPECT_EQ(e.control(), c.control) << c.text;
            EXPECT_EQ(e.key(), c.key) << c.text;
            EXPECT_EQ(e.line(), c.line) << c.text;
        }
    }
}

TEST(FormFile, UnknownSettingsAreKeptForWhoeverReadsThem) {
    const Form form = ParseForm("Begin Form F\n  Begin Widget w\n    Sparkle = True\n  End\nEnd\n");
    ASSERT_EQ(form.controls.size(), 1u);
    EXPECT_TRUE(form.controls[0].settings.ReadBoolean("sparkle", false));
    EXPECT_EQ(form.controls[0].Left(), 0);
    EXPECT_FALSE(form.controls[0].properties.has_value());
}

} // namespace
} // namespace lumio
