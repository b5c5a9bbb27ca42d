#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumio {

// What one call of DecodeCp936Into did.
struct Cp936Progress {
    std::size_t used = 0;    // bytes taken from the input
    std::size_t written = 0; // UTF-16 units stored
};

// Decodes `bytes` as Windows code page 936 (GBK, byte 0x80 = U+20AC) into `out`, which
// must have room for bytes.size() units: every character takes at least one byte. A byte
// that starts no valid character becomes one U+FFFD and decoding goes on at the next
// byte, so valid text next to a bad byte is never lost (a lead byte before a bad trail
// yields U+FFFD and the trail is read again as a character of its own). When `last` is
// false a lead byte at the very end is left unused, for the caller to pass again in
// front of the next bytes; when `last` is true it becomes U+FFFD. With `stop`, an
// ASCII byte (never part of a pair), decoding ends in front of the first such byte:
// a line end, for callers that split lines as they decode.
inline constexpr int kCp936NoStop = -1;
Cp936Progress DecodeCp936Into(std::string_view bytes, char16_t* out, bool last,
                              int stop = kCp936NoStop);

// The first character of `bytes` into `c`; returns how many bytes it takes, 0 when
// `bytes` is empty or is one lead byte that may get its trail later (`last` false).
std::size_t DecodeFirstCp936(std::string_view bytes, bool last, char16_t& c);

// The same decoding into a string, for input in pieces.
class Cp936Decoder {
public:
    // Appends the decoding of `bytes` to `out` and returns how many bytes it used. When
    // `last` is false, a character cut off at the end of `bytes` is left unused: pass it
    // again in front of the next bytes. When `last` is true, every byte is used and each
    // byte of a cut-off character becomes U+FFFD.
    std::size_t Decode(std::string_view bytes, std::u16string& out, bool last);
};

// The whole of `bytes` at once.
std::u16string DecodeCp936(std::string_view bytes);

} // namespace lumio
