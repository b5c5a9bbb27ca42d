#pragma once

#include "platform/rect.h"
#include "platform/surface.h"

#include <cstdint>

namespace lumio {

// DrawEdge edge types: two border bits for the outer ring, two for the inner one.
enum EdgeType : std::uint32_t {
    kBdrRaisedOuter = 0x1,
    kBdrSunkenOuter = 0x2,
    kBdrRaisedInner = 0x4,
    kBdrSunkenInner = 0x8,
    kEdgeRaised = kBdrRaisedOuter | kBdrRaisedInner, // 5
    kEdgeSunken = kBdrSunkenOuter | kBdrSunkenInner, // 10
    kEdgeEtched = kBdrSunkenOuter | kBdrRaisedInner, // 6
    kEdgeBump = kBdrRaisedOuter | kBdrSunkenInner,   // 9
};

// DrawEdge border flags.
enum BorderFlag : std::uint32_t {
    kBfLeft = 0x1,
    kBfTop = 0x2,
    kBfRight = 0x4,
    kBfBottom = 0x8,
    kBfRect = 0xF,
    kBfMiddle = 0x800,
    kBfSoft = 0x1000,
    kBfAdjust = 0x2000,
    kBfFlat = 0x4000,
    kBfMono = 0x8000,
};

// DrawEdge on [left, right) x [top, bottom) with the surface's system colours. With
// kBfAdjust and a non-null `adjusted`, that receives the rectangle shrunk by the drawn
// borders (otherwise the rectangle as given). An empty or reversed rectangle draws
// nothing. Returns true on success.
bool DrawEdge(Surface& surface, const Rect& rect, std::uint32_t edge, std::uint32_t flags,
              Rect* adjusted = nullptr);

// DrawFrameControl for push buttons (the only frame-control type we draw).
enum FrameControlState : std::uint32_t {
    kDfcsButtonPush = 0x10,
    kDfcsPushed = 0x200,
    kDfcsFlat = 0x4000,
};
bool DrawFrameControlPush(Surface& surface, const Rect& rect, std::uint32_t state);

} // namespace lumio
