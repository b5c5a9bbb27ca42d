#pragma once

#include "platform/font.h"
#include "platform/rect.h"
#include "platform/surface.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

struct TextExtent {
    double width = 0;
    double height = 0;
};

// A caption after `&` prefix processing: `&x` draws x underlined, `&&` draws one `&`,
// and a lone `&` at the very end draws nothing.
struct PrefixedText {
    std::u16string text;
    std::vector<std::size_t> underlined; // indices into text
};
PrefixedText ProcessPrefixes(std::u16string_view caption);

// Measuring and drawing text on a control's surface. The desktop program supplies real
// fonts; the core ships a small bitmap font (BitmapFontPainter); tests use fakes with
// fixed metrics.
class TextPainter {
public:
    virtual ~TextPainter() = default;

    // Width and height of the string in pixels, in the font, taken as it stands (any
    // `&` markers included).
    virtual TextExtent Measure(const FontAttributes& font, std::u16string_view text) const = 0;

    // Draws one line of text starting at the rectangle's left and top, clipped to the
    // rectangle, with `&` prefix processing, in the surface's text colour over a
    // transparent background.
    virtual void DrawSingleLine(Surface& surface, const FontAttributes& font,
                                std::u16string_view text, const Rect& rect) const = 0;
};

} // namespace lumio
