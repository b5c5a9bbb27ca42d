#pragma once

// Bytes written as numbers, and bytes shown as hex in a failure's message.

#include <initializer_list>
#include <string>
#include <string_view>

namespace lumio {

inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (const int v : values) {
        s += static_cast<char>(v);
    }
    return s;
}

inline std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        s += kDigits[b >> 4];
        s += kDigits[b & 0xF];
        s += ' ';
    }
    return s;
}

} // namespace lumio
