#pragma once
// Colours of controls on any desktop palette, light or dark. The windows fix some colours (a white
// box, a grey one, dark red or blue text) and leave others to the desktop's palette; mixed freely,
// a dark palette's light text would stand on a fixed white box, and a fixed dark text on the
// palette's dark background. So the colours always come in pairs:
// - a background the window fixes brings a text colour of its own: black, the text colour of the
//   light scheme such backgrounds belong to (white on a dark one);
// - a background the window takes from the system comes from the palette together with the text
//   colour the palette gives for it;
// - a text colour the window fixes is drawn as given where it stands out from the background it
//   is drawn on, otherwise in the colour of its hue nearest in lightness that does.
// Under a light palette most fixed text colours of the windows stand out as given; pure red, mid
// grey and the light palette's highlight blue are drawn a little darker.

#include <QColor>

class QWidget;

namespace platform::ui {

// The system colours the windows name for a background, each with the palette's text for it.
enum class SystemColour {
    WindowBackground,   // a box's or list's background, with its text
    ButtonFace,         // a button's face, with its caption
    TooltipBackground,  // a tool tip's background, with its text
};

// The contrast of two colours: the ratio of their relative luminances, each plus 0.05; 1 for the
// same colour, 21 for black on white.
double contrast(const QColor& a, const QColor& b);

// The least contrast at which a text stands out from its background. The windows' texts are
// small, and thin strokes are drawn paler than their colour (a red hit in a monospaced text at
// 3.9:1 measures 2.9:1), so a text colour must reach 4.5:1 as given.
inline constexpr double leastContrast = 4.5;

// `text` where it stands out from `background`; otherwise the colour of its hue and saturation
// whose lightness is nearest the mirror of its own (dark red becomes light red) and stands out.
QColor readableOn(const QColor& background, const QColor& text);

// The colour the text of `control` is drawn on: its own background where it paints one (a box or a
// list its base, a button its face, a filled control its own), else that of the nearest container
// that fills its background, up to the window.
QColor backgroundOf(const QWidget& control);

// A fixed background, and the text colour that goes with it. A control that draws on its
// container's background fills its own from now on. Disabled text keeps the palette's grey.
void setBackColor(QWidget& control, const QColor& colour);
// A system background, with the palette's text for it.
void setBackColor(QWidget& control, SystemColour colour);
// A fixed text colour on the control's present background (set the background first).
void setForeColor(QWidget& control, const QColor& colour);

}  // namespace platform::ui
