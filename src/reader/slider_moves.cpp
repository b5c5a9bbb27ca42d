#include "reader/slider_moves.h"

namespace lumio {

void MoveSliders(const SliderMoves& moves, MainMsg& window, SliderSetter& Slider1,
                 SliderSetter& Slider2) {
    if (moves.speed) {
        Slider1.SetValue(*moves.speed);
        window.Slider1_Scroll();
    }
    if (moves.start) {
        Slider2.SetValue(*moves.start);
        window.Slider2_Scroll();
    }
}

} // namespace lumio
