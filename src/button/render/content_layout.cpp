#include "button/render/content_layout.h"

#include "platform/errors.h"
#include "platform/numeric.h"

#include <algorithm>
#include <limits>

namespace lumio {

namespace {

// Coordinates are worked out in 64 bits and checked once they are final, so
// captions and controls of any 32-bit size cannot wrap silently.
using Wide = std::int64_t;

constexpr Wide Div2(Wide a) {
    return a / 2;
}

std::int32_t Narrow(Wide v) {
    if (v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow, "Overflow");
    }
    return static_cast<std::int32_t>(v);
}

struct Placement {
    Wide px = 0, py = 0, tx = 0, ty = 0;
};

Wide PictureSide(std::int32_t pictureSize, std::int32_t natural) {
    switch (pictureSize) {
    case 1:
        return 16;
    case 2:
        return 24;
    case 3:
        return 32;
    default:
        // Natural, and any value without a fixed size of its own.
        return natural;
    }
}

Placement PlaceByPictureAlign(std::int32_t align, Wide W, Wide H, Wide PW, Wide PH, Wide TW,
                              Wide TH) {
    const Wide centredTy = Div2(H) - Div2(TH);
    const Wide centredTx = Div2(W) - Div2(TW);
    switch (align) {
    case 0:
        return {4, Div2(H - PH), std::max(Div2(W) - Div2(TW) + Div2(PW), PW + 8), centredTy};
    case 1:
        return {std::max(Div2(W - (PW + TW)), Wide{4}), Div2(H - PH),
                std::max(Div2(W) - Div2(TW) + Div2(PW) + 3, PW + 8), centredTy};
    case 2:
        return {W - PW - 4, Div2(H - PH), W - TW - 4 - PW, centredTy};
    case 3: {
        Wide tx = Div2(W) - Div2(TW) - Div2(PW) - 3;
        if (tx < 0) {
            tx = W - TW - 4 - PW;
        }
        return {std::min(Div2(W - (PW - TW)), W - PW - 4), Div2(H - PH), tx, centredTy};
    }
    case 4:
        return {Div2(W - PW), Div2(H - PH), centredTx, centredTy};
    case 5:
        return {Div2(W - PW), 4, centredTx, Div2(PH) + Div2(H) - Div2(TH) + 2};
    case 6:
        return {Div2(W - PW), std::max(Div2(H - (TH + PH)), Wide{4}), centredTx,
                Div2(PH) + Div2(H) - Div2(TH) + 2};
    case 7:
        return {Div2(W - PW), H - PH - 4, centredTx, Div2(H) - Div2(PH) - Div2(TH) - 2};
    case 8:
        return {Div2(W - PW), std::min(Div2(H - (PH - TH)), H - PH - 4), centredTx,
                Div2(H) - Div2(PH) - Div2(TH) - 2};
    default:
        return {};
    }
}

// With a picture, the caption alignment moves the caption (and sometimes the
// picture) relative to the placement above.
void AlignCaptionWithPicture(Placement& p, std::int32_t captionAlign, std::int32_t pictureAlign,
                             Wide W, Wide PW, Wide TW) {
    if (captionAlign == 0) {
        switch (pictureAlign) {
        case 0:
            p.tx = PW + 8;
            break;
        case 1:
            p.px = 4;
            p.tx = PW + 8;
            break;
        case 2:
            if (p.tx >= 4) {
                p.tx = 4;
            }
            break;
        case 3:
            p.px = TW + 4;
            p.tx = 4;
            break;
        default:
            p.tx = 4;
            break;
        }
    } else if (captionAlign == 1) {
        if (pictureAlign == 2) {
            p.tx = p.tx >= 0 ? Div2(W) - Div2(TW) : W - TW - 4 - PW;
        }
    } else if (captionAlign == 2) {
        switch (pictureAlign) {
        case 0:
            p.tx = std::max(W - TW - 4, PW + 4);
            break;
        case 1:
            p.tx = W - TW - 4;
            p.px = p.tx - PW - 4;
            break;
        case 2:
            p.tx = W - TW - 4 - PW;
            break;
        case 3:
            p.px = W - PW - 4;
            p.tx = W - TW - 4 - PW;
            break;
        default:
            p.tx = W - TW - 4;
            break;
        }
    }
}

void AlignCaptionAlone(Placement& p, std::int32_t captionAlign, Wide W, Wide H, Wide TW, Wide TH) {
    switch (captionAlign) {
    case 0:
        p.tx = 4;
        break;
    case 1:
        p.tx = Div2(W) - Div2(TW);
        break;
    case 2:
        p.tx = W - TW - 4;
        break;
    default:
        break; // keeps the placement's tx
    }
    p.px = 0;
    p.py = 0;
    p.ty = Div2(H) - Div2(TH);
}

bool MovesPictureOnPress(std::int32_t style) {
    return style == 0 || style == 1 || style == 3 || style == 8;
}

} // namespace

ContentLayout LayoutContent(const ContentLayoutInput& in) {
    const Wide W = in.width;
    const Wide H = in.height;
    const Wide TW = in.captionWidth;
    const Wide TH = in.captionHeight;
    const Wide naturalW = in.hasPicture ? in.naturalPictureWidth : 0;
    const Wide naturalH = in.hasPicture ? in.naturalPictureHeight : 0;
    Wide PW = PictureSide(in.pictureSize, static_cast<std::int32_t>(naturalW));
    Wide PH = PictureSide(in.pictureSize, static_cast<std::int32_t>(naturalH));

    Placement p = PlaceByPictureAlign(in.pictureAlign, W, H, PW, PH, TW, TH);

    // A picture never starts on the outermost pixel, and one that does not fit is
    // shrunk to the room left by the margins (its position stays).
    p.px = std::max(p.px, Wide{1});
    p.py = std::max(p.py, Wide{1});
    if (static_cast<double>(in.scaleWidth) < static_cast<double>(PW + p.px)) {
        PW = RoundHalfEven(static_cast<double>(in.scaleWidth) - 8.0);
    }
    if (static_cast<double>(in.scaleHeight) < static_cast<double>(PH + p.py)) {
        PH = RoundHalfEven(static_cast<double>(in.scaleHeight) - 4.0);
    }

    if (in.hasPicture) {
        AlignCaptionWithPicture(p, in.captionAlign, in.pictureAlign, W, PW, TW);
    } else {
        AlignCaptionAlone(p, in.captionAlign, W, H, TW, TH);
    }

    // The measured width counts the `&` marker, which is not drawn.
    if (in.hasAccessKey) {
        p.tx += 3;
    }

    const bool pressed = in.state == 2;
    if (MovesPictureOnPress(in.buttonStyle) && pressed) {
        p.px += 1;
        p.py += 1;
    } else if (in.buttonStyle == 5) {
        const Wide d = pressed ? 2 : -1;
        p.px += d;
        p.py += d;
    }

    ContentLayout out;
    const Wide tx = p.tx;
    const Wide ty = p.ty;
    Wide l = tx, t = ty, r = tx + TW, b = ty + TH;
    if (MovesPictureOnPress(in.buttonStyle)) {
        if (pressed) {
            l = tx + 1, t = ty + 1, r = tx + TW + 1, b = ty + TH + 1;
        }
    } else if (in.buttonStyle == 5) {
        if (pressed) {
            l = tx + 1, t = ty + 2, r = tx + TW + 1, b = ty + TH + 1;
        } else {
            l = tx - 2, t = ty - 2, r = tx + TW - 2, b = ty + TH - 2;
        }
    } else if (in.buttonStyle == 14) {
        t = ty - 1;
        b = ty + TH - 1;
    }
    out.captionRect = Rect{Narrow(l), Narrow(t), Narrow(r), Narrow(b)};
    if (!pressed && in.buttonStyle != 5 && in.buttonStyle != 14) {
        out.captionFocusRect =
            Rect{Narrow(tx - 2), Narrow(ty), Narrow(tx + TW + 1), Narrow(ty + TH + 1)};
    }
    out.px = Narrow(p.px);
    out.py = Narrow(p.py);
    out.pictureWidth = Narrow(PW);
    out.pictureHeight = Narrow(PH);
    out.tx = Narrow(tx);
    out.ty = Narrow(ty);
    return out;
}

} // namespace lumio
