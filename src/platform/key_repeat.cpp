#include "platform/key_repeat.h"

namespace lumio {

bool KeyRepeatFilter::Press(std::uint32_t time) {
    const bool repeat = held_ || (released_ && time == releaseTime_);
    held_ = true;
    released_ = false;
    return !repeat;
}

void KeyRepeatFilter::Release(std::uint32_t time) {
    held_ = false;
    released_ = true;
    releaseTime_ = time;
}

} // namespace lumio
