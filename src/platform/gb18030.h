#pragma once

#include "platform/text_decoder.h"

namespace lumio {

// GB18030 as the C library reads it: code page 936's characters except byte 0x80, the
// pairs it adds (its user-defined areas, a few beyond U+FFFF) and its four-byte
// sequences (81-FE, 30-39, 81-FE, 30-39), those beyond U+FFFF as surrogate pairs.
const TextDecoder& Gb18030TextDecoder();

// Code page 936 exactly as Cp936TextDecoder reads it, widened by GB18030's four-byte
// sequences, which code page 936 leaves undefined: the reading of a document that is
// not found to be anything else. A four-byte sequence that is no GB18030 character
// reads as code page 936 reads it.
const TextDecoder& Cp936WidenedTextDecoder();

// The character of GB18030's four-byte sequence b[0..3], 0 when it is none.
char32_t Gb18030FourByte(const unsigned char* b);

} // namespace lumio
