// Style 3 Bevel: a flat BackColor face at rest, light shaded faces with grey frames
// when hovered or pressed, and a near-white face when checked. The look chooses the
// caption colour itself (white when pressed), and the container's colour shows around
// its rounded corners.
#include "button/render/color_helpers.h"
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"
#include "platform/palette.h"

namespace lumio {

void DrawBevel(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    ButtonModel& m = p.m;
    p.Remeasure();
    p.TakeAmbientBackColor();
    const Px W = p.W;
    const Px H = p.H;

    // Holding the mouse down on a checked button shows it pressed.
    const std::int32_t s = m.Checked() && m.mLeftDown ? std::int32_t{kStatePressed} : state;

    if (m.Checked() && s != kStatePressed) {
        p.Fill(FromRrggbb(0xFEFEFE), Rect{0, 0, W, H});
        m.ForeColor = p.System(kColorBtnText);
        p.Frame(0, 0, W, H, FromRrggbb(0x7A98AF));
        p.Corners(ShiftColor(FromRrggbb(0xA0B3C1), -0.2f));
        if (s == kStateHover) {
            p.Line(W - 2, 2, W - 2, H - 2, FromRrggbb(0xF2F0ED));
            p.Line(2, H - 2, W - 2, H - 2, FromRrggbb(0xE4DED8));
            p.Line(1, H - 3, W - 1, H - 3, FromRrggbb(0xEFECE8));
            p.Line(1, H - 4, W - 1, H - 4, FromRrggbb(0xFAF9F8));
        }
        return;
    }

    switch (s) {
    case kStateNormal:
        p.Region();
        p.Fill(p.bc, m.ClientRect);
        break;
    case kStateHover: {
        const std::int32_t h = p.Rnd(H / 2.0);
        p.VerticalGradient(0, 0, W, h, FromRrggbb(0xFEFEFD), FromRrggbb(0xF4F4EE));
        p.VerticalGradient(0, h, W, h, FromRrggbb(0xF4F4EE), FromRrggbb(0xF1F1EA));
        p.Line(W - 2, 2, W - 2, H - 2, FromRrggbb(0xEAE7E0));
        p.Line(W - 3, 2, W - 3, H - 2, FromRrggbb(0xF0F0EA));
        p.Line(0, H - 4, W, H - 4, FromRrggbb(0xEEEDE5));
        p.Line(0, H - 3, W, H - 3, FromRrggbb(0xE4E1D6));
        p.Line(0, H - 2, W, H - 2, FromRrggbb(0xD7D2C6));
        p.Frame(0, 0, W, H, FromRrggbb(0xCECEC3));
        p.Corners(ShiftColor(FromRrggbb(0xD4D4C9), -0.05f));
        break;
    }
    case kStatePressed:
        p.Fill(FromRrggbb(0xE5E4DD), m.ClientRect);
        p.Line(1, 1, W - 2, 1, ShiftColor(FromRrggbb(0xDCDAD1), -0.02f));
        p.Line(1, 2, W - 2, 2, ShiftColor(FromRrggbb(0xE3E1DA), -0.02f));
        p.Line(1, H - 3, W - 2, H - 3, ShiftColor(FromRrggbb(0xE6E5DE), 0.02f));
        p.Line(1, H - 2, W - 2, H - 2, ShiftColor(FromRrggbb(0xEBEAE5), 0.02f));
        p.Frame(0, 0, W, H, FromRrggbb(0x9D9D92));
        p.Corners(ShiftColor(FromRrggbb(0xB5B4AB), -0.2f));
        break;
    default:
        break;
    }

    m.ForeColor = s == kStatePressed ? kWhite : p.System(kColorBtnText);
}

} // namespace lumio
