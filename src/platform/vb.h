#pragma once
// The string and number rules of the old Basic runtime that the reference data and the
// qualification rules were written against. Every window and rule reads and writes numbers
// and texts through these, so that behaviour stays identical wherever a value is shown.

#include <QString>
#include <cstdint>

namespace vb {

// Leading number of a text: blanks, tabs and line feeds anywhere are skipped; an optional sign,
// digits, one decimal point and an optional exponent (E or D) are read as far as they go.
// A text that does not start with a number gives 0. No radix prefixes.
double Val(const QString& text);

// 1-based position of `sought` in `text` from `start`, case-sensitive; 0 when absent.
// An empty `sought` gives `start` (when start is within the text or just past it).
int InStr(const QString& text, const QString& sought);
int InStr(int start, const QString& text, const QString& sought);

// Binary (case-sensitive) pattern match: * any run, ? one character, # one digit,
// [abc] [a-z] one of a set, [!abc] one not in the set.
bool Like(const QString& text, const QString& pattern);

QString Trim(const QString& text);   // blanks only, not tabs
QString LTrim(const QString& text);
QString RTrim(const QString& text);
QString Left(const QString& text, int length);
QString Right(const QString& text, int length);
QString Mid(const QString& text, int start);                 // 1-based, to the end
QString Mid(const QString& text, int start, int length);     // 1-based
// Unicode's own case mapping, the same in every locale (a Turkish desktop still maps i to I).
QString UCase(const QString& text);
QString LCase(const QString& text);
QString Replace(const QString& text, const QString& find, const QString& with);

// A double as text: at most 15 significant digits, never an exponent, no trailing zeros,
// "0.5" rather than ".5", "-0.5" for negatives, whole numbers without a point.
QString CStr(double value);
// As CStr, with one leading blank for a non-negative value.
QString Str(double value);

// Format with one of the numeric patterns "0", "0.0", "0.000", "0.0000", "###0.00000" (any run of
// '#' and '0' before the point, any number of '0' after it): rounds half away from zero on the
// value's 15-significant-digit decimal form, so 1.25 gives "1.3" and 2.675 gives "2.68". The
// point is "." in every locale; a "," before it ("#,###") groups thousands with the locale's
// separator: "1,234" in English, "1.234" in German.
QString Format(double value, const QString& pattern);

// Rounding to a whole number, half to even (2.5 gives 2, 3.5 gives 4).
std::int32_t CLng(double value);
// Integer division: both operands rounded half to even first, then the quotient truncated.
// A zero divisor gives 0 rather than a crash; the one quotient beyond the range saturates.
std::int32_t IntDiv(double dividend, double divisor);

}  // namespace vb
