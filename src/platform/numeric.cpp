#include "platform/numeric.h"

#include "platform/errors.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace lumio {

namespace {

[[noreturn]] void ThrowOverflow() {
    throw RuntimeError(ErrorNumber::Overflow, "Overflow");
}

} // namespace

std::int32_t RoundHalfEven(double value) {
    if (std::isnan(value)) {
        ThrowOverflow();
    }
    // nearbyint honours the current rounding mode, which is round-to-nearest-even
    // unless someone changed it; be explicit rather than rely on that.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        ThrowOverflow();
    }
    return static_cast<std::int32_t>(rounded);
}

std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t r = 0;
    if (__builtin_add_overflow(a, b, &r)) {
        ThrowOverflow();
    }
    return r;
}

std::int32_t CheckedSub(std::int32_t a, std::int32_t b) {
    std::int32_t r = 0;
    if (__builtin_sub_overflow(a, b, &r)) {
        ThrowOverflow();
    }
    return r;
}

std::int32_t CheckedMul(std::int32_t a, std::int32_t b) {
    std::int32_t r = 0;
    if (__builtin_mul_overflow(a, b, &r)) {
        ThrowOverflow();
    }
    return r;
}

} // namespace lumio
