#pragma once

#include <cstdint>

namespace lumio {

// A colour value as the button's properties hold it: 0x00BBGGRR, red in the low byte.
// With the top bit set (0x80000000 + index) it names a system colour instead and has
// to go through TranslateColor before any channel arithmetic.
using OleColor = std::int32_t;

// One pixel of a raster surface: 0xAARRGGBB, so that the bytes in memory read
// B, G, R, A on our little-endian targets (the layout of a 32-bit device-independent
// bitmap and of a QImage in Format_RGB32). Everything we write carries alpha 0xFF.
using Pixel = std::uint32_t;

inline constexpr Pixel kOpaque = 0xFF000000u;

// The value TranslateColor and GetPixel return when there is no colour to give.
inline constexpr OleColor kInvalidColor = -1;

// Colours written as RGB(r, g, b).
constexpr OleColor Rgb(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

// Fixed colours are usually quoted as 0xRRGGBB (red in the high byte), the other way
// round from the stored value: FromRrggbb(0xACA899) == Rgb(0xAC, 0xA8, 0x99).
constexpr OleColor FromRrggbb(std::uint32_t rrggbb) {
    return Rgb(static_cast<std::int32_t>((rrggbb >> 16) & 0xFF),
               static_cast<std::int32_t>((rrggbb >> 8) & 0xFF),
               static_cast<std::int32_t>(rrggbb & 0xFF));
}

// The system colour with the given index (15 button face, 17 grey text, ...).
constexpr OleColor SystemColor(std::int32_t index) {
    return static_cast<OleColor>(0x80000000u | static_cast<std::uint32_t>(index));
}

// Channels the way the colour helpers take them apart: signed division by 1, 256 and
// 65536, then a mask of 255. For translated (non-negative) values that is simply the
// byte; -1 (an untranslatable colour) comes out as (255, 0, 0).
constexpr std::int32_t RedOf(OleColor c) {
    return c & 0xFF;
}
constexpr std::int32_t GreenOf(OleColor c) {
    return (c / 256) & 0xFF;
}
constexpr std::int32_t BlueOf(OleColor c) {
    return (c / 65536) & 0xFF;
}

// What a device makes of a colour value: the low 24 bits (the top byte only tells
// how to look the colour up, and drawing calls get already translated values).
constexpr Pixel ToPixel(OleColor c) {
    const auto v = static_cast<std::uint32_t>(c);
    return kOpaque | ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
}

// The colour value of a pixel (alpha dropped).
constexpr OleColor ToOleColor(Pixel p) {
    return static_cast<OleColor>(((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16));
}

// The pixel with the given 0xRRGGBB value, alpha 0xFF.
constexpr Pixel PixelFromRrggbb(std::uint32_t rrggbb) {
    return kOpaque | (rrggbb & 0x00FFFFFFu);
}

} // namespace lumio
