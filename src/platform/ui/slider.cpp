#include "platform/ui/slider.h"

namespace platform::ui {

Slider::Slider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    // Every move by the person passes through an action (drag, keys, wheel); the new position is
    // known when the action is announced and becomes the value right after it.
    connect(this, &QAbstractSlider::actionTriggered, this, [this] { personMoving_ = sliderPosition() != value(); });
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        if (!personMoving_)
            return;
        personMoving_ = false;
        if (scroll)
            scroll();
    });
}

void Slider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    if (released)
        released();
}

void Slider::focusOutEvent(QFocusEvent* event)
{
    QSlider::focusOutEvent(event);
    if (released)
        released();
}

void Slider::setValue(int value)
{
    personMoving_ = false;
    if (value < minimum() || value > maximum())
        return;
    QSlider::setValue(value);
}

}  // namespace platform::ui
