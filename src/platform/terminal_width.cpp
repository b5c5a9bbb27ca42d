#include "platform/terminal_width.h"

#include <algorithm>
#include <iterator>

namespace lumio {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// East Asian Wide (W) and Fullwidth (F) blocks that matter for text.
constexpr Range kWide[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},   {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
    {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},
    {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

// Combining marks that draw on the previous character.
constexpr Range kZero[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x200B, 0x200F},
    {0x20D0, 0x20FF}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F},
};

template <std::size_t N>
bool InRanges(const Range (&ranges)[N], char32_t c) {
    const auto* it = std::upper_bound(std::begin(ranges), std::end(ranges), c,
                                      [](char32_t v, const Range& r) { return v < r.first; });
    return it != std::begin(ranges) && c <= std::prev(it)->last;
}

} // namespace

int TerminalWidth(char32_t c) {
    if (InRanges(kZero, c)) {
        return 0;
    }
    return InRanges(kWide, c) ? 2 : 1;
}

std::size_t TailFittingColumns(std::u16string_view text, int columns) {
    std::size_t begin = text.size();
    int used = 0;
    while (begin > 0) {
        std::size_t step = 1;
        char32_t c = text[begin - 1];
        if (c >= 0xDC00 && c <= 0xDFFF && begin >= 2 && text[begin - 2] >= 0xD800 &&
            text[begin - 2] <= 0xDBFF) {
            c = 0x10000 + ((text[begin - 2] - 0xD800u) << 10) + (c - 0xDC00);
            step = 2;
        }
        const int width = TerminalWidth(c);
        if (used + width > columns) {
            break;
        }
        used += width;
        begin -= step;
    }
    return text.size() - begin;
}

} // namespace lumio
