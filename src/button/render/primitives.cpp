#include "button/render/primitives.h"

#include "platform/fill.h"
#include "platform/line.h"
#include "platform/numeric.h"
#include "platform/pixels.h"

namespace lumio {

void DrawLine(Surface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              OleColor color) {
    MoveTo(surface, x1, y1);
    LineTo(surface, x2, y2, color);
}

void DrawRectangle(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t width,
                   std::int32_t height, OleColor color) {
    const Rect frame{x, y, CheckedAdd(x, width), CheckedAdd(y, height)};
    FrameRect(surface, frame, color);
}

void FillRectangle(Surface& surface, OleColor color, const Rect& rect) {
    FillRect(surface, rect, color);
}

void SetCornerPixels(Surface& surface, std::int32_t width, std::int32_t height, OleColor color) {
    const std::int32_t right = CheckedSub(width, 2);
    const std::int32_t bottom = CheckedSub(height, 2);
    SetPixel(surface, 1, 1, color);
    SetPixel(surface, 1, bottom, color);
    SetPixel(surface, right, 1, color);
    SetPixel(surface, right, bottom, color);
}

} // namespace lumio
