#include "calculator/qualified_ranges.h"
#include "calculator/requirement_texts.h"
#include "calculator_fixtures.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace varnel::calculator;
using namespace varnel::calculator::testing;
using enum QualificationType;

namespace {

CalculatorState typed(QualificationType type, const char* process, bool mm, const char* first, const char* second)
{
    CalculatorState state = stateFor(type, process, mm);
    state.txtBMthickness = QString::fromLatin1(first);
    state.txtWMthickness = QString::fromLatin1(second);
    return state;
}

}  // namespace

TEST(ShowQualifiedRanges, ResultLabelsInEachUnit)
{
    const struct { QualificationType type; const char* process; bool mm; const char *T, *t;
                   const char *minT, *mint, *maxT, *maxt; } cases[] = {
        {grooveTransverse, "GTAW", false, "1", "1", "3/16", "Unlimited", "2", "2"},
        {grooveTransverse, "GTAW", false, "0.25", "0.25", " 1/ 16", "Unlimited", "0.5", "0.5"},
        {grooveTransverse, "GTAW", false, "11/16", "11/16", "3/16", "Unlimited", "1.37500", "1.37500"},
        {grooveTransverse, "GTAW", false, "0.05", "0.05", "0.05", "Unlimited", "0.1", "0.1"},
        {grooveTransverse, "GTAW", false, "7", "7", "3/16", "Unlimited", "9.31", "9.31"},
        {grooveTransverse, "GTAW", false, "6.0151", "1", "3/16", "Unlimited", "8.00008", "8.00008"},
        {grooveLongitudinal, "SMAW", false, "1", "0.5", "3/16", "Unlimited", "2", "1"},
        {grooveTransverse, "GTAW", true, "20", "20", "5.0", "Unlimited", "40.0", "40.0"},
        {grooveTransverse, "GTAW", true, "8", "8", "1.5", "Unlimited", "16.0", "16.0"},
        {grooveTransverse, "GTAW", true, "40", "10", "5.0", "Unlimited", "200.0", "20.0"},
        {hardFacingOverlay, "GTAW", false, "0.5", "0.125", " 1/ 2", " 1/ 8", "1", "Unlimited"},
        {resistance, "RSW", false, "0.25", "0.125", "Unlimited", "Unlimited", "Unlimited", "Unlimited"},
        {friction, "FRW", false, "1", "", "0.9", "0.707", "1.1", "0.86400"},
        {friction, "FRW", true, "25", "", "22.5", "441.8", "27.5", "540.0"},
        {stud, "STUD", false, "0.5", "0.5", "Unlimited", " 1/ 2", "Unlimited", "0.5"},
        {stud, "STUD", true, "12", "12.7", "Unlimited", "12.7", "Unlimited", "12.7"},
        {flash, "FW", false, "1.5", "", " 1- 1/ 2", "1.590", "1.5", "1.94400"},
        {frictionStir, "FSW", false, "0.5", "", "0.4", "", "0.6", ""},
        {filletWelds, "SMAW", false, "0.5", "0.5", "", "", "", ""},
        {filletWelds, "SMAW", true, "0.5", "0.5", "0.0", "0.0", "0.0", "0.0"},
    };
    for (const auto& c : cases) {
        const QualifiedRangesView view = showQualifiedRanges(typed(c.type, c.process, c.mm, c.T, c.t));
        const auto where = ::testing::Message() << static_cast<int>(c.type) << ' ' << c.T << '/' << c.t << unitName(c.mm);
        EXPECT_EQ(view.lblBMTmin, c.minT) << where;
        EXPECT_EQ(view.lblWMTmin, c.mint) << where;
        EXPECT_EQ(view.lblBMTmax, c.maxT) << where;
        EXPECT_EQ(view.lblWMTmax, c.maxt) << where;
    }
}

TEST(ShowQualifiedRanges, ZeroInputsBlankTheirRows)
{
    const QualifiedRangesView noT = showQualifiedRanges(typed(grooveTransverse, "GTAW", false, "", "0.5"));
    EXPECT_EQ(noT.lblBMTmin, "");
    EXPECT_EQ(noT.lblBMTmax, "");
    EXPECT_EQ(noT.lblBMfillet, "");
    EXPECT_EQ(noT.lblWMfillet, "Unlimited");
    EXPECT_EQ(noT.lblWMTmax, "1");
    EXPECT_FALSE(noT.fraExceptionsVisible);
    EXPECT_EQ(noT.lblJointTmin, std::nullopt);

    const QualifiedRangesView noValues = showQualifiedRanges(typed(grooveTransverse, "GTAW", true, "", ""));
    EXPECT_EQ(noValues.lblWMTmin, "");
    EXPECT_EQ(noValues.lblWMfillet, "");
    EXPECT_EQ(noValues.lblJointTmin, "");
    EXPECT_EQ(noValues.lblJointTmax, "");
    EXPECT_EQ(noValues.txtTest1, "");

    // A solid friction joint keeps its area row although the second box is empty.
    const QualifiedRangesView solid = showQualifiedRanges(typed(friction, "FRW", false, "1", ""));
    EXPECT_EQ(solid.lblWMTmin, "0.707");
    EXPECT_EQ(solid.LabelW, "0.00000");

    // Millimetres: a text the rule leaves empty shows 0.0 unless its row is blanked.
    const QualifiedRangesView stir = showQualifiedRanges(typed(frictionStir, "FSW", true, "10", "5"));
    EXPECT_EQ(stir.lblWMTmin, "0.0");
    EXPECT_EQ(stir.lblWMTmax, "0.0");
}

TEST(ShowQualifiedRanges, MinTColumnVisibility)
{
    const struct { QualificationType type; const char* T; const char* t; bool head; bool label; } cases[] = {
        {grooveTransverse, "1", "1", false, false},   // Min t "Unlimited"
        {grooveLongitudinal, "1", "1", false, false},
        {corrosionResistantOverlay, "0.5", "0.1", true, true},
        {resistance, "0.25", "0.125", true, true},    // "Unlimited", but always shown
        {frictionStir, "0.5", "", true, false},        // never the value
        {friction, "1", "", true, true},
        {filletWelds, "1", "1", true, true},
    };
    for (const auto& c : cases) {
        const QualifiedRangesView view = showQualifiedRanges(typed(c.type, "GTAW", false, c.T, c.t));
        EXPECT_EQ(view.LabelMinT2Visible, c.head) << static_cast<int>(c.type);
        EXPECT_EQ(view.lblWMTminVisible, c.label) << static_cast<int>(c.type);
    }
}

TEST(ShowQualifiedRanges, CaptionsLinksAndPanelsByType)
{
    const struct { std::optional<QualificationType> type; std::optional<QString> grooveWelds; std::optional<QString> xrefTag; } cases[] = {
        {grooveTransverse, QString("Groove Welds"), std::nullopt},
        {grooveLongitudinal, QString("Groove Welds"), std::nullopt},
        {corrosionResistantOverlay, QString("Corrosion-Resistant Overlays"), std::nullopt},
        {hardFacingOverlay, QString("Hardfacing Overlays"), std::nullopt},
        {filletWelds, std::nullopt, std::nullopt},
        {stud, QString(""), QString("QW-402.8")},
        {resistance, QString("Nominal Thickness"), QString("QW-403.22")},
        {friction, QString(""), QString("QW-402.12")},
        {flash, std::nullopt, std::nullopt},
        {frictionStir, QString(""), QString("QW-403.30")},
        {std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        CalculatorState state = typed(grooveTransverse, "GTAW", false, "1", "1");
        state.opt = c.type;
        const QualifiedRangesView view = showQualifiedRanges(state);
        const int index = c.type ? static_cast<int>(*c.type) : -1;
        EXPECT_EQ(view.lblGrooveWelds, c.grooveWelds) << index;
        EXPECT_EQ(view.cmdXref7Tag, c.xrefTag) << index;
        EXPECT_EQ(view.cmdXrefVisible[7], c.xrefTag.has_value()) << index;
        EXPECT_EQ(view.fraFilletsVisible, index == 0 || index == 1) << index;
        EXPECT_EQ(view.fraExceptionsVisible, index == 0 || index == 1) << index;
        EXPECT_EQ(view.cmdPicture6Visible, index == 2 || index == 3) << index;
        EXPECT_EQ(view.fraStudRangeVisible, index == 5) << index;
        EXPECT_EQ(view.lblQTnoteVisible, index == 5) << index;
        EXPECT_EQ(view.fraResistanceVisible, index == 6) << index;
        EXPECT_EQ(view.fraFrwRangeVisible, index == 7) << index;
        EXPECT_EQ(view.cmdXrefVisible[8], index == 7) << index;
        EXPECT_EQ(view.lblGrooveWeldsToolTip,
                  index == 0 || index == 1 ? " Complete joint penetration Groove Welds " : "") << index;
        EXPECT_EQ(view.lblFrwArea, "Area (in ²)");
    }
    EXPECT_EQ(showQualifiedRanges(typed(stud, "STUD", true, "1", "1")).cmdXref7ToolTip,
              " QW-402.8 Stud Welding essential variable ");
    EXPECT_EQ(showQualifiedRanges(typed(stud, "STUD", true, "1", "1")).lblFrwArea, "Area (mm ²)");
    EXPECT_FALSE(showQualifiedRanges(typed(stud, "STUD", false, "1", "")).lblQTnoteVisible);
    EXPECT_FALSE(showQualifiedRanges(typed(hardFacingOverlay, "GTAW", false, "1", "")).cmdPicture6Visible);
}

TEST(ShowQualifiedRanges, ParagraphButtonsFollowTheTickedBoxes)
{
    CalculatorState state = withBoxes(typed(grooveTransverse, "GTAW", false, "0.4", "0.4"),
                                      {param::impactTesting, param::rootDepositOnly});
    const QualifiedRangesView view = showQualifiedRanges(state);
    EXPECT_TRUE(view.cmdXrefVisible[param::impactTesting]);
    // The thin coupon clears the root-deposit box in the same run, and its button goes with it.
    EXPECT_FALSE(view.cmdXrefVisible[param::rootDepositOnly]);
    EXPECT_EQ(view.rootDepositBox, (ParamBox{false, false}));
    EXPECT_FALSE(view.cmdXrefVisible[param::shortCircuiting]);
}

TEST(ShowQualifiedRanges, UsesTheRulesValuesAndShowsTheTypedOnes)
{
    const QualifiedRangesView view = showQualifiedRanges(typed(grooveTransverse, "GTAW", true, "20.000004", "20"));
    EXPECT_EQ(view.LabelT, "20.0");
    EXPECT_EQ(view.lblBMTmax, "40.0");
    EXPECT_EQ(view.txtTest1, "Two (2) sets of tensiles are required.\r\nFour (4) side bends are required.");
    EXPECT_EQ(showQualifiedRanges(typed(filletWelds, "", false, "1-3/8", "3/8")).LabelT, "1.37500");
}

TEST(ShowQualifiedRanges, PastedHugeValuesNeverShowAnExponent)
{
    for (int type = 0; type <= 9; ++type) {
        for (bool mm : {false, true}) {
            const QualifiedRangesView view =
                showQualifiedRanges(typed(static_cast<QualificationType>(type), "GTAW", mm, "1E300", "1E300"));
            for (const QString& label : {view.lblBMTmin, view.lblWMTmin, view.lblBMTmax, view.lblWMTmax})
                EXPECT_FALSE(label.contains(QRegularExpression("\\d[eE]"))) << type << ' ' << label.toStdString();
        }
    }
}

TEST(CheckDepositThickness, TicksTEqualsTForGrooveAndResistance)
{
    const struct { QualificationType type; const char *T, *t; bool ticks; } cases[] = {
        {grooveLongitudinal, "1", "1.2", true}, {grooveTransverse, "1", "1.2", true},
        {resistance, "1", "1.2", true},         {grooveTransverse, "1", "1", false},
        {grooveTransverse, "1-3/8", "1.4", true}, {stud, "1", "1.2", false},
        {corrosionResistantOverlay, "1", "1.2", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkDepositThickness(typed(c.type, "GTAW", false, c.T, c.t)), c.ticks) << c.T << ' ' << c.t;
}

TEST(CheckWallThickness, CutsTheWallBackToHalfTheDiameter)
{
    CalculatorState state = typed(friction, "FRW", false, "2", "1.2");
    state.optFrwJoint = FrwJoint::tubular;
    state.Slider = {20000, 12000};
    const auto cut = checkWallThickness(state);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->txtWMthickness, "1.00000");
    EXPECT_EQ(cut->Slider0, 24000);

    state.txtWMthickness = "1";
    EXPECT_FALSE(checkWallThickness(state));

    // A position beyond the diameter slider's range leaves it where it is.
    CalculatorState mm = typed(friction, "FRW", true, "100", "60");
    mm.Slider = {100, 175};
    const auto mmCut = checkWallThickness(mm);
    ASSERT_TRUE(mmCut);
    EXPECT_EQ(mmCut->txtWMthickness, "50.0");
    EXPECT_EQ(mmCut->Slider0, std::nullopt);
}
