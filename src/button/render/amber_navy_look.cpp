// Style 13 AmberNavy: a BackColor face split in two gradients at rest; orange
// gradients in a navy frame when hovered, pressed or checked.
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"

namespace lumio {

namespace {

struct Ramp {
    std::uint32_t top; // 0xRRGGBB
    std::uint32_t bottom;
};

constexpr Ramp kHover{0xFFF4CC, 0xFFD091};
// Pressed, and checked under the mouse.
constexpr Ramp kPressed{0xFE914E, 0xFFD38E};
constexpr Ramp kChecked{0xFFD58C, 0xFFAD55};
constexpr std::uint32_t kNavy = 0x000080;

void DrawFullHeight(StylePainter& p, const Ramp& ramp) {
    p.VerticalGradient(0, 0, p.W, p.H, FromRrggbb(ramp.top), FromRrggbb(ramp.bottom));
}

} // namespace

void DrawAmberNavy(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    const ButtonModel& m = p.m;
    p.Remeasure();
    const Px W = p.W;
    const Px H = p.H;

    if (m.Checked()) {
        DrawFullHeight(p, m.mMouseOver ? kPressed : kChecked);
        p.Frame(0, 0, W, H, FromRrggbb(kNavy));
        return;
    }
    switch (state) {
    case kStateNormal: {
        p.Region();
        const std::int32_t M = p.M();
        p.VerticalGradient(0, 0, W, M, p.S(0.05f), p.bc);
        p.VerticalGradient(0, M, W, p.Rnd(H / 2.0 + 1), p.S(-0.01f), p.S(-0.13f));
        break;
    }
    case kStateHover:
        DrawFullHeight(p, kHover);
        break;
    case kStatePressed:
        DrawFullHeight(p, kPressed);
        break;
    default:
        break;
    }
    // At rest, no frame.
    if (state != kStateNormal) {
        p.Frame(0, 0, W, H, FromRrggbb(kNavy));
    }
}

} // namespace lumio
