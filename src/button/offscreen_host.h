#pragma once

#include "button/control_host.h"
#include "platform/fake_desktop.h"
#include "platform/twips.h"
#include "platform/window_registry.h"

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumio {

class QxButton;

// Windows and a deterministic desktop, which several hosts may share (a row of buttons
// on one parent).
struct OffscreenDesk {
    WindowRegistry windows;
    FakeDesktop desktop{windows};
};

// A container without a screen: one button on a memory surface, with settable ambient
// values and parent properties, on a FakeDesktop. Command-line tools, benchmarks and tests
// run buttons in it; Composite() shows the button as its window would appear over the
// container.
//
// Its control window lies under a parent window, both on a desk of the host's own or on a
// shared one. Input reaches the control the way a container delivers it: PressMouse,
// ReleaseMouse and DoubleClick capture and release the mouse around the notification as
// the platform's containers do. With translateMessages set, the control window's own
// procedure also turns the messages it receives into those notifications (WM_MOUSEMOVE
// with buttons and Shift/Ctrl from the MK_ flags, WM_xBUTTONDOWN/UP/DBLCLK, WM_SETFOCUS,
// WM_KILLFOCUS, and WM_KEYDOWN/UP with the key code in wParam and, by this host's own
// convention, the Shift argument in lParam); without it the window's own processing does
// nothing, so a message sent to it reaches only the hooks.
class OffscreenHost : public ControlHost {
public:
    // A host with a desk of its own: a parent window and the control's window in it.
    OffscreenHost(float widthTwips, float heightTwips, const TextPainter& text);
    // A host whose control window is created on a shared desk under `parentWindow`.
    OffscreenHost(OffscreenDesk& sharedDesk, WindowHandle parentWindow, float widthTwips,
                  float heightTwips, const TextPainter& text);
    ~OffscreenHost() override;
    OffscreenHost(const OffscreenHost&) = delete;
    OffscreenHost& operator=(const OffscreenHost&) = delete;

    // The control that hears Resize, Paint and the window's input; null detaches it.
    void Attach(QxButton* control) { control_ = control; }
    QxButton* control() const { return control_; }

    WindowHandle window() const { return window_; }
    WindowHandle parentWindow() const { return parentWindow_; }
    FakeDesktop& desktop() { return desk_->desktop; }

    // The container delivering mouse input to the control.
    void PressMouse(std::int16_t button, std::int16_t shift, float x, float y);
    void ReleaseMouse(std::int16_t button, std::int16_t shift, float x, float y);
    void DoubleClick();

    // The window over the container: outside the window region, the container's
    // background colour.
    Bitmap Composite() const;
    const std::optional<Region>& region() const { return region_; }

    // The container's background; the surface's own starts as this colour too.
    void SetAmbientBackColor(OleColor color);

    // Paints so far: every PaintButton measures the caption exactly once.
    int paints() const { return text_.measures; }

    // Ambient values; change them before the notification that reads them.
    OleColor ambientBackColor = SystemColor(15);
    bool userMode = true;
    bool displayAsDefault = false;
    // Pixels per artwork pixel, as a host on an enlarged display gives it.
    std::int32_t artworkFactor = 1;
    std::u16string displayName = u"qxbutton1";
    FontAttributes ambientFont;
    // The parent's properties asked by name: "hWnd" and "MDIChild" (0, an ordinary
    // top-level form). A name that is missing raises an error when asked.
    std::map<std::string, std::int32_t, std::less<>> parentProperties;
    // Whether setting the outer size delivers Resize to the attached control again.
    bool raiseResizeOnSetSize = true;
    // Whether the control window's own procedure raises the control's notifications.
    bool translateMessages = false;
    // What ended the control's input handlers, in order.
    std::vector<std::string> errors;

    // --- RenderHost ---
    Surface& surface() override { return surface_; }
    float ScaleWidth() const override { return width_ / kTwipsPerPixel; }
    float ScaleHeight() const override { return height_ / kTwipsPerPixel; }
    OleColor AmbientBackColor() const override { return ambientBackColor; }
    bool AmbientUserMode() const override { return userMode; }
    void SetWindowRgn(Region region, bool redraw) override;
    std::u16string AccessKeys() const override { return accessKeys_; }
    void SetAccessKeys(std::u16string keys) override { accessKeys_ = std::move(keys); }
    FontAttributes SurfaceFont() const override { return surfaceFont_; }
    const TextPainter& Text() const override { return text_; }
    std::int32_t ArtworkFactor() const override { return artworkFactor; }

    // --- ControlHost ---
    float Width() const override { return width_; }
    float Height() const override { return height_; }
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;
    std::u16string AmbientDisplayName() const override { return displayName; }
    FontAttributes AmbientFont() const override { return ambientFont; }
    bool AmbientDisplayAsDefault() const override { return displayAsDefault; }
    std::int32_t ParentProperty(std::string_view name) override;
    void PropertyChanged(std::string_view) override {}
    void Refresh() override;
    std::int32_t hWnd() const override { return window_; }
    void SetSurfaceFont(const FontAttributes& font) override { surfaceFont_ = font; }
    void SetSurfaceFontName(const std::u16string& name) override { surfaceFont_.name = name; }
    OleColor SurfaceForeColor() const override { return foreColor_; }
    void SetSurfaceForeColor(OleColor color) override { foreColor_ = color; }
    bool SurfaceEnabled() const override { return enabled_; }
    void SetSurfaceEnabled(bool enabled) override;
    std::int16_t SurfaceMousePointer() const override { return mousePointer_; }
    void SetSurfaceMousePointer(std::int16_t pointer) override { mousePointer_ = pointer; }
    PictureRef SurfaceMouseIcon() const override { return mouseIcon_; }
    void SetSurfaceMouseIcon(PictureRef icon) override { mouseIcon_ = std::move(icon); }
    void MessageBox(std::u16string_view, std::int32_t, std::u16string_view) override {}
    WindowRegistry& Windows() override { return desk_->windows; }
    DesktopServices& Desktop() override { return desk_->desktop; }
    void HandlerError(std::exception_ptr error) override;

private:
    // The text service as given, counting its measures.
    class CountingText final : public TextPainter {
    public:
        explicit CountingText(const TextPainter& inner) : inner_(inner) {}
        TextExtent Measure(const FontAttributes& font, std::u16string_view text) const override;
        void DrawSingleLine(Surface& surface, const FontAttributes& font, std::u16string_view text,
                            const Rect& rect) const override;
        mutable int measures = 0;

    private:
        const TextPainter& inner_;
    };

    void CreateControlWindow();
    MessageResult OwnProcedure(MessageNumber message, WParam wParam, LParam lParam);
    void ResizeSurface();

    std::unique_ptr<OffscreenDesk> ownDesk_; // null when the desk is shared
    OffscreenDesk* desk_;
    WindowHandle parentWindow_ = 0;
    WindowHandle window_ = 0;
    CountingText text_;
    QxButton* control_ = nullptr;
    float width_;
    float height_;
    Surface surface_;
    std::optional<Region> region_;
    std::u16string accessKeys_;
    FontAttributes surfaceFont_;
    OleColor foreColor_ = 0;
    bool enabled_ = true;
    std::int16_t mousePointer_ = 0;
    PictureRef mouseIcon_;
};

} // namespace lumio
