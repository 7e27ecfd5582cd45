#pragma once
// A vertical scroll bar as the windows use it: a tab stop, so that a person who works with the
// keyboard reaches it and moves it with the arrow keys, Page Up, Page Down, Home and End. While it
// has the focus it draws the style's focus rectangle, which Qt's own scroll bar never shows.

#include <QScrollBar>

namespace platform::ui {

class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit ScrollBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform::ui
