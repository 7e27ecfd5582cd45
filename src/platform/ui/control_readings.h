#pragma once
// Controls as assistive technology reads them where Qt's own reading says the wrong thing:
// - a drop-down says its name (its label's caption, or the name given it) and, as its value, its
//   text; on Linux Qt says its text as its name;
// - a button that stands wholly behind a control that paints its own background (one kept only
//   for a key, never seen) is read as not showing; Qt reads it as showing.

class QWidget;

namespace platform::ui {

// From now on drop-downs and hidden buttons read so. Called once, as the application starts.
void readDropDownsAndHiddenButtons();

// When `control` is a button hidden behind another control, it reads as not showing from now on,
// for as long as it stays hidden.
void readHiddenButton(QWidget& control);

}  // namespace platform::ui
