// Style 10 Plastic: a BackColor face with a bright sheen over the top five rows, a
// one-row seam of the fill colour, and a body that brightens towards the bottom.
#include "button/render/color_helpers.h"
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"

#include <array>
#include <cstddef>

namespace lumio {

namespace {

struct PlasticLook {
    Tone fill;
    Tone sheen; // sheen from ShiftColor(Mix(sheen, white), sheenLift) down to sheen
    float sheenLift;
    Tone bodyTop; // body from bodyTop down to Mix(white, S(bodyGlow))
    float bodyGlow;
    Tone frame;
};

// By state: normal, hover, pressed.
constexpr std::array<PlasticLook, 3> kLooks = {{
    {kBack, kBack, 0.1f, Shifted(-0.05f), 0.1f, Shifted(-0.33f)},
    {Shifted(0.05f), Shifted(0.05f), 0.15f, kBack, 0.15f, Shifted(-0.28f)},
    {Shifted(-0.03f), kBack, 0.1f, Shifted(-0.08f), 0.07f, Shifted(-0.36f)},
}};

} // namespace

void DrawPlastic(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    p.Remeasure();
    const Px W = p.W;
    const Px H = p.H;

    if (state >= 0 && state < static_cast<std::int32_t>(kLooks.size())) {
        const PlasticLook& look = kLooks[static_cast<std::size_t>(state)];
        if (state == kStateNormal) {
            p.Region();
        }
        p.Fill(p.Of(look.fill), Rect{0, 0, W, H});
        const OleColor sheen = p.Of(look.sheen);
        p.VerticalGradient(0, 0, W, 5, ShiftColor(BlendColors(sheen, kWhite), look.sheenLift),
                           sheen);
        // Row 5 is left to the fill: the seam. The body's ramp runs past the bottom.
        p.VerticalGradient(0, 6, W, H - 1, p.Of(look.bodyTop),
                           BlendColors(kWhite, p.S(look.bodyGlow)));
        p.Frame(0, 0, W, H, p.Of(look.frame));
    }
    p.Corners(p.S(-0.5f));
}

} // namespace lumio
