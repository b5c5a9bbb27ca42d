#pragma once

#include "platform/text_painter.h"

namespace lumio {

// A small built-in font, so captions are legible where no real fonts are at hand
// (command-line tools, tests). Printable ASCII comes from a 5 x 7 glyph table with
// descenders; every other character is drawn as a box, twice as wide for East Asian
// wide characters. Glyphs scale by whole pixels with the point size; bold thickens
// strokes by one pixel, underline and strikethrough draw their lines, italic is ignored.
class BitmapFontPainter final : public TextPainter {
public:
    TextExtent Measure(const FontAttributes& font, std::u16string_view text) const override;
    void DrawSingleLine(Surface& surface, const FontAttributes& font, std::u16string_view text,
                        const Rect& rect) const override;

    // The whole-pixel scale a font size gets (1 up to about 13 pt).
    static std::int32_t ScaleOf(const FontAttributes& font);
};

} // namespace lumio
