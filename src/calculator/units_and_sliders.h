#pragma once
// Inches and millimetres, and the sliders beside the two value boxes. A slider position stands
// for 1/10000 in while inches are chosen and for 1 mm while millimetres are.

#include "calculator/calculator_state.h"

#include <QString>
#include <optional>
#include <vector>

namespace varnel::calculator {

// What choosing a unit option writes: the two frame captions, the conversion button's tool tip,
// and the first box in the new unit's style (its number is only reinterpreted, not converted).
struct UnitCaptions {
    QString fraThicknessTested;
    QString fraThicknessQualified;
    QString cmdUnitsConversionToolTip;
    QString txtBMthickness;
};

UnitCaptions unitCaptions(const QString& txtBMthickness, bool mmUnits);

// The "convert" button: the new unit and the box texts it writes, in the order to write them.
// Towards millimetres the first box goes first, towards inches the second, so that t never
// exceeds T in between. With "  t = T" ticked the second box is left to the mirror.
struct BoxWrite {
    enum Box { txtBMthickness, txtWMthickness } box;
    QString text;
    bool operator==(const BoxWrite&) const = default;
};

struct UnitConversion {
    bool mmUnits = false;
    std::vector<BoxWrite> writes;
};

UnitConversion convertUnits(const CalculatorState& state);

// Slider ranges for the selected type, joint and unit. Slider(1) keeps its range for friction
// welding with a solid joint (empty Slider1Max). Min is always 0.
struct SliderRanges {
    int Slider0Max = 0;
    std::optional<int> Slider1Max;
    int LargeChange = 0;
    int SmallChange = 0;
};

SliderRanges setSliderRanges(const CalculatorState& state);

// The box text for a slider position the user dragged to.
QString sliderText(int position, bool mmUnits);

// The slider position for a box text, rounded to a whole number; empty when it falls outside
// 0 to max, which leaves the slider where it was.
std::optional<int> sliderPosition(const QString& boxText, bool mmUnits, int max);

}  // namespace varnel::calculator
