#pragma once

#include "button/button_notifications.h"
#include "button/control_host.h"
#include "button/qxbutton.h"
#include "qt/qt_desktop.h"
#include "reader/window_services.h"

#include <QImage>
#include <QWidget>
#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace lumio {

// What a button host takes from the window it sits on.
struct ButtonAmbient {
    OleColor backColor = 0;
    FontAttributes font;
    WindowHandle parentWindow = 0;
    bool userMode = true;
};

// A qxbutton in a Qt widget: the widget is the control's window and shows its raster
// surface as it is (no copy), clipped to the window region the control sets. Qt's
// mouse, key and focus events become messages to the control's window; they run
// through its chain (where the control's hook watches them), and the innermost
// procedure, the host's, turns them into the control's input notifications. Captions
// are measured and drawn by the text painter given.
class ButtonHost : public QWidget, public ControlHost, public CaptionedButton {
    Q_OBJECT
public:
    ButtonHost(QWidget* parent, std::u16string name, const ButtonAmbient& ambient,
               const TextPainter& text, WindowRegistry& windows, QtDesktop& desktop);
    ~ButtonHost() override;

    // Places the control in twips (15 per pixel) and loads its stored properties:
    // Initialize, then ReadProperties (which resizes and paints it).
    void Load(float leftTwips, float topTwips, float widthTwips, float heightTwips,
              const PropertyBag& properties);

    QxButton& button() { return *button_; }
    const std::u16string& name() const { return name_; }
    // The surface as an image that shares its pixels.
    QImage SurfaceImage();
    // Alt with a key: whether some control of the window takes it as its access key.
    std::function<bool(char16_t key)> accessKeyRouter;

    // Where the window's own procedure sends the input (the control's handlers).
    ButtonNotifications notifications;
    // A message through the control's window chain; answers what the chain answers.
    MessageResult Send(MessageNumber message, WParam wParam, LParam lParam);

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
    void Refresh() override { update(); }
    std::int32_t hWnd() const override { return ownWindow_; }
    void SetSurfaceFont(const FontAttributes& font) override { surfaceFont_ = font; }
    void SetSurfaceFontName(const std::u16string& name) override { surfaceFont_.name = name; }
    OleColor SurfaceForeColor() const override { return foreColor_; }
    void SetSurfaceForeColor(OleColor color) override { foreColor_ = color; }
    bool SurfaceEnabled() const override { return isEnabled(); }
    void SetSurfaceEnabled(bool enabled) override;
    std::int16_t SurfaceMousePointer() const override { return mousePointer_; }
    void SetSurfaceMousePointer(std::int16_t pointer) override;
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

    // Button and Shift values of a Qt mouse event, as the control's events take them.
    static std::int16_t ButtonValue(Qt::MouseButton button);
    static std::int16_t ShiftValue(Qt::KeyboardModifiers modifiers);
    // The virtual-key code of a Qt key (0 when it has none).
    static std::int16_t KeyCodeFor(int qtKey);
    // The mouse-message wParam for the buttons held and Shift/Ctrl.
    static WParam MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ResizeSurface();
    // Runs a notification, then shows whatever it painted.
    template <typename F>
    void Deliver(const F& notify);
    // The window's own, innermost procedure.
    MessageResult OwnProcedure(MessageNumber message, WParam wParam, LParam lParam);
    void SendMouse(MessageNumber message, QMouseEvent* event);
    void ApplyCursor();

    std::u16string name_;
    ButtonAmbient ambient_;
    const TextPainter& text_;
    WindowRegistry& windows_;
    QtDesktop& desktop_;
    WindowHandle ownWindow_;
    std::int16_t shift_ = 0; // Shift/Ctrl/Alt of the event being delivered
    Surface surface_;
    float widthTwips_ = 0;
    float heightTwips_ = 0;
    FontAttributes surfaceFont_;
    OleColor foreColor_ = 0;
    std::int16_t mousePointer_ = 0;
    PictureRef mouseIcon_;
    std::u16string accessKeys_;
    std::unique_ptr<QxButton> button_;
};

} // namespace lumio
