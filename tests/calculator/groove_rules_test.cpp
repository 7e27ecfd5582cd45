#include "calculator/qualification_rules.h"
#include "calculator_fixtures.h"

#include <gtest/gtest.h>

using namespace varnel::calculator;
using namespace varnel::calculator::testing;
using enum QualificationType;

namespace {

struct GrooveCase {
    QualificationType type;
    const char* process;
    bool mm;
    double T, t;
    std::initializer_list<int> ticked;
    const char *MinT, *Mint, *MaxT, *Maxt;
};

void expectRanges(const std::vector<GrooveCase>& cases)
{
    for (const auto& c : cases) {
        const RuleResult r = calcGrooveRange(withBoxes(stateFor(c.type, c.process, c.mm), c.ticked), c.T, c.t);
        const auto where = ::testing::Message() << (c.type == grooveTransverse ? "transverse " : "longitudinal ")
                                                << c.process << " T=" << c.T << " t=" << c.t << ' ' << unitName(c.mm);
        EXPECT_EQ(r.MinT, c.MinT) << where;
        EXPECT_EQ(r.Mint, c.Mint) << where;
        EXPECT_EQ(r.MaxT, c.MaxT) << where;
        EXPECT_EQ(r.Maxt, c.Maxt) << where;
    }
}

}  // namespace

TEST(GrooveRange, DefaultsAndThinCoupons)
{
    expectRanges({
        {T0, "", in, 1, 1, {}, "3/16", "Unlimited", "2", "2"},
        {T0, "", mm, 20, 20, {}, "5", "Unlimited", "40", "40"},
        // Below 1/16 | 1.5 the coupon itself is the minimum; up to 3/8 | 10 the minimum is 1/16 | 1.5.
        {T0, "", in, 0.05, 0.05, {}, "0.05", "Unlimited", "0.1", "0.1"},
        {T0, "", in, 0.0624, 0.0624, {}, "0.0624", "Unlimited", "0.1248", "0.1248"},
        {T0, "", in, 0.0625, 0.0625, {}, "0.0625", "Unlimited", "0.125", "0.125"},
        {T0, "", in, 0.0626, 0.0626, {}, "0.0625", "Unlimited", "0.1252", "0.1252"},
        {T0, "", in, 0.3749, 0.3749, {}, "0.0625", "Unlimited", "0.7498", "0.7498"},
        {T0, "", in, 0.375, 0.375, {}, "0.0625", "Unlimited", "0.75", "0.75"},
        {T0, "", in, 0.3751, 0.3751, {}, "3/16", "Unlimited", "0.7502", "0.7502"},
        {T0, "", in, 0.4, 0.4, {}, "3/16", "Unlimited", "0.8", "0.8"},
        {T0, "", mm, 1.49, 1.49, {}, "1.49", "Unlimited", "2.98", "2.98"},
        {T0, "", mm, 1.5, 1.5, {}, "1.5", "Unlimited", "3", "3"},
        {T0, "", mm, 1.51, 1.51, {}, "1.5", "Unlimited", "3.02", "3.02"},
        {T0, "", mm, 9.99, 9.99, {}, "1.5", "Unlimited", "19.98", "19.98"},
        {T0, "", mm, 10, 10, {}, "1.5", "Unlimited", "20", "20"},
        {T0, "", mm, 10.01, 10.01, {}, "5", "Unlimited", "20.02", "20.02"},
        // Millimetre inputs are rounded to five decimals first.
        {T0, "", mm, 10.000004, 1, {}, "1.5", "Unlimited", "20", "2"},
    });
}

TEST(GrooveRange, TransverseBendsOnThickCoupons)
{
    expectRanges({
        // Thick coupons of the arc processes qualify up to 8 in | 200 mm from 1-1/2 in | 38 mm on.
        {T0, "GTAW", in, 1.4999, 0.5, {}, "3/16", "Unlimited", "2.9998", "1"},
        {T0, "GTAW", in, 1.5, 0.5, {}, "3/16", "Unlimited", "8", "1"},
        {T0, "GTAW", in, 1.5001, 0.5, {}, "3/16", "Unlimited", "8", "1"},
        {T0, "GTAW", mm, 37.99, 10, {}, "5", "Unlimited", "75.98", "20"},
        {T0, "GTAW", mm, 38, 10, {}, "5", "Unlimited", "200", "20"},
        {T0, "GTAW", mm, 38.01, 10, {}, "5", "Unlimited", "200", "20"},
        {T0, "GTAW", in, 1.5, 1.5, {}, "3/16", "Unlimited", "8", "8"},
        {T0, "OFW", in, 1.5, 0.5, {}, "3/16", "Unlimited", "1.5", "1"},
        // Over 6.015 in | 150.376 mm the maximum is 1.33 T, whatever the process.
        {T0, "GTAW", in, 6.0149, 1, {}, "3/16", "Unlimited", "8", "8"},
        {T0, "GTAW", in, 6.015, 1, {}, "3/16", "Unlimited", "8", "8"},
        {T0, "GTAW", in, 6.0151, 1, {}, "3/16", "Unlimited", "8.000083", "8.000083"},
        {T0, "GTAW", in, 7, 7, {}, "3/16", "Unlimited", "9.31", "9.31"},
        {T0, "", in, 7, 0.5, {}, "3/16", "Unlimited", "9.31", "1"},
        {T0, "GTAW", mm, 150.375, 10, {}, "5", "Unlimited", "200", "20"},
        {T0, "GTAW", mm, 150.376, 10, {}, "5", "Unlimited", "200", "20"},
        {T0, "GTAW", mm, 150.377, 10, {}, "5", "Unlimited", "200.00141", "20"},
        // From t = 3/4 in | 19 mm on, the weld metal takes the base-metal maximum.
        {T0, "GTAW", in, 2, 0.7499, {}, "3/16", "Unlimited", "8", "1.4998"},
        {T0, "GTAW", in, 2, 0.75, {}, "3/16", "Unlimited", "8", "8"},
        {T0, "GTAW", in, 2, 0.7501, {}, "3/16", "Unlimited", "8", "8"},
        {T0, "GTAW", mm, 50, 18.99, {}, "5", "Unlimited", "200", "37.98"},
        {T0, "GTAW", mm, 50, 19, {}, "5", "Unlimited", "200", "200"},
        {T0, "GTAW", mm, 50, 19.01, {}, "5", "Unlimited", "200", "200"},
        {T0, "", in, 1, 0.8, {}, "3/16", "Unlimited", "2", "2"},
        {L1, "", in, 1, 0.8, {}, "3/16", "Unlimited", "2", "1.6"},
        {L1, "GTAW", in, 2, 2, {}, "3/16", "Unlimited", "4", "4"},
    });
}

TEST(GrooveRange, ParameterBoxes)
{
    using namespace varnel::calculator::param;
    expectRanges({
        // Root deposit only: from 1/2 in | 13 mm on the base metal is left to the WPS.
        {T0, "GTAW", in, 0.6, 0.3, {rootDepositOnly}, "3/16", "Unlimited", "WPS limit", "0.6"},
        {T0, "GTAW", in, 0.4999, 0.3, {rootDepositOnly}, "3/16", "Unlimited", "0.9998", "0.6"},
        {T0, "GTAW", in, 0.5, 0.3, {rootDepositOnly}, "3/16", "Unlimited", "WPS limit", "0.6"},
        {T0, "GTAW", in, 0.5001, 0.3, {rootDepositOnly}, "3/16", "Unlimited", "WPS limit", "0.6"},
        {T0, "GTAW", mm, 12.99, 5, {rootDepositOnly}, "5", "Unlimited", "25.98", "10"},
        {T0, "GTAW", mm, 13, 5, {rootDepositOnly}, "5", "Unlimited", "WPS limit", "10"},
        {T0, "GTAW", mm, 13.01, 5, {rootDepositOnly}, "5", "Unlimited", "WPS limit", "10"},
        // PWHT above the upper transformation temperature or a pass over 1/2 in: 1.1 T (and 1.1 t lengthwise).
        {T0, "SMAW", in, 1, 0.5, {pwhtAboveUpper}, "3/16", "Unlimited", "1.1", "1"},
        {L1, "SMAW", in, 1, 0.5, {passOverHalfInch}, "3/16", "Unlimited", "1.1", "0.55"},
        // Short-circuiting transfer: 1.1 T below 1/2 in | 13 mm, 1.1 t likewise.
        {T0, "GMAW", in, 0.4999, 0.4999, {shortCircuiting}, "3/16", "Unlimited", "0.54989", "0.54989"},
        {T0, "GMAW", in, 0.5, 0.5, {shortCircuiting}, "3/16", "Unlimited", "1", "1"},
        {T0, "GMAW", in, 0.5001, 0.5001, {shortCircuiting}, "3/16", "Unlimited", "1.0002", "1.0002"},
        {T0, "GMAW", mm, 12.99, 12.99, {shortCircuiting}, "5", "Unlimited", "14.289", "14.289"},
        {T0, "GMAW", mm, 13, 13, {shortCircuiting}, "5", "Unlimited", "26", "26"},
        {T0, "GMAW", mm, 13.01, 13.01, {shortCircuiting}, "5", "Unlimited", "26.02", "26.02"},
    });
}

TEST(GrooveRange, ImpactTesting)
{
    using namespace varnel::calculator::param;
    expectRanges({
        {T0, "SMAW", in, 0.2, 0.2, {impactTesting}, "0.1", "Unlimited", "0.4", "0.4"},
        {T0, "ESW", in, 0.2, 0.2, {impactTesting}, "0.0625", "Unlimited", "0.4", "0.4"},
        {T0, "SMAW", in, 0.2, 0.2, {impactTesting, pwhtAboveUpper}, "0.0625", "Unlimited", "0.22", "0.4"},
        // From 5/8 in | 16 mm on the minimum is 5/8 | 16; below it T; below 1/4 in | 6 mm, T / 2.
        {T0, "SMAW", in, 0.6249, 0.3, {impactTesting}, "0.6249", "Unlimited", "1.2498", "0.6"},
        {T0, "SMAW", in, 0.625, 0.3, {impactTesting}, "0.625", "Unlimited", "1.25", "0.6"},
        {T0, "SMAW", in, 0.6251, 0.3, {impactTesting}, "0.625", "Unlimited", "1.2502", "0.6"},
        {T0, "SMAW", mm, 15.99, 5, {impactTesting}, "15.99", "Unlimited", "31.98", "10"},
        {T0, "SMAW", mm, 16, 5, {impactTesting}, "16", "Unlimited", "32", "10"},
        {T0, "SMAW", mm, 16.01, 5, {impactTesting}, "16", "Unlimited", "32.02", "10"},
        {T0, "SMAW", in, 0.2499, 0.2, {impactTesting}, "0.12495", "Unlimited", "0.4998", "0.4"},
        {T0, "SMAW", in, 0.25, 0.2, {impactTesting}, "0.25", "Unlimited", "0.5", "0.4"},
        {T0, "SMAW", in, 0.2501, 0.2, {impactTesting}, "0.2501", "Unlimited", "0.5002", "0.4"},
        {T0, "SMAW", mm, 5.99, 4, {impactTesting}, "2.995", "Unlimited", "11.98", "8"},
        {T0, "SMAW", mm, 6, 4, {impactTesting}, "6", "Unlimited", "12", "8"},
        {T0, "SMAW", mm, 6.01, 4, {impactTesting}, "6.01", "Unlimited", "12.02", "8"},
        // Lengthwise the weld metal follows, but the thickness tests stay on T.
        {L1, "SMAW", in, 1, 0.5, {impactTesting}, "0.625", "0.625", "2", "1"},
        {L1, "SMAW", in, 0.5, 0.3, {impactTesting}, "0.5", "0.3", "1", "0.6"},
        {L1, "SMAW", in, 0.2, 0.3, {impactTesting}, "0.1", "0.15", "0.4", "0.6"},
    });
}

TEST(GrooveRange, ProcessRules)
{
    using namespace varnel::calculator::param;
    expectRanges({
        // Electron beam and laser: 0.9 T to 1.1 T up to 1 in | 25 mm, 0.95 T to 1.05 T above.
        {T0, "EBW", in, 1, 0.5, {}, "0.9", "Unlimited", "1.1", "1"},
        {T0, "EBW", in, 2, 0.5, {}, "1.9", "Unlimited", "2.1", "1"},
        {T0, "LBW", in, 0.9999, 0.5, {}, "0.89991", "Unlimited", "1.09989", "1"},
        {T0, "LBW", in, 1.0001, 0.5, {}, "0.950095", "Unlimited", "1.050105", "1"},
        {T0, "EBW", mm, 25, 10, {}, "22.5", "Unlimited", "27.5", "20"},
        {T0, "EBW", mm, 24.99, 10, {}, "22.491", "Unlimited", "27.489", "20"},
        {T0, "EBW", mm, 25.01, 10, {}, "23.7595", "Unlimited", "26.2605", "20"},
        // With the penetration measured: 0.8 T to 1.2 T, or 0.9 T to 1.1 T above 1 in.
        {T0, "EBW", in, 1, 0.5, {penetrationMeasured}, "0.8", "Unlimited", "1.2", "1"},
        {T0, "EBW", in, 2, 0.5, {penetrationMeasured}, "1.8", "Unlimited", "2.2", "1"},
        // On the transverse type a deposit of 3/4 in or more takes the maximum as it stood before.
        {T0, "EBW", in, 2, 1, {}, "1.9", "Unlimited", "2.1", "4"},
        {L1, "EBW", in, 2, 1, {}, "1.9", "0.9", "2.1", "1.1"},
        {L1, "EBW", in, 2, 1, {penetrationMeasured}, "1.8", "0.8", "2.2", "1.2"},
        // Oxyfuel: the coupon thickness is the maximum.
        {T0, "OFW", in, 0.5, 0.5, {}, "3/16", "Unlimited", "0.5", "1"},
        {L1, "OFW", in, 0.5, 0.4, {}, "3/16", "Unlimited", "0.5", "0.4"},
        // Thermit: T, 2 T up to 1/4 in | 6 mm, unlimited from 1-1/2 in | 38 mm on.
        {T0, "TBW", in, 0.2499, 0.2, {}, "0.0625", "Unlimited", "0.4998", "0.4"},
        {T0, "TBW", in, 0.25, 0.2, {}, "0.0625", "Unlimited", "0.5", "0.4"},
        {T0, "TBW", in, 0.2501, 0.2, {}, "0.0625", "Unlimited", "0.2501", "0.4"},
        {T0, "TBW", in, 1.4999, 0.2, {}, "3/16", "Unlimited", "1.4999", "0.4"},
        {T0, "TBW", in, 1.5, 0.2, {}, "3/16", "Unlimited", "Unlimited", "0.4"},
        {T0, "TBW", in, 2, 0.2, {}, "3/16", "Unlimited", "Unlimited", "0.4"},
        {T0, "TBW", in, 1.5001, 0.2, {}, "3/16", "Unlimited", "Unlimited", "0.4"},
        {T0, "TBW", mm, 5.99, 4, {}, "1.5", "Unlimited", "11.98", "8"},
        {T0, "TBW", mm, 6, 4, {}, "1.5", "Unlimited", "12", "8"},
        {T0, "TBW", mm, 6.01, 4, {}, "1.5", "Unlimited", "6.01", "8"},
        {T0, "TBW", mm, 37.99, 4, {}, "5", "Unlimited", "37.99", "8"},
        {T0, "TBW", mm, 38, 4, {}, "5", "Unlimited", "Unlimited", "8"},
        {T0, "TBW", mm, 38.01, 4, {}, "5", "Unlimited", "Unlimited", "8"},
    });
}

TEST(GrooveRange, RootDepositBoxFollowsProcessAndThickness)
{
    const struct { const char* process; double T; bool mm; ParamBox box; } cases[] = {
        {"GTAW", 0.6, false, {true, true}},   {"GTAW", 0.4, false, {false, false}},
        {"GTAW", 0.5, false, {true, true}},   {"GTAW", 0.4999, false, {false, false}},
        {"GTAW", 13, true, {true, true}},     {"GTAW", 12.99, true, {false, false}},
        // Outside the list the box is disabled but not cleared here.
        {"EBW", 0.6, false, {true, false}},   {"EBW", 0.4, false, {true, false}},
        {"", 0.6, false, {true, false}},
    };
    for (const auto& c : cases) {
        CalculatorState state = withBoxes(stateFor(grooveTransverse, c.process, c.mm), {param::rootDepositOnly});
        state.chkParam[param::rootDepositOnly].enabled = false;
        const RuleResult r = calcGrooveRange(state, c.T, c.T);
        EXPECT_EQ(r.writes.rootDepositBox, c.box) << c.process << " T=" << c.T;
    }
}

TEST(GrooveRange, WritesFilletLabelsTestsAndCaptions)
{
    const RuleResult r = calcGrooveRange(stateFor(grooveTransverse, "SMAW"), 1, 1);
    EXPECT_EQ(r.writes.lblBMfillet, "Unlimited");
    EXPECT_EQ(r.writes.lblWMfillet, "Unlimited");
    EXPECT_EQ(r.writes.txtTest1, "Two (2) sets of tensiles are required.\r\nFour (4) side bends are required.");
    EXPECT_EQ(r.writes.lblBMthickness->caption, "Base Metal test coupon thickness T");
    EXPECT_EQ(r.writes.lblWMthickness->toolTip, " Enter deposited weld metal thickness t from PQR. ");
    EXPECT_EQ(r.writes.LabelMinT2, "Min t");
    EXPECT_EQ(r.writes.LabelMaxT2, "Max t");

    // A zero coupon empties the tests, also the impact sentences.
    CalculatorState impact = withBoxes(stateFor(grooveTransverse, "SMAW"), {param::impactTesting});
    EXPECT_EQ(calcGrooveRange(impact, 0, 0).writes.txtTest1, "");
    EXPECT_EQ(calcGrooveRange(impact, 0, 0).MaxT, "0");
}

TEST(GrooveTests, ThicknessBandsForTransverseBends)
{
    const QString tensiles = "Two (2) sets of tensiles are required.";
    const QString faceRoot = "Two (2) face bends and two (2) root bends are required.";
    const QString mayBeSide = "Four (4) side bends may be substituted for the required face- and root-bend tests.";
    const QString side = "Four (4) side bends are required.";
    const QString multiple = "Multiple specimens per QW-151 (.1,.2,.3) may be used.";
    const QString thin = tensiles + "\r\n" + faceRoot;
    const QString middle = thin + "\r\n" + mayBeSide;
    const QString thick = tensiles + "\r\n" + side;
    const QString thickest = tensiles + "  " + multiple + "\r\n" + side;
    const struct { QualificationType type; bool mm; double T; QString expected; } cases[] = {
        {grooveTransverse, false, 0, ""},
        {grooveTransverse, false, 0.3749, thin},     {grooveTransverse, false, 0.375, middle},
        {grooveTransverse, false, 0.3751, middle},   {grooveTransverse, false, 0.7499, middle},
        {grooveTransverse, false, 0.75, thick},      {grooveTransverse, false, 0.7501, thick},
        {grooveTransverse, false, 1, thick},         {grooveTransverse, false, 1.0001, thickest},
        {grooveTransverse, false, 1.01, thickest},
        {grooveTransverse, true, 9.99, thin},        {grooveTransverse, true, 10, middle},
        {grooveTransverse, true, 10.01, middle},     {grooveTransverse, true, 18.99, middle},
        {grooveTransverse, true, 19, thick},         {grooveTransverse, true, 19.01, thick},
        {grooveTransverse, true, 25, thick},         {grooveTransverse, true, 25.01, thickest},
        {grooveTransverse, true, 25.5, thickest},
        {grooveLongitudinal, false, 0.5, thin},      {grooveLongitudinal, false, 2, thin},
        {grooveLongitudinal, false, 0, ""},
        {friction, false, 0.8, thick},               {frictionStir, false, 2, thickest},
        {flash, false, 2, thin},
    };
    for (const auto& c : cases)
        EXPECT_EQ(setGrooveTests(stateFor(c.type, "", c.mm), c.T), c.expected) << c.T << unitName(c.mm);
}

TEST(GrooveTests, ImpactSentencesFollowWhateverTheBoxHolds)
{
    const QString impact = "\r\n\r\nCharpy V-notch impact tests (ASME SA-370) shall be made when required by other "
                           "Sections of the ASME code.\r\nDrop weight tests (ASTM E208) shall be made when required "
                           "by other Sections of the ASME code.";
    const CalculatorState state = withBoxes(stateFor(grooveTransverse), {param::impactTesting});
    EXPECT_EQ(setGrooveTests(state, 0), impact);
    EXPECT_EQ(setGrooveTests(state, 0.75),
              "Two (2) sets of tensiles are required.\r\nFour (4) side bends are required." + impact);
}
