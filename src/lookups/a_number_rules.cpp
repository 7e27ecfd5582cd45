#include "lookups/a_number_rules.h"

#include "platform/vb.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace varnel::anumber {

QString tableMaxStatement()
{
    QStringList columns;
    for (const QString& e : elementCodes)
        columns << QStringLiteral("Max([TMAX %1]) AS [High %1]").arg(e);
    return QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) + QStringLiteral(" FROM [A Numbers]");
}

double leadingNumber(const QString& text, bool withSign)
{
    qsizetype i = 0;
    bool negative = false;
    if (withSign && i < text.size() && text[i] == u'-') {
        negative = true;
        ++i;
    }
    QString digits;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9')
            digits += c;
        else if (c == u'.' && !point) {
            point = true;
            digits += c;
        } else
            break;
    }
    if (digits.isEmpty() || digits == QLatin1String("."))
        return 0;
    if (digits.endsWith(u'.'))
        digits += u'0';
    const double value = QLocale::c().toDouble(QStringLiteral("0") + digits);
    return negative ? -value : value;
}

QString numberText(double value)
{
    QString text = vb::CStr(value);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    return u' ' + text;
}

namespace {

// The two ends of a value or range, lower first.
std::pair<double, double> ends(const QString& text)
{
    const qsizetype dash = text.indexOf(u'-');
    if (dash < 0) {
        const double v = leadingNumber(text);
        return {v, v};
    }
    const double a = leadingNumber(text.left(dash));
    const double b = leadingNumber(text.mid(dash + 1));
    return {std::min(a, b), std::max(a, b)};
}

}  // namespace

QString minValue(const QString& text) { return numberText(ends(text).first); }
QString maxValue(const QString& text) { return numberText(ends(text).second); }

bool validateText(const QString& text, int keyAscii)
{
    static const QString accepted = QStringLiteral("0123456789.-");
    if (keyAscii > 0 && keyAscii < 0x10000 && accepted.contains(QChar(static_cast<char16_t>(keyAscii))))
        return !(keyAscii == '-' && text.contains(u'-'));
    return keyAscii == 8 || keyAscii == 13;
}

BoxColour boxColour(double typedMax, double tableMax)
{
    // The table maximum as its decimal text reads back, so that a stored 0.3 equals a typed 0.30.
    const double m = vb::Val(vb::CStr(tableMax));
    const double h = typedMax;
    BoxColour colour = BoxColour::White;
    if (h > 0 && m > h)
        colour = BoxColour::Green;
    if (m == h)
        colour = BoxColour::Yellow;
    if (m < h)
        colour = BoxColour::Red;
    return colour;
}

QString determinationFilter(const std::array<QString, elementCount>& boxes)
{
    QStringList clauses;
    double sum = 0;
    for (int i = 0; i < elementCount; ++i) {
        const QString& t = boxes[static_cast<std::size_t>(i)];
        const QString& e = elementCodes[static_cast<std::size_t>(i)];
        if (!vb::Trim(t).isEmpty())
            clauses << QStringLiteral("[TMAX %1] >= %2 AND [TMIN %1] <= %3").arg(e, maxValue(t), minValue(t));
        else
            clauses << QStringLiteral("[TMIN %1] = 0").arg(e);
        sum += leadingNumber(t, true);
    }
    return sum == 0 ? QString() : clauses.join(QStringLiteral(" AND "));
}

}  // namespace varnel::anumber
