#include "platform/ui/key_filter.h"

#include <algorithm>

namespace platform::ui {

namespace {

constexpr int backspaceKey = 8;  // the old runtime's key code

}  // namespace

EditedRange editedRange(const QString& before, const QString& after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return {prefix, before.size() - prefix - suffix, after.mid(prefix, after.size() - prefix - suffix)};
}

bool editPassesFilter(const QString& before, const QString& after, const KeyFilter& filter)
{
    const EditedRange edit = editedRange(before, after);
    int selStart = static_cast<int>(edit.start);
    int selLength = static_cast<int>(edit.removed);
    if (edit.inserted.isEmpty())
        return filter(before, selStart, selLength, backspaceKey);
    QString text = before;
    for (const QChar key : edit.inserted) {
        if (key.unicode() < 32 || !filter(text, selStart, selLength, key.unicode()))
            return false;
        text = text.left(selStart) + key + text.mid(selStart + selLength);
        ++selStart;
        selLength = 0;
    }
    return true;
}

}  // namespace platform::ui
