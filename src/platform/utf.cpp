#include "platform/utf.h"

#include <cstdint>

namespace lumio {

namespace {

constexpr char32_t kReplacement = U'\uFFFD';

bool IsHighSurrogate(char32_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}

bool IsLowSurrogate(char32_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(char32_t c, std::u16string& out) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when the byte at i
// starts no valid sequence (overlong forms, surrogates and values above U+10FFFF
// included).
std::size_t DecodeUtf8At(std::string_view text, std::size_t i, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t b0 = byte(i);
    std::size_t length = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        c = b0 & 0x1F;
        min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        c = b0 & 0x0F;
        min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        c = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return 0;
    }
    return length;
}

// Walks UTF-16 text, handing each code point (or lone surrogate) to `sink`.
template <typename Sink>
void ForEachCodePoint(std::u16string_view text, Sink sink) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t u = text[i];
        if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            sink(0x10000 + ((u - 0xD800) << 10) + (text[i + 1] - 0xDC00u), false);
            ++i;
        } else {
            sink(u, IsHighSurrogate(u) || IsLowSurrogate(u));
        }
    }
}

template <typename OnBadByte>
std::u16string DecodeUtf8(std::string_view text, OnBadByte onBadByte) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const std::size_t length = DecodeUtf8At(text, i, c);
        if (length == 0) {
            out += onBadByte(static_cast<std::uint8_t>(text[i]));
            ++i;
        } else {
            AppendUtf16(c, out);
            i += length;
        }
    }
    return out;
}

} // namespace

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    ForEachCodePoint(text,
                     [&](char32_t c, bool lone) { AppendUtf8(lone ? kReplacement : c, out); });
    return out;
}

std::u16string FromUtf8(std::string_view text) {
    return DecodeUtf8(text, [](std::uint8_t) { return static_cast<char16_t>(kReplacement); });
}

std::optional<std::u16string> FromUtf8Strict(std::string_view text) {
    bool wellFormed = true;
    std::u16string out = DecodeUtf8(text, [&](std::uint8_t) {
        wellFormed = false;
        return static_cast<char16_t>(kReplacement);
    });
    if (!wellFormed) {
        return std::nullopt;
    }
    return out;
}

std::u16string PathFromNative(std::string_view native) {
    return DecodeUtf8(native, [](std::uint8_t b) { return static_cast<char16_t>(0xDC00 + b); });
}

std::string PathToNative(std::u16string_view path) {
    std::string out;
    out.reserve(path.size() * 3);
    ForEachCodePoint(path, [&](char32_t c, bool lone) {
        if (lone && c >= 0xDC80 && c <= 0xDCFF) {
            out += static_cast<char>(c - 0xDC00);
        } else {
            AppendUtf8(lone ? kReplacement : c, out);
        }
    });
    return out;
}

} // namespace lumio
