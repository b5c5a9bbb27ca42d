// Style 9 HighlightBox: a light vertical gradient at rest, a pale blue box while
// hovered, a blue box when pressed, a grey-blue box when checked. No focus rectangle.
#include "button/render/color_helpers.h"
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"

namespace lumio {

namespace {

// A box: one fill and one frame, 0xRRGGBB.
struct Box {
    std::uint32_t fill;
    std::uint32_t frame;
};

constexpr Box kHoverBox{0xC1D2EE, 0x316AC5};
constexpr Box kPressedBox{0x98B5E2, 0x4B4B6F};
constexpr Box kCheckedHoverBox{0x98B5E2, 0x316AC5};

void DrawBox(StylePainter& p, std::uint32_t fill, OleColor frame) {
    p.Fill(FromRrggbb(fill), p.m.ClientRect);
    p.Frame(0, 0, p.W, p.H, frame);
}

void DrawBox(StylePainter& p, const Box& box) {
    DrawBox(p, box.fill, FromRrggbb(box.frame));
}

void DrawRestingGradient(StylePainter& p) {
    p.VerticalGradient(0, 0, p.W, p.H, BlendColors(p.S(0.26f), kWhite), p.bc);
}

} // namespace

void DrawHighlightBox(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    p.Remeasure();
    p.SetClientRect();

    if (!p.m.Enabled) {
        DrawRestingGradient(p);
    }
    if (p.m.Checked()) {
        DrawBox(p, 0xE1E6E8, ShiftColor(FromRrggbb(0x4B4B6F), 0.05f));
        if (state == kStateHover) {
            DrawBox(p, kCheckedHoverBox);
        }
        return;
    }
    switch (state) {
    case kStateNormal:
        DrawRestingGradient(p);
        break;
    case kStateHover:
        DrawBox(p, kHoverBox);
        break;
    case kStatePressed:
        DrawBox(p, kPressedBox);
        break;
    default:
        break;
    }
}

} // namespace lumio
