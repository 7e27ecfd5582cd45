#pragma once
// The font the windows are laid out for: an 8-point sans-serif face whose captions take the
// widths the layout gives them. Sizes are points, so Qt scales them with the screen.

#include <QFont>

namespace platform::ui {

inline constexpr double formFontPoints = 8;
// No caption is made smaller than this to fit its box.
inline constexpr double smallestCaptionPoints = 7;

// The form font: FreeSans, then faces of similar widths where it is missing.
QFont formFont();
// A font the design names by face and size in points.
QFont designFont(const QString& face, double points);
// Makes the form font the application's font, before any window is created, and draws the
// design's sans-serif screen faces ("MS Sans Serif", "Small Fonts") in its face.
void useFormFont();

}  // namespace platform::ui
