#pragma once

#include <cstdint>

namespace lumio {

// A rectangle in whole pixels. Right and bottom are exclusive, as in every drawing
// call of the platform we reproduce; an empty or reversed rectangle covers nothing
// unless a call says otherwise.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace lumio
