#pragma once

#include "reader/main_msg.h"
#include "reader/window_services.h"

#include <cstdint>
#include <optional>

namespace lumio {

// Slider values asked for on a command line (0 to 10 each).
struct SliderMoves {
    std::optional<std::int32_t> speed; // Slider1
    std::optional<std::int32_t> start; // Slider2
};

// Moves the sliders after a load as the user would: Slider1 to the speed, then Slider2
// to the start point, each followed by its Scroll handler, so the speed and start-point
// rules run exactly as for a drag of the thumb.
void MoveSliders(const SliderMoves& moves, MainMsg& window, SliderSetter& Slider1,
                 SliderSetter& Slider2);

} // namespace lumio
