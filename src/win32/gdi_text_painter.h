#pragma once

#include "win32/win_api.h"
#include "win32/win_fonts.h"

#include <map>

namespace lumio {

// Captions measured and drawn by GDI (DrawTextW, one line, `&` prefixes by the system,
// transparent background, the surface's text colour) straight into a surface's memory:
// the surfaces of the buttons are device-independent bitmaps selected into a memory
// device context, made known here with Bind. Where the symbol font is not installed its
// captions are the pictures of platform/symbol_font.h, filled in the text colour.
class GdiTextPainter final : public TextPainter {
public:
    explicit GdiTextPainter(const WinFonts& fonts);
    ~GdiTextPainter() override;
    GdiTextPainter(const GdiTextPainter&) = delete;
    GdiTextPainter& operator=(const GdiTextPainter&) = delete;

    // The device context whose bitmap is the memory at `pixels`.
    void Bind(const Pixel* pixels, HDC dc) { contexts_[pixels] = dc; }
    void Unbind(const Pixel* pixels) { contexts_.erase(pixels); }
    // The resolution captions are measured and drawn at: points become that many more
    // pixels, as the surfaces they are drawn on have.
    void SetScale(DisplayScale scale) { scale_ = scale; }
    DisplayScale scale() const { return scale_; }

    TextExtent Measure(const FontAttributes& font, std::u16string_view text) const override;
    void DrawSingleLine(Surface& surface, const FontAttributes& font, std::u16string_view text,
                        const Rect& rect) const override;

private:
    void Draw(HDC dc, const FontAttributes& font, std::u16string_view text, RECT area,
              COLORREF color) const;
    // How much wider than the drawn face's the form font's spaces are, in pixels.
    int ExtraSpacePixels(HDC dc, const FontAttributes& font) const;
    void DrawSymbols(HDC dc, const FontAttributes& font, std::u16string_view text, RECT area,
                     COLORREF color) const;

    const WinFonts& fonts_;
    DisplayScale scale_;
    HDC measure_;
    std::map<const Pixel*, HDC> contexts_;
};

} // namespace lumio
