#include "button/render/paint_context.h"

#include "platform/numeric.h"
#include "platform/palette.h"

namespace lumio {

std::int32_t PaintContext::MeasureWidth() const {
    return RoundHalfEven(host.ScaleWidth());
}

std::int32_t PaintContext::MeasureHeight() const {
    return RoundHalfEven(host.ScaleHeight());
}

void PaintContext::RemeasureSize() const {
    model.mHeight = MeasureHeight();
    model.mWidth = MeasureWidth();
}

OleColor PaintContext::Translate(OleColor color) const {
    return TranslateColor(color, host.surface().palette());
}

} // namespace lumio
