#pragma once

#include "win32/win_api.h"

#include <functional>

namespace lumio {

// The reading timer as a system timer of a window: WM_TIMER with the timer's id comes to
// that window, whose procedure calls Fire().
class WinTimer final : public Timer {
public:
    static constexpr UINT_PTR kId = 1;

    void SetWindow(HWND window) { window_ = window; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;
    void SetInterval(std::int32_t milliseconds) override;
    std::int32_t Interval() const { return interval_; }
    void Fire();

    std::function<void()> onTimer;

private:
    void Apply();

    HWND window_ = nullptr;
    bool enabled_ = false;
    std::int32_t interval_ = 0;
};

} // namespace lumio
