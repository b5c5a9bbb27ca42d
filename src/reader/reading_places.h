#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lumio {

// What the reader window tells whatever remembers where each document stopped. The
// window calls it at the moments a place is worth keeping; what is written, and when,
// is the memory's business.
class ReadingPlaces {
public:
    virtual ~ReadingPlaces() = default;

    // Another document is about to replace the one read so far, which stopped at
    // `readPos`.
    virtual void Leave(std::int32_t readPos) = 0;
    // The document at `path`, `length` characters long, has been loaded: answers the
    // reading position to go on from, 0 for its start.
    virtual std::int32_t Resume(std::u16string_view path, std::size_t length) = 0;
    // Reading paused or stopped, the strip was hidden or the program ends: the place is
    // kept now.
    virtual void Keep(std::int32_t readPos) = 0;
    // A tick advanced the reading to `readPos`; kept now and then, never at every tick.
    virtual void Ticked(std::int32_t readPos) = 0;

    // Whether places are remembered in this run (the user can switch it off and on).
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

} // namespace lumio
