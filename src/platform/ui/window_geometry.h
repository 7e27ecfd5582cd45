#pragma once
// Placement of windows on the screen.

#include <QWidget>

namespace platform::ui {

// Centres the window in the part of the screen that windows may use (the screen less the
// desktop's panels): left = (area width - window width) / 2, top = (area height - window
// height) / 2, sizes with the window manager's frame. A window larger than that area opens
// within it: one that can be resized is made smaller, as far as `smallest` (the least size its
// layout follows; by default its minimum size); one larger still, or of fixed size, opens at the
// area's top left corner, its caption on the screen.
void centreOnScreen(QWidget& window, QSize smallest = {});

// From now on every window of the program, Qt's dialogs included, opens whole at any scale: the
// window manager can give it the size it asks for.
void keepWindowsWhole();

}  // namespace platform::ui
