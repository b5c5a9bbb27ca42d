#pragma once

#include "platform/font.h"
#include "platform/symbol_font.h"

#include <QFont>

namespace lumio {

// Turns the fonts the form names into fonts this desktop has: 微软雅黑 (Microsoft
// YaHei) into an installed CJK sans-serif, Tahoma into a Latin sans-serif, anything else
// by its own name with the system's fallback. Sizes are the form's points at 96 dots
// per inch, given in pixels, so the layout does not depend on the screen's resolution.
QFont QtFontFor(const FontAttributes& font);

// How much wider than ours a space is in the form's font, in pixels (0 when it is not):
// captions padded with spaces (the title strip's) keep their place when the text
// painter adds this to every space.
double ExtraSpaceWidth(const FontAttributes& font);

} // namespace lumio
