#include "button/render/style_painter.h"

#include "button/render/color_helpers.h"
#include "button/render/gradient.h"
#include "button/render/paint_button.h"
#include "button/render/primitives.h"
#include "platform/edge.h"
#include "platform/focus_rect.h"

namespace lumio {

StylePainter::StylePainter(PaintContext& context)
    : ctx(context), m(context.model), surface(context.surface()), W(context.model.mWidth),
      H(context.model.mHeight), bc(context.Translate(context.model.BackColor)) {}

void StylePainter::Remeasure() {
    ctx.RemeasureSize();
    UseStoredSize();
}

void StylePainter::SetClientRect() {
    m.ClientRect = Rect{0, 0, W, H};
}

void StylePainter::UseStoredSize() {
    W = Px(m.mWidth);
    H = Px(m.mHeight);
}

OleColor StylePainter::Of(Tone tone) const {
    return tone.shifted ? ShiftColor(bc, tone.amount) : bc;
}

OleColor StylePainter::Of(Shade shade) {
    const OleColor base = FromRrggbb(shade.rrggbb);
    return shade.amount == 0.0f ? base : ShiftColor(base, shade.amount);
}

OleColor StylePainter::System(std::int32_t index) const {
    return ctx.Translate(SystemColor(index));
}

void StylePainter::Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                        OleColor c) {
    DrawLine(surface, x1, y1, x2, y2, c);
}

void StylePainter::Frame(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                         OleColor c) {
    DrawRectangle(surface, x, y, w, h, c);
}

void StylePainter::Fill(OleColor c, const Rect& r) {
    FillRectangle(surface, c, r);
}

void StylePainter::VerticalGradient(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                                    OleColor top, OleColor bottom) {
    DrawGradient(surface, x, y, w, h, top, bottom, GradientDirection::Vertical);
}

void StylePainter::HorizontalGradient(std::int32_t x, std::int32_t y, std::int32_t w,
                                      std::int32_t h, OleColor left, OleColor right) {
    DrawGradient(surface, x, y, w, h, left, right, GradientDirection::Horizontal);
}

void StylePainter::Corners(OleColor c) {
    ctx.RemeasureSize();
    SetCornerPixels(surface, m.mWidth, m.mHeight, c);
}

void StylePainter::Edge(const Rect& r, std::uint32_t edgeType) {
    DrawEdge(surface, r, edgeType, kBfRect);
}

void StylePainter::FocusRect(const Rect& r) {
    DrawFocusRect(surface, r);
}

void StylePainter::Region() {
    SetButtonRegion(ctx);
}

void StylePainter::TakeAmbientBackColor() {
    surface.set_back_color(ctx.Translate(ctx.host.AmbientBackColor()));
    surface.Clear();
}

} // namespace lumio
