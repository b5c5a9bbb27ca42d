#pragma once

#include "button/property_bag.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The fuzzer's bytes as a persisted property set: the set, or nothing when the reader
// refuses the text (with PropertySetError, the one failure it may raise).
inline std::optional<lumio::PropertyBag> PropertySetInput(const std::uint8_t* data,
                                                          std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        return lumio::PropertyBag::Parse(text, "fuzz");
    } catch (const lumio::PropertySetError&) {
        return std::nullopt;
    }
}
