#pragma once

#include "button/control_host.h"
#include "button/qxbutton.h"
#include "button/support/fake_text.h"
#include "platform/fake_desktop.h"
#include "platform/twips.h"
#include "platform/window_registry.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumio::testing {

// Windows and a fake desktop, which several hosts may share.
struct TestDesk {
    WindowRegistry windows;
    FakeDesktop desktop{windows};
};

// A container for one qxbutton that records what the control asks of it. Sizes are
// in twips; the surface follows them at 15 twips per pixel.
//
// The host's window for the control turns messages into the control's input
// notifications, as a real container does: WM_MOUSEMOVE (buttons and Shift/Ctrl from
// the MK_ flags), WM_xBUTTONDOWN/UP (capturing the mouse while a button is held),
// WM_xBUTTONDBLCLK, WM_SETFOCUS, WM_KILLFOCUS, and WM_KEYDOWN/UP with the key code in
// wParam and, by this host's own convention, the Shift argument in lParam.
class TestHost : public ControlHost {
public:
    // A host with a desk of its own: a parent window and the control's window in it.
    explicit TestHost(float widthTwips = 1125, float heightTwips = 345);
    // A host whose control window is created on a shared desk under `parentWindow`.
    TestHost(TestDesk& sharedDesk, WindowHandle parentWindow, float widthTwips = 1125,
             float heightTwips = 345);
    ~TestHost() override;
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    // --- RenderHost ---
    Surface& surface() override { return surface_; }
    float ScaleWidth() const override { return width_ / kTwipsPerPixel; }
    float ScaleHeight() const override { return height_ / kTwipsPerPixel; }
    OleColor AmbientBackColor() const override { return ambientBackColor; }
    bool AmbientUserMode() const override { return userMode; }
    void SetWindowRgn(Region region, bool redraw) override;
    std::u16string AccessKeys() const override { return accessKeys; }
    void SetAccessKeys(std::u16string keys) override { accessKeys = std::move(keys); }
    FontAttributes SurfaceFont() const override { return surfaceFont; }
    const TextPainter& Text() const override { return *text; }

    // --- ControlHost ---
    float Width() const override { return width_; }
    float Height() const override { return height_; }
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;
    std::u16string AmbientDisplayName() const override { return displayName; }
    FontAttributes AmbientFont() const override { return ambientFont; }
    bool AmbientDisplayAsDefault() const override { return displayAsDefault; }
    std::int32_t ParentProperty(std::string_view name) override;
    void PropertyChanged(std::string_view name) override;
    void Refresh() override { log.push_back("Refresh"); }
    std::int32_t hWnd() const override { return window; }
    void SetSurfaceFont(const FontAttributes& font) override;
    void SetSurfaceFontName(const std::u16string& name) override { surfaceFont.name = name; }
    OleColor SurfaceForeColor() const override { return surfaceForeColor; }
    void SetSurfaceForeColor(OleColor color) override { surfaceForeColor = color; }
    bool SurfaceEnabled() const override { return surfaceEnabled; }
    void SetSurfaceEnabled(bool enabled) override;
    std::int16_t SurfaceMousePointer() const override { return mousePointer; }
    void SetSurfaceMousePointer(std::int16_t pointer) override;
    PictureRef SurfaceMouseIcon() const override { return mouseIcon; }
    void SetSurfaceMouseIcon(PictureRef icon) override;
    void MessageBox(std::u16string_view prompt, std::int32_t style,
                    std::u16string_view title) override;
    PictureLoader* Pictures() override { return pictures; }
    WindowRegistry& Windows() override { return desk->windows; }
    DesktopServices& Desktop() override { return desk->desktop; }
    void HandlerError(std::exception_ptr error) override;

    // The fake behind Desktop().
    FakeDesktop& desktop() { return desk->desktop; }

    // The control under test; set by the test so Resize can be raised again and the
    // control's window can deliver input.
    QxButton* control = nullptr;
    bool raiseResizeOnSetSize = false;

    OleColor ambientBackColor = SystemColor(15);
    bool userMode = true;
    bool displayAsDefault = false;
    std::u16string displayName = u"QxButton1";
    FontAttributes ambientFont{u"MS Sans Serif", 8.25, 400, 0};
    FontAttributes surfaceFont{u"MS Sans Serif", 8.25, 400, 0};
    std::u16string accessKeys;
    OleColor surfaceForeColor = 0;
    bool surfaceEnabled = true;
    std::int16_t mousePointer = 0;
    PictureRef mouseIcon;
    bool failMouseIcon = false;
    std::unique_ptr<TestDesk> ownDesk; // null when the desk is shared
    TestDesk* desk = nullptr;
    WindowHandle parentWindow = 0;
    WindowHandle window = 0; // the control's own window
    // The parent's properties: "hWnd" and "MDIChild" (0) of an ordinary top-level form.
    std::map<std::string, std::int32_t, std::less<>> parent;
    PictureLoader* pictures = nullptr;
    FakeText ownText;
    const TextPainter* text = &ownText;

    std::optional<Region> region;
    int regions = 0;
    std::vector<std::string> log;         // every call, in order
    std::vector<std::string> changes;     // PropertyChanged names only
    std::vector<std::u16string> messages; // prompts of message boxes
    std::vector<std::string> errors;      // what ended input handlers

    // Paints so far: every paint measures the caption exactly once.
    int paints() const { return ownText.measures; }

private:
    void CreateWindow();
    MessageResult OwnProcedure(MessageNumber message, WParam wParam, LParam lParam);
    void ResizeSurface();

    float width_;
    float height_;
    Surface surface_;
};

// A button in a TestHost, created the way a container creates a new instance.
struct NewButton {
    TestHost host;
    QxButton button{host};
    NewButton() {
        host.control = &button;
        button.Initialize();
        button.InitProperties();
    }
};

// A picture of the given kind and pixel size, filled with one colour.
PictureRef MakeBitmap(std::int32_t width, std::int32_t height, std::uint32_t rrggbb);
PictureRef MakeIcon(std::int32_t width, std::int32_t height, std::uint32_t rrggbb);

} // namespace lumio::testing
