// The qualification rules that read both values, with a second value (deposit, overlay, thinner
// sheet or tube wall) that differs from the first, so that a rule reading the wrong one shows.
// Each case compares the result row as shown: Min T | Min t | Max T | Max t.

#include "calculator/qualification_rules.h"
#include "calculator_fixtures.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace varnel::calculator;
using namespace varnel::calculator::testing;
using enum QualificationType;

namespace {

QString row(const RuleResult& r) { return QStringList{r.MinT, r.Mint, r.MaxT, r.Maxt}.join(" | "); }

struct Case {
    QualificationType type;
    const char* process;
    bool mm;
    double T, t;
    std::initializer_list<int> ticked;
    const char* expected;
};

using Rule = RuleResult (*)(const CalculatorState&, double, double);

void expectRows(Rule rule, const std::vector<Case>& cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(row(rule(withBoxes(stateFor(c.type, c.process, c.mm), c.ticked), c.T, c.t)), c.expected)
            << static_cast<int>(c.type) << ' ' << c.process << " T=" << c.T << " t=" << c.t << ' ' << unitName(c.mm);
}

CalculatorState tubular(QualificationType type, bool mmUnits = false)
{
    CalculatorState state = stateFor(type, "", mmUnits);
    state.frwSolid = false;
    return state;
}

}  // namespace

TEST(DepositThickness, GrooveRangesTakeEachLimitFromItsOwnThickness)
{
    using namespace varnel::calculator::param;
    expectRows(calcGrooveRange, {
        {T0, "", mm, 20, 8.000004, {}, "5 | Unlimited | 40 | 16"},
        // A deposit of 3/4 in or more takes the base-metal maximum on the transverse type only.
        {T0, "", in, 0.5, 0.8, {}, "3/16 | Unlimited | 1 | 1"},
        {L1, "", in, 0.5, 0.8, {}, "3/16 | Unlimited | 1 | 1.6"},
        {T0, "GTAW", in, 1, 0.8, {rootDepositOnly}, "3/16 | Unlimited | WPS limit | 1.6"},
        // Short-circuiting transfer: each limit by its own thickness against 1/2 in | 13 mm.
        {T0, "GMAW", in, 0.4, 0.6, {shortCircuiting}, "3/16 | Unlimited | 0.44 | 1.2"},
        {T0, "GMAW", in, 0.6, 0.4, {shortCircuiting}, "3/16 | Unlimited | 1.2 | 0.44"},
        {T0, "GMAW", mm, 12, 14, {shortCircuiting}, "5 | Unlimited | 13.2 | 28"},
        {T0, "GMAW", mm, 14, 12, {shortCircuiting}, "5 | Unlimited | 28 | 13.2"},
        // Impact testing: the deposit limits follow t, the thickness tests stay on T.
        {L1, "SMAW", in, 0.3, 0.7, {impactTesting}, "0.3 | 0.7 | 0.6 | 1.4"},
        // Electron beam and laser: the 1 in | 25 mm step is taken for each thickness on its own.
        {L1, "EBW", in, 0.5, 2, {}, "0.45 | 1.9 | 0.55 | 2.1"},
        {L1, "LBW", in, 0.5, 2, {penetrationMeasured}, "0.4 | 1.8 | 0.6 | 2.2"},
        {L1, "EBW", mm, 20, 30, {}, "18 | 28.5 | 22 | 31.5"},
        {T0, "TBW", in, 0.1, 0.25, {}, "0.0625 | Unlimited | 0.2 | 0.5"},
    });
}

TEST(DepositThickness, OverlayRangesTakeTheBaseMetalFromTheCouponAndTheOverlayFromItsThickness)
{
    expectRows(calcOverlayRange, {
        {corrosionResistantOverlay, "GTAW", in, 0.5, 1.5, {}, "0.5 | 1.5 | Unlimited | Unlimited"},
        {hardFacingOverlay, "GTAW", in, 0.5, 1.5, {}, "0.5 | 1.5 | 1 | Unlimited"},
        {hardFacingOverlay, "PSP", in, 0.06, 0.5, {}, "0.06 | 0.5 | 1 | 0.5"},
        {hardFacingOverlay, "GTAW", mm, 20, 30, {}, "20 | 30 | 25 | Unlimited"},
    });
}

TEST(DepositThickness, InterfaceAreasOfTubularJointsUseTheWall)
{
    const struct {
        const char* what;
        RuleResult result;
        const char* expected;
    } cases[] = {
        {"friction, D 50 mm, wall 10", calcFrictionRange(tubular(friction, mm), 50, 10), "45 | 1130.973 | 55 | 1382.301"},
        {"friction, solid, D 1, wall 0.3", calcFrictionRange(stateFor(friction), 1, 0.3), "0.9 | 0.707 | 1.1 | 0.864"},
        {"flash, NPS 2, wall 0.25", calcFlashRange(tubular(flash), 2, 0.25), "2 | 1.237 | 2 | 1.512"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(row(c.result), c.expected) << c.what;
}

TEST(DepositThickness, RequiredTestsFollowTheValueTheirRuleNames)
{
    const QString tensiles = "Two (2) sets of tensiles are required.";
    const QString faceRoot = "Two (2) face bends and two (2) root bends are required.";
    const QString mayBeSide = "Four (4) side bends may be substituted for the required face- and root-bend tests.";
    const QString resistanceTests = "Macro-Examination at 10X magnification required per QW-196.1\r\n"
                                    "Shear test required per QW-196.2.1\r\nPeel test required per QW-196.2.2";
    const auto firstLine = [](const RuleResult& r) { return r.writes.txtTest1->split("\r\n").value(0); };
    const struct {
        const char* what;
        QString tests;
        QString expected;
    } cases[] = {
        // Resistance: the tests need a thinner sheet, whatever the thicker one.
        {"resistance, T 0, t 0.125", *calcResistanceRange(stateFor(resistance), 0, 0.125).writes.txtTest1, resistanceTests},
        // A tubular friction joint is tested as a groove weld of its wall, 3/8 to 3/4 in here.
        {"friction, D 3, wall 0.5", *calcFrictionRange(tubular(friction), 3, 0.5).writes.txtTest1,
         tensiles + "\r\n" + faceRoot + "\r\n" + mayBeSide},
        // Flash welding's tests follow the pipe size, not the wall.
        {"flash, NPS 0.75, wall 2", firstLine(calcFlashRange(tubular(flash), 0.75, 2)),
         "- Four (4) test welds shall be made using one set of welding parameters (QW-199.1.1)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.tests, c.expected) << c.what;
}
