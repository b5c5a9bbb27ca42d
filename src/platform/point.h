#pragma once

#include <cstdint>

namespace lumio {

// A point in whole pixels (screen or client coordinates, as the call says).
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

} // namespace lumio
