#include "platform/ui/scroll_bar.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace platform::ui {

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) { setFocusPolicy(Qt::StrongFocus); }

void ScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

}  // namespace platform::ui
