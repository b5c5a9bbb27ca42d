#pragma once

#include "button/button_notifications.h"
#include "platform/window_registry.h"
#include "win32/gdi_text_painter.h"
#include "win32/win_api.h"
#include "win32/win_cursor.h"
#include "win32/win_desktop.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lumio {

// What a button takes from the window it sits on.
struct ButtonAmbient {
    OleColor backColor = 0;
    FontAttributes font;
    WindowHandle parentWindow = 0;
    HWND parent = nullptr;
    bool userMode = true;
    DisplayScale scale; // of the monitor the window is on
};

// A qxbutton in a real child window. Its surface is a device-independent bitmap that
// the core draws into and GDI writes captions into (no copy); WM_PAINT transfers it.
// The window procedure passes the system's mouse, key and focus messages on to the
// control's window in the core's registry, where they run through the chain the
// control hooks; the innermost procedure there, the button's own, calls the control's
// input handlers.
class ButtonWindow final : public ControlHost, public CaptionedButton {
public:
    ButtonWindow(std::u16string name, const ButtonAmbient& ambient, GdiTextPainter& text,
                 WindowRegistry& windows, WinDesktop& desktop);
    ~ButtonWindow() override;
    ButtonWindow(const ButtonWindow&) = delete;
    ButtonWindow& operator=(const ButtonWindow&) = delete;

    static void RegisterClass(HINSTANCE instance);

    // Places the control in twips and loads its stored properties.
    void Load(float leftTwips, float topTwips, float widthTwips, float heightTwips,
              const PropertyBag& properties);
    // The window moved to a monitor of another resolution: placed and sized from its
    // twips again, its region made again and its look drawn at the new size.
    void SetScale(DisplayScale scale);

    QxButton& button() { return *button_; }
    const std::u16string& name() const { return name_; }
    HWND window() const { return hwnd_; }
    // A message through the control's window chain, then repainted.
    MessageResult Send(MessageNumber message, WParam wParam, LParam lParam);
    bool TakesAccessKey(char16_t key) const;
    void PressAccessKey(char16_t key);

    // --- RenderHost ----------------------------------------------------------------
    Surface& surface() override { return surface_; }
    float ScaleWidth() const override { return static_cast<float>(surface_.width()); }
    float ScaleHeight() const override { return static_cast<float>(surface_.height()); }
    OleColor AmbientBackColor() const override { return ambient_.backColor; }
    bool AmbientUserMode() const override { return ambient_.userMode; }
    void SetWindowRgn(Region region, bool redraw) override;
    std::u16string AccessKeys() const override { return accessKeys_; }
    void SetAccessKeys(std::u16string keys) override { accessKeys_ = std::move(keys); }
    FontAttributes SurfaceFont() const override { return surfaceFont_; }
    const TextPainter& Text() const override { return text_; }
    std::int32_t ArtworkFactor() const override { return ambient_.scale.ArtworkFactor(); }

    // --- ControlHost ---------------------------------------------------------------
    float Width() const override { return widthTwips_; }
    float Height() const override { return heightTwips_; }
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;
    std::u16string AmbientDisplayName() const override { return name_; }
    FontAttributes AmbientFont() const override { return ambient_.font; }
    bool AmbientDisplayAsDefault() const override { return false; }
    std::int32_t ParentProperty(std::string_view name) override;
    void PropertyChanged(std::string_view) override {}
    void Refresh() override;
    std::int32_t hWnd() const override { return ownWindow_; }
    void SetSurfaceFont(const FontAttributes& font) override { surfaceFont_ = font; }
    void SetSurfaceFontName(const std::u16string& name) override { surfaceFont_.name = name; }
    OleColor SurfaceForeColor() const override { return foreColor_; }
    void SetSurfaceForeColor(OleColor color) override { foreColor_ = color; }
    bool SurfaceEnabled() const override;
    void SetSurfaceEnabled(bool enabled) override;
    std::int16_t SurfaceMousePointer() const override { return mousePointer_; }
    void SetSurfaceMousePointer(std::int16_t pointer) override { mousePointer_ = pointer; }
    PictureRef SurfaceMouseIcon() const override { return mouseIcon_; }
    void SetSurfaceMouseIcon(PictureRef icon) override;
    void MessageBox(std::u16string_view prompt, std::int32_t style,
                    std::u16string_view title) override;
    WindowRegistry& Windows() override { return windows_; }
    DesktopServices& Desktop() override { return desktop_; }
    void HandlerError(std::exception_ptr error) override;

    // --- CaptionedButton (the pin command) -----------------------------------------
    std::u16string Caption() const override { return button_->Caption(); }
    void SetCaption(std::u16string caption) override;
    void SetToolTipText(std::u16string text) override;
    // Where the tool tip text goes (the reader window's tool tip control).
    std::function<void(HWND, const std::u16string&)> toolTipSetter;

    // The Shift value (1 Shift, 2 Ctrl, 4 Alt) of the keys held now.
    static std::int16_t ShiftNow();

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    MessageResult OwnProcedure(MessageNumber message, WParam wParam, LParam lParam);
    void ResizeSurface();
    void FreeSurface();
    void Paint();
    bool SetCursorForPointer();

    std::u16string name_;
    ButtonAmbient ambient_;
    GdiTextPainter& text_;
    WindowRegistry& windows_;
    WinDesktop& desktop_;
    WindowHandle ownWindow_;
    HWND hwnd_ = nullptr;
    HDC memory_ = nullptr;
    HBITMAP dib_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    std::int16_t shift_ = 0;
    Surface surface_;
    float leftTwips_ = 0;
    float topTwips_ = 0;
    float widthTwips_ = 0;
    float heightTwips_ = 0;
    FontAttributes surfaceFont_;
    OleColor foreColor_ = 0;
    std::int16_t mousePointer_ = 0;
    PictureRef mouseIcon_;
    std::unique_ptr<WinCursor> iconCursor_; // made from mouseIcon_ when first needed
    std::u16string accessKeys_;
    std::unique_ptr<QxButton> button_;
    ButtonNotifications notifications_;
};

// An Alt+key press (the WM_SYSCHAR character) goes to the first shown, enabled button
// whose caption marks that key, in either case; true when one took it.
bool RouteAccessKey(const std::vector<std::unique_ptr<ButtonWindow>>& buttons, WPARAM character);

} // namespace lumio
