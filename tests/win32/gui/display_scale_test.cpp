// The Windows front end's services at other resolutions: fonts, captions, metrics and
// the tool tips' font in pixels of the scale.
// clang-format off
#include "win32/gdi_text_painter.h"
// clang-format on
#include "win32/win_display_scale.h"
#include "win32/win_fonts.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

int FontHeight(HFONT font) {
    LOGFONTW lf{};
    return ::GetObjectW(font, sizeof(lf), &lf) == sizeof(lf) ? lf.lfHeight : 0;
}

TEST(WinDisplayScale, FontsAreMadeForTheirResolutionAndKeptApart) {
    WinFonts fonts;
    const FontAttributes viewer{u"微软雅黑", 21.75, kFontWeightRegular, 134};
    HFONT at100 = fonts.Get(viewer);
    HFONT at150 = fonts.Get(viewer, DisplayScale(144));
    HFONT at200 = fonts.Get(viewer, DisplayScale(192));
    EXPECT_EQ(FontHeight(at100), -29);
    EXPECT_EQ(FontHeight(at150), -44);
    EXPECT_EQ(FontHeight(at200), -58);
    EXPECT_NE(at100, at200);
    EXPECT_EQ(fonts.Get(viewer, DisplayScale(96)), at100); // the same font, made once
    EXPECT_EQ(fonts.Get(viewer, DisplayScale(192)), at200);
}

TEST(WinDisplayScale, CaptionsAreMeasuredAtThePaintersResolution) {
    WinFonts fonts;
    GdiTextPainter painter(fonts);
    FontAttributes caption{u"Tahoma", 9, kFontWeightBold, 0};
    const TextExtent at100 = painter.Measure(caption, u"Tolva MMM");
    painter.SetScale(DisplayScale(192));
    const TextExtent at200 = painter.Measure(caption, u"Tolva MMM");
    EXPECT_NEAR(at200.width, 2 * at100.width, 0.08 * at200.width); // hinted glyphs
    EXPECT_NEAR(at200.height, 2 * at100.height, 2);
    FontAttributes symbols{u"Webdings", 12, kFontWeightBold, 2};
    if (!fonts.HaveSymbolFont()) {
        EXPECT_DOUBLE_EQ(painter.Measure(symbols, u"4").width, 32); // the picture's cell
    }
}

TEST(WinDisplayScale, MetricsAndMessages) {
    EXPECT_GE(SystemScale().dpi(), 72);
    // The system's small icon for a resolution: its own size at 100 % doubled at 200 %.
    const int small = SystemMetricFor(SM_CXSMICON, DisplayScale(96));
    EXPECT_GE(small, 16);
    EXPECT_EQ(SystemMetricFor(SM_CXSMICON, DisplayScale(192)), 2 * small);
    EXPECT_EQ(ScaleFromDpiChanged(MAKEWPARAM(144, 144)), DisplayScale(144));
    HFONT tip = CreateToolTipFont(DisplayScale(192));
    ASSERT_NE(tip, nullptr);
    HFONT tipAt100 = CreateToolTipFont(DisplayScale(96));
    ASSERT_NE(tipAt100, nullptr);
    EXPECT_NEAR(FontHeight(tip), 2 * FontHeight(tipAt100), 1);
    ::DeleteObject(tip);
    ::DeleteObject(tipAt100);
}

} // namespace
} // namespace lumio
