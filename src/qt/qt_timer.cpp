#include "qt/qt_timer.h"

#include <algorithm>

namespace lumio {

QtTimer::QtTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTimer) {
            onTimer();
        }
    });
}

void QtTimer::SetEnabled(bool enabled) {
    // Switching on always starts a full interval afresh.
    if (enabled && interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

void QtTimer::SetInterval(std::int32_t milliseconds) {
    interval_ = std::max(0, milliseconds);
    timer_.setInterval(interval_);
    // A timer with no interval never ticks.
    if (interval_ == 0) {
        timer_.stop();
    }
}

} // namespace lumio
