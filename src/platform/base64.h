#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumio::base64 {

// Standard alphabet with `=` padding.
std::string Encode(const std::vector<std::uint8_t>& bytes);

// Nothing when the text is not canonical base64 (wrong length, stray characters,
// misplaced padding, non-zero bits after the last byte).
std::optional<std::vector<std::uint8_t>> Decode(std::string_view text);

} // namespace lumio::base64
