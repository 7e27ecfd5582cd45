#pragma once
// A slider as the windows use it: the window hears `scroll`, raised while the person drags the
// thumb or moves it with the keyboard or the wheel, and `released` when the person lets go of it.
// Setting Max, LargeChange, SmallChange or Value from code raises nothing the window hears, so a
// window may set the slider from the very handlers that a scroll runs.

#include <QSlider>
#include <functional>

namespace platform::ui {

class Slider : public QSlider {
    Q_OBJECT
public:
    explicit Slider(QWidget* parent = nullptr);
    std::function<void()> scroll;
    // The person let go of the slider: a mouse button came up on it, or it lost the focus (which
    // ends moves made with the keyboard).
    std::function<void()> released;

    int min() const { return minimum(); }
    int max() const { return maximum(); }
    int largeChange() const { return pageStep(); }
    int smallChange() const { return singleStep(); }
    void setMin(int value) { setMinimum(value); }
    // A Max below the position moves the thumb to Max.
    void setMax(int value) { setMaximum(value); }
    void setLargeChange(int value) { setPageStep(value); }
    void setSmallChange(int value) { setSingleStep(value); }
    // A value outside Min to Max is refused, and the thumb stays where it was.
    void setValue(int value);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool personMoving_ = false;
};

}  // namespace platform::ui
