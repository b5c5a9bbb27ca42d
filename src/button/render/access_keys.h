#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumio {

// The access key a caption declares with its `&` marker, already in lower case, or
// nothing. `&&` is an escaped ampersand, so "Save && Exit" declares none while
// "A&&B &Close" declares 'c'.
std::optional<char16_t> AccessKeyOf(std::u16string_view caption);

// The access-key set a control registers with its container for that caption: the
// key alone, or empty.
std::u16string AccessKeySetOf(std::u16string_view caption);

// Lower case of one UTF-16 unit as the caption's key needs it: ASCII, Latin-1,
// Greek and Cyrillic capitals; everything else is returned unchanged.
char16_t LowerCaseUnit(char16_t c);

} // namespace lumio
