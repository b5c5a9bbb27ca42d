#pragma once

#include <cstdint>

namespace lumio {

// Tells the press that starts holding a key from the presses the keyboard repeats while
// it is held. A repeat comes either as another press with no release before it, or as
// a release and a press with the same time stamp (X11 without detectable auto-repeat).
class KeyRepeatFilter {
public:
    // True for a press that starts a hold; false for a repeat.
    bool Press(std::uint32_t time);
    void Release(std::uint32_t time);

private:
    bool held_ = false;
    bool released_ = false;
    std::uint32_t releaseTime_ = 0;
};

} // namespace lumio
