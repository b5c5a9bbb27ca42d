#pragma once

#include "button/render/paint_context.h"

namespace lumio {

// Repaints the whole button: clears the surface, measures it, forces the pressed state
// of a checked check-box button (styles 0, 3 and 9 draw their checked look themselves),
// lets the style's renderer draw, then draws picture and caption.
void PaintButton(PaintContext& ctx);

// Gives the control's window the region of its style: a rounded rectangle for the
// rounded looks, a plain rectangle otherwise. The window owns the region from then on.
void SetButtonRegion(PaintContext& ctx);

// Lays out and draws the picture and the caption over what the renderer drew.
void DrawContent(PaintContext& ctx);

// Registers the caption's access key (or none) with the container.
void SetAccessKeys(PaintContext& ctx);

// The picture shown while hovered, pressed or checked: PictureHover when it is set and
// of the same kind as Picture, otherwise Picture.
const PictureRef& HoverPicture(const ButtonModel& model);

} // namespace lumio
