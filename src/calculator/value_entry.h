#pragma once
// The key filter of the two value boxes: only a well-formed, non-negative value within the
// calculator's limit can be typed. A value is a decimal, or in inches also a fraction (3/8) or a
// whole number, a hyphen and a fraction (1-3/8).

#include <QString>

namespace varnel::calculator {

// The largest value the boxes accept, in inches; in millimetres the limit is 25.4 times this.
inline constexpr int maxThickness = 30;

// Whether the key may go into a box that holds `text` with the selection (or, when selLength is
// 0, the caret) at selStart. The key is judged by the text it would make: the text before the
// selection, the key, the text after it. Backspace and Enter always pass.
bool validateText(const QString& text, int selStart, int selLength, int keyAscii, bool mmUnits);

// Whether a person's edit that turned `before` into `after` (typed, pasted, dropped or deleted)
// may stand: the characters it put in pass validateText one after another where they went in, so a
// paste is judged as the same keys typed; an edit that only removed characters may leave any text
// whose value lies within 0 and the limit.
bool acceptsEdit(const QString& before, const QString& after, bool mmUnits);

}  // namespace varnel::calculator
