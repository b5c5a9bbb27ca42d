#include "button/qxbutton.h"
#include "button/support/test_host.h"
#include "platform/palette.h"
#include "reader/main_msg_form.h"

#include <gtest/gtest.h>
#include <map>

namespace lumio {
namespace {

using testing::NewButton;
using testing::TestHost;

// A stored instance: Initialize, then ReadProperties with the set.
struct LoadedButton {
    TestHost host;
    QxButton button{host};
    explicit LoadedButton(const PropertyBag& bag) {
        host.Attach(&button);
        button.Initialize();
        button.ReadProperties(bag);
    }
};

std::string Save(const QxButton& button) {
    PropertyBag bag("b");
    button.WriteProperties(bag);
    return bag.Serialize();
}

TEST(QxButtonPersistence, ANewInstanceSavesItsStyleZeroAndItsFont) {
    NewButton b;
    const std::string saved = Save(b.button);
    EXPECT_EQ(saved, "ButtonStyle = 0\n"
                     "ShowFocusRect = True\n"
                     "Font = Font(Name = \"Tahoma\", Size = 8.25, Weight = 400, Charset = 0)\n"
                     "Caption = \"QxButton1\"\n");
    // Loaded back, it looks as it did: same style, caption and font.
    LoadedButton l(PropertyBag::Parse(saved, "b"));
    EXPECT_EQ(l.button.ButtonStyle(), 0);
    EXPECT_EQ(l.button.Caption(), u"QxButton1");
    EXPECT_EQ(l.host.SurfaceFont(), b.host.SurfaceFont());
    EXPECT_EQ(Save(l.button), saved);
}

TEST(QxButtonPersistence, AnEmptySetLoadsTheLoadedDefaultsAndSavesNothing) {
    LoadedButton l(PropertyBag("b"));
    const QxButton& q = l.button;
    EXPECT_EQ(q.ButtonStyle(), 1);
    EXPECT_EQ(q.Caption(), u"qxbutton");
    EXPECT_EQ(q.BackColor(), TranslateColor(SystemColor(kColorBtnFace)));
    EXPECT_EQ(q.ForeColor(), TranslateColor(SystemColor(kColorBtnText)));
    EXPECT_FALSE(q.ShowFocusRect());
    EXPECT_TRUE(q.Enabled());
    EXPECT_EQ(q.Font()->attributes(), l.host.ambientFont);
    EXPECT_EQ(q.MaskColor(), Rgb(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(q.PictureAlign(), 1);
    EXPECT_EQ(q.CaptionAlign(), 1);
    EXPECT_EQ(q.PictureSize(), 0);
    EXPECT_EQ(q.Picture(), nullptr);
    EXPECT_EQ(q.model().mParentHwnd, l.host.parentWindow());
    EXPECT_EQ(Save(q), "");
}

TEST(QxButtonPersistence, CaptionIsLeftOutOnlyWhenItLoadsBackTheSame) {
    for (const std::u16string caption :
         {u"qxbutton", u"QXBUTTON", u"", u" qxbutton", u"QxButton1", u"&Open \xD800"}) {
        NewButton b;
        b.button.SetCaption(caption);
        const std::string saved = Save(b.button);
        EXPECT_EQ(saved.find("Caption") == std::string::npos, caption == u"qxbutton");
        LoadedButton l(PropertyBag::Parse(saved, "b"));
        EXPECT_EQ(l.button.Caption(), caption);
    }
}

// Every property set away from its saved default survives a save and a load; the
// second save is the same text.
TEST(QxButtonPersistence, EveryPropertyRoundTrips) {
    NewButton b;
    QxButton& q = b.button;
    q.SetButtonStyle(13);
    q.SetShowFocusRect(true);
    q.SetEnabled(false);
    q.SetFont(StdFont::Create({u"\u5FAE\u8F6F\u96C5\u9ED1", 10.5, 700, 134, true, true, true}));
    q.SetBackColor(SystemColor(kColorAppWorkspace));
    q.SetCaption(u"Tolva \"\u7535\u5B50\" \\ &Go\tnow");
    q.SetForeColor(Rgb(1, 2, 3));
    q.SetCheckBoxMode(true);
    q.SetValue(true);
    q.SetMouseIcon(testing::MakeIcon(2, 3, 0x102030));
    q.SetMousePointer(-7); // after the icon, which sets the pointer to custom
    q.SetHandPointer(true);
    q.SetPicture(testing::MakeBitmap(3, 2, 0xABCDEF));
    q.SetPictureHover(testing::MakeIcon(4, 4, 0x00FF00));
    q.SetPictureAlign(8);
    q.SetPictureSize(3);
    q.SetUseMaskColor(true);
    q.SetMaskColor(static_cast<OleColor>(0x01FF00FF));
    q.SetCaptionAlign(-5);
    const std::string saved = Save(q);
    for (const char* key : {"ButtonStyle", "ShowFocusRect", "Enabled", "Font", "BackColor",
                            "Caption", "ForeColor", "CheckBoxMode", "Value", "MousePointer",
                            "HandPointer", "MouseIcon", "Picture", "PictureHover", "PictureAlign",
                            "pictureSize", "UseMaskCOlor", "MaskColor", "CaptionAlign"}) {
        EXPECT_NE(saved.find(std::string(key) + " = "), std::string::npos) << key;
    }

    LoadedButton l(PropertyBag::Parse(saved, "b"));
    const QxButton& r = l.button;
    EXPECT_EQ(r.ButtonStyle(), 13);
    EXPECT_TRUE(r.ShowFocusRect());
    EXPECT_FALSE(r.Enabled());
    EXPECT_FALSE(l.host.SurfaceEnabled());
    EXPECT_EQ(r.Font()->attributes(), q.Font()->attributes());
    EXPECT_EQ(l.host.SurfaceFont(), q.Font()->attributes());
    EXPECT_EQ(r.BackColor(), SystemColor(kColorAppWorkspace));
    EXPECT_EQ(r.Caption(), q.Caption());
    EXPECT_EQ(l.host.AccessKeys(), u"g");
    EXPECT_EQ(r.ForeColor(), Rgb(1, 2, 3));
    EXPECT_EQ(l.host.SurfaceForeColor(), Rgb(1, 2, 3));
    EXPECT_TRUE(r.CheckBoxMode());
    EXPECT_TRUE(r.Value());
    EXPECT_EQ(r.MousePointer(), -7);
    EXPECT_TRUE(r.HandPointer());
    EXPECT_EQ(*r.MouseIcon(), *q.MouseIcon());
    EXPECT_EQ(*r.Picture(), *q.Picture());
    EXPECT_EQ(*r.PictureHover(), *q.PictureHover());
    EXPECT_EQ(r.PictureAlign(), 8);
    EXPECT_EQ(r.PictureSize(), 3);
    EXPECT_TRUE(r.UseMaskColor());
    EXPECT_EQ(r.MaskColor(), static_cast<OleColor>(0x01FF00FF));
    EXPECT_EQ(r.CaptionAlign(), -5);
    EXPECT_EQ(Save(r), saved);
}

TEST(QxButtonPersistence, KeysMatchWhateverTheirCase) {
    LoadedButton l(
        PropertyBag::Parse("PICTURESIZE = 2\nusemaskcolor = True\ncaption = \"x\"\n", "b"));
    EXPECT_EQ(l.button.PictureSize(), 2);
    EXPECT_TRUE(l.button.UseMaskColor());
    EXPECT_EQ(Save(l.button), "Caption = \"x\"\npictureSize = 2\nUseMaskCOlor = True\n");
}

TEST(QxButtonPersistence, MalformedSetsNameTheControlKeyAndLine) {
    struct Case {
        const char* text;
        const char* key;
        int line;
    };
    const Case cases[] = {
        {"Sparkle = 3\nButtonStyle = \"6\"\n", "ButtonStyle", 2},
        {"ButtonStyle = 2147483648\n", "ButtonStyle", 1},
        {"MousePointer = 32768\n", "MousePointer", 1},
        {"ShowFocusRect = 1\n", "ShowFocusRect", 1},
        {"Font = \"Tahoma\"\n", "Font", 1},
        {"\n\nBackColor = 255\n", "BackColor", 3},
        {"Caption = True\n", "Caption", 1},
        {"Picture = #FFFFFF\n", "Picture", 1},
        {"Picture = File(\"play.png\")\n", "Picture", 1}, // no loader for references
        {"PictureHover = Bitmap(2, 2, \"AAAA\")\n", "PictureHover", 1},
        {"CaptionAlign = 1.5\n", "CaptionAlign", 1},
        {"ForeColor = sys:\n", "ForeColor", 1},
    };
    for (const Case& c : cases) {
        TestHost host;
        QxButton button(host);
        button.Initialize();
        try {
            button.ReadProperties(PropertyBag::Parse(c.text, "mstart"));
            ADD_FAILURE() << c.text;
        } catch (const PropertySetError& e) {
            EXPECT_EQ(e.control(), "mstart") << c.text;
            EXPECT_EQ(e.key(), c.key) << c.text;
            EXPECT_EQ(e.line(), c.line) << c.text;
        }
    }
}

TEST(QxButtonPersistence, UnknownKeysAreIgnored) {
    LoadedButton l(PropertyBag::Parse("Sparkle = 3\nGlow = \"x\"\nButtonStyle = 6\n", "b"));
    EXPECT_EQ(l.button.ButtonStyle(), 6);
    EXPECT_EQ(Save(l.button), "ButtonStyle = 6\n");
}

TEST(QxButtonPersistence, AParentWithoutAWindowHandleFailsTheLoad) {
    TestHost host;
    host.parentProperties.clear();
    QxButton button(host);
    button.Initialize();
    EXPECT_THROW(button.ReadProperties(PropertyBag("b")), RuntimeError);
}

class MemoryPictures : public PictureLoader {
public:
    PictureRef Load(const std::string& path) override {
        const auto it = files.find(path);
        if (it == files.end()) {
            throw RuntimeError(ErrorNumber::FileNotFound, "File not found: " + path);
        }
        return it->second;
    }
    std::optional<std::string> ReferenceOf(const Picture& picture) const override {
        for (const auto& [path, p] : files) {
            if (p.get() == &picture) {
                return path;
            }
        }
        return std::nullopt;
    }
    std::map<std::string, PictureRef> files;
};

TEST(QxButtonPersistence, PictureFileReferencesGoThroughTheLoaderBothWays) {
    MemoryPictures pictures;
    pictures.files["icons/play.png"] = testing::MakeBitmap(16, 16, 0x00FF00);
    TestHost host;
    host.pictures = &pictures;
    QxButton button(host);
    button.Initialize();
    const std::string text = "Picture = File(\"icons/play.png\")\n";
    button.ReadProperties(PropertyBag::Parse(text, "b"));
    EXPECT_EQ(button.Picture(), pictures.files["icons/play.png"]);
    EXPECT_EQ(Save(button), text);

    QxButton other(host);
    other.Initialize();
    try {
        other.ReadProperties(PropertyBag::Parse("\nPictureHover = File(\"gone.png\")\n", "b"));
        ADD_FAILURE();
    } catch (const PropertySetError& e) {
        EXPECT_EQ(e.key(), "PictureHover");
        EXPECT_EQ(e.line(), 2);
        EXPECT_NE(std::string(e.what()).find("gone.png"), std::string::npos);
    }
}

// The eight buttons of the reader window load the settings of the window's layout,
// and saving each gives back exactly its stored block.
TEST(MainMsgFormButtons, EveryButtonGetsItsStoredSettings) {
    const Form form = LoadMainMsgForm();
    const FontAttributes windowFont = form.settings.ReadFont("Font", {});
    const std::u16string yahei = u"\u5FAE\u8F6F\u96C5\u9ED1";
    const OleColor buttonText = TranslateColor(SystemColor(kColorBtnText));
    struct Row {
        const char* name;
        std::int32_t style;
        OleColor back;
        OleColor fore;
        bool focusRect;
        bool enabled;
        std::int32_t captionAlign;
        std::u16string caption;
        FontAttributes font;
    };
    const OleColor teal = Rgb(0, 128, 128);
    const OleColor white = Rgb(255, 255, 255);
    const FontAttributes webdingsBold{u"Webdings", 12, 700, 2};
    const Row rows[] = {
        {"mstart", 6, Rgb(0, 192, 0), white, true, true, 1, u"4", webdingsBold},
        {"mzant", 6, teal, white, true, true, 1, u";", webdingsBold},
        {"mstop", 6, teal, white, true, true, 1, u"<", {u"Webdings", 12, 400, 2}},
        {"loadtxt", 6, teal, white, true, true, 1, u"\u6253\u5F00", {yahei, 7.5, 700, 134}},
        {"cmd_top", 6, teal, white, true, true, 1, u"5", webdingsBold},
        {"cmd_tolva", 6, teal, white, true, true, 1, u"TL", {yahei, 7.5, 700, 134}},
        {"cmd_exit", 6, Rgb(255, 128, 128), white, true, true, 1, u"\u00D7", {yahei, 12, 700, 134}},
        {"cmd_main",
         7,
         Rgb(173, 209, 255),
         buttonText,
         false,
         false,
         2,
         u"Tolva\u7535\u5B50\u6587\u6863\u9605\u8BFB\u5668" + std::u16string(43, u' '),
         {yahei, 10.5, 700, 134}},
    };
    int buttons = 0;
    for (const FormControl& c : form.controls) {
        buttons += c.kind == "qxbutton";
    }
    EXPECT_EQ(buttons, 8);
    for (const Row& r : rows) {
        const FormControl* c = form.Find(r.name);
        ASSERT_NE(c, nullptr) << r.name;
        ASSERT_TRUE(c->properties.has_value()) << r.name;
        TestHost host(static_cast<float>(c->Width()), static_cast<float>(c->Height()));
        host.ambientFont = windowFont;
        QxButton q(host);
        q.Initialize();
        q.ReadProperties(*c->properties);
        EXPECT_EQ(q.ButtonStyle(), r.style) << r.name;
        EXPECT_EQ(q.BackColor(), r.back) << r.name;
        EXPECT_EQ(q.ForeColor(), r.fore) << r.name;
        EXPECT_EQ(q.ShowFocusRect(), r.focusRect) << r.name;
        EXPECT_EQ(q.Enabled(), r.enabled) << r.name;
        EXPECT_EQ(q.CaptionAlign(), r.captionAlign) << r.name;
        EXPECT_EQ(q.Caption(), r.caption) << r.name;
        EXPECT_EQ(q.Font()->attributes(), r.font) << r.name;
        EXPECT_EQ(q.PictureAlign(), 1) << r.name;
        EXPECT_FALSE(q.CheckBoxMode()) << r.name;
        EXPECT_EQ(q.Picture(), nullptr) << r.name;
        EXPECT_EQ(Save(q), c->properties->Serialize()) << r.name;
    }
}

} // namespace
} // namespace lumio
