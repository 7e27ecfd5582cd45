#include "calculator/thickness_text.h"
#include "calculator/units_and_sliders.h"
#include "calculator_fixtures.h"

#include <gtest/gtest.h>

using namespace varnel::calculator;
using namespace varnel::calculator::testing;

namespace {

CalculatorState valuesIn(bool mmUnits, const char* first, const char* second, bool fullThickness = false)
{
    CalculatorState state = stateFor(QualificationType::grooveTransverse, "GTAW", mmUnits);
    state.txtBMthickness = QString::fromLatin1(first);
    state.txtWMthickness = QString::fromLatin1(second);
    state.chkFullThickness = fullThickness;
    return state;
}

}  // namespace

TEST(UnitCaptions, FramesToolTipAndTheFirstBoxReinterpreted)
{
    const UnitCaptions mm = unitCaptions(" 1- 3/ 8", true);
    EXPECT_EQ(mm.fraThicknessTested, "Thickness Tested (millimeters)");
    EXPECT_EQ(mm.fraThicknessQualified, "Qualified Thickness Range (millimeters)");
    EXPECT_EQ(mm.cmdUnitsConversionToolTip, " Convert thickness values from millimeters to inches. ");
    EXPECT_EQ(mm.txtBMthickness, "1.4");

    const UnitCaptions inches = unitCaptions("0.375", false);
    EXPECT_EQ(inches.fraThicknessTested, "Thickness Tested (inches)");
    EXPECT_EQ(inches.cmdUnitsConversionToolTip, " Convert thickness values from inches to millimeters. ");
    EXPECT_EQ(inches.txtBMthickness, " 3/ 8");
}

TEST(ConvertUnits, WritesTheBoxesInTheOrderThatKeepsTBelowT)
{
    const UnitConversion toMm = convertUnits(valuesIn(false, "1-3/8", "1/2"));
    EXPECT_TRUE(toMm.mmUnits);
    EXPECT_EQ(toMm.writes, (std::vector<BoxWrite>{{BoxWrite::txtBMthickness, "34.9"}, {BoxWrite::txtWMthickness, "12.7"}}));

    const UnitConversion toInches = convertUnits(valuesIn(true, "34.9", "12.7"));
    EXPECT_FALSE(toInches.mmUnits);
    EXPECT_EQ(toInches.writes,
              (std::vector<BoxWrite>{{BoxWrite::txtWMthickness, "0.50000"}, {BoxWrite::txtBMthickness, "1.37402"}}));

    // With t = T the second box follows the first through the mirror.
    EXPECT_EQ(convertUnits(valuesIn(true, "25.4", "25.4", true)).writes,
              (std::vector<BoxWrite>{{BoxWrite::txtBMthickness, "1.00000"}}));
}

TEST(ConvertUnits, RoundTrips)
{
    // Millimetres with one decimal survive the way to inches and back exactly.
    for (int tenths = 0; tenths <= 7620; ++tenths) {
        const QString millimetres = formatStr(tenths / 10.0, true);
        const QString inches = convertUnits(valuesIn(true, "0", qPrintable(millimetres))).writes.front().text;
        const QString back = convertUnits(valuesIn(false, "0", qPrintable(inches))).writes.back().text;
        ASSERT_EQ(back, millimetres) << inches.toStdString();
    }
    // Inches come back within half a tenth of a millimetre.
    const struct { const char* inches; const char* back; } cases[] = {
        {"1-3/8", "1.37402"}, {"3/8", "0.37402"}, {"1", "1.00000"}, {"30", "30.00000"}, {"0.5", "0.50000"},
        {"1/64", "0.01575"},
    };
    for (const auto& c : cases) {
        const QString millimetres = convertUnits(valuesIn(false, c.inches, "0")).writes.front().text;
        const QString back = convertUnits(valuesIn(true, qPrintable(millimetres), "0")).writes.back().text;
        EXPECT_EQ(back, c.back) << c.inches;
        EXPECT_NEAR(calcVal(back), calcVal(c.inches), 0.05 / 25.4) << c.inches;
    }
}

TEST(SliderRanges, ByTypeJointAndUnit)
{
    using enum QualificationType;
    const struct { std::optional<QualificationType> type; FrwJoint joint; bool mm; std::optional<int> slider1Max; } cases[] = {
        {grooveTransverse, FrwJoint::solid, false, 100000}, {grooveTransverse, FrwJoint::solid, true, 250},
        {resistance, FrwJoint::solid, false, 100000},      {filletWelds, FrwJoint::solid, true, 250},
        {stud, FrwJoint::solid, false, 10000},              {stud, FrwJoint::solid, true, 26},
        {friction, FrwJoint::tubular, false, 50000},        {friction, FrwJoint::tubular, true, 175},
        {friction, FrwJoint::solid, false, std::nullopt},   {friction, FrwJoint::solid, true, std::nullopt},
        {flash, FrwJoint::tubular, false, 100000},          {frictionStir, FrwJoint::solid, true, 250},
        {std::nullopt, FrwJoint::solid, false, 100000},
    };
    for (const auto& c : cases) {
        CalculatorState state = stateFor(grooveTransverse, "", c.mm);
        state.opt = c.type;
        state.optFrwJoint = c.joint;
        const SliderRanges ranges = setSliderRanges(state);
        EXPECT_EQ(ranges.Slider1Max, c.slider1Max) << static_cast<int>(c.type.value_or(grooveTransverse));
        EXPECT_EQ(ranges.Slider0Max, c.mm ? 250 : 100000);
        EXPECT_EQ(ranges.LargeChange, c.mm ? 1 : 625);
        EXPECT_EQ(ranges.SmallChange, c.mm ? 1 : 625);
    }
}

TEST(Sliders, PositionToTextAndBack)
{
    const struct { int position; bool mm; const char* text; } toText[] = {
        {3750, false, " 3/ 8"}, {1234, false, "0.12340"}, {10000, false, "1.00000"}, {625, false, " 1/ 16"},
        {0, false, "0.00000"}, {13750, false, " 1- 3/ 8"}, {12, true, "12.0"}, {0, true, "0.0"},
    };
    for (const auto& c : toText) {
        EXPECT_EQ(sliderText(c.position, c.mm), c.text) << c.position;
        EXPECT_EQ(sliderPosition(sliderText(c.position, c.mm), c.mm, 100000), c.position) << c.position;
    }

    const struct { const char* text; bool mm; int max; std::optional<int> position; } toPosition[] = {
        {"1-3/8", false, 100000, 13750}, {"0.00005", false, 100000, 0},
        {"10", false, 100000, 100000}, {"10.00005", false, 100000, 100000}, {"10.0001", false, 100000, std::nullopt},
        {"1.5", false, 10000, std::nullopt}, {"12.5", true, 250, 12}, {"13.5", true, 250, 14},
        {"250.4", true, 250, 250}, {"251", true, 250, std::nullopt}, {"30", true, 26, std::nullopt},
        {"", true, 250, 0}, {"1E300", false, 100000, std::nullopt},
    };
    for (const auto& c : toPosition)
        EXPECT_EQ(sliderPosition(QString::fromLatin1(c.text), c.mm, c.max), c.position) << c.text;
}
