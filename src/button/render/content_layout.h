#pragma once

#include "platform/rect.h"

#include <cstdint>
#include <optional>

namespace lumio {

// Everything the placement of picture and caption depends on. Sizes are whole
// pixels except the surface's own scale size, which the clipping rule compares as a
// real number.
struct ContentLayoutInput {
    std::int32_t width = 0;  // W
    std::int32_t height = 0; // H
    float scaleWidth = 0;
    float scaleHeight = 0;
    std::int32_t captionWidth = 0;  // TW, including any `&` markers
    std::int32_t captionHeight = 0; // TH
    bool hasPicture = false;
    std::int32_t naturalPictureWidth = 0; // pixels, already converted from HIMETRIC
    std::int32_t naturalPictureHeight = 0;
    std::int32_t pictureSize = 0;
    std::int32_t pictureAlign = 1;
    std::int32_t captionAlign = 1;
    bool hasAccessKey = false;
    std::int32_t buttonStyle = 0;
    std::int32_t state = 0;
};

struct ContentLayout {
    std::int32_t px = 0;
    std::int32_t py = 0;
    std::int32_t pictureWidth = 0;  // PW
    std::int32_t pictureHeight = 0; // PH
    std::int32_t tx = 0;
    std::int32_t ty = 0;
    Rect captionRect;
    // Set only when this pass updates the caption focus rectangle.
    std::optional<Rect> captionFocusRect;
};

// Places picture and caption the way every paint does before drawing them. Pure:
// the same input always gives the same layout. Raises Overflow for results that do
// not fit 32 bits.
ContentLayout LayoutContent(const ContentLayoutInput& in);

} // namespace lumio
