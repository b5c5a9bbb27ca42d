#pragma once

#include <cstddef>
#include <cstdint>

namespace lumio {

// The arithmetic of timed reading, apart from any control.

// Once the reading position is past this, the view is cut from the last SpanLength
// characters read.
inline constexpr std::int32_t kSpanLength = 200;
inline constexpr std::int32_t kMarkLength = 6;
inline constexpr std::uint32_t kMarkColor = 255; // pure red as 0x00BBGGRR

// Where one tick cuts its tail and view from a document of `documentLength`
// characters, for the reading position `readPos` at which the tick begins. Offsets
// are 0-based; the view is the first `viewLength` characters of the tail.
struct TickCut {
    std::size_t tailStart = 0;
    std::size_t tailLength = 0;
    std::size_t viewLength = 0;
    std::int32_t nextReadPos = 0;
};

// Costs the same at every position. The position after the last one a 32-bit
// position can hold stays there rather than overflowing (the view is empty by then).
TickCut CutForTick(std::size_t documentLength, std::int32_t readPos);

// Start of the six marked characters in a view longer than six characters, given the
// already advanced reading position.
std::int32_t MarkStartFor(std::size_t viewLength, std::int32_t advancedReadPos);

// Timer interval in milliseconds for a speed slider value: 404 at 0 down to 4 at 10.
std::int32_t SpeedInterval(std::int32_t sliderValue);

// Reading position for a start-point slider value: length / (10.1 - v), to the nearest
// integer, halves to even. A result beyond 32 bits becomes 2147483647.
std::int32_t StartPoint(std::size_t documentLength, std::int32_t sliderValue);

} // namespace lumio
