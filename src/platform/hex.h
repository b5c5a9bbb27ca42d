#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lumio {

// The value of one hexadecimal digit (either case), or -1.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Exactly `count` hexadecimal digits (at most eight) at the front of `text`, read as one
// number; nothing when there are fewer or one of them is no digit.
constexpr std::optional<std::uint32_t> ParseHexDigits(std::string_view text, std::size_t count) {
    if (count > 8 || text.size() < count) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const int d = HexDigitValue(text[k]);
        if (d < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(d);
    }
    return value;
}

} // namespace lumio
