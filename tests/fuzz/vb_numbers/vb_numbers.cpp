// The old runtime's number rules: Val against a reader written here from its rules; CStr read
// back by Val gives the value at 15 significant digits; Format keeps the decimals its pattern asks
// for and rounds by at most half a unit of the last one, half away from zero; CLng rounds half to
// even and saturates; IntDiv truncates its rounded operands' quotient.
//
// Input: a number text for Val. Its first 16 bytes, read as two doubles, give further values of
// any bit pattern; its last two bytes choose a Format pattern.

#include "platform/vb.h"
#include "support/fuzz_support.h"

#include <QString>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

std::string number(double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", value);
    return buf;
}

// Val by its rules: blanks, tabs and line breaks are dropped, reading stops at the first other
// character outside ASCII, and the longest leading [sign] digits [. digits] [E|D [sign] digits]
// (at least one mantissa digit; an exponent only with its digits) is the number.
double plainVal(const QString& text)
{
    std::string ascii;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        if (c.unicode() > 127)
            break;
        ascii += static_cast<char>(c.unicode());
    }
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t from = at;
        while (at < ascii.size() && ascii[at] >= '0' && ascii[at] <= '9')
            ++at;
        return at - from;
    };
    if (at < ascii.size() && (ascii[at] == '+' || ascii[at] == '-'))
        ++at;
    std::size_t mantissaDigits = digits();
    if (at < ascii.size() && ascii[at] == '.') {
        ++at;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return 0;
    std::string found = ascii.substr(0, at);
    if (at < ascii.size() && (ascii[at] == 'e' || ascii[at] == 'E' || ascii[at] == 'd' || ascii[at] == 'D')) {
        const std::size_t mark = at++;
        if (at < ascii.size() && (ascii[at] == '+' || ascii[at] == '-'))
            ++at;
        if (digits() > 0)
            found += 'e' + ascii.substr(mark + 1, at - mark - 1);
    }
    const double value = std::strtod(found.c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

// Whether the text is [-](0|[1-9]digits) followed by a point and exactly `decimals` digits, or
// (decimals < 0) by nothing or a point and digits of which the last is not 0.
bool isPlainNumber(const std::string& s, int decimals)
{
    std::size_t at = s.starts_with('-') ? 1 : 0;
    const auto digit = [&](std::size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
    if (!digit(at) || (s[at] == '0' && digit(at + 1)))
        return false;
    while (digit(at))
        ++at;
    if (at == s.size())
        return decimals <= 0;
    if (s[at] != '.' || decimals == 0)
        return false;
    const std::size_t first = ++at;
    while (digit(at))
        ++at;
    if (at != s.size() || at == first)
        return false;
    return decimals < 0 ? s.back() != '0' : at - first == static_cast<std::size_t>(decimals);
}

// The value at 15 significant digits, as the C library rounds it.
double fifteenDigits(double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return std::strtod(buf, nullptr);
}

void checkCStr(double x)
{
    const QString text = vb::CStr(x);
    const std::string s = text.toStdString();
    if (!std::isfinite(x)) {
        FUZZ_CHECK(s == "0", "CStr of a non-finite value: " + s);
        return;
    }
    FUZZ_CHECK(isPlainNumber(s, -1), number(x) + " -> " + s);
    FUZZ_CHECK(s != "-0", number(x) + " -> " + s);
    std::size_t significant = 0;
    bool leading = true;
    for (const char c : s) {
        if (c >= '1' && c <= '9')
            leading = false;
        if (c >= '0' && c <= '9' && !leading)
            ++significant;
    }
    // Whole numbers beyond 15 digits end in zeros that are no significant digits.
    std::string digits = s;
    if (digits.find('.') == std::string::npos)
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back(), --significant;
    FUZZ_CHECK(significant <= 15, number(x) + " -> " + s);
    const double rounded = fifteenDigits(x);
    if (std::isfinite(rounded))
        FUZZ_CHECK(vb::Val(text) == rounded, number(x) + " -> " + s + " reads back as " + number(vb::Val(text)));
}

void checkFormat(double x, int integralMarks, int decimals)
{
    QString pattern = QString(integralMarks, u'#') + u'0';
    if (decimals > 0)
        pattern += u'.' + QString(decimals, u'0');
    const std::string s = vb::Format(x, pattern).toStdString();
    const std::string shown = number(x) + " with " + pattern.toStdString() + " -> " + s;
    FUZZ_CHECK(isPlainNumber(s, decimals), shown);
    const bool anyNonZeroDigit = s.find_first_of("123456789") != std::string::npos;
    FUZZ_CHECK((s[0] == '-') == (x < 0 && anyNonZeroDigit), shown);
    if (!std::isfinite(x)) {
        FUZZ_CHECK(!anyNonZeroDigit, shown);
        return;
    }
    // The rounding starts from the value's 15-digit text, which CStr writes (checked above).
    const std::string c = vb::CStr(x).toStdString();
    const std::size_t point = c.find('.');
    const std::size_t decimalsOfC = point == std::string::npos ? 0 : c.size() - point - 1;
    if (decimalsOfC <= static_cast<std::size_t>(decimals)) {
        // Nothing to round: the 15-digit text padded with zeros (without the sign of a zero).
        std::string padded = c;
        if (decimals > 0)
            padded += (point == std::string::npos ? "." : "") + std::string(decimals - decimalsOfC, '0');
        FUZZ_CHECK(s == padded, shown + ", expected " + padded);
        return;
    }
    const double exact = vb::Val(QString::fromStdString(c));
    const double result = vb::Val(QString::fromStdString(s));
    const double half = 0.5 * std::pow(10.0, -decimals);
    const double slack = std::fabs(exact) * 4 * std::numeric_limits<double>::epsilon();
    FUZZ_CHECK(std::fabs(result - exact) <= half + slack, shown);
    // A tie goes away from zero.
    if (decimalsOfC == static_cast<std::size_t>(decimals) + 1 && c.back() == '5')
        FUZZ_CHECK(std::fabs(result) > std::fabs(exact), shown + " (a tie)");
}

void checkCLng(double x)
{
    const std::int32_t r = vb::CLng(x);
    if (!std::isfinite(x))
        return;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (x >= highest + 0.5) {
        FUZZ_CHECK(r == std::numeric_limits<std::int32_t>::max(), number(x) + " -> " + std::to_string(r));
    } else if (x <= lowest - 0.5) {
        FUZZ_CHECK(r == std::numeric_limits<std::int32_t>::min(), number(x) + " -> " + std::to_string(r));
    } else {
        const double off = std::fabs(double(r) - x);
        FUZZ_CHECK(off <= 0.5, number(x) + " -> " + std::to_string(r));
        if (off == 0.5)
            FUZZ_CHECK(r % 2 == 0, number(x) + " -> " + std::to_string(r) + " (a tie goes to the even number)");
    }
}

void checkIntDiv(double a, double b)
{
    const std::int32_t q = vb::IntDiv(a, b);
    const std::int64_t dividend = vb::CLng(a);
    const std::int64_t divisor = vb::CLng(b);
    const std::string shown = number(a) + " \\ " + number(b) + " -> " + std::to_string(q);
    if (divisor == 0) {
        FUZZ_CHECK(q == 0, shown);
        return;
    }
    if (dividend == std::numeric_limits<std::int32_t>::min() && divisor == -1) {
        FUZZ_CHECK(q == std::numeric_limits<std::int32_t>::max(), shown);
        return;
    }
    // Truncated division: the remainder is smaller than the divisor and has the dividend's sign.
    const std::int64_t remainder = dividend - std::int64_t{q} * divisor;
    FUZZ_CHECK(std::llabs(remainder) < std::llabs(divisor), shown);
    FUZZ_CHECK(remainder == 0 || (remainder < 0) == (dividend < 0), shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = fuzzing::utf8Text(data, size);
    const double read = vb::Val(text);
    FUZZ_CHECK(std::isfinite(read), text.toStdString());
    FUZZ_CHECK(read == plainVal(text) || (std::isnan(read) && std::isnan(plainVal(text))),
               "Val('" + text.toStdString() + "') = " + number(read) + ", expected " + number(plainVal(text)));

    std::vector<double> values{read};
    for (std::size_t at = 0; at + sizeof(double) <= size && at < 16; at += sizeof(double)) {
        double raw;
        std::memcpy(&raw, data + at, sizeof raw);
        values.push_back(raw);
    }
    const int integralMarks = size >= 2 ? data[size - 2] % 4 : 0;
    const int decimals = size >= 1 ? data[size - 1] % 21 : 0;
    for (const double x : values) {
        checkCStr(x);
        checkFormat(x, integralMarks, decimals);
        checkCLng(x);
    }
    for (const double a : values)
        for (const double b : values)
            checkIntDiv(a, b);
    return 0;
}
