#include "button/render/access_keys.h"

namespace lumio {

char16_t LowerCaseUnit(char16_t c) {
    struct Range {
        char16_t first;
        char16_t last;
        char16_t offset;
    };
    // Contiguous capital blocks whose small letters sit at a fixed distance.
    static constexpr Range kRanges[] = {
        {u'A', u'Z', 0x20},     {0x00C0, 0x00D6, 0x20}, {0x00D8, 0x00DE, 0x20},
        {0x0391, 0x03A1, 0x20}, {0x03A3, 0x03AB, 0x20}, {0x0410, 0x042F, 0x20},
        {0x0400, 0x040F, 0x50},
    };
    for (const Range& r : kRanges) {
        if (c >= r.first && c <= r.last) {
            return static_cast<char16_t>(c + r.offset);
        }
    }
    return c;
}

std::optional<char16_t> AccessKeyOf(std::u16string_view caption) {
    if (caption.size() <= 1) {
        return std::nullopt;
    }
    const std::size_t first = caption.find(u'&');
    if (first == std::u16string_view::npos || first + 1 == caption.size()) {
        return std::nullopt;
    }
    if (caption[first + 1] != u'&') {
        return LowerCaseUnit(caption[first + 1]);
    }
    // An escaped pair: only the next single marker after it can still name a key.
    const std::size_t next = caption.find(u'&', first + 2);
    if (next == std::u16string_view::npos || next + 1 == caption.size() ||
        caption[next + 1] == u'&') {
        return std::nullopt;
    }
    return LowerCaseUnit(caption[next + 1]);
}

std::u16string AccessKeySetOf(std::u16string_view caption) {
    const auto key = AccessKeyOf(caption);
    return key ? std::u16string(1, *key) : std::u16string();
}

} // namespace lumio
