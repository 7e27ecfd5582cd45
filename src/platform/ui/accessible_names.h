#pragma once
// Names for assistive technology. Every control that takes input carries a name that a screen
// reader reads out, taken from what the person sees, and of its own within its window:
// - a button, check box or option button is named by its caption when that holds a word (Qt
//   reads it there);
// - else any control by the label that has it as its buddy (a button whose caption is a glyph or
//   a lone letter, "|<" or "&I", by the label beside it: "Show first");
// - a slider beside its box by the box's name with " slider" after it;
// - any other control (not a button) by the label that stands before it in its container, on its
//   left on its line or right above it (a slider also by the label right below it, with
//   " slider" after it);
// - else by its tool tip;
// - else by the name of the box it belongs to, followed by what it is: the box it lies in (a
//   drop-down button: "Term drop-down") or right above it (a pick list under the box it drops
//   from: "Term list");
// - else by its own caption, by the caption of the frame that holds it, or by its window's title.
// A frame is named by its own caption. A name given by hand stays. A label's or frame's new
// caption, and a box's new name, name anew the controls named after them. Drop-downs say their
// name, and buttons hidden behind other controls read as not showing (control_readings.h).

#include <QString>

class QWidget;

namespace platform::ui {

// Whether `w` is a control that takes input (a click, a key or a choice) and so needs a name.
bool takesInput(const QWidget& w);

// Names `control` when it takes input or is a frame, and has no name given by hand.
void nameControl(QWidget& control);
// Names every such control of `window`.
void nameControls(QWidget& window);

// From now on each window names its controls whenever it is shown or its title changes, and its
// grids read as tables (grid_accessibility.h), its drop-downs and hidden buttons as
// control_readings.h says.
void nameControlsForAssistiveTechnology();

// A label or frame has a new caption: it and the controls it names take it.
void captionChanged(QWidget& source);

}  // namespace platform::ui
