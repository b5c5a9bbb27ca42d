#pragma once

#include <algorithm>
#include <string_view>

namespace lumio {

// Keys, keywords and library names are matched without regard to ASCII case, and only
// ASCII case: the C library's locale must not decide what a stored key means.
constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

} // namespace lumio
