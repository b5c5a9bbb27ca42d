// Built as C++23 where the compiler offers it (see src/CMakeLists.txt), for the string's
// resize_and_overwrite; std::u16string is the same type in both modes.
#include "platform/string_growth.h"

#include <algorithm>
#include <version>

namespace lumio {

void GrowUnwritten(std::u16string& text, std::size_t size) {
    if (size <= text.size()) {
        return;
    }
#if defined(__cpp_lib_string_resize_and_overwrite)
    text.resize_and_overwrite(size, [](char16_t*, std::size_t n) { return n; });
#else
    // Copying zeros is many times faster than the unit-by-unit fill of resize.
    static constexpr std::size_t kZeroUnits = std::size_t{1} << 15;
    static const char16_t kZeros[kZeroUnits] = {};
    while (text.size() < size) {
        text.append(kZeros, std::min(kZeroUnits, size - text.size()));
    }
#endif
}

} // namespace lumio
