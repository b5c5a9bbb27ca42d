#pragma once

// The GB18030 tables, generated from the C library's converter by tools/cp936_table
// into gb18030_table.cpp (a test regenerates and compares them). GB18030's one- and
// two-byte sequences are code page 936's (cp936_table.h) with more pairs; its four-byte
// sequences (lead 81-FE, digit, 81-FE, digit) are numbered in order and map to code
// points in runs.

#include <cstddef>
#include <cstdint>

namespace lumio {

// What each byte decodes to on its own (unlike code page 936, 0x80 is no character).
extern const char16_t kGb18030SingleByte[256];

// A pair that code page 936 leaves undefined: lead << 8 | trail, and its character (a
// few lie beyond U+FFFF).
struct Gb18030Pair {
    std::uint16_t bytes;
    char32_t character;
};
inline constexpr std::size_t kGb18030ExtraPairCount = 2149;
// In order of `bytes`.
extern const Gb18030Pair kGb18030ExtraPairs[kGb18030ExtraPairCount];

// The four-byte sequence b0 b1 b2 b3 has the index
// ((b0 - 0x81) * 10 + b1 - 0x30) * 1260 + (b2 - 0x81) * 10 + b3 - 0x30.
inline constexpr std::uint32_t kGb18030FourByteCount = 126 * 10 * 126 * 10;

// From `firstIndex` up to the next run's, index firstIndex + k is code point
// firstCodePoint + k; a run whose firstCodePoint is 0 is of sequences that are no
// character.
struct Gb18030Run {
    std::uint32_t firstIndex;
    char32_t firstCodePoint;
};
inline constexpr std::size_t kGb18030FourByteRunCount = 215;
// In order of `firstIndex`, the first at 0.
extern const Gb18030Run kGb18030FourByteRuns[kGb18030FourByteRunCount];

} // namespace lumio
