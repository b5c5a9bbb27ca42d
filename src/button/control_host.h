#pragma once

#include "button/picture_persistence.h"
#include "button/render/render_host.h"

#include <cstdint>
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

    // Turns picture file references of persisted sets into pictures; may be null.
    virtual PictureLoader* Pictures() { return nullptr; }
};

} // namespace lumio
