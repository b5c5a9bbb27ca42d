#pragma once

#include "button/control_host.h"
#include "platform/fake_desktop.h"
#include "platform/twips.h"
#include "platform/window_registry.h"

#include <optional>
#include <string>

namespace lumio {

class QxButton;

// A container without a screen: one button on a memory surface, with settable
// ambient values. Command-line tools and benchmarks draw buttons in it; Composite()
// shows the button as its window would appear over the container. Its windows live on
// a desktop of their own that nobody points at, so a running button hooks them but
// hears no input.
class OffscreenHost final : public ControlHost {
public:
    OffscreenHost(float widthTwips, float heightTwips, const TextPainter& text);

    // The control that hears Resize when its outer size changes.
    void Attach(QxButton* control) { control_ = control; }

    // The window over the container: outside the window region, the container's
    // background colour.
    Bitmap Composite() const;
    const std::optional<Region>& region() const { return region_; }

    // The container's background; the surface's own starts as this colour too.
    void SetAmbientBackColor(OleColor color);

    // Ambient values; change them before the notification that reads them.
    OleColor ambientBackColor = SystemColor(15);
    bool userMode = true;
    bool displayAsDefault = false;
    std::u16string displayName = u"qxbutton1";
    FontAttributes ambientFont;

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
    WindowRegistry& Windows() override { return windows_; }
    DesktopServices& Desktop() override { return desktop_; }
    // No input is delivered here, so no handler has anything to fail on.
    void HandlerError(std::exception_ptr) override {}

private:
    void ResizeSurface();

    WindowRegistry windows_;
    FakeDesktop desktop_{windows_};
    WindowHandle parent_ = windows_.Create(0, nullptr);
    WindowHandle window_ = windows_.Create(parent_, nullptr);
    const TextPainter& text_;
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
