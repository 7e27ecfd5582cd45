#pragma once
// The Esc key of a window: it presses the window's cancel button, and does nothing in a window
// without one (a Qt dialog would otherwise close itself on Esc). Every window of the programs
// names its cancel button here, or none.

class QAbstractButton;
class QDialog;

namespace platform::ui {

// `button` becomes the window's cancel button; nullptr: Esc does nothing in the window. A hidden
// or disabled cancel button is not pressed.
void setCancelButton(QDialog& window, QAbstractButton* button);

}  // namespace platform::ui
