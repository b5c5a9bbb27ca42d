#pragma once

#include "platform/text_decoder.h"

namespace lumio {

// Windows code page 950 (Big5, for Traditional Chinese), as the C library reads it: one-
// and two-byte characters, with the same rule for bad bytes as code page 936.
const TextDecoder& Cp950TextDecoder();

} // namespace lumio
