#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumio::utf {

// UTF-16 code units to UTF-8. A lone surrogate has no UTF-8 form; it is written as
// U+FFFD, so callers that must keep it (persisted text) escape it before converting.
std::string ToUtf8(std::u16string_view text);

// UTF-8 to UTF-16 code units; nothing when the bytes are not well-formed UTF-8.
std::optional<std::u16string> FromUtf8(std::string_view bytes);

// Convenience for literals and ASCII-only data; malformed input yields U+FFFD per byte.
std::u16string FromUtf8Lossy(std::string_view bytes);

} // namespace lumio::utf
