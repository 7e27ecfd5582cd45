// Thickness texts: calcVal reads any text as a finite number; numToFraction writes a value that is
// a multiple of 1/64 as a reduced fraction (with its whole number before a hyphen) that calcVal
// reads back exactly, and any other value as its own text; formatStr writes what calcVal reads back
// to within half a unit of its last decimal.
//
// Input: a thickness text. Its first two bytes also give a number of sixty-fourths and its first
// eight a value of any bit pattern.

#include "calculator/thickness_text.h"
#include "platform/vb.h"
#include "support/fuzz_support.h"

#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace varnel::calculator;

namespace {

std::string number(double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", value);
    return buf;
}

// " 3/ 8" or " 1- 3/ 8": a reduced fraction in at most sixty-fourths, below one.
void checkFractionShape(const QString& text, const std::string& shown)
{
    static const QRegularExpression shape(QStringLiteral("^(?: (\\d+)-)? (\\d+)/ (\\d+)$"));
    const QRegularExpressionMatch m = shape.match(text);
    FUZZ_CHECK(m.hasMatch(), shown);
    const long long numerator = m.captured(2).toLongLong();
    const long long denominator = m.captured(3).toLongLong();
    FUZZ_CHECK(denominator >= 2 && denominator <= 64 && (denominator & (denominator - 1)) == 0, shown);
    FUZZ_CHECK(numerator % 2 == 1 && numerator < denominator, shown);
}

// A non-negative value written by numToFraction and read back by calcVal.
void checkRoundTrip(double x)
{
    const QString own = vb::CStr(x);
    const double value = vb::Val(own);  // the value at the 15 digits that numToFraction sees
    const QString text = numToFraction(x);
    const std::string shown = number(x) + " -> '" + text.toStdString() + "'";
    const bool whole = value == std::floor(value);
    const bool sixtyFourths = value * 64 == std::floor(value * 64);
    if (whole || !sixtyFourths) {
        FUZZ_CHECK(text == own, shown + ", expected its own text " + own.toStdString());
        return;
    }
    checkFractionShape(text, shown);
    FUZZ_CHECK(calcVal(text) == value, shown + " reads back as " + number(calcVal(text)));
}

void checkFormatStr(double x)
{
    for (const bool mm : {false, true}) {
        const QString text = formatStr(x, mm);
        const double back = calcVal(text);
        const double half = mm ? 0.05 : 0.000005;
        const double slack = std::fabs(x) * 1e-14;
        FUZZ_CHECK(std::fabs(back - x) <= half + slack,
                   number(x) + (mm ? " mm" : " in") + " -> '" + text.toStdString() + "' reads back as " + number(back));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = fuzzing::utf8Text(data, size);
    const double read = calcVal(text);
    FUZZ_CHECK(std::isfinite(read), "calcVal('" + text.toStdString() + "') = " + number(read));

    const QString written = numToFraction(text);
    const std::string shown = "'" + text.toStdString() + "' -> '" + written.toStdString() + "'";
    if (text.contains(u'/') || text == QLatin1String("Unlimited")) {
        FUZZ_CHECK(written == text, shown);
    } else if (written != text && vb::Val(text) >= 0 && vb::Val(text) < 1e14) {
        // (A whole number of 15 digits or more is written at 15 significant digits.)
        checkFractionShape(written, shown);
        FUZZ_CHECK(calcVal(written) == vb::Val(text), shown + " reads back as " + number(calcVal(written)));
    }

    std::vector<double> values;
    if (read >= 0)
        values.push_back(read);
    if (size >= 2)
        values.push_back((data[0] | data[1] << 8) / 64.0);
    if (size >= 8) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw))
            values.push_back(std::fabs(raw));
    }
    for (const double x : values) {
        checkRoundTrip(x);
        if (x < 1e15)
            checkFormatStr(x);
    }
    return 0;
}
