#pragma once

#include "reader/controls.h"

#include <QTimer>
#include <functional>

namespace lumio {

// The reading timer `trm1` over a precise QTimer (the fastest speed asks for 4 ms).
class QtTimer : public Timer {
public:
    QtTimer();

    bool Enabled() const override { return timer_.isActive(); }
    void SetEnabled(bool enabled) override;
    void SetInterval(std::int32_t milliseconds) override;
    std::int32_t Interval() const { return interval_; }

    std::function<void()> onTimer;

private:
    QTimer timer_;
    std::int32_t interval_ = 0;
};

} // namespace lumio
