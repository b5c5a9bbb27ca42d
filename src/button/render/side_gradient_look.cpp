// Style 15 SideGradient: a horizontal BackColor gradient in a grey frame, darker and
// reversed in tone when pressed or checked.
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"

#include <array>
#include <cstddef>

namespace lumio {

namespace {

struct SideLook {
    Tone left;
    Tone right;
};

// By effective state: normal, hover, pressed (or checked).
constexpr std::array<SideLook, 3> kLooks = {{
    {kBack, Shifted(0.08f)},
    {kBack, Shifted(0.08f)},
    {Shifted(-0.05f), Shifted(0.03f)},
}};

} // namespace

void DrawSideGradient(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    const ButtonModel& m = p.m;
    p.Remeasure();
    const Px W = p.W;
    const Px H = p.H;
    const std::int32_t s = m.Checked() ? std::int32_t{kStatePressed} : state;

    if (s >= 0 && s < static_cast<std::int32_t>(kLooks.size())) {
        if (s == kStateNormal) {
            p.Region();
        }
        const SideLook& look = kLooks[static_cast<std::size_t>(s)];
        p.HorizontalGradient(0, 0, W, H, p.Of(look.left), p.Of(look.right));
    }
    p.Frame(0, 0, W, H, FromRrggbb(0x7E807D));

    if (p.FocusOrDefault()) {
        // The container's run mode is asked for here, whatever ShowFocusRect says.
        const bool userMode = ctx.host.AmbientUserMode();
        if (m.ShowFocusRect && userMode) {
            const Rect focus{3, 3, W - 3, H - 3};
            if (m.mParentActive) {
                p.FocusRect(focus);
            }
        }
    }
}

} // namespace lumio
