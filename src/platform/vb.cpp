#include "platform/vb.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vb {

// Every number is read and written here through <charconv>, which follows no locale: the old
// runtime's Val and Str take "." whatever the person's settings, and the C library's strtod and
// printf would take the decimal separator of the locale that Qt sets from the environment.

namespace {

bool isSkippedInNumber(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// Digits, sign and exponent of a number in decimal, as a plain ASCII string without blanks.
std::string numericPrefix(const QString& text)
{
    std::string out;
    bool anyDigit = false, point = false, exponent = false, exponentDigit = false;
    bool signAllowed = true;
    for (QChar c : text) {
        if (isSkippedInNumber(c))
            continue;
        const char ch = c.toLatin1();
        if (c.unicode() > 127)
            break;
        if ((ch == '+' || ch == '-') && signAllowed) {
            out += ch;
            signAllowed = false;
            continue;
        }
        signAllowed = false;
        if (ch >= '0' && ch <= '9') {
            out += ch;
            (exponent ? exponentDigit : anyDigit) = true;
        } else if (ch == '.' && !point && !exponent) {
            out += ch;
            point = true;
        } else if ((ch == 'e' || ch == 'E' || ch == 'd' || ch == 'D') && !exponent && anyDigit) {
            out += 'e';
            exponent = true;
            signAllowed = true;
        } else {
            break;
        }
    }
    if (exponent && !exponentDigit) {
        // "5E" or "5E-": the exponent is incomplete and counts as absent.
        const auto e = out.find('e');
        out.erase(e);
    }
    if (!anyDigit)
        return {};
    return out;
}

// The decimal digits and exponent of |value| at 15 significant digits: value = 0.d1d2...d15 x 10^exp10.
struct Decimal15 {
    std::string digits;  // without trailing zeros, empty for zero
    int pointPos = 0;    // digits before the decimal point (may be <= 0 or > digits.size())
};

Decimal15 toDecimal15(double value)
{
    Decimal15 d;
    if (value == 0 || !std::isfinite(value))
        return d;
    char buf[40];
    const auto written = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string s(buf, written.ptr);  // d.dddddddddddddde±XX
    const auto e = s.find('e');
    int exp10 = 0;
    const char* exponent = s.c_str() + e + 1;
    std::from_chars(exponent + (*exponent == '+'), s.c_str() + s.size(), exp10);
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    d.digits = digits;
    d.pointPos = exp10 + 1;
    return d;
}

// Writes digits with the point after `pointPos` digits, padding with zeros as needed,
// always with at least one digit before the point.
std::string placePoint(const std::string& digits, int pointPos, int decimals)
{
    std::string intPart, fracPart;
    if (pointPos <= 0) {
        intPart = "0";
        fracPart = std::string(-pointPos, '0') + digits;
    } else if (pointPos >= static_cast<int>(digits.size())) {
        intPart = digits + std::string(pointPos - digits.size(), '0');
    } else {
        intPart = digits.substr(0, pointPos);
        fracPart = digits.substr(pointPos);
    }
    if (decimals >= 0) {
        fracPart.resize(decimals, '0');
    }
    return fracPart.empty() ? intPart : intPart + "." + fracPart;
}

// Rounds a digit string (value 0.digits x 10^pointPos) half away from zero to `decimals` places.
void roundDigits(std::string& digits, int& pointPos, int decimals)
{
    const int keep = pointPos + decimals;  // significant digits to keep
    if (keep >= static_cast<int>(digits.size()))
        return;
    if (keep < 0) {
        digits.clear();
        return;
    }
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && digits[i] == '9') {
            digits[i] = '0';
            --i;
        }
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            ++pointPos;
        } else {
            ++digits[i];
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
}

}  // namespace

double Val(const QString& text)
{
    const std::string prefix = numericPrefix(text);
    if (prefix.empty())
        return 0;
    // from_chars takes a minus sign but no plus sign; a number beyond the range of a double
    // leaves v at 0.
    const char* first = prefix.c_str() + (prefix.front() == '+');
    double v = 0;
    std::from_chars(first, prefix.c_str() + prefix.size(), v);
    return std::isfinite(v) ? v : 0;
}

int InStr(const QString& text, const QString& sought) { return InStr(1, text, sought); }

int InStr(int start, const QString& text, const QString& sought)
{
    if (start < 1)
        start = 1;
    if (start > text.size() + 1)
        return 0;
    if (sought.isEmpty())
        return start;
    const auto at = text.indexOf(sought, start - 1, Qt::CaseSensitive);
    return at < 0 ? 0 : static_cast<int>(at) + 1;
}

namespace {

bool likeAt(const QString& text, qsizetype ti, const QString& pattern, qsizetype pi)
{
    while (pi < pattern.size()) {
        const QChar p = pattern[pi];
        if (p == u'*') {
            while (pi < pattern.size() && pattern[pi] == u'*')
                ++pi;
            if (pi == pattern.size())
                return true;
            for (qsizetype k = ti; k <= text.size(); ++k)
                if (likeAt(text, k, pattern, pi))
                    return true;
            return false;
        }
        if (ti >= text.size())
            return false;
        const QChar c = text[ti];
        if (p == u'?') {
            ++pi;
        } else if (p == u'#') {
            if (!c.isDigit())
                return false;
            ++pi;
        } else if (p == u'[') {
            const qsizetype close = pattern.indexOf(u']', pi + 1);
            if (close < 0)
                return false;  // a malformed set matches nothing
            qsizetype k = pi + 1;
            bool negate = false;
            if (k < close && pattern[k] == u'!') {
                negate = true;
                ++k;
            }
            bool inSet = false;
            while (k < close) {
                if (k + 2 < close && pattern[k + 1] == u'-') {
                    if (c >= pattern[k] && c <= pattern[k + 2])
                        inSet = true;
                    k += 3;
                } else {
                    if (c == pattern[k])
                        inSet = true;
                    ++k;
                }
            }
            if (inSet == negate)
                return false;
            pi = close + 1;
        } else {
            if (c != p)
                return false;
            ++pi;
        }
        ++ti;
    }
    return ti == text.size();
}

}  // namespace

bool Like(const QString& text, const QString& pattern) { return likeAt(text, 0, pattern, 0); }

QString LTrim(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return text.mid(i);
}

QString RTrim(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ')
        --n;
    return text.left(n);
}

QString Trim(const QString& text) { return LTrim(RTrim(text)); }
QString Left(const QString& text, int length) { return length <= 0 ? QString() : text.left(length); }
QString Right(const QString& text, int length) { return length <= 0 ? QString() : text.right(length); }

QString Mid(const QString& text, int start)
{
    if (start < 1 || start > text.size())
        return {};
    return text.mid(start - 1);
}

QString Mid(const QString& text, int start, int length)
{
    if (start < 1 || start > text.size() || length <= 0)
        return {};
    return text.mid(start - 1, length);
}

QString UCase(const QString& text) { return text.toUpper(); }
QString LCase(const QString& text) { return text.toLower(); }

QString Replace(const QString& text, const QString& find, const QString& with)
{
    if (find.isEmpty())
        return text;
    QString out = text;
    return out.replace(find, with, Qt::CaseSensitive);
}

QString CStr(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    Decimal15 d = toDecimal15(value);
    if (d.digits.empty())
        return QStringLiteral("0");
    const std::string body = placePoint(d.digits, d.pointPos, -1);
    return QString::fromLatin1((value < 0 ? "-" : "") + body);
}

QString Str(double value) { return value < 0 ? CStr(value) : QStringLiteral(" ") + CStr(value); }

QString Format(double value, const QString& pattern)
{
    const auto point = pattern.indexOf(u'.');
    const int decimals = point < 0 ? 0 : static_cast<int>(pattern.size() - point - 1);
    Decimal15 d = toDecimal15(std::isfinite(value) ? value : 0);
    roundDigits(d.digits, d.pointPos, decimals);
    const bool negative = value < 0 && !d.digits.empty();
    const std::string body = d.digits.empty() ? placePoint("0", 1, decimals)
                                              : placePoint(d.digits, d.pointPos, decimals);
    QString text = QString::fromLatin1((negative ? "-" : "") + body);
    if (pattern.left(point < 0 ? pattern.size() : point).contains(u',')) {
        // The one rule of the old runtime that follows the person's settings: a pattern's ","
        // groups the thousands with the locale's group separator. The digits stay 0 to 9.
        const QString separator = QLocale::system().groupSeparator();
        const auto end = text.indexOf(u'.') < 0 ? text.size() : text.indexOf(u'.');
        for (auto at = end - 3; at > (negative ? 1 : 0); at -= 3)
            text.insert(at, separator);
    }
    return text;
}

std::int32_t CLng(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double r = std::nearbyint(value);  // default rounding mode: half to even
    if (r > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (r < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

std::int32_t IntDiv(double dividend, double divisor)
{
    const std::int32_t b = CLng(divisor);
    if (b == 0)
        return 0;
    // In 64 bits the one quotient outside the range (the smallest number by -1) is defined; it
    // saturates, as CLng does.
    const std::int64_t quotient = std::int64_t{CLng(dividend)} / b;
    return static_cast<std::int32_t>(std::min<std::int64_t>(quotient, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace vb
