#pragma once
// The key filter of a box that takes only some texts (a value box), and how an edit other than a
// typed key passes it: the rule alone, without a widget, so that rules of values can use it.

#include <QString>
#include <functional>

namespace platform::ui {

// Whether a key may go into a box while it holds `text` with this selection (or, for a length of
// 0, the caret at selStart).
using KeyFilter = std::function<bool(const QString& text, int selStart, int selLength, int keyAscii)>;

// Whether the edit that turned `before` into `after` passes `filter` as the same keys typed would:
// each character it put in, typed in turn where it went in over what it replaced (a control
// character, such as a pasted tab or line break, passes as no key does); an edit that only
// removed characters as Backspace over them.
bool editPassesFilter(const QString& before, const QString& after, const KeyFilter& filter);

// Where an edit that turned `before` into `after` took place: it replaced `removed` characters
// from `start` on with `inserted`.
struct EditedRange {
    qsizetype start = 0;
    qsizetype removed = 0;
    QString inserted;
};
EditedRange editedRange(const QString& before, const QString& after);

}  // namespace platform::ui
