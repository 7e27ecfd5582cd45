#include "calculator/units_and_sliders.h"

#include "calculator/thickness_text.h"
#include "platform/vb.h"

namespace varnel::calculator {

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr double positionsPerInch = 10000;

}  // namespace

UnitCaptions unitCaptions(const QString& txtBMthickness, bool mmUnits)
{
    const QString unit = mmUnits ? QStringLiteral("(millimeters)") : QStringLiteral("(inches)");
    UnitCaptions captions;
    captions.fraThicknessTested = QStringLiteral("Thickness Tested ") + unit;
    captions.fraThicknessQualified = QStringLiteral("Qualified Thickness Range ") + unit;
    captions.cmdUnitsConversionToolTip = QStringLiteral(" Convert thickness values from ")
                                         + (mmUnits ? QStringLiteral("millimeters to inches. ")
                                                    : QStringLiteral("inches to millimeters. "));
    captions.txtBMthickness =
        mmUnits ? formatStr(calcVal(txtBMthickness), true) : numToFraction(txtBMthickness);
    return captions;
}

UnitConversion convertUnits(const CalculatorState& state)
{
    UnitConversion conversion;
    conversion.mmUnits = !state.mmUnits;
    const double factor = conversion.mmUnits ? millimetresPerInch : 1 / millimetresPerInch;
    const auto converted = [&](const QString& text) { return formatStr(calcVal(text) * factor, conversion.mmUnits); };
    const BoxWrite first{BoxWrite::txtBMthickness, converted(state.txtBMthickness)};
    if (conversion.mmUnits)
        conversion.writes.push_back(first);
    if (!state.chkFullThickness)
        conversion.writes.push_back({BoxWrite::txtWMthickness, converted(state.txtWMthickness)});
    if (!conversion.mmUnits)
        conversion.writes.push_back(first);
    return conversion;
}

SliderRanges setSliderRanges(const CalculatorState& state)
{
    using enum QualificationType;
    const bool mm = state.mmUnits;
    SliderRanges ranges;
    ranges.Slider0Max = mm ? 250 : 100000;
    switch (state.opt.value_or(grooveTransverse)) {
    case stud:
        ranges.Slider1Max = mm ? 26 : 10000;
        break;
    case friction:
        if (state.optFrwJoint == FrwJoint::tubular)
            ranges.Slider1Max = mm ? 175 : 50000;
        break;
    default:
        ranges.Slider1Max = mm ? 250 : 100000;
        break;
    }
    ranges.LargeChange = ranges.SmallChange = mm ? 1 : 625;
    return ranges;
}

QString sliderText(int position, bool mmUnits)
{
    if (mmUnits)
        return formatStr(position, true);
    return numToFraction(formatStr(position / positionsPerInch, false));
}

std::optional<int> sliderPosition(const QString& boxText, bool mmUnits, int max)
{
    const int rounded = vb::CLng(calcVal(boxText) * (mmUnits ? 1 : positionsPerInch));
    if (rounded < 0 || rounded > max)
        return std::nullopt;
    return rounded;
}

}  // namespace varnel::calculator
