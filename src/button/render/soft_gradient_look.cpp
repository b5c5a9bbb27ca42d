// Style 6 SoftGradient: white fading into BackColor over the upper half, a flat lower
// half, a white inner highlight and a darker frame. Hover looks like rest; a disabled
// button looks like one at rest. Its focus rectangle frames the caption.
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"

namespace lumio {

namespace {

struct SoftLook {
    Tone upperEnd;   // the upper gradient runs from white to this
    Tone lowerStart; // the lower gradient, from M down over a whole height
    Tone lowerEnd;
    Tone frame;
    Tone bottomLine;
};

constexpr SoftLook kRaised{kBack, kBack, kBack, Shifted(-0.2f), Shifted(-0.25f)};
constexpr SoftLook kPressed{Shifted(-0.1f), Shifted(-0.1f), Shifted(-0.05f), Shifted(-0.23f),
                            Shifted(-0.4f)};

void DrawFace(StylePainter& p, const SoftLook& look) {
    const Px W = p.W;
    const Px H = p.H;
    const std::int32_t M = p.M();
    p.VerticalGradient(0, 0, W, M, kWhite, p.Of(look.upperEnd));
    // A whole height from M: the lower end colour lies below the control.
    p.VerticalGradient(0, M, W, H, p.Of(look.lowerStart), p.Of(look.lowerEnd));
    // An inner highlight whose bottom side lies outside the control.
    p.Frame(1, 1, W - 2, H, kWhite);
    p.Frame(0, 0, W, H, p.Of(look.frame));
    p.Line(2, H - 1, W - 2, H - 1, p.Of(look.bottomLine));
}

} // namespace

void DrawSoftGradient(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    const ButtonModel& m = p.m;
    p.Remeasure();
    const std::int32_t s = m.Enabled ? state : std::int32_t{kStateNormal};

    if (s == kStateNormal) {
        p.Region();
    }
    if (s == kStateNormal || s == kStateHover) {
        DrawFace(p, kRaised);
    } else if (s == kStatePressed) {
        DrawFace(p, kPressed);
    }
    p.Corners(p.S(0.05f));
    // The caption's rectangle from the previous paint: the caption is drawn after this.
    if (m.mParentActive && m.ShowFocusRect && p.FocusOrDefault()) {
        p.FocusRect(m.CaptionFocusRect);
    }
}

} // namespace lumio
