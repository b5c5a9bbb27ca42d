#include "button/offscreen_host.h"
#include "button/property_bag.h"
#include "button/qxbutton.h"
#include "platform/bitmap_font.h"
#include "platform/errors.h"
#include "platform/palette.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

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

namespace lumio {
namespace {

// A running button in an offscreen host, its window placed at (0, 0), 75 x 23 pixels.
struct Running {
    BitmapFontPainter font;
    OffscreenHost host{75 * 15, 23 * 15, font};
    QxButton button{host};
    int clicks = 0;
    Running() {
        host.Attach(&button);
        host.desktop().PlaceWindow(host.parentWindow(), {0, 0, 100, 50});
        host.desktop().PlaceWindow(host.window(), {0, 0, 75, 23});
        button.Initialize();
        button.ReadProperties(PropertyBag("b"));
        button.events.Click = [this] { ++clicks; };
    }
    ~Running() { button.Terminate(); }
};

TEST(OffscreenHost, TheContainerCapturesTheMouseWhileAButtonIsHeld) {
    Running r;
    FakeDesktop& desktop = r.host.desktop();
    r.host.PressMouse(1, 0, 5, 5);
    EXPECT_EQ(desktop.GetCapture(), r.host.window());
    EXPECT_TRUE(r.button.model().mLeftDown);
    r.host.ReleaseMouse(1, 0, 5, 5);
    EXPECT_EQ(desktop.GetCapture(), 0);
    EXPECT_EQ(r.clicks, 1);

    // A capture somebody else holds is not the container's to release.
    desktop.SetCapture(r.host.parentWindow());
    r.host.ReleaseMouse(1, 0, 5, 5);
    EXPECT_EQ(desktop.GetCapture(), r.host.parentWindow());

    r.host.DoubleClick();
    EXPECT_EQ(desktop.GetCapture(), r.host.window());
    r.button.SetEnabled(false);
    EXPECT_EQ(desktop.GetCapture(), 0) << "a disabled window gives up the capture";
}

TEST(OffscreenHost, ItsWindowRaisesNotificationsOnlyWhenAskedTo) {
    Running r;
    WindowRegistry& windows = r.host.Windows();
    const WindowHandle own = r.host.window();
    windows.Send(own, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5));
    windows.Send(own, WM_LBUTTONUP, 0, MakeLParam(5, 5));
    EXPECT_EQ(r.clicks, 0);
    EXPECT_FALSE(r.button.model().mLeftDown);
    // The hook still hears the messages after the window's own (empty) processing.
    r.host.desktop().PlacePointer({5, 5});
    windows.Send(own, WM_MOUSEMOVE, 0, MakeLParam(5, 5));
    EXPECT_TRUE(r.button.model().mMouseOver);

    r.host.translateMessages = true;
    windows.Send(own, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5));
    windows.Send(own, WM_LBUTTONUP, 0, MakeLParam(5, 5));
    EXPECT_EQ(r.clicks, 1);
}

TEST(OffscreenHost, ParentPropertiesAndHandlerErrorsAreTheScriptsToSetAndRead) {
    Running r;
    EXPECT_EQ(r.host.ParentProperty("hWnd"), r.host.parentWindow());
    EXPECT_EQ(r.host.ParentProperty("MDIChild"), 0);
    r.host.parentProperties["MDIChild"] = -1;
    EXPECT_EQ(r.host.ParentProperty("MDIChild"), -1);
    r.host.parentProperties.erase("MDIChild");
    EXPECT_THROW(r.host.ParentProperty("MDIChild"), RuntimeError);

    r.button.events.Click = [] { throw RuntimeError(ErrorNumber::Overflow, "Overflow"); };
    r.button.KeyDown(13, 0);
    EXPECT_EQ(r.host.errors, std::vector<std::string>{"Overflow"});
}

TEST(OffscreenHost, HostsOnASharedDeskTakeOnlyTheirOwnWindowsAway) {
    const BitmapFontPainter font;
    OffscreenDesk desk;
    const WindowHandle parent = desk.windows.Create(0, nullptr);
    WindowHandle first = 0;
    {
        OffscreenHost a(desk, parent, 1125, 345, font);
        OffscreenHost b(desk, parent, 1125, 345, font);
        first = a.window();
        EXPECT_EQ(a.parentWindow(), parent);
        EXPECT_EQ(desk.windows.Children(parent),
                  (std::vector<WindowHandle>{a.window(), b.window()}));
        EXPECT_EQ(&a.desktop(), &desk.desktop);
    }
    EXPECT_FALSE(desk.windows.IsWindow(first));
    EXPECT_TRUE(desk.windows.IsWindow(parent));
    EXPECT_TRUE(desk.windows.Children(parent).empty());
}

} // namespace
} // namespace lumio
