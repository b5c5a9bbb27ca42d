#include "button/render/content_layout.h"
#include "button/render/gray_picture.h"
#include "button/render/paint_button.h"
#include "platform/ansi_code_page.h"
#include "platform/numeric.h"
#include "platform/palette.h"
#include "platform/transfer.h"

namespace lumio {

namespace {

std::int32_t NaturalPixels(std::int32_t himetric) {
    return RoundHalfEven(HimetricToPixels(himetric));
}

void DrawPicture(PaintContext& ctx, const ContentLayout& at) {
    const ButtonModel& m = ctx.model;
    if (!m.Picture) {
        return;
    }
    const PictureType type = m.Picture->type();
    if (type != PictureType::Icon && type != PictureType::Bitmap) {
        return;
    }
    Surface& surface = ctx.surface();
    const std::int32_t pw = at.pictureWidth;
    const std::int32_t ph = at.pictureHeight;
    if (!m.Enabled) {
        DrawGrayPicture(surface, *m.Picture, at.px, at.py, pw, ph);
        return;
    }
    const PictureRef& hover = HoverPicture(m);
    const PictureRef& shown = m.mState == kStateNormal ? m.Picture : hover;
    if (type == PictureType::Icon) {
        if (m.mState == kStateNormal || m.mState == kStateHover || m.mState == kStatePressed) {
            DrawIconEx(surface, at.px, at.py, *shown, pw, ph);
        }
        if (m.Checked()) {
            DrawIconEx(surface, at.px, at.py, *hover, pw, ph);
        }
        return;
    }
    const Picture& selected = m.Checked() ? *hover : *shown;
    // The top-left PW x PH pixels of the bitmap, unscaled.
    if (m.UseMaskColor) {
        TransparentBlt(surface, at.px, at.py, pw, ph, selected.image(), 0, 0, pw, ph, m.MaskColor);
    } else {
        StretchBlt(surface, at.px, at.py, pw, ph, selected.image(), 0, 0, pw, ph, kSrcCopy);
    }
}

} // namespace

void DrawContent(PaintContext& ctx) {
    ButtonModel& m = ctx.model;
    ctx.RemeasureSize();
    const FontAttributes font = ctx.host.SurfaceFont();
    const TextExtent extent = ctx.host.Text().Measure(font, m.Caption);

    ContentLayoutInput in;
    in.width = m.mWidth;
    in.height = m.mHeight;
    in.scaleWidth = ctx.host.ScaleWidth();
    in.scaleHeight = ctx.host.ScaleHeight();
    in.captionWidth = RoundHalfEven(extent.width);
    in.captionHeight = RoundHalfEven(extent.height);
    in.hasPicture = m.Picture != nullptr;
    if (m.Picture) {
        in.naturalPictureWidth = NaturalPixels(m.Picture->width());
        in.naturalPictureHeight = NaturalPixels(m.Picture->height());
    }
    in.pictureSize = m.PictureSize;
    in.pictureAlign = m.PictureAlign;
    in.captionAlign = m.CaptionAlign;
    in.hasAccessKey = !ctx.host.AccessKeys().empty();
    in.buttonStyle = m.ButtonStyle;
    in.state = m.mState;
    const ContentLayout at = LayoutContent(in);
    m.PW = at.pictureWidth;
    m.PH = at.pictureHeight;
    if (at.captionFocusRect) {
        m.CaptionFocusRect = *at.captionFocusRect;
    }

    DrawPicture(ctx, at);

    Surface& surface = ctx.surface();
    surface.set_text_color(m.Enabled ? ctx.Translate(m.ForeColor)
                                     : ctx.Translate(SystemColor(kColorGrayText)));
    if (m.mIsNT) {
        ctx.host.Text().DrawSingleLine(surface, font, m.Caption, at.captionRect);
    } else {
        ctx.host.Text().DrawSingleLine(surface, font, FromAnsi(ToAnsi(m.Caption)), at.captionRect);
    }
}

} // namespace lumio
