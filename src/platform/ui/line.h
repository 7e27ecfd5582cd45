#pragma once
// A line drawn on its parent between two points given in twips of the parent's coordinates.
// Moving an end point redraws it; it takes no mouse input.

#include <QWidget>

namespace platform::ui {

class Line : public QWidget {
    Q_OBJECT
public:
    Line(QWidget* parent, double x1, double y1, double x2, double y2);

    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }
    void setX2(double x2);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();
    double x1_, y1_, x2_, y2_;
};

}  // namespace platform::ui
