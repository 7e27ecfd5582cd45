#pragma once
// Placement of windows on the screen.

#include <QWidget>

namespace platform::ui {

// left = (screen width - window width) / 2, top = (screen height - window height) / 2.
void centreOnScreen(QWidget& window);

}  // namespace platform::ui
