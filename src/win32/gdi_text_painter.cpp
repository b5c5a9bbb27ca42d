#include "win32/gdi_text_painter.h"

#include "platform/symbol_font.h"
#include "win32/wide.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace lumio {

namespace {

// GDI leaves the alpha byte of what it draws at zero; the core's pixels are opaque.
void MakeOpaque(Surface& surface, const Rect& r) {
    const Rect inside = surface.bitmap().Clip(r.left, r.top, r.right, r.bottom);
    for (std::int32_t y = inside.top; y < inside.bottom; ++y) {
        Pixel* row = surface.bitmap().row(y);
        for (std::int32_t x = inside.left; x < inside.right; ++x) {
            row[x] |= kOpaque;
        }
    }
}

// A device context over a copy of a surface that is not bound to one.
struct ScratchContext {
    explicit ScratchContext(Surface& s) : surface(s) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = s.width();
        info.bmiHeader.biHeight = -s.height(); // top-down, like the surface
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc = ::CreateCompatibleDC(nullptr);
        if (bitmap && dc) {
            old = ::SelectObject(dc, bitmap);
            std::memcpy(bits, s.bytes(), static_cast<std::size_t>(s.bytes_per_line()) * s.height());
        }
    }
    ~ScratchContext() {
        if (bitmap && dc) {
            ::GdiFlush();
            std::memcpy(surface.bytes(), bits,
                        static_cast<std::size_t>(surface.bytes_per_line()) * surface.height());
            ::SelectObject(dc, old);
        }
        if (dc) {
            ::DeleteDC(dc);
        }
        if (bitmap) {
            ::DeleteObject(bitmap);
        }
    }
    ScratchContext(const ScratchContext&) = delete;
    ScratchContext& operator=(const ScratchContext&) = delete;

    Surface& surface;
    void* bits = nullptr;
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    HGDIOBJ old = nullptr;
};

// Widens the spaces of `text` by `extra` pixels each for the GDI calls that follow, until
// the returned guard ends.
class WidenedSpaces {
public:
    WidenedSpaces(HDC dc, std::u16string_view text, int extra) : dc_(dc) {
        const auto spaces = static_cast<int>(std::count(text.begin(), text.end(), u' '));
        if (extra > 0 && spaces > 0) {
            ::SetTextJustification(dc_, extra * spaces, spaces);
            set_ = true;
        }
    }
    ~WidenedSpaces() {
        if (set_) {
            ::SetTextJustification(dc_, 0, 0);
        }
    }
    WidenedSpaces(const WidenedSpaces&) = delete;
    WidenedSpaces& operator=(const WidenedSpaces&) = delete;

private:
    HDC dc_;
    bool set_ = false;
};

} // namespace

GdiTextPainter::GdiTextPainter(const WinFonts& fonts)
    : fonts_(fonts), measure_(::CreateCompatibleDC(nullptr)) {}

GdiTextPainter::~GdiTextPainter() {
    ::DeleteDC(measure_);
}

TextExtent GdiTextPainter::Measure(const FontAttributes& font, std::u16string_view text) const {
    if (IsSymbolFont(font) && !fonts_.HaveSymbolFont()) {
        const double em = SymbolEmPixels(font, scale_);
        return {em * static_cast<double>(text.size()), em};
    }
    const HGDIOBJ old = ::SelectObject(measure_, fonts_.Get(font, scale_));
    SIZE size{};
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(measure_, &metrics);
    const std::wstring wide = WideCopy(text);
    {
        const WidenedSpaces widened(measure_, text, ExtraSpacePixels(measure_, font));
        ::GetTextExtentPoint32W(measure_, wide.c_str(), static_cast<int>(wide.size()), &size);
    }
    ::SelectObject(measure_, old);
    return {static_cast<double>(size.cx), static_cast<double>(metrics.tmHeight)};
}

void GdiTextPainter::DrawSingleLine(Surface& surface, const FontAttributes& font,
                                    std::u16string_view text, const Rect& rect) const {
    if (rect.right <= rect.left || rect.bottom <= rect.top || surface.width() == 0 ||
        surface.height() == 0) {
        return;
    }
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    const COLORREF color = surface.text_color() & 0x00FFFFFF;
    const auto it = contexts_.find(surface.pixels());
    if (it != contexts_.end()) {
        Draw(it->second, font, text, area, color);
        ::GdiFlush();
    } else {
        ScratchContext scratch(surface);
        if (!scratch.dc || !scratch.bitmap) {
            return;
        }
        Draw(scratch.dc, font, text, area, color);
    }
    MakeOpaque(surface, rect);
}

void GdiTextPainter::Draw(HDC dc, const FontAttributes& font, std::u16string_view text, RECT area,
                          COLORREF color) const {
    if (IsSymbolFont(font) && !fonts_.HaveSymbolFont()) {
        DrawSymbols(dc, font, text, area, color);
        return;
    }
    const HGDIOBJ old = ::SelectObject(dc, fonts_.Get(font, scale_));
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = ::SetTextColor(dc, color);
    std::wstring wide = WideCopy(text);
    {
        const WidenedSpaces widened(dc, text, ExtraSpacePixels(dc, font));
        ::DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &area,
                    DT_SINGLELINE | DT_LEFT | DT_TOP);
    }
    ::SetTextColor(dc, oldColor);
    ::SetBkMode(dc, oldMode);
    ::SelectObject(dc, old);
}

int GdiTextPainter::ExtraSpacePixels(HDC dc, const FontAttributes& font) const {
    // The form's own font has its spaces; only a face drawn in its place may lack width.
    const double em = DesignSpaceEm(font);
    if (em <= 0 || fonts_.Installed(font.name)) {
        return 0;
    }
    TEXTMETRICW metrics{};
    SIZE space{};
    ::GetTextMetricsW(dc, &metrics);
    ::GetTextExtentPoint32W(dc, L" ", 1, &space);
    const double wanted = em * static_cast<double>(metrics.tmHeight - metrics.tmInternalLeading);
    return std::max(0, static_cast<int>(std::lround(wanted)) - static_cast<int>(space.cx));
}

void GdiTextPainter::DrawSymbols(HDC dc, const FontAttributes& font, std::u16string_view text,
                                 RECT area, COLORREF color) const {
    const double em = SymbolEmPixels(font, scale_);
    const PrefixedText shown = ProcessPrefixes(text);
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    ::SelectObject(dc, ::GetStockObject(DC_BRUSH));
    ::SelectObject(dc, ::GetStockObject(DC_PEN));
    ::SetDCBrushColor(dc, color);
    ::SetDCPenColor(dc, color);
    ::SetPolyFillMode(dc, WINDING);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, color);
    for (std::size_t i = 0; i < shown.text.size(); ++i) {
        const double left = area.left + em * static_cast<double>(i);
        const std::vector<std::vector<EmPoint>> picture = SymbolPicture(shown.text[i]);
        if (picture.empty()) {
            const wchar_t c = static_cast<wchar_t>(shown.text[i]);
            ::TextOutW(dc, static_cast<int>(std::lround(left)), area.top, &c, 1);
            continue;
        }
        for (const std::vector<EmPoint>& polygon : picture) {
            std::vector<POINT> points;
            points.reserve(polygon.size());
            for (const EmPoint p : polygon) {
                points.push_back({static_cast<LONG>(std::lround(left + p.x * em)),
                                  static_cast<LONG>(std::lround(area.top + p.y * em))});
            }
            ::Polygon(dc, points.data(), static_cast<int>(points.size()));
        }
    }
    ::RestoreDC(dc, saved);
}

} // namespace lumio
