#pragma once
// The A-number determination of a ferrous weld-deposit analysis (Table QW-442): the reading of
// a box's value or range, the key filter of the boxes, the colour of a box against the table
// maximum of its element, and the filter that finds the A-numbers whose ranges hold the analysis.

#include <QString>
#include <array>

namespace varnel::anumber {

inline constexpr int elementCount = 6;
// Element codes by index: the boxes, sliders and table fields share the index.
inline const std::array<QString, elementCount> elementCodes = {
    QStringLiteral("C"), QStringLiteral("Cr"), QStringLiteral("Mo"),
    QStringLiteral("Ni"), QStringLiteral("Mn"), QStringLiteral("Si")};

// The largest [TMAX e] of each element over the table, as [High e].
QString tableMaxStatement();

// The number formed by the leading digits of `text` with at most one point; 0 when it does not
// begin with one, infinite when its digits make a number too large for any. With `withSign` a
// leading minus sign counts.
double leadingNumber(const QString& text, bool withSign = false);
// A number as the filter writes it: a blank for the sign, a point, no zero before the point
// (" .2", " 18.5", " 0").
QString numberText(double value);
// The lower and upper end of a value ("0.20") or a range ("0.03-0.15", either way round).
QString minValue(const QString& text);
QString maxValue(const QString& text);
// The upper end as the filter reads it back (maxValue "0.30" gives 0.3); infinite as above.
double upperEnd(const QString& text);
// Whether every box holds a number that a number can hold: an analysis with a value of hundreds
// of digits matches no A-number.
bool analysisReadable(const std::array<QString, elementCount>& boxes);

// Whether the typed character may enter a box that holds `text`: digits, points, one "-",
// Backspace and Enter.
bool validateText(const QString& text, int keyAscii);

enum class BoxColour { White, Green, Yellow, Red };
// The colour of a box whose upper end is `typedMax` against the element's table maximum.
BoxColour boxColour(double typedMax, double tableMax);

// The criterion on [A Numbers] for the six box texts; empty when the texts add up to 0 (no search).
QString determinationFilter(const std::array<QString, elementCount>& boxes);

struct SliderScale {
    int max, largeChange, smallChange;  // hundredths of a percent
};
inline constexpr std::array<SliderScale, elementCount> sliderScales = {
    {{30, 1, 1}, {3000, 25, 25}, {600, 10, 10}, {3700, 250, 50}, {250, 10, 10}, {300, 10, 10}}};

}  // namespace varnel::anumber
