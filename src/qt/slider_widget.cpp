#include "qt/slider_widget.h"

#include <QMouseEvent>

namespace lumio {

SliderWidget::SliderWidget(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, 10);
    setSingleStep(1);
    setPageStep(5);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::actionTriggered, this, &SliderWidget::ActionTriggered);
    connect(this, &QAbstractSlider::valueChanged, this, &SliderWidget::ValueChanged);
}

// The slider has already moved its position for the action; the value follows right
// after, and only a value change that the user's action caused raises Scroll.
void SliderWidget::ActionTriggered(int) {
    if (sliderPosition() != value()) {
        userMove_ = sliderPosition();
    }
}

void SliderWidget::ValueChanged(int v) {
    if (userMove_ && *userMove_ == v) {
        userMove_.reset();
        if (onScroll) {
            onScroll();
        }
    }
}

void SliderWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QSlider::mousePressEvent(event);
}

void SliderWidget::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && onClick) {
        onClick();
    }
}

} // namespace lumio
