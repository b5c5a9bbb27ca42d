#pragma once

#include <string>
#include <string_view>

namespace lumio {

// Appends `utf8` as a JSON string, quotes included: escapes only what JSON requires
// (quote, backslash, control characters) and leaves every other byte as it is, so valid
// UTF-8 stays valid UTF-8.
void AppendJsonString(std::string_view utf8, std::string& out);

} // namespace lumio
