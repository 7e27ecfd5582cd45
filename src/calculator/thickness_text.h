#pragma once
// Reading and writing thickness values. Inch values are typed as decimals (1.375), fractions (3/8)
// or a whole number, a hyphen and a fraction (1-3/8); millimetre values as decimals. Numbers are
// written with at most 15 significant digits and never with an exponent, because calcVal would
// read the hyphen of "5E-05" as the start of a fraction.

#include <QString>

namespace varnel::calculator {

// The number a thickness text stands for. An empty or unreadable text gives 0, a whole number
// with a hyphen and nothing after it gives the whole number, a fraction without a denominator (3/
// or 3/0) gives 0, and a leading hyphen loses its sign.
double calcVal(const QString& text);

// An inch value as a fraction in sixty-fourths or coarser, each number with the blank that Str
// puts before it (" 3/ 8", " 1- 3/ 8"); fractions, "Unlimited", whole numbers and values that are
// no multiple of 1/64 come back as their own text.
QString numToFraction(const QString& value);
QString numToFraction(double value);

// A value as decimal text in the current unit: one decimal in millimetres, five in inches.
QString formatStr(double value, bool mmUnits);

}  // namespace varnel::calculator
