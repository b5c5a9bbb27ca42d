#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumio {

// UTF-16 (our in-memory strings) to UTF-8 (terminals, JSON, file names). A lone
// surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

// UTF-8 to UTF-16. Each byte that starts no valid UTF-8 sequence becomes U+FFFD.
std::u16string FromUtf8(std::string_view text);

// UTF-8 to UTF-16 for data that must be well-formed (persisted sets): nothing when any
// byte starts no valid sequence, so the caller can report the line instead of guessing.
std::optional<std::u16string> FromUtf8Strict(std::string_view text);

// File names on POSIX are bytes, not necessarily UTF-8 (novels unpacked from archives
// often carry GBK names). A byte that is not valid UTF-8 travels through UTF-16 as the
// lone surrogate U+DC00 + byte and comes back as the same byte, so every name the system
// hands us can be opened again.
std::u16string PathFromNative(std::string_view native);
std::string PathToNative(std::u16string_view path);

} // namespace lumio
