#pragma once

#include "win32/win_api.h"

#include <functional>

namespace lumio {

// A slider as the system's trackbar control. The user's moves (drag, a click on the
// track, keys, the wheel) come to the parent as WM_HSCROLL, which it hands to
// OnScroll: each new position raises onScroll. A press and release of the left button
// on the control raises onClick. Positions set by the program (SetValue, TBM_SETPOS)
// raise neither.
class TrackbarSlider final : public Slider, public SliderSetter {
public:
    TrackbarSlider(HWND parent, const Rect& geometry, std::int32_t min, std::int32_t max);
    ~TrackbarSlider() override;
    TrackbarSlider(const TrackbarSlider&) = delete;
    TrackbarSlider& operator=(const TrackbarSlider&) = delete;

    HWND window() const { return hwnd_; }
    std::int32_t Value() const override;
    void SetValue(std::int32_t value) override;
    void OnScroll(WORD code);

    std::function<void()> onScroll;
    std::function<void()> onClick;

private:
    static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);

    HWND hwnd_ = nullptr;
    std::int32_t last_ = 0;
    bool pressed_ = false;
};

} // namespace lumio
