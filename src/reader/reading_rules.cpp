#include "reader/reading_rules.h"

#include "platform/numeric.h"

#include <algorithm>
#include <limits>

namespace lumio {

namespace {

constexpr std::int32_t kMaxReadPos = std::numeric_limits<std::int32_t>::max();

} // namespace

TickCut CutForTick(std::size_t documentLength, std::int32_t readPos) {
    TickCut cut;
    const std::int64_t p = readPos;
    if (p > kSpanLength) {
        // The tail starts at the 1-based character p - SpanLength.
        const auto start = static_cast<std::uint64_t>(p - kSpanLength - 1);
        if (start < documentLength) {
            cut.tailStart = static_cast<std::size_t>(start);
            cut.tailLength = std::min<std::size_t>(kSpanLength, documentLength - cut.tailStart);
        } else {
            cut.tailStart = documentLength;
        }
    } else {
        cut.tailLength = documentLength;
    }
    // p + 1 in 64 bits: at the largest position it must not wrap.
    const std::int64_t wanted = std::max<std::int64_t>(p + 1, 0);
    cut.viewLength = static_cast<std::size_t>(
        std::min<std::uint64_t>(static_cast<std::uint64_t>(wanted), cut.tailLength));
    cut.nextReadPos = readPos == kMaxReadPos ? kMaxReadPos : readPos + 1;
    return cut;
}

std::int32_t MarkStartFor(std::size_t viewLength, std::int32_t advancedReadPos) {
    if (advancedReadPos > 10) {
        return static_cast<std::int32_t>(viewLength) - kMarkLength;
    }
    return 1;
}

std::int32_t SpeedInterval(std::int32_t sliderValue) {
    const double v = sliderValue;
    return RoundHalfEven(400 - (v - 0.1) * 40);
}

std::int32_t StartPoint(std::size_t documentLength, std::int32_t sliderValue) {
    const double v = sliderValue;
    const double position = static_cast<double>(documentLength) / (10 - (v - 0.1));
    if (position > static_cast<double>(kMaxReadPos)) {
        return kMaxReadPos;
    }
    return RoundHalfEven(position);
}

} // namespace lumio
