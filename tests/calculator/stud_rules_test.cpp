#include "calculator/qualification_rules.h"
#include "calculator_fixtures.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace varnel::calculator;
using namespace varnel::calculator::testing;

namespace {

CalculatorState studState(ThreadSeries series, StudMaterial material, bool mm = false)
{
    CalculatorState state = stateFor(QualificationType::stud, "STUD", mm);
    state.threadSeries = series;
    state.optStud = material;
    return state;
}

QString torqueTestLine(const QString& tests) { return tests.split("\r\n").value(2); }

}  // namespace

TEST(StudRange, ThreadAndTorqueByDiameterSeriesAndMaterial)
{
    const struct { bool mm; double D; ThreadSeries series; StudMaterial material; const char* studSize; const char* torqueLine; } cases[] = {
        {false, 0.5, ThreadSeries::unc, StudMaterial::carbonSteel, "Threads per inch:  13 UNC ",
         "- The remaining five (5) welded stud joints require 37 ft-lb ( 50.3 J ) torque test per QW-466.5.  "},
        {false, 0.5, ThreadSeries::unf, StudMaterial::austeniticStainless, "Threads per inch:  20 UNF ",
         "- The remaining five (5) welded stud joints require 40.0 ft-lb ( 54.4 J ) torque test per QW-466.5.  "},
        {false, 1, ThreadSeries::unf, StudMaterial::carbonSteel, "Threads per inch:  12 UNF ",
         "- The remaining five (5) welded stud joints require 348 ft-lb ( 473.3 J ) torque test per QW-466.5.  "},
        {false, 0.875, ThreadSeries::unc, StudMaterial::austeniticStainless, "Threads per inch:   9 UNC ",
         "- The remaining five (5) welded stud joints require 202.00 ft-lb ( 274.7 J ) torque test per QW-466.5.  "},
        {false, 0.25, ThreadSeries::unf, StudMaterial::carbonSteel, "Threads per inch:  28 UNF ",
         "- The remaining five (5) welded stud joints require 5.0 ft-lb ( 6.8 J ) torque test per QW-466.5.  "},
        // Millimetre diameters match the table's own millimetre sizes exactly.
        {true, 12.7, ThreadSeries::unc, StudMaterial::carbonSteel, "Threads per inch:  13 UNC ",
         "- The remaining five (5) welded stud joints require 37 ft-lb ( 50.3 J ) torque test per QW-466.5.  "},
        {true, 19, ThreadSeries::unf, StudMaterial::carbonSteel, "Threads per inch:  16 UNF ",
         "- The remaining five (5) welded stud joints require 147 ft-lb ( 199.9 J ) torque test per QW-466.5.  "},
        {true, 6.4, ThreadSeries::unc, StudMaterial::carbonSteel, "Threads per inch:  20 UNC ",
         "- The remaining five (5) welded stud joints require 4.2 ft-lb ( 5.7 J ) torque test per QW-466.5.  "},
        {true, 25.4, ThreadSeries::unc, StudMaterial::carbonSteel, "Threads per inch:   8 UNC ",
         "- The remaining five (5) welded stud joints require 318 ft-lb ( 432.5 J ) torque test per QW-466.5.  "},
    };
    for (const auto& c : cases) {
        const RuleResult r = calcStudRange(studState(c.series, c.material, c.mm), 0.5, c.D);
        EXPECT_EQ(r.writes.lblStudSize, c.studSize) << c.D << unitName(c.mm);
        EXPECT_EQ(torqueTestLine(*r.writes.txtTest1), c.torqueLine) << c.D << unitName(c.mm);
    }
}

TEST(StudRange, NoRowNoSeriesOrOtherMaterialGiveNoTorque)
{
    const QString plainLine = "- The remaining five (5) welded stud joints require torque test per QW-466.5.  ";
    const struct { bool mm; double D; ThreadSeries series; StudMaterial material; } cases[] = {
        {true, 12.5, ThreadSeries::unc, StudMaterial::carbonSteel},
        {true, 19.05, ThreadSeries::unc, StudMaterial::carbonSteel},
        {true, 6.35, ThreadSeries::unc, StudMaterial::carbonSteel},
        {false, 0.3, ThreadSeries::unf, StudMaterial::carbonSteel},
        {false, 0.5, ThreadSeries::none, StudMaterial::carbonSteel},
        {false, 0.5, ThreadSeries::unc, StudMaterial::other},
    };
    for (const auto& c : cases) {
        const RuleResult r = calcStudRange(studState(c.series, c.material, c.mm), 0.5, c.D);
        EXPECT_EQ(r.writes.lblStudSize, "") << c.D;
        EXPECT_EQ(torqueTestLine(*r.writes.txtTest1), plainLine) << c.D;
    }
}

TEST(StudRange, RangesStrengthAndMacroLine)
{
    const RuleResult r = calcStudRange(studState(ThreadSeries::unf, StudMaterial::carbonSteel), 0.5, 0.625);
    EXPECT_EQ(r.MinT, "Unlimited");
    EXPECT_EQ(r.MaxT, "Unlimited");
    EXPECT_EQ(r.Mint, "0.625");
    EXPECT_EQ(r.Maxt, "0.625");
    EXPECT_EQ(r.writes.LabelMinT2, "Min D");

    const struct { StudMaterial material; const char* strength; } strengths[] = {
        {StudMaterial::carbonSteel, "35,000 psi (241 MPa)"},
        {StudMaterial::austeniticStainless, "30,000 psi (207 MPa)"},
        {StudMaterial::other, "1/2 of the minimum specified tensile strength of the stud material"},
    };
    for (const auto& s : strengths) {
        const QString tests = *calcStudRange(studState(ThreadSeries::none, s.material), 0.5, 0.5).writes.txtTest1;
        EXPECT_EQ(tests.split("\r\n").value(4),
                  QString("  The tensile test failure strength shall not be less than %1 .").arg(s.strength));
    }

    const QString macro = "- Five (5) additional stud welds require macro-exam (at x10 magnification).";
    CalculatorState state = studState(ThreadSeries::none, StudMaterial::carbonSteel);
    EXPECT_TRUE(calcStudRange(state, 0.5, 0.5).writes.txtTest1->endsWith(".\r\n"));
    state.optStudPlate = StudPlate::other;
    EXPECT_TRUE(calcStudRange(state, 0.5, 0.5).writes.txtTest1->endsWith(".\r\n" + macro));
    state.chkParam[param::shortCircuiting].value = true;
    EXPECT_TRUE(calcStudRange(state, 0.5, 0.5).writes.txtTest1->endsWith(".\r\n"));
}

TEST(StudRange, ZeroDiameterEmptiesTheTests)
{
    const RuleResult r = calcStudRange(studState(ThreadSeries::unc, StudMaterial::carbonSteel), 0.5, 0);
    EXPECT_EQ(r.MinT, "Unlimited");
    EXPECT_EQ(r.Mint, "0");
    EXPECT_EQ(r.Maxt, "0");
    EXPECT_EQ(r.writes.txtTest1, "");
}
