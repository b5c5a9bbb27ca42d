#pragma once

namespace lumio {

// 128-bit integers for geometry whose intermediate products outgrow 64 bits (a line
// or a stretch across the whole 32-bit coordinate range).
__extension__ using Wide = __int128;

// Division rounding toward minus infinity, and toward plus infinity.
constexpr Wide FloorDiv(Wide a, Wide b) {
    const Wide q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

constexpr Wide CeilDiv(Wide a, Wide b) {
    return -FloorDiv(-a, b);
}

} // namespace lumio
