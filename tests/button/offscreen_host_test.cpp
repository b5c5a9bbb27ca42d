#include "button/offscreen_host.h"
#include "button/qxbutton.h"
#include "platform/bitmap_font.h"
#include "platform/palette.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(OffscreenHost, CompositeShowsTheContainerOutsideTheRegion) {
    const BitmapFontPainter font;
    OffscreenHost host(75 * 15, 23 * 15, font);
    host.SetAmbientBackColor(Rgb(0x10, 0x20, 0x30));
    QxButton button(host);
    host.Attach(&button);
    button.Initialize();
    button.InitProperties();
    button.SetButtonStyle(14);                               // rounded corners of 18 x 18
    host.surface().bitmap().Fill(PixelFromRrggbb(0xFF0000)); // stands in for a look
    const Bitmap shown = host.Composite();
    EXPECT_EQ(shown.at(0, 0), ToPixel(Rgb(0x10, 0x20, 0x30)));
    EXPECT_EQ(shown.at(37, 11), PixelFromRrggbb(0xFF0000));
    EXPECT_EQ(host.surface().back_color(), Rgb(0x10, 0x20, 0x30));
}

TEST(OffscreenHost, GrowingToTheMinimumSizeResizesTheSurface) {
    const BitmapFontPainter font;
    OffscreenHost host(150, 150, font);
    QxButton button(host);
    host.Attach(&button);
    button.Initialize();
    button.InitProperties();
    EXPECT_EQ(host.Width(), 220);
    EXPECT_EQ(host.surface().width(), 15);
    EXPECT_EQ(button.model().mWidth, 15);
    const Window* own = host.Windows().Find(host.hWnd());
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(host.ParentProperty("hWnd"), own->parent());
    EXPECT_TRUE(host.Windows().IsWindow(own->parent()));
    EXPECT_THROW(host.ParentProperty("Colour"), RuntimeError);
}

TEST(OffscreenHost, ANewLookDrawsItsLinesInTheirOwnColours) {
    const BitmapFontPainter font;
    OffscreenHost host(75 * 15, 23 * 15, font);
    QxButton button(host);
    host.Attach(&button);
    button.Initialize();
    button.InitProperties();
    button.SetButtonStyle(5); // a focused shadow button inverts for its focus rectangle
    button.model().mHasFocus = true;
    button.model().mParentActive = true;
    button.PaintButton();
    ASSERT_EQ(host.surface().draw_mode(), kDrawModeInvert);

    button.SetButtonStyle(2); // the gloss look: its dark-blue frame and rim are lines
    EXPECT_EQ(host.surface().draw_mode(), kDrawModeCopyPen);
    // The focus rim's top line, (1,1) to (W-2,1), in 0xCEE7FF as drawn, not inverted.
    EXPECT_EQ(host.surface().bitmap().at(10, 1), PixelFromRrggbb(0xCEE7FF));
}

} // namespace
} // namespace lumio
