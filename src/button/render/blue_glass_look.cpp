// Style 4 BlueGlass: a BackColor glass face at rest; light blue glass with shaded side
// strips when hovered, deeper blue when pressed; a blue frame marks a focused or
// default button at rest. A disabled button has a flat look of its own.
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"

namespace lumio {

namespace {

// Four five-pixel strips at the sides, upper (from row 3, A rows) and lower (from M,
// B rows): the left ones run from their outer colour inwards, the right ones mirror them.
struct SideStrips {
    Shade upperOuter;
    Shade upperInner;
    Shade lowerOuter;
    Shade lowerInner;
};

constexpr SideStrips kHoverStrips{{0xCDEEFF}, {0xE4F7FF}, {0x8FD6FA}, {0xACE1FD, 0.01f}};
constexpr SideStrips kPressedStrips{
    {0x91C8E6, 0.02f}, {0xC2E4F6, -0.01f}, {0x4EABDC, 0.02f}, {0x9AD2F0, -0.01f}};

void DrawSideStrips(StylePainter& p, const SideStrips& strips) {
    const std::int32_t M = p.M();
    const double h = p.H;
    const std::int32_t A = p.Rnd(h / 2 - 2);
    const std::int32_t B = p.Rnd(h - h / 2 - 1);
    const Px right = p.W - 6;
    const OleColor upperOuter = StylePainter::Of(strips.upperOuter);
    const OleColor upperInner = StylePainter::Of(strips.upperInner);
    const OleColor lowerOuter = StylePainter::Of(strips.lowerOuter);
    const OleColor lowerInner = StylePainter::Of(strips.lowerInner);
    p.HorizontalGradient(1, 3, 5, A, upperOuter, upperInner);
    p.HorizontalGradient(1, M, 5, B, lowerOuter, lowerInner);
    p.HorizontalGradient(right, 3, 5, A, upperInner, upperOuter);
    p.HorizontalGradient(right, M, 5, B, lowerInner, lowerOuter);
}

void DrawDisabled(StylePainter& p) {
    p.Region();
    p.Fill(p.S(0.03f), Rect{0, 0, p.W, p.H});
    p.Frame(0, 0, p.W, p.H, p.S(-0.25f));
    p.Frame(1, 1, p.W - 2, p.H - 2, p.S(0.25f));
    p.Corners(p.S(-0.03f));
}

} // namespace

void DrawBlueGlass(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    const ButtonModel& m = p.m;
    p.Remeasure();
    if (!m.Enabled) {
        DrawDisabled(p);
        return;
    }
    const Px W = p.W;
    const Px H = p.H;
    const std::int32_t M = p.M();

    switch (state) {
    case kStateNormal:
        p.Region();
        p.VerticalGradient(1, 1, W - 1, H, p.S(0.05f), p.bc);
        p.VerticalGradient(1, M, W - 2, H - 2, p.S(-0.02f), p.S(-0.15f));
        p.Frame(0, 0, W, H, FromRrggbb(0x707070));
        p.Frame(1, 1, W - 2, H - 2, kWhite);
        break;
    case kStateHover:
        p.VerticalGradient(1, 1, W - 2, M, FromRrggbb(0xE4F7FF), FromRrggbb(0xDAF3FF));
        p.VerticalGradient(1, M, W - 2, H - 2, FromRrggbb(0xC1E9FF), FromRrggbb(0xAEE1FD));
        DrawSideStrips(p, kHoverStrips);
        p.Frame(0, 0, W, H, FromRrggbb(0x707070));
        p.Frame(1, 1, W - 2, H - 2, kWhite);
        break;
    case kStatePressed:
        p.VerticalGradient(1, 1, W - 1, H, FromRrggbb(0xC2E4F6), FromRrggbb(0xC2E4F6));
        p.VerticalGradient(1, M, W - 2, H - 2, FromRrggbb(0x9AD2F0), FromRrggbb(0x9AD2F0));
        p.Frame(0, 0, W, H, FromRrggbb(0x1D415C));
        p.Line(1, 1, W - 1, 1, FromRrggbb(0x719CB3));
        p.Line(1, 2, W - 1, 2, FromRrggbb(0xA9C6D6));
        p.Line(1, 3, W - 1, 3, FromRrggbb(0xB9D9EC));
        p.Line(1, 1, 1, p.Rnd(H / 2.0 - 1), FromRrggbb(0x73B0CF));
        DrawSideStrips(p, kPressedStrips);
        break;
    default:
        break;
    }

    if (m.mParentActive) {
        if (p.FocusOrDefault() && state == kStateNormal) {
            // A focused or default button at rest.
            p.Frame(0, 0, W, H, FromRrggbb(0x3275A7));
            p.Frame(1, 1, W - 2, H - 2, FromRrggbb(0x48D8FB));
        }
        if (m.ShowFocusRect && m.mHasFocus) {
            // Left and top are rnd(1.5).
            p.FocusRect(Rect{2, 2, W - 2, H - 2});
        }
    }
    p.Corners(FromRrggbb(0x5F96BE));
}

} // namespace lumio
