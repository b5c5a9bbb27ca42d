#include "win32/win_timer.h"

#include <algorithm>

namespace lumio {

void WinTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

void WinTimer::SetInterval(std::int32_t milliseconds) {
    interval_ = std::max(0, milliseconds);
    Apply();
}

// Setting the timer again restarts a full interval; no interval means no ticks.
void WinTimer::Apply() {
    if (!window_) {
        return;
    }
    if (enabled_ && interval_ > 0) {
        ::SetTimer(window_, kId, static_cast<UINT>(interval_), nullptr);
    } else {
        ::KillTimer(window_, kId);
    }
}

void WinTimer::Fire() {
    if (enabled_ && interval_ > 0 && onTimer) {
        onTimer();
    }
}

} // namespace lumio
