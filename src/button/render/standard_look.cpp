// Styles 0 Standard, 1 Flat, 11 HoverRaised and 12 HoverThin: the classic face in
// BackColor with system edges. One renderer draws all four; they differ only in the
// edges and frames of the table below.
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"
#include "platform/edge.h"
#include "platform/palette.h"

namespace lumio {

namespace {

enum class PressedFrame {
    None,
    GreyInBlack, // a 0xACA899 frame inside a black one
    WhiteOnGrey, // a white frame whose top and left are overdrawn in grey text
    Sunken,      // the sunken edge
};

struct StandardLook {
    std::int32_t style;
    std::uint32_t restingEdge; // 0: none
    std::uint32_t hoverEdge;
    PressedFrame pressed;
    bool checkedEdge;        // the checked look has a sunken edge
    std::int32_t focusInset; // the focus rectangle's distance from the sides
    bool defaultFrame;       // focused or default at rest: the dark default frame
};

constexpr StandardLook kLooks[] = {
    {kStyleStandard, kEdgeRaised, kEdgeRaised, PressedFrame::GreyInBlack, true, 4, true},
    {kStyleFlat, kBdrRaisedInner, kBdrRaisedInner, PressedFrame::WhiteOnGrey, true, 3, false},
    {kStyleHoverRaised, 0, kEdgeRaised, PressedFrame::Sunken, true, 4, false},
    {kStyleHoverThin, 0, kBdrRaisedInner, PressedFrame::WhiteOnGrey, false, 3, false},
};

// Reached only through a direct call with another ButtonStyle: a plain face.
constexpr StandardLook kPlainFace{-1, 0, 0, PressedFrame::None, true, 0, false};

const StandardLook& LookOf(std::int32_t style) {
    for (const StandardLook& look : kLooks) {
        if (look.style == style) {
            return look;
        }
    }
    return kPlainFace;
}

void DrawPressedFrame(StylePainter& p, PressedFrame frame) {
    switch (frame) {
    case PressedFrame::GreyInBlack:
        p.Frame(1, 1, p.W - 2, p.H - 2, FromRrggbb(0xACA899));
        p.Frame(0, 0, p.W, p.H, kBlack);
        break;
    case PressedFrame::WhiteOnGrey:
        p.Frame(0, 0, p.W, p.H, kWhite);
        // One pixel larger than the control: only its top and left sides show.
        p.Frame(0, 0, p.W + 1, p.H + 1, p.System(kColorGrayText));
        break;
    case PressedFrame::Sunken:
        p.Edge(p.m.ClientRect, kEdgeSunken);
        break;
    case PressedFrame::None:
        break;
    }
}

} // namespace

void DrawStandard(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    ButtonModel& m = p.m;
    p.Remeasure();
    p.SetClientRect();
    const StandardLook& look = LookOf(m.ButtonStyle);

    if (m.Checked()) {
        p.Fill(p.S(0.02f), m.ClientRect);
        if (!look.checkedEdge) {
            return;
        }
        p.Edge(m.ClientRect, kEdgeSunken);
        if (m.ButtonStyle == kStyleStandard && m.ShowFocusRect && m.mHasFocus) {
            p.Frame(4, 4, p.W - 7, p.H - 7, p.System(kColorAppWorkspace));
        }
        return;
    }

    switch (state) {
    case kStateNormal:
        p.Region();
        p.Fill(p.bc, m.ClientRect);
        if (look.restingEdge != 0) {
            p.Edge(m.ClientRect, look.restingEdge);
        }
        break;
    case kStateHover:
        p.Fill(p.bc, m.ClientRect);
        if (look.hoverEdge != 0) {
            p.Edge(m.ClientRect, look.hoverEdge);
        }
        break;
    case kStatePressed:
        p.Fill(p.bc, m.ClientRect);
        DrawPressedFrame(p, look.pressed);
        break;
    default:
        break;
    }

    if (!p.FocusOrDefault()) {
        return;
    }
    if (m.ShowFocusRect && ctx.host.AmbientUserMode() && look.focusInset > 0) {
        const std::int32_t inset = look.focusInset;
        const Rect focus{inset, inset, p.W - inset, p.H - inset};
        if (m.mParentActive) {
            p.FocusRect(focus);
        }
    }
    if (look.defaultFrame && (state == kStateNormal || state == kStateHover)) {
        p.Edge(Rect{0, 0, p.W - 1, p.H - 1}, kEdgeRaised);
        p.Frame(0, 0, p.W - 1, p.H - 1, p.System(kColorAppWorkspace));
        p.Frame(0, 0, p.W, p.H, kBlack);
    }
}

} // namespace lumio
