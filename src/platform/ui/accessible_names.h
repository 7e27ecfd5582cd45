#pragma once
// Names for assistive technology. Every control that takes input carries a name that a screen
// reader reads out, taken from what the person sees:
// - a button, check box or option button is named by its caption when that holds a letter or a
//   digit (Qt reads it there);
// - any other control (not a button) by the label that stands before it in its container, on its
//   left on its line or right above it;
// - else by its tool tip;
// - else by the name of the box it belongs to: the box it lies in (a drop-down button), the box
//   right before it on its line (a slider beside its box) or right above it (a pick list under
//   the box it drops from);
// - else by its own caption ("|<"), by the caption of the frame that holds it, or by its window's
//   title.
// A name given by hand stays. A label's or frame's new caption names anew the controls it names.

#include <QString>

class QWidget;

namespace platform::ui {

// Whether `w` is a control that takes input (a click, a key or a choice) and so needs a name.
bool takesInput(const QWidget& w);

// Names `control` when it takes input and has no name given by hand.
void nameControl(QWidget& control);
// Names every such control of `window`.
void nameControls(QWidget& window);

// From now on each window names its controls whenever it is shown or its title changes.
void nameControlsForAssistiveTechnology();

// A label or frame has a new caption: the controls it names take it.
void captionChanged(QWidget& source);

}  // namespace platform::ui
