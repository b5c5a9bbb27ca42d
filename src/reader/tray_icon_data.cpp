#include "reader/tray_icon_data.h"

namespace lumio {

std::size_t Cp936FieldBytes(std::u16string_view text) {
    std::size_t bytes = 0;
    for (char16_t c : text) {
        bytes += c < 0x80 ? 1 : 2;
    }
    return bytes;
}

} // namespace lumio
