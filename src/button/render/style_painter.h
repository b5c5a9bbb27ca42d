#pragma once

#include "button/render/paint_context.h"
#include "platform/color.h"
#include "platform/numeric.h"
#include "platform/rect.h"

#include <cstdint>

namespace lumio {

// A pixel coordinate or length. Sums and differences raise an Overflow RuntimeError
// instead of wrapping, so a look can be written as plainly as `W - 2` and still stop
// before drawing anything from a wrapped value. Everything else (halving, comparing,
// passing it on) happens on the plain 32-bit value it converts to.
class Px {
public:
    constexpr Px() = default;
    constexpr explicit Px(std::int32_t value) : value_(value) {}
    constexpr operator std::int32_t() const { return value_; }

    friend Px operator+(Px a, Px b) { return Px(CheckedAdd(a.value_, b.value_)); }
    friend Px operator+(Px a, std::int32_t b) { return Px(CheckedAdd(a.value_, b)); }
    friend Px operator+(std::int32_t a, Px b) { return Px(CheckedAdd(a, b.value_)); }
    friend Px operator-(Px a, Px b) { return Px(CheckedSub(a.value_, b.value_)); }
    friend Px operator-(Px a, std::int32_t b) { return Px(CheckedSub(a.value_, b)); }
    friend Px operator-(std::int32_t a, Px b) { return Px(CheckedSub(a, b.value_)); }

private:
    std::int32_t value_ = 0;
};

// A colour of a look that follows BackColor: the translated back colour itself, or it
// lightened (amount > 0) or darkened by ShiftColor.
struct Tone {
    float amount = 0.0f;
    bool shifted = false;
};
inline constexpr Tone kBack{};
constexpr Tone Shifted(float amount) {
    return Tone{amount, true};
}

// A fixed colour given as 0xRRGGBB, optionally shifted the way some looks quote it
// (ShiftColor(0xACE1FD, 0.01)).
struct Shade {
    std::uint32_t rrggbb = 0;
    float amount = 0.0f;
};

inline constexpr OleColor kWhite = FromRrggbb(0xFFFFFF);
inline constexpr OleColor kBlack = FromRrggbb(0x000000);

// The vocabulary every renderer is written in: the button, its surface, the size the
// renderer measured (W and H), the translated back colour, and the drawing calls
// bound to the surface. One is made at the start of each renderer.
class StylePainter {
public:
    explicit StylePainter(PaintContext& ctx);

    PaintContext& ctx;
    ButtonModel& m;
    Surface& surface;
    Px W;
    Px H;
    OleColor bc; // TranslateColor(BackColor), taken when the painter is made

    // Re-measures W and H and stores them in mWidth and mHeight.
    void Remeasure();
    // ClientRect = (0, 0, W, H).
    void SetClientRect();
    // W and H as the paint stored them, without measuring again.
    void UseStoredSize();

    // rnd(x): a real rounded to the nearest integer, halves to even.
    std::int32_t Rnd(double value) const { return RoundHalfEven(value); }
    // rnd(H / 2), the middle row most looks split at.
    std::int32_t M() const { return RoundHalfEven(H / 2.0); }

    // Colours.
    OleColor Of(Tone tone) const;
    OleColor S(float amount) const { return Of(Shifted(amount)); }
    static OleColor Of(Shade shade);
    OleColor System(std::int32_t index) const;

    // Drawing, on the button's surface.
    void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, OleColor c);
    void Frame(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, OleColor c);
    void Fill(OleColor c, const Rect& r);
    void VerticalGradient(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                          OleColor top, OleColor bottom);
    void HorizontalGradient(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                            OleColor left, OleColor right);
    // SetCornerPixels, which re-measures and stores W and H first.
    void Corners(OleColor c);
    void Edge(const Rect& r, std::uint32_t edgeType);
    void FocusRect(const Rect& r);
    void Region();

    // The surface's own background becomes the container's background colour, and the
    // surface is cleared to it: what the look leaves undrawn shows the container.
    void TakeAmbientBackColor();

    // The button has the focus or is the container's default button.
    bool FocusOrDefault() const { return m.mHasFocus || m.mDisplayAsDefault; }
};

} // namespace lumio
