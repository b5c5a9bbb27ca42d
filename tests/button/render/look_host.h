#pragma once

#include "button/render/button_model.h"
#include "button/render/paint_button.h"
#include "button/render/paint_context.h"
#include "button/render/render_host.h"
#include "button/support/fake_text.h"
#include "platform/errors.h"
#include "platform/palette.h"

#include <cstdint>
#include <optional>

namespace lumio::testing {

// A container for drawing one look: a surface of the given size whose scale size can
// be set apart from it, a container colour that can fail to be read, and counters of
// what the look asked for. Captions are recorded, not drawn, so pixels are the look's.
class LookHost final : public RenderHost {
public:
    LookHost(std::int32_t width, std::int32_t height)
        : scaleWidth(static_cast<float>(width)), scaleHeight(static_cast<float>(height)),
          surface_(width, height) {
        surface_.set_back_color(TranslateColor(ambientBackColor));
        surface_.Clear();
    }

    Surface& surface() override { return surface_; }
    float ScaleWidth() const override { return scaleWidth; }
    float ScaleHeight() const override { return scaleHeight; }
    OleColor AmbientBackColor() const override {
        ++ambientReads;
        if (failAmbient) {
            throw RuntimeError(ErrorNumber::InvalidProcedureCall, "no ambient BackColor");
        }
        return ambientBackColor;
    }
    bool AmbientUserMode() const override {
        ++userModeReads;
        return userMode;
    }
    void SetWindowRgn(Region r, bool) override {
        region = std::move(r);
        ++regions;
    }
    std::u16string AccessKeys() const override { return {}; }
    void SetAccessKeys(std::u16string) override {}
    FontAttributes SurfaceFont() const override { return {}; }
    const TextPainter& Text() const override { return text; }
    std::int32_t ArtworkFactor() const override { return artworkFactor; }

    float scaleWidth;
    float scaleHeight;
    OleColor ambientBackColor = Rgb(0x10, 0x20, 0x30);
    bool failAmbient = false;
    bool userMode = true;
    std::int32_t artworkFactor = 1;
    std::optional<Region> region;
    int regions = 0;
    mutable int ambientReads = 0;
    mutable int userModeReads = 0;
    FakeText text;

private:
    Surface surface_;
};

// The back colour most tests use: RGB(100, 150, 200), 0x6496C8.
inline constexpr OleColor kTestBack = Rgb(100, 150, 200);

// One button of a style on a LookHost, painted through the whole pipeline.
struct Look {
    LookHost host;
    ButtonModel m;

    Look(std::int32_t style, std::int32_t width, std::int32_t height) : host(width, height) {
        m.ButtonStyle = style;
        m.BackColor = kTestBack;
        m.ShowFocusRect = false;
    }

    void Paint(std::int32_t state) {
        m.mState = state;
        PaintContext ctx{m, host};
        PaintButton(ctx);
    }
    // Only the renderer of the style, after PaintButton's own preparation.
    void Render(std::int32_t state, void (*renderer)(PaintContext&, std::int32_t)) {
        PaintContext ctx{m, host};
        ctx.RemeasureSize();
        m.ClientRect = Rect{0, 0, m.mWidth, m.mHeight};
        renderer(ctx, state);
    }

    void Check() {
        m.CheckBoxMode = true;
        m.Value = true;
    }
    void Focus() {
        m.mHasFocus = true;
        m.mParentActive = true;
        m.ShowFocusRect = true;
    }

    // The pixel at (x, y) as 0xRRGGBB.
    std::uint32_t At(std::int32_t x, std::int32_t y) {
        return host.surface().bitmap().at(x, y) & 0x00FFFFFFu;
    }
    const Bitmap& pixels() { return host.surface().bitmap(); }
    std::int32_t W() { return host.surface().width(); }
    std::int32_t H() { return host.surface().height(); }
};

// A colour value as 0xRRGGBB, to compare with pixels.
constexpr std::uint32_t Hex(OleColor c) {
    return static_cast<std::uint32_t>(RedOf(c) << 16 | GreenOf(c) << 8 | BlueOf(c));
}

// The colour bits of a pixel inverted, as the focus rectangle leaves it.
constexpr std::uint32_t Inverted(std::uint32_t rrggbb) {
    return ~rrggbb & 0x00FFFFFFu;
}

} // namespace lumio::testing
