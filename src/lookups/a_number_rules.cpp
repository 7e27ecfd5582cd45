#include "lookups/a_number_rules.h"

#include "platform/vb.h"

#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

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
    const QByteArray ascii = digits.toLatin1();
    double value = 0;
    if (std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value).ec == std::errc::result_out_of_range) {
        // Too many digits for a number: infinite when they are a whole number, nothing when
        // they are only a fraction too small to count.
        const QByteArray whole = ascii.left(ascii.indexOf('.') < 0 ? ascii.size() : ascii.indexOf('.'));
        value = whole.count('0') == whole.size() ? 0 : std::numeric_limits<double>::infinity();
    }
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

double upperEnd(const QString& text)
{
    const double high = ends(text).second;
    return std::isfinite(high) ? vb::Val(numberText(high)) : high;
}

bool analysisReadable(const std::array<QString, elementCount>& boxes)
{
    return std::all_of(boxes.begin(), boxes.end(), [](const QString& t) {
        return std::isfinite(leadingNumber(t, true)) && std::isfinite(ends(t).second);
    });
}

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
