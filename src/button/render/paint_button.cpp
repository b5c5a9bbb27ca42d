#include "button/render/paint_button.h"

#include "button/render/access_keys.h"
#include "button/render/style_table.h"
#include "platform/numeric.h"

namespace lumio {

void PaintButton(PaintContext& ctx) {
    ButtonModel& m = ctx.model;
    ctx.surface().Clear();
    ctx.RemeasureSize();
    m.ClientRect = Rect{0, 0, m.mWidth, m.mHeight};
    // The field itself changes: a checked button stays pressed until input moves it.
    if (m.Checked() && m.ButtonStyle != kStyleStandard && m.ButtonStyle != kStyleBevel &&
        m.ButtonStyle != kStyleHighlightBox) {
        m.mState = kStatePressed;
    }
    if (const StyleEntry* style = FindStyle(m.ButtonStyle)) {
        style->renderer(ctx, m.mState);
    }
    DrawContent(ctx);
}

void SetButtonRegion(PaintContext& ctx) {
    const std::int32_t w = ctx.MeasureWidth();
    const std::int32_t h = ctx.MeasureHeight();
    const StyleEntry* style = FindStyle(ctx.model.ButtonStyle);
    std::int32_t ellipse = style != nullptr ? style->cornerEllipse : 0;
    if (style != nullptr && style->artwork) {
        ellipse = CheckedMul(ellipse, ctx.host.ArtworkFactor());
    }
    Region region =
        ellipse > 0 ? CreateRoundRectRgn(0, 0, CheckedAdd(w, 1), CheckedAdd(h, 1), ellipse, ellipse)
                    : CreateRectRgn(0, 0, w, h);
    ctx.host.SetWindowRgn(std::move(region), true);
}

void SetAccessKeys(PaintContext& ctx) {
    ctx.host.SetAccessKeys(AccessKeySetOf(ctx.model.Caption));
}

const PictureRef& HoverPicture(const ButtonModel& model) {
    if (model.PictureHover && model.Picture &&
        model.PictureHover->type() == model.Picture->type()) {
        return model.PictureHover;
    }
    return model.Picture;
}

} // namespace lumio
