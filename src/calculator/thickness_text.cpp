#include "calculator/thickness_text.h"

#include "platform/vb.h"

#include <cmath>

namespace varnel::calculator {

double calcVal(const QString& text)
{
    double result = vb::Val(text);
    const int hyphen = vb::InStr(text, QStringLiteral("-"));
    const QString whole = hyphen > 0 ? vb::Left(text, hyphen - 1) : QString();
    if (hyphen > 0)
        result = vb::Val(whole);
    const int slash = vb::InStr(text, QStringLiteral("/"));
    if (slash > 0) {
        // A slash before the hyphen leaves the numerator empty.
        const QString numerator = hyphen > 0 ? vb::Mid(text, hyphen + 1, slash - hyphen - 1)
                                             : vb::Left(text, slash - 1);
        const double denominator = vb::Val(vb::Mid(text, slash + 1));
        // A part that overflows counts as not read, so the result is always a finite number.
        double fraction = denominator != 0 ? vb::Val(numerator) / denominator : 0;
        if (!std::isfinite(fraction))
            fraction = 0;
        const double sum = hyphen > 0 ? vb::Val(whole) + fraction : fraction;
        if (std::isfinite(sum))
            result = sum;
    }
    return result;
}

QString numToFraction(const QString& value)
{
    if (value.contains(u'/') || value == QLatin1String("Unlimited"))
        return value;
    const double number = vb::Val(value);
    const double whole = std::floor(number);
    const double part = number - whole;
    if (part == 0)
        return value;
    // The first denominator that makes the part whole is the reduced one.
    for (int d = 2; d <= 64; ++d) {
        const double n = d * part;
        if (n != std::floor(n))
            continue;
        if (64 % d != 0)
            return value;
        const QString fraction = vb::Str(n) + u'/' + vb::Str(d);
        return whole == 0 ? fraction : vb::Str(whole) + u'-' + fraction;
    }
    return value;
}

QString numToFraction(double value) { return numToFraction(vb::CStr(value)); }

QString formatStr(double value, bool mmUnits)
{
    return vb::Format(value, mmUnits ? QStringLiteral("0.0") : QStringLiteral("###0.00000"));
}

}  // namespace varnel::calculator
