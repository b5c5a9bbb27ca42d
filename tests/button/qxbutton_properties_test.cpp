#include "button/qxbutton.h"
#include "button/support/test_host.h"
#include "platform/errors.h"
#include "platform/palette.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace lumio {
namespace {

using testing::NewButton;
using testing::TestHost;

const OleColor kButtonFace = TranslateColor(SystemColor(kColorBtnFace));
const OleColor kButtonText = TranslateColor(SystemColor(kColorBtnText));

TEST(QxButtonNewInstance, StartsWithItsNewInstanceValues) {
    NewButton b;
    EXPECT_EQ(b.button.ButtonStyle(), 0);
    EXPECT_EQ(b.button.Caption(), u"QxButton1");
    EXPECT_EQ(b.host.SurfaceFont().name, u"Tahoma");
    EXPECT_EQ(b.button.Font(), nullptr);
    EXPECT_TRUE(b.button.ShowFocusRect());
    EXPECT_TRUE(b.button.Enabled());
    EXPECT_EQ(b.button.PictureAlign(), 1);
    EXPECT_EQ(b.button.CaptionAlign(), 1);
    EXPECT_EQ(b.button.MaskColor(), Rgb(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(b.button.BackColor(), kButtonFace);
    EXPECT_EQ(b.button.ForeColor(), kButtonText);
    EXPECT_EQ(b.button.model().mWidth, 75);
    EXPECT_EQ(b.button.model().mHeight, 23);
    EXPECT_TRUE(b.button.model().mIsNT);
    EXPECT_EQ(b.button.hWnd(), b.host.window());
    EXPECT_TRUE(b.host.Windows().IsWindow(b.button.hWnd()));
}

TEST(QxButtonNewInstance, WithoutADisplayNameTheWindowNamesIt) {
    TestHost host;
    host.displayName.clear();
    QxButton button(host);
    button.Initialize();
    button.InitProperties();
    const std::string number = std::to_string(host.window());
    EXPECT_EQ(button.Caption(), u"qxbutton" + std::u16string(number.begin(), number.end()));
}

TEST(QxButtonStyle, DefaultColoursAndFocusRectanglePerStyle) {
    struct Row {
        std::int32_t style;
        OleColor back; // 0: unchanged
        bool white;
        bool focus;
    };
    const OleColor kUnchanged = Rgb(1, 2, 3);
    const Row rows[] = {
        {0, kButtonFace, false, true},
        {1, kButtonFace, false, true},
        {2, Rgb(0xEC, 0xEB, 0xE7), false, false},
        {3, kButtonFace, false, false},
        {4, Rgb(0xE3, 0xE3, 0xE3), false, false}, // 0xD4 + 15.3 = 227.3 -> 227
        {5, Rgb(0, 109, 170), true, true},
        {6, Rgb(0xD5, 0xD6, 0xE1), false, true},
        {7, Rgb(173, 209, 255), false, false},
        {8, kButtonFace, false, false},
        {9, kButtonFace, false, false},
        {10, Rgb(0xAD, 0xD1, 0xFF), false, false},
        {11, kButtonFace, false, false},
        {12, kButtonFace, false, false},
        {13, Rgb(0xCA, 0xE1, 0xFC), false, false},
        {14, Rgb(0xD0, 0xD0, 0xD0), false, false},
        {15, Rgb(0xA7, 0xCA, 0xE6), false, true},
        {16, kUnchanged, false, false},
        {-1, kUnchanged, false, false},
    };
    for (const Row& r : rows) {
        NewButton b;
        b.button.SetButtonStyle(5);
        b.button.SetBackColor(kUnchanged);
        b.host.changes.clear();
        b.button.SetButtonStyle(r.style);
        EXPECT_EQ(b.button.BackColor(), r.back) << r.style;
        EXPECT_EQ(b.button.ForeColor(), r.white ? Rgb(255, 255, 255) : kButtonText) << r.style;
        EXPECT_EQ(b.button.ShowFocusRect(), r.focus) << r.style;
        EXPECT_EQ(b.host.changes.back(), "ButtonStyle");
        EXPECT_EQ(b.host.SurfaceForeColor(), b.button.ForeColor());
    }
}

TEST(QxButtonStyle, RoundedLooksGetRoundedRegions) {
    for (std::int32_t style = -1; style <= 16; ++style) {
        NewButton b; // 75 x 23
        b.button.SetButtonStyle(style);
        ASSERT_TRUE(b.host.region().has_value());
        const Region& r = *b.host.region();
        const bool rounded = style == 2 || style == 3 || style == 4 || style == 6 || style == 8 ||
                             style == 10 || style == 14;
        EXPECT_EQ(r.box(), (Rect{0, 0, 75, 23})) << style;
        EXPECT_EQ(r.Contains(0, 0), !rounded) << style;
        EXPECT_TRUE(r.Contains(37, 0)) << style;
        EXPECT_TRUE(r.Contains(74, 11)) << style;
        EXPECT_FALSE(r.Contains(75, 11)) << style;
    }
}

TEST(QxButtonSetters, EachAssignmentRepaintsAndReportsAsItShould) {
    struct Row {
        const char* name;
        std::function<void(QxButton&)> assign;
        bool repaints;
        std::vector<std::string> changes;
    };
    const auto icon = testing::MakeIcon(16, 16, 0x123456);
    const Row rows[] = {
        {"BackColor", [](QxButton& q) { q.SetBackColor(Rgb(1, 2, 3)); }, true, {"BackColor"}},
        {"Caption", [](QxButton& q) { q.SetCaption(u"&Go"); }, true, {"Caption"}},
        {"CaptionAlign", [](QxButton& q) { q.SetCaptionAlign(2); }, true, {"CaptionAlign"}},
        {"CheckBoxMode",
         [](QxButton& q) { q.SetCheckBoxMode(true); },
         true,
         {"Value", "CheckBoxMode"}},
        {"Enabled", [](QxButton& q) { q.SetEnabled(false); }, true, {"Enabled"}},
        {"ForeColor", [](QxButton& q) { q.SetForeColor(Rgb(9, 9, 9)); }, true, {"ForeColor"}},
        {"HandPointer", [](QxButton& q) { q.SetHandPointer(true); }, false, {"HandPointer"}},
        {"MaskColor", [](QxButton& q) { q.SetMaskColor(0); }, true, {"MaskColor"}},
        {"MouseIcon", [&](QxButton& q) { q.SetMouseIcon(icon); }, false, {"MouseIcon"}},
        {"MousePointer", [](QxButton& q) { q.SetMousePointer(11); }, false, {"MousePointer"}},
        {"Picture", [&](QxButton& q) { q.SetPicture(icon); }, true, {"Picture"}},
        {"Picture nothing", [](QxButton& q) { q.SetPicture(nullptr); }, true, {}},
        {"PictureAlign", [](QxButton& q) { q.SetPictureAlign(4); }, false, {"PictureAlign"}},
        {"PictureSize", [](QxButton& q) { q.SetPictureSize(2); }, true, {"PictureSize"}},
        {"PictureHover",
         [&](QxButton& q) { q.SetPictureHover(icon); },
         true,
         {"Picture", "PictureHover"}},
        {"ShowFocusRect", [](QxButton& q) { q.SetShowFocusRect(false); }, false, {"ShowFocusRect"}},
        {"UseMaskColor", [](QxButton& q) { q.SetUseMaskColor(true); }, false, {"UseMaskColor"}},
        {"Value outside check-box mode", [](QxButton& q) { q.SetValue(true); }, true, {}},
    };
    for (const Row& r : rows) {
        NewButton b;
        b.host.changes.clear();
        const int before = b.host.paints();
        r.assign(b.button);
        EXPECT_EQ(b.host.paints() > before, r.repaints) << r.name;
        EXPECT_EQ(b.host.changes, r.changes) << r.name;
    }
}

TEST(QxButtonSetters, PictureAlignAndUseMaskColorRepaintOnlyWithAPicture) {
    NewButton b;
    b.button.SetPicture(testing::MakeBitmap(8, 8, 0xFF0000));
    int before = b.host.paints();
    b.button.SetPictureAlign(0);
    EXPECT_GT(b.host.paints(), before);
    before = b.host.paints();
    b.button.SetUseMaskColor(true);
    EXPECT_GT(b.host.paints(), before);
}

TEST(QxButtonSetters, PictureNothingRebuildsRegionWithoutReportingAChange) {
    NewButton b;
    // A look that never builds a region itself, so only the setter's rebuild counts.
    b.button.SetButtonStyle(kStyleAmberBands);
    b.button.SetPicture(testing::MakeBitmap(8, 8, 0xFF0000));
    const int regions = b.host.regions;
    b.host.changes.clear();
    b.button.SetPicture(nullptr);
    EXPECT_EQ(b.button.Picture(), nullptr);
    EXPECT_EQ(b.host.regions, regions + 1);
    EXPECT_TRUE(b.host.changes.empty());
}

TEST(QxButtonSetters, PictureHoverFillsAnEmptyPicture) {
    NewButton b;
    b.button.SetButtonStyle(kStyleAmberBands); // its look never builds a region itself
    const auto hover = testing::MakeIcon(16, 16, 0x00FF00);
    b.button.SetPictureHover(hover);
    EXPECT_EQ(b.button.Picture(), hover);
    EXPECT_EQ(b.button.PictureHover(), hover);

    const auto other = testing::MakeIcon(16, 16, 0x0000FF);
    b.host.changes.clear();
    b.button.SetPictureHover(other); // Picture is set now and stays
    EXPECT_EQ(b.button.Picture(), hover);
    EXPECT_EQ(b.button.PictureHover(), other);
    EXPECT_EQ(b.host.changes, std::vector<std::string>{"PictureHover"});

    const int regions = b.host.regions;
    b.host.changes.clear();
    b.button.SetPictureHover(nullptr);
    EXPECT_EQ(b.button.PictureHover(), nullptr);
    EXPECT_EQ(b.host.regions, regions + 1);
    EXPECT_TRUE(b.host.changes.empty());
}

TEST(QxButtonSetters, ValueAndCheckBoxModeResetTheState) {
    NewButton b;
    b.button.model().mState = 1;
    b.button.SetValue(true);
    EXPECT_FALSE(b.button.Value());
    EXPECT_EQ(b.button.model().mState, 0);

    b.button.SetCheckBoxMode(true);
    b.button.SetValue(true);
    EXPECT_TRUE(b.button.Value());
    b.button.model().mState = 1;
    b.button.SetCheckBoxMode(false);
    EXPECT_TRUE(b.button.Value()); // kept
    EXPECT_EQ(b.button.model().mState, 0);

    b.button.SetCheckBoxMode(true);
    b.button.model().mState = 2;
    b.button.SetValue(false);
    EXPECT_FALSE(b.button.Value());
    EXPECT_EQ(b.button.model().mState, 0);
}

TEST(QxButtonSetters, MousePointerMustFitSixteenBits) {
    NewButton b;
    for (std::int32_t bad : {32768, -32769, 99999}) {
        b.host.log.clear();
        try {
            b.button.SetMousePointer(bad);
            ADD_FAILURE() << bad;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::Overflow);
        }
        EXPECT_TRUE(b.host.log.empty()) << "the surface was touched for " << bad;
    }
    b.button.SetMousePointer(-32768);
    EXPECT_EQ(b.button.MousePointer(), -32768);
}

TEST(QxButtonSetters, MouseIconSetsThePointerAndIgnoresErrors) {
    NewButton b;
    b.button.SetMouseIcon(testing::MakeIcon(16, 16, 0));
    EXPECT_EQ(b.button.MousePointer(), 99);
    b.button.SetMouseIcon(nullptr);
    EXPECT_EQ(b.button.MousePointer(), 0);
    b.host.failMouseIcon = true;
    b.host.changes.clear();
    EXPECT_NO_THROW(b.button.SetMouseIcon(testing::MakeIcon(16, 16, 0)));
    EXPECT_EQ(b.button.MousePointer(), 99); // the later steps still ran
    EXPECT_EQ(b.host.changes, std::vector<std::string>{"MouseIcon"});
}

TEST(QxButtonFont, AssignmentAndChangeNotification) {
    NewButton b;
    auto font = StdFont::Create({u"Verdana", 10, 700, 0});
    b.host.log.clear();
    b.button.SetFont(font);
    EXPECT_EQ(b.button.Font(), font);
    EXPECT_EQ(b.host.SurfaceFont().name, u"Verdana");
    EXPECT_EQ(std::count(b.host.changes.begin(), b.host.changes.end(), "Font"), 2);
    EXPECT_EQ(std::count(b.host.log.begin(), b.host.log.end(), "Refresh"), 2);

    b.host.changes.clear();
    const int before = b.host.paints();
    font->SetSize(12);
    EXPECT_EQ(b.host.SurfaceFont().size, 12);
    EXPECT_GT(b.host.paints(), before);
    EXPECT_EQ(b.host.changes, std::vector<std::string>{"Font"});

    // A replaced font no longer reaches the button.
    auto second = StdFont::Create({u"Arial", 9, 400, 0});
    b.button.SetFont(second);
    b.host.changes.clear();
    font->SetBold(false);
    EXPECT_TRUE(b.host.changes.empty());
    EXPECT_EQ(b.host.SurfaceFont().name, u"Arial");
}

TEST(QxButtonFont, NoFontIsRefusedBeforeAnythingChanges) {
    NewButton b;
    auto font = StdFont::Create({u"Verdana", 10, 700, 0});
    b.button.SetFont(font);
    b.host.changes.clear();
    EXPECT_THROW(b.button.SetFont(nullptr), RuntimeError);
    EXPECT_EQ(b.button.Font(), font);
    EXPECT_TRUE(b.host.changes.empty());
}

TEST(QxButtonFont, FontOutlivingItsButtonIsHarmless) {
    auto font = StdFont::Create();
    NewButton survivor;
    survivor.button.SetFont(font);
    TestHost goneHost; // outlives its button
    {
        QxButton gone(goneHost);
        goneHost.Attach(&gone);
        gone.Initialize();
        gone.InitProperties();
        gone.SetFont(font);
        goneHost.Attach(nullptr);
    }
    survivor.host.changes.clear();
    goneHost.changes.clear();
    EXPECT_NO_THROW(font->SetItalic(true));
    EXPECT_TRUE(font->attributes().italic);
    // The button still alive hears of it once and draws with it; the one gone hears
    // nothing.
    EXPECT_EQ(survivor.host.changes, std::vector<std::string>{"Font"});
    EXPECT_TRUE(survivor.host.SurfaceFont().italic);
    EXPECT_TRUE(goneHost.changes.empty());
}

TEST(QxButtonResize, RaisesOuterSizeToTwoHundredTwentyTwips) {
    struct Case {
        float width, height;
        std::vector<std::string> sets;
    };
    const Case cases[] = {
        {1125, 200, {"SetHeight:220"}},
        {200, 200, {"SetHeight:220", "SetWidth:220"}},
        {220, 220, {}},
        {219.9f, 345, {"SetWidth:220"}},
    };
    for (const Case& c : cases) {
        for (bool nested : {false, true}) {
            TestHost host(c.width, c.height);
            QxButton button(host);
            host.Attach(&button);
            host.raiseResizeOnSetSize = nested;
            button.Initialize();
            button.Resize();
            std::vector<std::string> sets;
            for (const auto& entry : host.log) {
                if (entry.rfind("Set", 0) == 0 && entry.find("Rgn") == std::string::npos) {
                    sets.push_back(entry);
                }
            }
            EXPECT_EQ(sets, c.sets) << c.width << "x" << c.height << " nested " << nested;
            EXPECT_GE(host.Height(), 220);
            EXPECT_GE(host.Width(), 220);
            EXPECT_EQ(host.log.back(), "SetWindowRgn");
        }
    }
}

TEST(QxButtonAmbient, DisplayAsDefaultFollowsEveryChangeButRepaintsOnlyForTwoNames) {
    struct Case {
        const char* name;
        int paints;
    };
    for (const Case c : {Case{"DisplayAsDefault", 1}, Case{"BackColor", 1}, Case{"Font", 0},
                         Case{"displayasdefault", 0}, Case{"", 0}}) {
        NewButton b;
        b.host.displayAsDefault = true;
        const int before = b.host.paints();
        b.button.AmbientChanged(c.name);
        EXPECT_TRUE(b.button.model().mDisplayAsDefault) << c.name;
        EXPECT_EQ(b.host.paints() - before, c.paints) << c.name;
    }
}

TEST(QxButtonMisc, AboutAndTerminate) {
    NewButton b;
    b.button.About();
    ASSERT_EQ(b.host.messages.size(), 2u);
    EXPECT_EQ(b.host.messages[0], u"QXButton\nA Multistyle Button Control");
    EXPECT_EQ(b.host.messages[1], u"About");
    EXPECT_EQ(b.host.log.back(), "MessageBox:64");

    // A button whose input never started has nothing to take down: Terminate leaves both
    // windows' procedures, the container and the desktop alone, and reports nothing.
    const std::vector<std::string> logged = b.host.log;
    b.host.desktop().ClearCalls();
    EXPECT_NO_THROW(b.button.Terminate());
    EXPECT_EQ(b.host.log, logged);
    EXPECT_TRUE(b.host.desktop().calls().empty());
    EXPECT_TRUE(b.host.errors.empty());
    for (WindowHandle w : {b.host.window(), b.host.parentWindow()}) {
        const Window* window = b.host.Windows().Find(w);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->Chain(), std::vector<ProcedureId>{window->own_procedure()});
    }
}

} // namespace
} // namespace lumio
