#pragma once

#include "button/picture_persistence.h"
#include "button/render/render_host.h"
#include "platform/desktop_services.h"
#include "platform/window_registry.h"

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace lumio {

// The container of a qxbutton: it gives the control its window and surface, answers
// for its ambient values and its parent, hears which persisted property changed, and
// delivers the control's notifications (Initialize, InitProperties or ReadProperties,
// Resize, Paint, ambient changes, WriteProperties, Terminate) in that order. The
// desktop program hosts buttons in real windows; tests use a recording host.
//
// The surface's own background colour (what a paint clears to) starts as the
// container's background colour; some looks set it again.
//
// Input. The host creates the control's own window and its parent window in Windows()
// before the control loads; hWnd() and ParentProperty("hWnd") name them. At run time
// the control hooks both, so the host sends what it hears to those windows as messages:
// WM_MOUSEMOVE to the window under the pointer (or holding the capture), WM_ACTIVATE or
// WM_NCACTIVATE to the parent. The innermost procedure of the control's own window is
// the host's: it calls the control's input notifications (QxButton::MouseDown and the
// rest), so a mouse move reaches the control's MouseMove before its hook sees the
// message. Like the platform's own containers, the host captures the mouse for the
// control while a button is held on it and releases the capture when it goes up.
// SetSurfaceEnabled(false) disables the control's window: no mouse or keyboard input
// reaches it then.
class ControlHost : public RenderHost {
public:
    // The control's outer size in twips. Setting it may deliver Resize again before
    // the setter returns.
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual void SetWidth(float twips) = 0;
    virtual void SetHeight(float twips) = 0;

    // Ambient values of the container.
    virtual std::u16string AmbientDisplayName() const = 0;
    virtual FontAttributes AmbientFont() const = 0;
    virtual bool AmbientDisplayAsDefault() const = 0;

    // A property of the parent window asked by name ("hWnd", "MDIChild"; Booleans as
    // -1 and 0). Raises RuntimeError when the parent has no such property.
    virtual std::int32_t ParentProperty(std::string_view name) = 0;

    // The persisted property `name` changed (the container marks its form dirty).
    virtual void PropertyChanged(std::string_view name) = 0;
    // The surface repaints itself (the container delivers Paint, now or soon).
    virtual void Refresh() = 0;

    // The control's own window.
    virtual std::int32_t hWnd() const = 0;

    // Properties the surface itself holds.
    virtual void SetSurfaceFont(const FontAttributes& font) = 0;
    virtual void SetSurfaceFontName(const std::u16string& name) = 0;
    virtual OleColor SurfaceForeColor() const = 0;
    virtual void SetSurfaceForeColor(OleColor color) = 0;
    virtual bool SurfaceEnabled() const = 0;
    virtual void SetSurfaceEnabled(bool enabled) = 0;
    virtual std::int16_t SurfaceMousePointer() const = 0;
    virtual void SetSurfaceMousePointer(std::int16_t pointer) = 0;
    virtual PictureRef SurfaceMouseIcon() const = 0;
    virtual void SetSurfaceMouseIcon(PictureRef icon) = 0;

    // A modal message box (style as the platform numbers it: 64 information + OK).
    virtual void MessageBox(std::u16string_view prompt, std::int32_t style,
                            std::u16string_view title) = 0;

    // --- Run-time input --------------------------------------------------------------
    // The windows of the process: the control's own window, its parent and their chains.
    virtual WindowRegistry& Windows() = 0;
    // Pointer, capture, cursors, leave notifications, libraries, keystrokes, pending
    // messages.
    virtual DesktopServices& Desktop() = 0;
    // An error that ended one of the control's input handlers. They run inside window
    // procedures and from the host's event dispatch, where an error must not unwind
    // through other procedures, so they hand it here instead of throwing.
    virtual void HandlerError(std::exception_ptr error) = 0;

    // Turns picture file references of persisted sets into pictures; may be null.
    virtual PictureLoader* Pictures() { return nullptr; }
};

} // namespace lumio
