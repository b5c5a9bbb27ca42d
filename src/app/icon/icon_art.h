#pragma once

#include <QImage>

namespace lumio {

// The program icon at `size` x `size` pixels: a miniature of the reader window, a
// teal tile with the light-blue title strip and its play button over the one-line
// viewer, whose last characters are marked red. Drawn from vector shapes, so every
// size is sharp; small sizes drop detail rather than blur it.
QImage DrawLumioIcon(int size);

// The same picture reduced to 256 colours with on/off transparency (the 8-bit images).
QImage ToIndexed8(const QImage& icon);

} // namespace lumio
