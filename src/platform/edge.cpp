#include "platform/edge.h"

#include "platform/fill.h"
#include "platform/palette.h"

#include <cstdint>

namespace lumio {

namespace {

// The colours of one kind of border: top/left, top/left with kBfSoft, bottom/right.
struct BorderColors {
    std::int32_t top_left;
    std::int32_t top_left_soft;
    std::int32_t bottom_right;
};

constexpr BorderColors kRaisedOuter{kColor3dLight, kColorBtnHighlight, kColor3dDkShadow};
constexpr BorderColors kSunkenOuter{kColorBtnShadow, kColor3dDkShadow, kColorBtnHighlight};
constexpr BorderColors kRaisedInner{kColorBtnHighlight, kColor3dLight, kColorBtnShadow};
constexpr BorderColors kSunkenInner{kColor3dDkShadow, kColorBtnShadow, kColor3dLight};

// A ring's two colours as system colour indices; -1 for a ring not drawn.
struct Ring {
    std::int32_t top_left = -1;
    std::int32_t bottom_right = -1;
    bool drawn() const { return top_left >= 0; }
};

Ring MakeRing(const BorderColors& colors, std::uint32_t flags) {
    if (flags & kBfMono) {
        return Ring{kColorWindowFrame, kColorWindowFrame};
    }
    if (flags & kBfFlat) {
        return Ring{kColorBtnShadow, kColorBtnShadow};
    }
    return Ring{(flags & kBfSoft) ? colors.top_left_soft : colors.top_left, colors.bottom_right};
}

// A flat or mono inner ring is the face (window) colour instead of a shadow.
Ring MakeInnerRing(const BorderColors& colors, std::uint32_t flags) {
    if (flags & kBfMono) {
        return Ring{kColorWindow, kColorWindow};
    }
    if (flags & kBfFlat) {
        return Ring{kColorBtnFace, kColorBtnFace};
    }
    return MakeRing(colors, flags);
}

// The outer and inner ring of an edge type. Both bits of one ring set cancel the
// ring; cancelled outer bits cancel the whole edge; an edge with inner bits only draws
// them on the outermost ring.
void RingsOf(std::uint32_t edge, std::uint32_t flags, Ring& outer, Ring& inner) {
    const std::uint32_t outer_bits = edge & 0x3u;
    const std::uint32_t inner_bits = (edge >> 2) & 0x3u;
    outer = Ring{};
    inner = Ring{};
    if (outer_bits == 0x3u) {
        return;
    }
    const BorderColors* inner_colors = inner_bits == 0x1u   ? &kRaisedInner
                                       : inner_bits == 0x2u ? &kSunkenInner
                                                            : nullptr;
    if (outer_bits == 0) {
        if (inner_colors != nullptr) {
            outer = MakeRing(*inner_colors, flags);
        }
        return;
    }
    outer = MakeRing(outer_bits == 0x1u ? kRaisedOuter : kSunkenOuter, flags);
    if (inner_colors != nullptr) {
        inner = MakeInnerRing(*inner_colors, flags);
    }
}

// One ring on the sides chosen by the flags: top row and left column first, then the
// bottom row and right column over them.
void DrawRing(Surface& surface, const Rect& r, const Ring& ring, std::uint32_t flags) {
    const SystemPalette& palette = surface.palette();
    const OleColor tl = palette.at(ring.top_left);
    const OleColor br = palette.at(ring.bottom_right);
    if (r.left >= r.right || r.top >= r.bottom) {
        return;
    }
    if (flags & kBfTop) {
        FillRect(surface, Rect{r.left, r.top, r.right, r.top + 1}, tl);
    }
    if (flags & kBfLeft) {
        FillRect(surface, Rect{r.left, r.top, r.left + 1, r.bottom}, tl);
    }
    if (flags & kBfBottom) {
        FillRect(surface, Rect{r.left, r.bottom - 1, r.right, r.bottom}, br);
    }
    if (flags & kBfRight) {
        FillRect(surface, Rect{r.right - 1, r.top, r.right, r.bottom}, br);
    }
}

// The rectangle inside a ring: one pixel in on every drawn side.
Rect Inset(const Rect& r, std::uint32_t flags) {
    Rect inner = r;
    if ((flags & kBfLeft) && inner.left < inner.right) {
        ++inner.left;
    }
    if ((flags & kBfTop) && inner.top < inner.bottom) {
        ++inner.top;
    }
    if ((flags & kBfRight) && inner.right > inner.left) {
        --inner.right;
    }
    if ((flags & kBfBottom) && inner.bottom > inner.top) {
        --inner.bottom;
    }
    return inner;
}

} // namespace

bool DrawEdge(Surface& surface, const Rect& rect, std::uint32_t edge, std::uint32_t flags,
              Rect* adjusted) {
    if (adjusted != nullptr) {
        *adjusted = rect;
    }
    if (rect.left >= rect.right || rect.top >= rect.bottom) {
        return true;
    }
    Ring outer;
    Ring inner;
    RingsOf(edge, flags, outer, inner);
    Rect inside = rect;
    if (outer.drawn()) {
        DrawRing(surface, inside, outer, flags);
        inside = Inset(inside, flags);
    }
    if (inner.drawn()) {
        DrawRing(surface, inside, inner, flags);
        inside = Inset(inside, flags);
    }
    if (flags & kBfMiddle) {
        FillRect(surface, inside,
                 surface.palette().at((flags & kBfMono) ? kColorWindow : kColorBtnFace));
    }
    if (adjusted != nullptr && (flags & kBfAdjust)) {
        *adjusted = inside;
    }
    return true;
}

bool DrawFrameControlPush(Surface& surface, const Rect& rect, std::uint32_t state) {
    const std::uint32_t edge = (state & kDfcsPushed) ? kEdgeSunken : kEdgeRaised;
    std::uint32_t flags = kBfRect | kBfSoft | kBfMiddle;
    if (state & kDfcsFlat) {
        flags |= kBfFlat;
    }
    return DrawEdge(surface, rect, edge, flags);
}

} // namespace lumio
