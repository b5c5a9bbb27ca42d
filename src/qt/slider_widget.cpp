#include "qt/slider_widget.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

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
    if (pressed_ && !HandleRect().contains(event->position().toPoint())) {
        // A click on the track moves the thumb there at once (Qt's own page steps would
        // wait half a second before the first move).
        setSliderPosition(ValueAt(event->position().toPoint()));
        event->accept();
        return;
    }
    QSlider::mousePressEvent(event);
}

QRect SliderWidget::HandleRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

int SliderWidget::ValueAt(QPoint p) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const int handle = HandleRect().width();
    return QStyle::sliderValueFromPosition(minimum(), maximum(), p.x() - groove.left() - handle / 2,
                                           std::max(1, groove.width() - handle));
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
