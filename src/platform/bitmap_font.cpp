#include "platform/bitmap_font.h"

#include "platform/numeric.h"

#include <algorithm>
#include <array>

namespace lumio {

namespace {

// One glyph per printable ASCII character, rows top to bottom separated by spaces,
// '#' for ink. Rows 0 to 6 stand on the baseline; rows 7 and 8 are descenders.
constexpr std::array<const char*, 95> kGlyphs = {
    /*   */ "", // space
    /* ! */ "..#.. ..#.. ..#.. ..#.. ..#.. ..... ..#..",
    /* " */ ".#.#. .#.#. ..... ..... ..... ..... .....",
    /* # */ ".#.#. .#.#. ##### .#.#. ##### .#.#. .#.#.",
    /* $ */ "..#.. .#### #.#.. .###. ..#.# ####. ..#..",
    /* % */ "##... ##..# ...#. ..#.. .#... #..## ...##",
    /* & */ ".##.. #..#. #.#.. .#... #.#.# #..#. .##.#",
    /* ' */ "..#.. ..#.. .#... ..... ..... ..... .....",
    /* ( */ "...#. ..#.. .#... .#... .#... ..#.. ...#.",
    /* ) */ ".#... ..#.. ...#. ...#. ...#. ..#.. .#...",
    /* * */ "..... ..#.. #.#.# .###. #.#.# ..#.. .....",
    /* + */ "..... ..#.. ..#.. ##### ..#.. ..#.. .....",
    /* , */ "..... ..... ..... ..... .##.. ..#.. .#...",
    /* - */ "..... ..... ..... ##### ..... ..... .....",
    /* . */ "..... ..... ..... ..... ..... .##.. .##..",
    /* / */ "..... ....# ...#. ..#.. .#... #.... .....",
    /* 0 */ ".###. #...# #..## #.#.# ##..# #...# .###.",
    /* 1 */ "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    /* 2 */ ".###. #...# ....# ...#. ..#.. .#... #####",
    /* 3 */ "##### ...#. ..#.. ...#. ....# #...# .###.",
    /* 4 */ "...#. ..##. .#.#. #..#. ##### ...#. ...#.",
    /* 5 */ "##### #.... ####. ....# ....# #...# .###.",
    /* 6 */ "..##. .#... #.... ####. #...# #...# .###.",
    /* 7 */ "##### ....# ...#. ..#.. .#... .#... .#...",
    /* 8 */ ".###. #...# #...# .###. #...# #...# .###.",
    /* 9 */ ".###. #...# #...# .#### ....# ...#. .##..",
    /* : */ "..... .##.. .##.. ..... .##.. .##.. .....",
    /* ; */ "..... .##.. .##.. ..... .##.. ..#.. .#...",
    /* < */ "...#. ..#.. .#... #.... .#... ..#.. ...#.",
    /* = */ "..... ..... ##### ..... ##### ..... .....",
    /* > */ ".#... ..#.. ...#. ....# ...#. ..#.. .#...",
    /* ? */ ".###. #...# ....# ...#. ..#.. ..... ..#..",
    /* @ */ ".###. #...# ....# .##.# #.#.# #.#.# .###.",
    /* A */ ".###. #...# #...# ##### #...# #...# #...#",
    /* B */ "####. #...# #...# ####. #...# #...# ####.",
    /* C */ ".###. #...# #.... #.... #.... #...# .###.",
    /* D */ "###.. #..#. #...# #...# #...# #..#. ###..",
    /* E */ "##### #.... #.... ####. #.... #.... #####",
    /* F */ "##### #.... #.... ####. #.... #.... #....",
    /* G */ ".###. #...# #.... #.### #...# #...# .####",
    /* H */ "#...# #...# #...# ##### #...# #...# #...#",
    /* I */ ".###. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    /* J */ "..### ...#. ...#. ...#. ...#. #..#. .##..",
    /* K */ "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    /* L */ "#.... #.... #.... #.... #.... #.... #####",
    /* M */ "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    /* N */ "#...# #...# ##..# #.#.# #..## #...# #...#",
    /* O */ ".###. #...# #...# #...# #...# #...# .###.",
    /* P */ "####. #...# #...# ####. #.... #.... #....",
    /* Q */ ".###. #...# #...# #...# #.#.# #..#. .##.#",
    /* R */ "####. #...# #...# ####. #.#.. #..#. #...#",
    /* S */ ".#### #.... #.... .###. ....# ....# ####.",
    /* T */ "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    /* U */ "#...# #...# #...# #...# #...# #...# .###.",
    /* V */ "#...# #...# #...# #...# #...# .#.#. ..#..",
    /* W */ "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    /* X */ "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    /* Y */ "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..",
    /* Z */ "##### ....# ...#. ..#.. .#... #.... #####",
    /* [ */ ".###. .#... .#... .#... .#... .#... .###.",
    /* \ */ "..... #.... .#... ..#.. ...#. ....# .....",
    /* ] */ ".###. ...#. ...#. ...#. ...#. ...#. .###.",
    /* ^ */ "..#.. .#.#. #...# ..... ..... ..... .....",
    /* _ */ "..... ..... ..... ..... ..... ..... #####",
    /* ` */ ".#... ..#.. ...#. ..... ..... ..... .....",
    /* a */ "..... ..... .###. ....# .#### #...# .####",
    /* b */ "#.... #.... #.##. ##..# #...# #...# ####.",
    /* c */ "..... ..... .###. #.... #.... #...# .###.",
    /* d */ "....# ....# .##.# #..## #...# #...# .####",
    /* e */ "..... ..... .###. #...# ##### #.... .###.",
    /* f */ "..##. .#..# .#... ###.. .#... .#... .#...",
    /* g */ "..... ..... .#### #...# #...# #...# .#### ....# .###.",
    /* h */ "#.... #.... #.##. ##..# #...# #...# #...#",
    /* i */ "..#.. ..... .##.. ..#.. ..#.. ..#.. .###.",
    /* j */ "...#. ..... ..##. ...#. ...#. ...#. ...#. #..#. .##..",
    /* k */ "#.... #.... #..#. #.#.. ##... #.#.. #..#.",
    /* l */ ".##.. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    /* m */ "..... ..... ##.#. #.#.# #.#.# #...# #...#",
    /* n */ "..... ..... #.##. ##..# #...# #...# #...#",
    /* o */ "..... ..... .###. #...# #...# #...# .###.",
    /* p */ "..... ..... ####. #...# #...# #...# ####. #.... #....",
    /* q */ "..... ..... .#### #...# #...# #...# .#### ....# ....#",
    /* r */ "..... ..... #.##. ##..# #.... #.... #....",
    /* s */ "..... ..... .###. #.... .###. ....# ####.",
    /* t */ ".#... .#... ###.. .#... .#... .#..# ..##.",
    /* u */ "..... ..... #...# #...# #...# #..## .##.#",
    /* v */ "..... ..... #...# #...# #...# .#.#. ..#..",
    /* w */ "..... ..... #...# #...# #.#.# #.#.# .#.#.",
    /* x */ "..... ..... #...# .#.#. ..#.. .#.#. #...#",
    /* y */ "..... ..... #...# #...# #...# #...# .#### ....# .###.",
    /* z */ "..... ..... ##### ...#. ..#.. .#... #####",
    /* { */ "...#. ..#.. ..#.. .#... ..#.. ..#.. ...#.",
    /* | */ "..#.. ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    /* } */ ".#... ..#.. ..#.. ...#. ..#.. ..#.. .#...",
    /* ~ */ "..... ..... .#... #.#.# ...#. ..... .....",
};

// The cell every character sits in, in unscaled pixels.
constexpr std::int32_t kAdvance = 6;
constexpr std::int32_t kWideAdvance = 12;
constexpr std::int32_t kLineHeight = 12;
constexpr std::int32_t kTopPad = 2;        // above the tallest glyph row
constexpr std::int32_t kUnderlineRow = 10; // from the top of the cell
constexpr std::int32_t kStrikeRow = 5;

bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Characters as the font sees them: surrogate pairs joined.
template <typename Fn>
void ForEachChar(std::u16string_view text, Fn&& fn) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const std::size_t index = i;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        fn(c, index);
    }
}

std::int32_t AdvanceOf(char32_t c, std::int32_t scale, bool bold) {
    return (IsWide(c) ? kWideAdvance : kAdvance) * scale + (bold ? 1 : 0);
}

class GlyphWriter {
public:
    GlyphWriter(Surface& surface, const Rect& clip, Pixel ink, std::int32_t scale, bool bold)
        : surface_(surface), ink_(ink), scale_(scale), bold_(bold) {
        const Rect s = surface.bitmap().Clip(clip.left, clip.top, clip.right, clip.bottom);
        clip_ = s;
    }

    // One unscaled font pixel at (col, row) of the cell whose left is at x, top at y.
    void Dot(std::int64_t x, std::int64_t y, std::int32_t col, std::int32_t row) {
        const std::int64_t left = x + std::int64_t{col} * scale_;
        const std::int64_t top = y + std::int64_t{row} * scale_;
        Block(left, top, left + scale_ + (bold_ ? 1 : 0), top + scale_);
    }

    void Block(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
        const Rect r{
            static_cast<std::int32_t>(std::clamp<std::int64_t>(left, clip_.left, clip_.right)),
            static_cast<std::int32_t>(std::clamp<std::int64_t>(top, clip_.top, clip_.bottom)),
            static_cast<std::int32_t>(std::clamp<std::int64_t>(right, clip_.left, clip_.right)),
            static_cast<std::int32_t>(std::clamp<std::int64_t>(bottom, clip_.top, clip_.bottom))};
        if (r.left < r.right && r.top < r.bottom) {
            surface_.bitmap().FillRect(r, ink_);
        }
    }

private:
    Surface& surface_;
    Rect clip_;
    Pixel ink_;
    std::int32_t scale_;
    bool bold_;
};

void DrawGlyph(GlyphWriter& w, char32_t c, std::int64_t x, std::int64_t y) {
    if (c >= 0x20 && c <= 0x7E) {
        const char* rows = kGlyphs[c - 0x20];
        std::int32_t row = 0, col = 0;
        for (const char* p = rows; *p != '\0'; ++p) {
            if (*p == ' ') {
                ++row;
                col = 0;
                continue;
            }
            if (*p == '#') {
                w.Dot(x, y, col, kTopPad + row);
            }
            ++col;
        }
        return;
    }
    // Anything else: a hollow box, body height, full cell width less the gap.
    const std::int32_t width = (IsWide(c) ? kWideAdvance : kAdvance) - 1;
    for (std::int32_t col = 0; col < width; ++col) {
        w.Dot(x, y, col, kTopPad);
        w.Dot(x, y, col, kTopPad + 6);
    }
    for (std::int32_t row = 1; row < 6; ++row) {
        w.Dot(x, y, 0, kTopPad + row);
        w.Dot(x, y, width - 1, kTopPad + row);
    }
}

} // namespace

std::int32_t BitmapFontPainter::ScaleOf(const FontAttributes& font) {
    const double pixels = font.size * 96.0 / 72.0;
    return std::clamp(RoundHalfEven(pixels / kLineHeight), 1, 16);
}

TextExtent BitmapFontPainter::Measure(const FontAttributes& font, std::u16string_view text) const {
    const std::int32_t scale = ScaleOf(font);
    double width = 0;
    ForEachChar(text, [&](char32_t c, std::size_t) { width += AdvanceOf(c, scale, font.bold()); });
    return {width, static_cast<double>(kLineHeight * scale)};
}

void BitmapFontPainter::DrawSingleLine(Surface& surface, const FontAttributes& font,
                                       std::u16string_view text, const Rect& rect) const {
    const PrefixedText shown = ProcessPrefixes(text);
    const std::int32_t scale = ScaleOf(font);
    GlyphWriter writer(surface, rect, ToPixel(surface.text_color()), scale, font.bold());
    std::int64_t x = rect.left;
    const std::int64_t y = rect.top;
    ForEachChar(shown.text, [&](char32_t c, std::size_t index) {
        const std::int32_t advance = AdvanceOf(c, scale, font.bold());
        DrawGlyph(writer, c, x, y);
        const bool underlined =
            font.underline || std::find(shown.underlined.begin(), shown.underlined.end(), index) !=
                                  shown.underlined.end();
        if (underlined) {
            writer.Block(x, y + std::int64_t{kUnderlineRow} * scale, x + advance,
                         y + std::int64_t{kUnderlineRow + 1} * scale);
        }
        if (font.strikethrough) {
            writer.Block(x, y + std::int64_t{kTopPad + kStrikeRow - 2} * scale, x + advance,
                         y + std::int64_t{kTopPad + kStrikeRow - 1} * scale);
        }
        x += advance;
    });
}

} // namespace lumio
