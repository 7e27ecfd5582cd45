#include "platform/ui/line.h"

#include "platform/ui/twips.h"

#include <QPainter>

namespace platform::ui {

namespace {

QPointF inPixels(double x, double y) { return {x / twipsPerPixel, y / twipsPerPixel}; }

}  // namespace

Line::Line(QWidget* parent, double x1, double y1, double x2, double y2)
    : QWidget(parent), x1_(x1), y1_(y1), x2_(x2), y2_(y2)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    place();
}

void Line::setX2(double x2)
{
    x2_ = x2;
    place();
}

// The widget covers the line's bounding box with a pixel to spare on each side.
void Line::place()
{
    const QRectF box = QRectF(inPixels(x1_, y1_), inPixels(x2_, y2_)).normalized().adjusted(-1, -1, 1, 1);
    setGeometry(box.toAlignedRect());
    update();
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    const QPointF origin = pos();
    painter.drawLine(inPixels(x1_, y1_) - origin, inPixels(x2_, y2_) - origin);
}

}  // namespace platform::ui
