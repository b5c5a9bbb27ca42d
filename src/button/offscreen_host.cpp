#include "button/offscreen_host.h"

#include "button/qxbutton.h"
#include "platform/errors.h"
#include "platform/numeric.h"
#include "platform/palette.h"

namespace lumio {

OffscreenHost::OffscreenHost(float widthTwips, float heightTwips, const TextPainter& text)
    : text_(text), width_(widthTwips), height_(heightTwips) {
    SetAmbientBackColor(ambientBackColor);
    ResizeSurface();
}

void OffscreenHost::SetAmbientBackColor(OleColor color) {
    ambientBackColor = color;
    // The surface's own background starts as the container's.
    surface_.set_back_color(TranslateColor(color, surface_.palette()));
}

void OffscreenHost::ResizeSurface() {
    surface_.Resize(RoundHalfEven(ScaleWidth()), RoundHalfEven(ScaleHeight()));
}

void OffscreenHost::SetWindowRgn(Region region, bool) {
    region_ = std::move(region);
}

void OffscreenHost::SetWidth(float twips) {
    width_ = twips;
    ResizeSurface();
    if (control_ != nullptr) {
        control_->Resize();
    }
}

void OffscreenHost::SetHeight(float twips) {
    height_ = twips;
    ResizeSurface();
    if (control_ != nullptr) {
        control_->Resize();
    }
}

std::int32_t OffscreenHost::ParentProperty(std::string_view name) {
    if (name == "hWnd") {
        return parent_;
    }
    if (name == "MDIChild") {
        return 0;
    }
    throw RuntimeError(ErrorNumber::InvalidProcedureCall, "Invalid procedure call");
}

void OffscreenHost::SetSurfaceEnabled(bool enabled) {
    enabled_ = enabled;
    windows_.Find(window_)->set_enabled(enabled);
}

void OffscreenHost::Refresh() {
    if (control_ != nullptr) {
        control_->Paint();
    }
}

Bitmap OffscreenHost::Composite() const {
    const Pixel back = ToPixel(TranslateColor(ambientBackColor, surface_.palette()));
    Bitmap out(surface_.width(), surface_.height(), back);
    for (std::int32_t y = 0; y < out.height(); ++y) {
        for (std::int32_t x = 0; x < out.width(); ++x) {
            if (!region_ || region_->Contains(x, y)) {
                out.set(x, y, surface_.bitmap().at(x, y));
            }
        }
    }
    return out;
}

} // namespace lumio
