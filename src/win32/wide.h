#pragma once

#include <string>
#include <string_view>

namespace lumio {

// The system's wide characters are UTF-16 code units, the core's char16_t.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::wstring WideCopy(std::u16string_view text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline std::u16string FromWide(std::wstring_view text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

} // namespace lumio
