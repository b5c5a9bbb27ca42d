#pragma once

#include "platform/text_decoder.h"

#include <cstddef>

namespace lumio {

// UTF-8 as Unicode defines it (no overlong forms, surrogates or values past U+10FFFF).
// Each ill-formed stretch becomes one U+FFFD per maximal subpart, as Unicode recommends:
// the longest run of bytes that starts a well-formed sequence, or else one byte.
const TextDecoder& Utf8TextDecoder();

// One sequence at the front of [in, end), for callers that judge bytes without decoding
// them (detection).
struct Utf8Sequence {
    std::size_t length = 0; // 0: cut off at `end`, and more may come (`last` false)
    bool valid = false;     // a character; else a maximal subpart, one U+FFFD
    char32_t c = 0;         // the character, when valid
};
Utf8Sequence ReadUtf8Sequence(const unsigned char* in, const unsigned char* end, bool last);

} // namespace lumio
