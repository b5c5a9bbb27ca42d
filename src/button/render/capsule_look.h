#pragma once

#include "button/render/paint_context.h"

namespace lumio {

// The three pixel maps of style 14, each painted whole over the surface: the grey
// look at rest, the blue hover look and the darker blue pressed look. DrawCapsule,
// declared with the other renderers, chooses one (and rebuilds the region before the
// grey one).
void DrawCapsuleNormal(PaintContext& ctx);
void DrawCapsuleHot(PaintContext& ctx);
void DrawCapsuleDown(PaintContext& ctx);

} // namespace lumio
