#pragma once

#include "platform/color.h"
#include "platform/font.h"
#include "platform/region.h"
#include "platform/surface.h"
#include "platform/text_painter.h"

#include <string>

namespace lumio {

// What drawing a qxbutton needs from the container that hosts it: the control's
// surface (its device context) and scale size, the ambient values the looks depend on,
// the window region hand-over, the access-key set, and text.
class RenderHost {
public:
    virtual ~RenderHost() = default;

    virtual Surface& surface() = 0;
    // The surface's size in pixels, as real numbers (callers round halves to even).
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    // The container's background colour and whether it runs (true) or is designed.
    virtual OleColor AmbientBackColor() const = 0;
    virtual bool AmbientUserMode() const = 0;

    // SetWindowRgn: the region becomes the control window's; nothing outside it shows.
    virtual void SetWindowRgn(Region region, bool redraw) = 0;

    // The access keys the container routes to the control (a string of characters).
    virtual std::u16string AccessKeys() const = 0;
    virtual void SetAccessKeys(std::u16string keys) = 0;

    // The font captions are measured and drawn in, and the text service.
    virtual FontAttributes SurfaceFont() const = 0;
    virtual const TextPainter& Text() const = 0;

    // How many surface pixels each pixel of a look's fixed artwork takes: a host that
    // shows the control enlarged for a high-resolution display gives a whole factor
    // above 1 (see DisplayScale::ArtworkFactor).
    virtual std::int32_t ArtworkFactor() const { return 1; }
};

} // namespace lumio
