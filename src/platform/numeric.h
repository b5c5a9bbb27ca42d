#pragma once

#include <cstdint>

namespace lumio {

// Real to integer the way the behaviour needs it everywhere: nearest, halves to even
// (2.5 -> 2, 3.5 -> 4). A result outside 32 bits raises an Overflow RuntimeError.
std::int32_t RoundHalfEven(double value);

// 32-bit arithmetic that raises an Overflow RuntimeError instead of wrapping.
std::int32_t CheckedAdd(std::int32_t a, std::int32_t b);
std::int32_t CheckedSub(std::int32_t a, std::int32_t b);
std::int32_t CheckedMul(std::int32_t a, std::int32_t b);

// Integer halving as the drawing code writes it (a \ 2): truncates toward zero.
constexpr std::int32_t Half(std::int32_t a) {
    return a / 2;
}

} // namespace lumio
