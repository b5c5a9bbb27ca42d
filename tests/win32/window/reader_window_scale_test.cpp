// The reader window at other resolutions, as a real window on a desktop (its end-to-end
// script runs this): laid out for its monitor, laid out again when the system says the
// monitor changed, and back at the start to the very pixels it had.
// clang-format off
#include "win32/reader_window.h"
// clang-format on
#include "reader/main_msg_form.h"
#include "win32/win_display_scale.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>

namespace lumio {
namespace {

int FontHeight(HFONT font) {
    LOGFONTW lf{};
    return ::GetObjectW(font, sizeof(lf), &lf) == sizeof(lf) ? lf.lfHeight : 0;
}

// The reader window, built but not started (no tray icon, nothing shown), and what it
// is made of, child by child.
class ReaderWindowScaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<ReaderWindow>(
            ReaderWindowOptions{::GetModuleHandleW(nullptr), u"https://example.org/"});
        ASSERT_NE(window_->window(), nullptr);
    }

    // Every child window's rectangle in the client area, by its name (the buttons' and
    // the viewer's titles; the sliders by their order).
    std::map<std::wstring, RECT> Children() const {
        std::map<std::wstring, RECT> out;
        struct Walk {
            HWND parent;
            std::map<std::wstring, RECT>* out;
            int sliders = 0;
        } walk{window_->window(), &out};
        ::EnumChildWindows(
            window_->window(),
            [](HWND child, LPARAM data) -> BOOL {
                auto* w = reinterpret_cast<Walk*>(data);
                wchar_t name[64] = {};
                wchar_t kind[64] = {};
                ::GetWindowTextW(child, name, 64);
                ::GetClassNameW(child, kind, 64);
                std::wstring key = name;
                if (std::wstring(kind) == TRACKBAR_CLASSW) {
                    key = L"Slider" + std::to_wstring(++w->sliders);
                } else if (std::wstring(kind) == L"LumioViewer") {
                    key = L"rtxt1";
                }
                RECT r{};
                ::GetWindowRect(child, &r);
                ::MapWindowPoints(nullptr, w->parent, reinterpret_cast<POINT*>(&r), 2);
                (*w->out)[key] = r;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&walk));
        return out;
    }

    // The window is laid out as the form says at this resolution, every control.
    void ExpectLaidOutAt(DisplayScale scale) {
        const ReaderLayout layout = LayoutReaderWindow(LoadMainMsgForm(), scale);
        EXPECT_EQ(window_->scale(), scale);
        const auto children = Children();
        for (const ReaderControl& c : layout.controls) {
            const std::wstring name(c.name.begin(), c.name.end());
            const auto it = children.find(name);
            ASSERT_NE(it, children.end()) << std::string(name.begin(), name.end());
            const RECT& r = it->second;
            EXPECT_EQ((Rect{r.left, r.top, r.right, r.bottom}), c.geometry)
                << std::string(name.begin(), name.end()) << " at " << scale.dpi() << " dpi";
            if (c.kind == ReaderControlKind::Button) {
                const Surface& s = Button(name).surface();
                EXPECT_EQ(s.width(), c.geometry.right - c.geometry.left);
                EXPECT_EQ(s.height(), c.geometry.bottom - c.geometry.top);
            }
        }
    }

    ButtonWindow& Button(const std::wstring& name) {
        HWND w = ::FindWindowExW(window_->window(), nullptr, L"LumioButton", name.c_str());
        return *reinterpret_cast<ButtonWindow*>(::GetWindowLongPtrW(w, GWLP_USERDATA));
    }

    // Every button's pixels, by name.
    std::map<std::wstring, Bitmap> Looks() {
        std::map<std::wstring, Bitmap> looks;
        for (const wchar_t* name : {L"cmd_main", L"mstart", L"mzant", L"mstop", L"loadtxt",
                                    L"cmd_top", L"cmd_tolva", L"cmd_exit"}) {
            looks[name] = Button(name).surface().bitmap();
        }
        return looks;
    }

    // The font the window's tool tips are drawn in.
    int ToolTipFontHeight() const {
        for (HWND w = ::FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); w;
             w = ::FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr)) {
            if (::GetWindow(w, GW_OWNER) == window_->window()) {
                return FontHeight(reinterpret_cast<HFONT>(::SendMessageW(w, WM_GETFONT, 0, 0)));
            }
        }
        return 0;
    }

    RECT WindowRect() const {
        RECT r{};
        ::GetWindowRect(window_->window(), &r);
        return r;
    }

    std::unique_ptr<ReaderWindow> window_;
};

TEST_F(ReaderWindowScaleTest, ComesUpLaidOutForItsMonitor) {
    const DisplayScale scale = WindowScale(window_->window());
    ExpectLaidOutAt(scale);
    const RECT r = WindowRect();
    const ReaderLayout layout = LayoutReaderWindow(LoadMainMsgForm(), scale);
    EXPECT_EQ(r.right - r.left, layout.clientWidth);
    EXPECT_EQ(r.bottom - r.top, layout.clientHeight);
}

TEST_F(ReaderWindowScaleTest, TheSystemsDpiChangeLaysItOutAgainInTheSuggestedRectangle) {
    const DisplayScale start = window_->scale();
    const std::map<std::wstring, Bitmap> before = Looks();
    struct Step {
        std::int32_t dpi;
        RECT suggested;
    };
    const Step steps[] = {
        {144, {100, 20, 1075, 228}},
        {192, {40, 0, 1340, 278}},
        {120, {300, 50, 1112, 224}},
        {240, {0, 0, 1625, 348}},
        {start.dpi(), {315, 0, 315 + 650 * start.dpi() / 96, 139 * start.dpi() / 96}},
    };
    for (const Step& s : steps) {
        ::SendMessageW(window_->window(), WM_DPICHANGED, MAKEWPARAM(s.dpi, s.dpi),
                       reinterpret_cast<LPARAM>(&s.suggested));
        const RECT r = WindowRect();
        EXPECT_EQ(r.left, s.suggested.left) << s.dpi;
        EXPECT_EQ(r.top, s.suggested.top) << s.dpi;
        EXPECT_EQ(r.right, s.suggested.right) << s.dpi;
        EXPECT_EQ(r.bottom, s.suggested.bottom) << s.dpi;
        ExpectLaidOutAt(DisplayScale(s.dpi));
        // The title strip's caption grew with the scale: drawn, not left blank.
        const Bitmap& strip = Button(L"cmd_main").surface().bitmap();
        EXPECT_EQ(strip.width(), DisplayScale(s.dpi).Pixels(9735));
    }
    // Back where it began, every button is drawn to the pixel as it first was.
    const std::map<std::wstring, Bitmap> after = Looks();
    for (const auto& [name, look] : before) {
        EXPECT_EQ(after.at(name), look) << std::string(name.begin(), name.end());
    }
}

TEST_F(ReaderWindowScaleTest, WithoutASuggestionTheWindowKeepsItsPlaceAndTakesTheNewSize) {
    ::SetWindowPos(window_->window(), nullptr, 200, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    window_->ApplyScale(DisplayScale(168), nullptr);
    const RECT r = WindowRect();
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right - r.left, 1138); // 650 x 1.75, halves to even
    EXPECT_EQ(r.bottom - r.top, 243);
    ExpectLaidOutAt(DisplayScale(168));
    // The capsule's artwork would be drawn by whole pixels: not yet enlarged at 175 %.
    EXPECT_EQ(Button(L"mstart").ArtworkFactor(), 1);
    window_->ApplyScale(DisplayScale(192), nullptr);
    EXPECT_EQ(Button(L"mstart").ArtworkFactor(), 2);
}

TEST_F(ReaderWindowScaleTest, ToolTipsTakeTheFontOfTheWindowsResolution) {
    HFONT at200 = CreateToolTipFont(DisplayScale(192));
    HFONT atSystem = CreateToolTipFont(SystemScale());
    ASSERT_NE(at200, nullptr);
    ASSERT_NE(atSystem, nullptr);
    window_->ApplyScale(DisplayScale(192), nullptr);
    EXPECT_EQ(ToolTipFontHeight(), FontHeight(at200));
    // Back at the system's resolution, the system's own size again.
    window_->ApplyScale(SystemScale(), nullptr);
    EXPECT_EQ(ToolTipFontHeight(), FontHeight(atSystem));
    ::DeleteObject(at200);
    ::DeleteObject(atSystem);
}

TEST_F(ReaderWindowScaleTest, TheViewerMenuTakesTheFontOfTheWindowsResolution) {
    window_->ApplyScale(SystemScale(), nullptr);
    const int atSystem = FontHeight(window_->viewerMenu().font());
    ASSERT_NE(atSystem, 0);
    window_->ApplyScale(DisplayScale(SystemScale().dpi() * 2), nullptr);
    EXPECT_NEAR(FontHeight(window_->viewerMenu().font()), 2 * atSystem, 1);
    window_->ApplyScale(SystemScale(), nullptr);
    EXPECT_EQ(FontHeight(window_->viewerMenu().font()), atSystem);
}

// The side of an icon's colour image, 0 for none.
int IconSide(HICON icon) {
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

TEST(ProgramIcon, IsLoadedAtTheSizeOfTheResolution) {
    struct Row {
        std::int32_t dpi;
        int metric;
        int side;
    };
    // 16 to 128 pixels are in the .ico; 20 and 40 are shrunk from a larger image.
    const Row rows[] = {
        {96, SM_CXSMICON, 16},  {120, SM_CXSMICON, 20}, {144, SM_CXSMICON, 24},
        {192, SM_CXSMICON, 32}, {96, SM_CXICON, 32},    {120, SM_CXICON, 40},
        {144, SM_CXICON, 48},   {192, SM_CXICON, 64},
    };
    const HINSTANCE self = ::GetModuleHandleW(nullptr);
    const int small = SystemMetricFor(SM_CXSMICON, DisplayScale(96));
    for (const Row& r : rows) {
        const int side = r.side * small / 16; // a system whose small icons are not 16
        HICON icon =
            LoadIconForScale(self, ReaderWindow::kIconResource, r.metric, DisplayScale(r.dpi));
        EXPECT_EQ(IconSide(icon), side) << r.dpi << " dpi, metric " << r.metric;
        if (icon) {
            ::DestroyIcon(icon);
        }
    }
    EXPECT_EQ(LoadIconForScale(self, 999, SM_CXSMICON, DisplayScale(96)), nullptr); // no such
}

} // namespace
} // namespace lumio
