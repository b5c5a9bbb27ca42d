#pragma once

#include "platform/text_decoder.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace lumio {

// Windows code page 936 (GBK, byte 0x80 = U+20AC), exactly: every character takes one or
// two bytes. A byte that starts no valid character becomes one U+FFFD and decoding goes
// on at the next byte, so valid text next to a bad byte is never lost (a lead byte
// before a bad trail yields U+FFFD and the trail is read again as a character of its
// own). A lead byte cut off at the end waits for its trail.
const TextDecoder& Cp936TextDecoder();

// The same decoding into a string, for input in pieces.
class Cp936Decoder {
public:
    // Appends the decoding of `bytes` to `out` and returns how many bytes it used. When
    // `last` is false, a character cut off at the end is left unused: pass it again in
    // front of the next bytes. When `last` is true, every byte is used and each byte of
    // a cut-off character becomes U+FFFD.
    std::size_t Decode(std::string_view bytes, std::u16string& out, bool last);
};

// The whole of `bytes` at once.
std::u16string DecodeCp936(std::string_view bytes);

} // namespace lumio
