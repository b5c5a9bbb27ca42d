#pragma once

#include "platform/display_scale.h"
#include "platform/font.h"

#include <span>
#include <vector>

namespace lumio {

// Captions in the symbol font (Webdings) are characters that the font draws as pictures:
// "4" play, ";" pause, "<" stop, "5" up and "6" down. Where the font is not installed
// the front ends draw these pictures themselves, from the shapes here, in the caption's
// colour; the caption characters stay what they are.

bool IsSymbolFont(const FontAttributes& font);

// A point of a picture in em units: (0, 0) is the top-left corner of the character's
// cell, which is one em wide and one em high.
struct EmPoint {
    double x = 0;
    double y = 0;
};

// A picture as filled polygons; empty when the font has no picture we draw for `c`.
std::vector<std::vector<EmPoint>> SymbolPicture(char16_t c);

// The symbol font's cell: as wide as it is high, one em, in pixels at 96 dots per inch.
double SymbolEmPixels(const FontAttributes& font);
// The same at another resolution.
double SymbolEmPixels(const FontAttributes& font, DisplayScale scale);

// A font's point size as pixels at 96 dots per inch, rounded like the platform does.
int PixelSizeFor(double points);

// The width of a space in ems that the form's font has where the fonts we fall back on
// are narrower (0 when there is nothing to make up): captions padded with spaces (the
// title strip's) then keep their place.
double DesignSpaceEm(const FontAttributes& font);

} // namespace lumio
