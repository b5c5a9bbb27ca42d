#pragma once

#include "button/render/paint_context.h"

#include <cstdint>

namespace lumio {

// The renderers of the sixteen looks. Each draws the background and border of the
// button for the given interaction state; the picture and caption come afterwards.
// The shared renderer of styles 0, 1, 11 and 12 reads ButtonStyle itself.
void DrawStandard(PaintContext& ctx, std::int32_t state);
void DrawGloss(PaintContext& ctx, std::int32_t state);
void DrawBevel(PaintContext& ctx, std::int32_t state);
void DrawBlueGlass(PaintContext& ctx, std::int32_t state);
void DrawShadow(PaintContext& ctx, std::int32_t state);
void DrawSoftGradient(PaintContext& ctx, std::int32_t state);
void DrawAmberBands(PaintContext& ctx, std::int32_t state);
void DrawLightBlue(PaintContext& ctx, std::int32_t state);
void DrawHighlightBox(PaintContext& ctx, std::int32_t state);
void DrawPlastic(PaintContext& ctx, std::int32_t state);
void DrawAmberNavy(PaintContext& ctx, std::int32_t state);
void DrawCapsule(PaintContext& ctx, std::int32_t state);
void DrawSideGradient(PaintContext& ctx, std::int32_t state);

} // namespace lumio
