#include "calculator/value_entry.h"

#include "calculator/thickness_text.h"
#include "platform/ui/key_filter.h"
#include "platform/vb.h"

#include <algorithm>

namespace varnel::calculator {

namespace {

constexpr int backspaceKey = 8;
constexpr int enterKey = 13;

bool isSeparator(QChar c) { return c == u'.' || c == u'-' || c == u'/'; }

// The value of a text lies within 0 and the limit (in millimetres read to four decimals).
bool withinLimit(const QString& text, bool mmUnits)
{
    if (mmUnits) {
        const double v = calcVal(vb::Format(calcVal(text), QStringLiteral("0.0000")));
        return v >= 0 && v <= maxThickness * 25.4;
    }
    const double v = calcVal(text);
    return v >= 0 && v <= maxThickness;
}

}  // namespace

bool validateText(const QString& text, int selStart, int selLength, int keyAscii, bool mmUnits)
{
    static const QString allowed = QStringLiteral("0123456789.-/");
    if (keyAscii <= 0 || keyAscii > 127 || !allowed.contains(QChar(keyAscii)))
        return keyAscii == backspaceKey || keyAscii == enterKey;
    const QChar key(keyAscii);

    const int length = static_cast<int>(text.size());
    selStart = std::clamp(selStart, 0, length);
    selLength = std::clamp(selLength, 0, length - selStart);
    const QString before = text.left(selStart);
    const QString selected = text.mid(selStart, selLength);
    const QString after = text.mid(selStart + selLength);

    if (isSeparator(key)) {
        // Each separator once; one inside the selection is replaced by the key.
        if (text.contains(key) && !selected.contains(key))
            return false;
        // No two separators in a row.
        if ((!before.isEmpty() && isSeparator(before.back())) || (!after.isEmpty() && isSeparator(after.front())))
            return false;
    }
    if (key == u'-' || key == u'/') {
        // Fractions are for inches, never at the start, and the whole number comes before them.
        if (mmUnits || before.isEmpty())
            return false;
        if (key == u'-' && before.contains(u'/'))
            return false;
        if (key == u'/' && after.contains(u'-'))
            return false;
    }

    return withinLimit(before + key + after, mmUnits);
}

bool acceptsEdit(const QString& before, const QString& after, bool mmUnits)
{
    // Every key that passes the filter leaves a value within the limit, so the limit adds to the
    // filter only what a deletion leaves.
    const auto filter = [mmUnits](const QString& text, int selStart, int selLength, int keyAscii) {
        return validateText(text, selStart, selLength, keyAscii, mmUnits);
    };
    return platform::ui::editPassesFilter(before, after, filter) && withinLimit(after, mmUnits);
}

}  // namespace varnel::calculator
