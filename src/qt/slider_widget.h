#pragma once

#include "reader/controls.h"
#include "reader/window_services.h"

#include <QSlider>
#include <functional>
#include <optional>

namespace lumio {

// A horizontal slider (`Slider1`, `Slider2`). Only the user's moves raise its events:
// dragging the thumb, clicking the track and the keys raise Scroll for each change, and
// a click (press and release over it) raises Click; a value set by the program raises
// neither.
class SliderWidget : public QSlider, public Slider, public SliderSetter {
    Q_OBJECT
public:
    explicit SliderWidget(QWidget* parent = nullptr);

    std::int32_t Value() const override { return value(); }
    void SetValue(std::int32_t v) override { setValue(v); }

    std::function<void()> onClick;
    std::function<void()> onScroll;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ActionTriggered(int action);
    void ValueChanged(int value);
    QRect HandleRect() const;
    int ValueAt(QPoint p) const;

    std::optional<int> userMove_;
    bool pressed_ = false;
};

} // namespace lumio
