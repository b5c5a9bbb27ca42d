// Style 2 Gloss: a light gradient face with a bright band along the top and a dark
// blue frame; an orange rim while hovered, a blue rim when focused or default at rest.
#include "button/render/color_helpers.h"
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"
#include "platform/errors.h"

namespace lumio {

namespace {

// A coordinate of a rim line: n from the left or top, or n before W or H.
struct Coord {
    std::int32_t n;
    bool fromEnd;
};
constexpr Coord At(std::int32_t n) {
    return Coord{n, false};
}
constexpr Coord End(std::int32_t n) {
    return Coord{n, true};
}

// The hover and focus rims share their lines; only the colours (0xRRGGBB) differ.
struct RimLine {
    Coord x1, y1, x2, y2;
    std::uint32_t hover;
    std::uint32_t focus;
};

constexpr RimLine kRim[] = {
    {At(1), At(2), End(2), At(2), 0xFDD889, 0xBCD4F6},
    {At(1), At(1), End(2), At(1), 0xFFF0CF, 0xCEE7FF},
    {At(1), At(1), At(1), End(2), 0xF9BD49, 0x8EAFE6},
    {End(2), At(2), End(2), End(2), 0xF9BD49, 0x8EAFE6},
    {At(2), At(2), At(2), End(3), 0xFCD27A, 0xB8D1F4},
    {End(3), At(3), End(3), End(3), 0xFCD27A, 0xB8D1F4},
    {At(2), End(3), End(2), End(3), 0xF8B330, 0x89ADE4},
    {At(2), End(2), End(2), End(2), 0xE59700, 0x6982EE},
};

Px Resolve(Coord c, Px size) {
    return c.fromEnd ? size - c.n : Px(c.n);
}

void DrawRim(StylePainter& p, bool hover) {
    for (const RimLine& l : kRim) {
        p.Line(Resolve(l.x1, p.W), Resolve(l.y1, p.H), Resolve(l.x2, p.W), Resolve(l.y2, p.H),
               FromRrggbb(hover ? l.hover : l.focus));
    }
}

// The last steps go on past a step that fails.
template <typename Step>
void SkipOnFailure(Step step) {
    try {
        step();
    } catch (const RuntimeError&) {
    }
}

constexpr std::uint32_t kFrame = 0x003C74;

} // namespace

void DrawGloss(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    ButtonModel& m = p.m;
    p.Remeasure();
    p.SetClientRect();
    const Px W = p.W;
    const Px H = p.H;

    if (!m.Enabled) {
        p.Region();
        p.Fill(p.S(0.03f), m.ClientRect);
        p.Frame(0, 0, W, H, p.S(-0.1f));
        p.Corners(p.S(0.2f));
        return;
    }

    switch (state) {
    case kStateNormal:
        p.Region();
        p.VerticalGradient(0, 0, W, H, p.S(0.07f), p.bc);
        p.VerticalGradient(0, 0, W, 5, p.S(0.2f), p.S(0.08f));
        p.Line(1, H - 2, W - 2, H - 2, p.S(-0.09f));
        p.Line(1, H - 3, W - 2, H - 3, p.S(-0.05f));
        p.Line(1, H - 4, W - 2, H - 4, p.S(-0.01f));
        p.Line(W - 2, 2, W - 2, H - 2, p.S(-0.08f));
        p.Line(1, 1, 1, H - 2, BlendColors(kWhite, p.bc));
        break;
    case kStateHover:
        p.VerticalGradient(0, 0, W, H, p.S(0.07f), p.bc);
        p.VerticalGradient(0, 0, W, 5, p.S(0.2f), p.S(0.08f));
        DrawRim(p, true);
        break;
    case kStatePressed:
        p.Fill(p.S(-0.05f), m.ClientRect);
        p.Line(1, 1, W - 2, 1, p.S(-0.16f));
        p.Line(1, 2, W - 2, 2, p.S(-0.1f));
        p.Line(1, H - 2, W - 2, H - 2, p.S(0.07f));
        p.Line(1, 1, 1, H - 2, p.S(-0.16f));
        p.Line(2, 2, 2, H - 2, p.S(-0.1f));
        p.Line(W - 2, 2, W - 2, H - 2, p.S(0.04f));
        break;
    default:
        break;
    }

    const bool focusOrDefault = p.FocusOrDefault();
    if (m.mParentActive && focusOrDefault && state != kStateHover && state != kStatePressed) {
        DrawRim(p, false);
    }
    SkipOnFailure([&] {
        if (m.mParentActive && m.ShowFocusRect && focusOrDefault) {
            p.FocusRect(Rect{2, 2, W - 2, H - 2});
        }
    });
    SkipOnFailure([&] { p.Frame(0, 0, W, H, FromRrggbb(kFrame)); });
    SkipOnFailure([&] { p.Corners(ShiftColor(FromRrggbb(kFrame), 0.3f)); });
}

} // namespace lumio
