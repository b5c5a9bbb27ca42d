// Style 5 Shadow: a raised face over a three-tone drop shadow; pressing moves the face
// onto the shadow. The look draws on the container's colour, and its focus rectangle
// switches the surface's line mode to inversion for good.
#include "button/render/color_helpers.h"
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"
#include "platform/surface.h"

#include <exception>

namespace lumio {

namespace {

// Everything after the region: the container's colour, the face (with its shadow
// unless pressed) and the focus rectangle. A container that cannot give its colour
// ends the look there.
void DrawFaceAndFocus(StylePainter& p, std::int32_t state) {
    const ButtonModel& m = p.m;
    const Px W = p.W;
    const Px H = p.H;
    const OleColor face = m.Enabled ? p.bc : p.S(0.1f);
    if (state == kStateNormal || state == kStateHover || state == kStatePressed) {
        try {
            p.TakeAmbientBackColor();
        } catch (const std::exception&) {
            return;
        }
    }
    if (state == kStateNormal || state == kStateHover) {
        p.Frame(6, 6, W - 9, H - 9, FromRrggbb(0x808080));
        p.Frame(5, 5, W - 7, H - 7, FromRrggbb(0xA0A0A0));
        p.Frame(4, 4, W - 5, H - 5, FromRrggbb(0xC0C0C0));
        p.Fill(face, Rect{0, 0, W - 5, H - 5});
        p.Frame(0, 0, W - 4, H - 4, ShiftColor(face, 0.3f));
    } else if (state == kStatePressed) {
        p.Fill(face, Rect{3, 3, W, H});
        p.Frame(3, 3, W - 3, H - 3, ShiftColor(face, 0.3f));
    }

    if (m.mParentActive && m.ShowFocusRect && p.FocusOrDefault()) {
        p.surface.SetDrawMode(kDrawModeInvert);
        p.FocusRect(state == kStatePressed ? Rect{6, 6, W - 3, H - 3} : Rect{3, 3, W - 6, H - 6});
    }
}

} // namespace

void DrawShadow(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    // W and H as the paint measured them just before.
    p.UseStoredSize();
    if (state != kStateNormal) {
        DrawFaceAndFocus(p, state);
        return;
    }
    p.Region();
    // At rest, a step that fails ends the look quietly.
    try {
        DrawFaceAndFocus(p, state);
    } catch (const std::exception&) {
    }
}

} // namespace lumio
