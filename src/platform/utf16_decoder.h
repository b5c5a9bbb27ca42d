#pragma once

#include "platform/text_decoder.h"

namespace lumio {

// UTF-16 with the low byte first (LE) or the high byte first (BE). A surrogate that is
// not part of a pair reads as U+FFFD, and so does an odd byte at the end.
const TextDecoder& Utf16LeTextDecoder();
const TextDecoder& Utf16BeTextDecoder();

} // namespace lumio
