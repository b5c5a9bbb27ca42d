#include "platform/symbol_font.h"
#include "win32/gdi_text_painter.h"
#include "win32/viewer_window.h"
#include "win32/win_cursor.h"
#include "win32/win_dialogs.h"
#include "win32/win_notify_area.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace lumio {
namespace {

TEST(WinOpenDialog, FilterPartsAreSeparatedByNulAndEndWithTwo) {
    struct Case {
        std::u16string core;
        std::wstring system;
    };
    const Case cases[] = {
        {u"(txt) 文本|*.txt", std::wstring(L"(txt) 文本\0*.txt\0\0", 16)},
        {u"A|*.a|B|*.b;*.c", std::wstring(L"A\0*.a\0B\0*.b;*.c\0\0", 17)},
        {u"", std::wstring(L"\0\0", 2)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WinOpenDialog::SystemFilter(c.core), c.system);
    }
}

TEST(WinNotifyArea, RecordCarriesTheCoreFieldsAndCutsLongTexts) {
    const HWND fake = reinterpret_cast<HWND>(0x1234);
    WinNotifyArea area([&](WindowHandle h) { return h == 7 ? fake : nullptr; },
                       [](IconHandle) { return static_cast<HICON>(nullptr); });
    TrayIconData data;
    data.hWnd = 7;
    data.uID = 3;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_INFO;
    data.uCallbackMessage = 0x200;
    data.szInfo = u"提示：左键显示，右键隐藏";
    data.szInfoTitle = std::u16string(100, u'x'); // longer than the field
    data.dwInfoFlags = NIIF_INFO;
    const NOTIFYICONDATAW r = area.SystemRecord(data);
    EXPECT_EQ(r.cbSize, sizeof(NOTIFYICONDATAW));
    EXPECT_EQ(r.hWnd, fake);
    EXPECT_EQ(r.uID, 3u);
    EXPECT_EQ(r.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_INFO));
    EXPECT_EQ(r.uCallbackMessage, 0x200u);
    EXPECT_EQ(std::wstring(r.szInfo), L"提示：左键显示，右键隐藏");
    EXPECT_EQ(std::wstring(r.szInfoTitle).size(), std::size(r.szInfoTitle) - 1);
    EXPECT_EQ(r.szTip[0], L'\0');
    EXPECT_EQ(r.dwInfoFlags, static_cast<DWORD>(NIIF_INFO));
    // A window the system does not know is refused before the shell is asked.
    data.hWnd = 8;
    EXPECT_FALSE(area.Shell_NotifyIcon(NIM_ADD, data));
    EXPECT_FALSE(area.HasIcons());
}

TEST(WrapLineEnd, BreaksAfterASpaceElseAnywhere) {
    struct Case {
        const wchar_t* text;
        int start;
        int fit;
        int end;
    };
    const Case cases[] = {
        {L"abc def ghi", 0, 6, 4},  // "abc " fits, "def" does not
        {L"abc def ghi", 0, 7, 8},  // "abc def" fits just so: its space ends the line
        {L"abc def ghi", 4, 3, 8},  // from the middle
        {L"abcdefgh", 0, 3, 3},     // no space: anywhere
        {L"abcdefgh", 0, 0, 1},     // not even one fits: one anyway
        {L"abc", 0, 10, 3},         // all of it
        {L"中文没有空格", 0, 4, 4}, // CJK runs break anywhere
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WrapLineEnd(c.text, c.start, c.fit), c.end) << c.text << " fit " << c.fit;
    }
}

// A surface over a DIB section selected into a memory DC, as a button holds it.
struct DibSurface {
    explicit DibSurface(int w, int h) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dib = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc = ::CreateCompatibleDC(nullptr);
        old = ::SelectObject(dc, dib);
        surface.set_back_color(Rgb(255, 255, 255));
        surface.Attach(w, h, static_cast<Pixel*>(bits));
    }
    ~DibSurface() {
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        ::DeleteObject(dib);
    }
    int Count(Pixel p, const Rect& r) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                n += surface.bitmap().at(x, y) == p ? 1 : 0;
            }
        }
        return n;
    }
    void* bits = nullptr;
    HBITMAP dib = nullptr;
    HDC dc = nullptr;
    HGDIOBJ old = nullptr;
    Surface surface;
};

TEST(GdiTextPainter, DrawsIntoTheSharedMemoryWithinTheRectangleOnly) {
    WinFonts fonts;
    GdiTextPainter painter(fonts);
    for (const bool bound : {true, false}) {
        DibSurface target(80, 30);
        if (bound) {
            painter.Bind(target.surface.pixels(), target.dc);
        }
        target.surface.set_text_color(Rgb(200, 0, 0));
        FontAttributes font;
        font.size = 12;
        const Rect area{10, 5, 60, 25};
        painter.DrawSingleLine(target.surface, font, u"M&W", area);
        const Pixel ink = ToPixel(Rgb(200, 0, 0));
        EXPECT_GT(target.Count(ink, area), 10) << "bound " << bound;
        // Nothing outside the rectangle; every pixel stays opaque.
        const Pixel white = ToPixel(Rgb(255, 255, 255));
        EXPECT_EQ(target.Count(white, Rect{0, 0, 80, 5}), 80 * 5);
        EXPECT_EQ(target.Count(white, Rect{60, 0, 80, 30}), 20 * 30);
        EXPECT_EQ(target.Count(ink, area) + target.Count(white, area), 50 * 20);
        painter.Unbind(target.surface.pixels());
    }
}

TEST(GdiTextPainter, MeasuresWiderTextWiderAndSymbolsByTheirCell) {
    WinFonts fonts;
    GdiTextPainter painter(fonts);
    FontAttributes font;
    font.size = 12;
    const TextExtent one = painter.Measure(font, u"M");
    const TextExtent three = painter.Measure(font, u"MMM");
    EXPECT_GT(one.width, 0);
    EXPECT_NEAR(three.width, 3 * one.width, 2);
    EXPECT_GT(one.height, 10);
    FontAttributes symbols;
    symbols.name = u"Webdings";
    symbols.size = 12;
    if (!fonts.HaveSymbolFont()) {
        EXPECT_DOUBLE_EQ(painter.Measure(symbols, u"45").width, 2 * SymbolEmPixels(symbols));
        // Drawn as the pictures, in the text colour.
        DibSurface target(40, 40);
        target.surface.set_text_color(Rgb(0, 0, 200));
        painter.DrawSingleLine(target.surface, symbols, u"4", Rect{0, 0, 40, 40});
        EXPECT_GT(target.Count(ToPixel(Rgb(0, 0, 200)), Rect{0, 0, 40, 40}), 20);
    }
}

TEST(WinCursor, IsMadeOfThePicturePixelsWithItsHotSpotAtTheTopLeft) {
    // Opaque red, green, blue on the top row; a transparent pixel and two opaque below.
    Bitmap image(3, 2);
    const Pixel pixels[] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu,
                            0x00000000u, 0xFF808080u, 0xFFFFFFFFu};
    std::copy(std::begin(pixels), std::end(pixels), image.data());
    const WinCursor cursor(image);
    ASSERT_NE(cursor.handle(), nullptr);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(cursor.handle(), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 0u);
    ASSERT_NE(info.hbmColor, nullptr);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = 3;
    format.bmiHeader.biHeight = -2;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    Pixel got[6] = {};
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(::GetDIBits(screen, info.hbmColor, 0, 2, got, &format, DIB_RGB_COLORS), 2);
    ::ReleaseDC(nullptr, screen);
    for (int i = 0; i < 6; ++i) {
        if ((pixels[i] & kOpaque) != 0) {
            EXPECT_EQ(got[i] & 0x00FFFFFFu, pixels[i] & 0x00FFFFFFu) << i;
        }
    }
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
}

TEST(WinCursor, AnEmptyPictureMakesNoCursor) {
    EXPECT_EQ(WinCursor(Bitmap(0, 0)).handle(), nullptr);
    EXPECT_EQ(WinCursor(Bitmap(5, 0)).handle(), nullptr);
}

} // namespace
} // namespace lumio
