// The looks are not drawn yet: until their renderers arrive, every style paints
// only its picture and caption over the cleared surface. Each definition below is
// replaced, file by file, as the renderers of a group are written.
#include "button/render/style_renderers.h"

namespace lumio {

void DrawStandard(PaintContext&, std::int32_t) {}
void DrawGloss(PaintContext&, std::int32_t) {}
void DrawBevel(PaintContext&, std::int32_t) {}
void DrawBlueGlass(PaintContext&, std::int32_t) {}
void DrawShadow(PaintContext&, std::int32_t) {}
void DrawSoftGradient(PaintContext&, std::int32_t) {}
void DrawAmberBands(PaintContext&, std::int32_t) {}
void DrawLightBlue(PaintContext&, std::int32_t) {}
void DrawHighlightBox(PaintContext&, std::int32_t) {}
void DrawPlastic(PaintContext&, std::int32_t) {}
void DrawAmberNavy(PaintContext&, std::int32_t) {}
void DrawCapsule(PaintContext&, std::int32_t) {}
void DrawSideGradient(PaintContext&, std::int32_t) {}

} // namespace lumio
