#include "calculator/qualification_rules.h"
#include "calculator/requirement_texts.h"
#include "calculator_fixtures.h"

#include <gtest/gtest.h>

using namespace varnel::calculator;
using namespace varnel::calculator::testing;
using enum QualificationType;

TEST(OverlayRange, BaseMetalAndOverlayRanges)
{
    const struct { QualificationType type; const char* process; bool mm; double T, t; const char *MinT, *Mint, *MaxT, *Maxt; } cases[] = {
        {corrosionResistantOverlay, "GTAW", false, 0.5, 0.125, "0.5", "0.125", "Unlimited", "Unlimited"},
        {hardFacingOverlay, "GTAW", false, 0.5, 0.125, "0.5", "0.125", "1", "Unlimited"},
        // The threshold is 1 in | 25 mm, with T < 1 below it.
        {hardFacingOverlay, "GTAW", false, 0.9999, 0.1, "0.9999", "0.1", "1", "Unlimited"},
        {hardFacingOverlay, "GTAW", false, 1, 0.1, "1", "0.1", "Unlimited", "Unlimited"},
        {hardFacingOverlay, "GTAW", false, 1.0001, 0.1, "1", "0.1", "Unlimited", "Unlimited"},
        {corrosionResistantOverlay, "GTAW", false, 0.9999, 0.1, "0.9999", "0.1", "Unlimited", "Unlimited"},
        {corrosionResistantOverlay, "GTAW", false, 1, 0.1, "1", "0.1", "Unlimited", "Unlimited"},
        {hardFacingOverlay, "GTAW", true, 20, 3, "20", "3", "25", "Unlimited"},
        {hardFacingOverlay, "GTAW", true, 24.99, 3, "24.99", "3", "25", "Unlimited"},
        {hardFacingOverlay, "GTAW", true, 25, 3, "25", "3", "Unlimited", "Unlimited"},
        {hardFacingOverlay, "GTAW", true, 25.01, 3, "25", "3", "Unlimited", "Unlimited"},
        {hardFacingOverlay, "GTAW", true, 30, 3, "25", "3", "Unlimited", "Unlimited"},
        {corrosionResistantOverlay, "GTAW", true, 24.99, 3, "24.99", "3", "Unlimited", "Unlimited"},
        // Plasma spray and flame spray qualify the overlay thickness tested only.
        {hardFacingOverlay, "PSP", false, 0.5, 0.06, "0.5", "0.06", "1", "0.06"},
        {hardFacingOverlay, "FLSP", false, 0.5, 0.06, "0.5", "0.06", "1", "0.06"},
        {hardFacingOverlay, "", false, 0.5, 0.06, "0.5", "0.06", "1", "Unlimited"},
        {corrosionResistantOverlay, "GTAW", false, 0, 0.1, "0", "0.1", "Unlimited", "Unlimited"},
        {hardFacingOverlay, "GTAW", false, 0, 0, "0", "0", "1", "Unlimited"},
    };
    for (const auto& c : cases) {
        const RuleResult r = calcOverlayRange(stateFor(c.type, c.process, c.mm), c.T, c.t);
        const auto where = ::testing::Message() << c.process << " T=" << c.T << unitName(c.mm);
        EXPECT_EQ(r.MinT, c.MinT) << where;
        EXPECT_EQ(r.Mint, c.Mint) << where;
        EXPECT_EQ(r.MaxT, c.MaxT) << where;
        EXPECT_EQ(r.Maxt, c.Maxt) << where;
    }
}

TEST(OverlayRange, EachOverlayTypeHasItsOwnTestsAndCaptions)
{
    const RuleResult cro = calcOverlayRange(stateFor(corrosionResistantOverlay, "GTAW"), 1, 0.1);
    const RuleResult hfo = calcOverlayRange(stateFor(hardFacingOverlay, "GTAW"), 1, 0.1);
    EXPECT_EQ(cro.writes.txtTest1, txtCroTest());
    EXPECT_EQ(hfo.writes.txtTest1, txtHfoTest());
    EXPECT_EQ(cro.writes.lblWMthickness->caption, "Weld metal overlay thickness t");
    EXPECT_EQ(hfo.writes.chkFullThicknessToolTip,
              " Check if weld deposit overlay thickness using one process is equal to the base metal thickness. ");
}

TEST(ResistanceRange, EverythingUnlimitedAndTheJointRange)
{
    const RuleResult inches = calcResistanceRange(stateFor(resistance), 0.25, 0.125);
    for (const QString& text : {inches.MinT, inches.Mint, inches.MaxT, inches.Maxt})
        EXPECT_EQ(text, "Unlimited");
    EXPECT_EQ(inches.writes.lblJointTmin, "0.3375");
    EXPECT_EQ(inches.writes.lblJointTmax, "0.4125");
    EXPECT_EQ(inches.writes.txtTest1, "Macro-Examination at 10X magnification required per QW-196.1\r\n"
                                      "Shear test required per QW-196.2.1\r\nPeel test required per QW-196.2.2");
    EXPECT_EQ(inches.writes.LabelMinT1, "Min");
    EXPECT_EQ(inches.writes.LabelMaxT2, "Max");

    // Joint limits that are multiples of 1/64 show as fractions.
    const RuleResult fraction = calcResistanceRange(stateFor(resistance), 0.625, 0.625);
    EXPECT_EQ(fraction.writes.lblJointTmin, " 1- 1/ 8");

    const RuleResult mm = calcResistanceRange(stateFor(resistance, "", true), 3, 2);
    EXPECT_EQ(mm.writes.lblJointTmin, "4.5");
    EXPECT_EQ(mm.writes.lblJointTmax, "5.5");

    EXPECT_EQ(calcResistanceRange(stateFor(resistance), 0.25, 0).writes.txtTest1, "");
}

TEST(FrictionStirRange, EightTenthsToTwelveTenthsOfT)
{
    const RuleResult r = calcFrictionStirRange(stateFor(frictionStir), 0.5, 0.3);
    EXPECT_EQ(r.MinT, "0.4");
    EXPECT_EQ(r.MaxT, "0.6");
    EXPECT_EQ(r.Mint, "");
    EXPECT_EQ(r.Maxt, "");
    EXPECT_EQ(r.writes.LabelMinT2, "");
    EXPECT_EQ(r.writes.LabelMaxT2, "");
    EXPECT_EQ(r.writes.lblWMTminVisible, false);
    EXPECT_EQ(r.writes.lblWMTmaxVisible, false);
    EXPECT_EQ(r.writes.txtTest1, setGrooveTests(stateFor(frictionStir), 0.5));
    EXPECT_EQ(r.writes.lblWMthickness->caption,
              "When using selfreacting rotating tools (variable T):  enter minimum thickness T to determine the "
              "minimum; enter maximum thickness T to determine the maximum; ");
}

TEST(InterfaceArea, SolidCircleOrRingWithTheBoreClampedAtZero)
{
    const double pi = 3.14159265358979;
    EXPECT_NEAR(interfaceArea(1, 0, true), pi / 4, 1e-12);
    EXPECT_NEAR(interfaceArea(2, 0.25, false), 1.3744467859455, 1e-12);
    EXPECT_NEAR(interfaceArea(2, 1, false), pi, 1e-12);
    // A wall over half the size is a solid section, never a smaller or negative area.
    EXPECT_NEAR(interfaceArea(2, 1.2, false), pi, 1e-12);
    EXPECT_NEAR(interfaceArea(2, 5, false), pi, 1e-12);
}

TEST(FrictionRange, DiameterAndInterfaceArea)
{
    CalculatorState solid = stateFor(friction);
    const RuleResult s = calcFrictionRange(solid, 1, 0);
    EXPECT_EQ(s.MinT, "0.9");
    EXPECT_EQ(s.MaxT, "1.1");
    EXPECT_EQ(s.Mint, "0.707");
    EXPECT_EQ(s.Maxt, "0.864");
    EXPECT_EQ(s.t, 1);
    EXPECT_EQ(s.writes.txtTest1, setGrooveTests(solid, 1));
    EXPECT_EQ(s.writes.LabelMinT2, "Min A");

    CalculatorState tubular = stateFor(friction);
    tubular.frwSolid = false;
    const RuleResult r = calcFrictionRange(tubular, 2, 0.25);
    EXPECT_EQ(r.Mint, "1.237");
    EXPECT_EQ(r.Maxt, "1.512");
    EXPECT_EQ(r.t, 0.25);
    EXPECT_EQ(r.writes.txtTest1, setGrooveTests(tubular, 0.25));
}

TEST(FlashRange, SizeAreaAndTestsBySize)
{
    const struct { bool mm; double nps; QString tests; bool notes; } cases[] = {
        {false, 0, "", false},           {false, 0.9999, txtFWTest0(), true},
        {false, 1, txtFWTest0(), true},  {false, 1.0001, txtFWTest1(), true},
        {false, 1.25, txtFWTest1(), true}, {true, 24.99, txtFWTest0(), true},
        {true, 25, txtFWTest0(), true},  {true, 25.01, txtFWTest1(), true},
        {true, 26, txtFWTest1(), true},
    };
    for (const auto& c : cases) {
        const RuleResult r = calcFlashRange(stateFor(flash, "", c.mm), c.nps, 0);
        EXPECT_EQ(r.writes.txtTest1, c.tests) << c.nps << unitName(c.mm);
        EXPECT_EQ(r.writes.flashNotesVisible, c.notes) << c.nps;
    }
    const RuleResult r = calcFlashRange(stateFor(flash), 1.5, 0);
    EXPECT_EQ(r.MinT, "1.5");
    EXPECT_EQ(r.MaxT, "1.5");
    EXPECT_EQ(r.Mint, "1.590");
    EXPECT_EQ(r.t, 1);
    EXPECT_EQ(r.writes.lblWMthickness, LabelText{});
}

TEST(FlashRange, AWallOverHalfTheSizeNeverGivesANegativeArea)
{
    CalculatorState tubular = stateFor(flash);
    tubular.frwSolid = false;
    const RuleResult thick = calcFlashRange(tubular, 2, 3);
    EXPECT_EQ(thick.Mint, "2.827");
    EXPECT_EQ(thick.Maxt, "3.456");
    EXPECT_EQ(calcFlashRange(tubular, 2, 1).Mint, "2.827");
}

TEST(JointRules, MillimetreInputsAreRoundedToFiveDecimals)
{
    const RuleResult r = calcFrictionStirRange(stateFor(frictionStir, "", true), 10.000004, 0);
    EXPECT_EQ(r.T, 10);
    EXPECT_EQ(r.MinT, "8");
    EXPECT_EQ(calcResistanceRange(stateFor(resistance, "", true), 2.123456, 1.000006).t, 1.00001);
}

TEST(JointRules, TinyValuesAreWrittenWithoutAnExponent)
{
    const RuleResult r = calcFrictionStirRange(stateFor(frictionStir), 0.00005, 0);
    EXPECT_EQ(r.MinT, "0.00004");
    EXPECT_EQ(r.MaxT, "0.00006");
    EXPECT_EQ(calcResistanceRange(stateFor(resistance), 0.00001, 0.00001).writes.lblJointTmin, "0.000018");
}
