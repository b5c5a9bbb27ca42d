// Style 7 AmberBands: two stacked vertical gradients split at H / 2.7, BackColor at
// rest and orange otherwise, inside a darker frame. No region, no disabled look.
#include "button/render/color_helpers.h"
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"

namespace lumio {

namespace {

// The colours of the upper band (rows 0 .. T - 1) and the lower band (from T on).
struct Bands {
    OleColor top1, top2;
    OleColor low1, low2;
};

constexpr Bands kChecked{FromRrggbb(0xFFD9A9), FromRrggbb(0xFFC06F), FromRrggbb(0xFFAB3F),
                         FromRrggbb(0xFFE175)};
constexpr Bands kHover{FromRrggbb(0xFFFFE1), FromRrggbb(0xFFEAAC), FromRrggbb(0xFFD767),
                       FromRrggbb(0xFFE499)};
// Pressed, and checked under the mouse.
constexpr Bands kPressed{FromRrggbb(0xFFC158), FromRrggbb(0xFFAF51), FromRrggbb(0xFF8F46),
                         FromRrggbb(0xFFD35F)};

Bands RestingBands(const StylePainter& p) {
    return Bands{BlendColors(p.S(0.09f), kWhite), BlendColors(p.S(0.07f), p.bc), p.bc, p.S(0.03f)};
}

void DrawBands(StylePainter& p, const Bands& b) {
    const double h = p.H;
    const std::int32_t T = p.Rnd(h / 2.7);
    const std::int32_t L = p.Rnd(h - h / 2.7);
    p.VerticalGradient(0, 0, p.W, T, b.top1, b.top2);
    p.VerticalGradient(0, T, p.W, L, b.low1, b.low2);
}

} // namespace

void DrawAmberBands(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    const ButtonModel& m = p.m;
    p.Remeasure();

    // The checked look ignores the state.
    if (m.Checked()) {
        DrawBands(p, kChecked);
        if (m.mMouseOver) {
            DrawBands(p, kPressed);
        }
    } else if (state == kStateNormal) {
        p.Fill(p.bc, Rect{0, 0, p.W, p.H});
        DrawBands(p, RestingBands(p));
    } else if (state == kStateHover) {
        DrawBands(p, kHover);
    } else if (state == kStatePressed) {
        DrawBands(p, kPressed);
    }
    p.Frame(0, 0, p.W, p.H, p.S(-0.34f));
}

} // namespace lumio
