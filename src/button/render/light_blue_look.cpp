// Style 8 LightBlue: a flat BackColor face at rest; light blue gradients in a blue
// frame with a white inner frame while hovered or pressed.
#include "button/render/color_helpers.h"
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"

namespace lumio {

namespace {

constexpr std::uint32_t kFrame = 0x619ECA;

void DrawFrames(StylePainter& p) {
    p.Frame(0, 0, p.W, p.H, FromRrggbb(kFrame));
    p.Frame(1, 1, p.W - 2, p.H - 2, kWhite);
    p.Corners(ShiftColor(FromRrggbb(kFrame), 0.3f));
}

} // namespace

void DrawLightBlue(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    p.Remeasure();
    const Px W = p.W;
    const Px H = p.H;

    if (!p.m.Enabled) {
        p.Fill(p.bc, Rect{0, 0, W, H});
        p.Corners(p.bc);
        return;
    }
    switch (state) {
    case kStateNormal:
        p.Region();
        p.Fill(p.bc, Rect{0, 0, W, H});
        break;
    case kStateHover:
        p.VerticalGradient(1, 1, W - 2, H - 2, FromRrggbb(0xF1F9FD), FromRrggbb(0xD0ECF8));
        // Flat from 1/1.7 of the height down.
        p.VerticalGradient(1, p.Rnd(H / 1.7), W - 2, H - 2, FromRrggbb(0xD0ECF8),
                           FromRrggbb(0xD0ECF8));
        DrawFrames(p);
        break;
    case kStatePressed:
        p.VerticalGradient(1, 1, W - 2, H - 2, FromRrggbb(0xB0DEF1), FromRrggbb(0xDBF1F9));
        DrawFrames(p);
        break;
    default:
        break;
    }
}

} // namespace lumio
