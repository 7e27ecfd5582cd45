#include "calculator/parameter_panel.h"
#include "calculator_fixtures.h"

#include <gtest/gtest.h>

using namespace varnel::calculator;
using namespace varnel::calculator::testing;
using enum QualificationType;

TEST(ParameterPanel, GrooveBoxesEnabledByProcess)
{
    const struct { const char* process; std::array<bool, 6> enabled; } cases[] = {
        {"GMAW", {true, false, true, true, true, true}},
        {"GTAW", {false, false, true, true, false, true}},
        {"EBW", {false, true, false, false, false, false}},
        {"LBW", {false, true, false, false, false, false}},
        {"ESW", {false, false, true, true, true, false}},
        {"OFW", {false, false, false, false, false, false}},
        // Substring test: an abbreviation inside a listed one counts as listed.
        {"AW", {true, false, true, true, true, true}},
        // An emptied process box enables nothing.
        {"", {false, false, false, false, false, false}},
    };
    for (const auto& c : cases) {
        for (auto type : {grooveTransverse, grooveLongitudinal}) {
            const ParameterPanelView view = setParameterPanel(stateFor(type, c.process));
            for (int box = 0; box < 6; ++box)
                EXPECT_EQ(view.chkParamEnabled[box], c.enabled[box]) << c.process << " box " << box;
            EXPECT_EQ(view.chkParamEnabled[param::extendedHeating], std::nullopt);
        }
    }
}

TEST(ParameterPanel, GrooveClearsDisabledBoxesAndShowsButtonsOfTickedOnes)
{
    CalculatorState state = withBoxes(stateFor(grooveTransverse, "GTAW"), {param::impactTesting, param::shortCircuiting});
    ParameterPanelView view = setParameterPanel(state);
    EXPECT_EQ(view.chkParam[param::shortCircuiting], false);
    EXPECT_EQ(view.cmdXrefVisible[param::shortCircuiting], false);
    EXPECT_EQ(view.chkParam[param::impactTesting], std::nullopt);
    EXPECT_EQ(view.cmdXrefVisible[param::impactTesting], true);

    // Box 6 keeps its enabled state: cleared only while disabled.
    state.chkParam[param::extendedHeating] = {true, true};
    EXPECT_EQ(setParameterPanel(state).chkParam[param::extendedHeating], std::nullopt);
    state.chkParam[param::extendedHeating] = {true, false};
    EXPECT_EQ(setParameterPanel(state).chkParam[param::extendedHeating], false);

    state.processAbbr = "OFW";
    view = setParameterPanel(state);
    EXPECT_EQ(view.chkParam[param::impactTesting], false);
    EXPECT_EQ(view.cmdXrefVisible[param::impactTesting], false);
}

TEST(ParameterPanel, StudPanelFollowsTheBasePlate)
{
    CalculatorState state = withBoxes(stateFor(stud, "STUD"), {param::shortCircuiting, param::extendedHeating, param::impactTesting});
    ParameterPanelView view = setParameterPanel(state);
    EXPECT_EQ(view.chkParam[param::extendedHeating], false);
    EXPECT_EQ(view.chkParamEnabled[param::extendedHeating], false);
    EXPECT_EQ(view.chkParam[param::shortCircuiting], false);
    EXPECT_EQ(view.chkParamEnabled[param::shortCircuiting], false);
    EXPECT_EQ(view.cmdXrefVisible[param::shortCircuiting], false);
    EXPECT_EQ(view.chkParam[param::impactTesting], std::nullopt);
    EXPECT_EQ(view.chkFullThickness, false);
    EXPECT_FALSE(view.chkFullThicknessVisible);
    EXPECT_TRUE(view.txtWMthicknessVisible);

    state.optStudPlate = StudPlate::other;
    view = setParameterPanel(state);
    EXPECT_EQ(view.chkParam[param::extendedHeating], true);
    EXPECT_EQ(view.chkParamEnabled[param::extendedHeating], true);

    EXPECT_EQ(extendedHeatingBox(StudPlate::pNo1, {true, true}), (ParamBox{false, false}));
    EXPECT_EQ(extendedHeatingBox(StudPlate::other, {false, false}), (ParamBox{false, true}));
}

TEST(ParameterPanel, OtherTypesClearAndDisableEveryBox)
{
    for (std::optional<QualificationType> type : {std::optional(corrosionResistantOverlay), std::optional(hardFacingOverlay),
                                                   std::optional(filletWelds), std::optional(resistance),
                                                   std::optional(friction), std::optional<QualificationType>()}) {
        CalculatorState state = withBoxes(stateFor(grooveTransverse, "GTAW"), {2, 5, 6});
        state.opt = type;
        const ParameterPanelView other = setParameterPanel(state);
        for (int box = 0; box < param::count; ++box) {
            EXPECT_EQ(other.chkParam[box], false);
            EXPECT_EQ(other.chkParamEnabled[box], false);
            EXPECT_EQ(other.cmdXrefVisible[box], false);
        }
    }
}

TEST(ParameterPanel, SecondValueBoxAndFullThickness)
{
    const struct { std::optional<QualificationType> type; FrwJoint joint; bool fullThicknessShown; bool boxShown;
                   bool labelShown; bool emptied; TwipsSize labelSize; std::optional<bool> frwSolid; } cases[] = {
        {grooveTransverse, FrwJoint::solid, true, true, true, false, {2595, 255}, std::nullopt},
        {resistance, FrwJoint::tubular, true, true, true, false, {2595, 255}, std::nullopt},
        {std::nullopt, FrwJoint::solid, true, true, true, false, {2595, 255}, std::nullopt},
        {friction, FrwJoint::solid, false, false, false, true, {2595, 255}, true},
        {friction, FrwJoint::tubular, false, true, true, false, {2595, 255}, false},
        {flash, FrwJoint::solid, false, false, false, true, {2595, 255}, true},
        {flash, FrwJoint::tubular, false, true, true, false, {2595, 255}, false},
        {frictionStir, FrwJoint::solid, false, false, true, true, {3875, 550}, true},
        {frictionStir, FrwJoint::tubular, false, false, true, false, {3875, 550}, false},
    };
    for (const auto& c : cases) {
        CalculatorState state = stateFor(grooveTransverse);
        state.opt = c.type;
        state.optFrwJoint = c.joint;
        state.chkFullThickness = true;
        const ParameterPanelView view = setParameterPanel(state);
        const int index = c.type ? static_cast<int>(*c.type) : -1;
        EXPECT_EQ(view.chkFullThicknessVisible, c.fullThicknessShown) << index;
        EXPECT_EQ(view.chkFullThickness, c.fullThicknessShown ? std::nullopt : std::optional(false)) << index;
        EXPECT_EQ(view.txtWMthicknessVisible, c.boxShown) << index;
        EXPECT_EQ(view.LabelWVisible, c.boxShown) << index;
        EXPECT_EQ(view.Slider1Visible, c.boxShown) << index;
        EXPECT_EQ(view.lblWMthicknessVisible, c.labelShown) << index;
        EXPECT_EQ(view.txtWMthickness, c.emptied ? std::optional(QString()) : std::nullopt) << index;
        EXPECT_EQ(view.lblWMthicknessSize, c.labelSize) << index;
        EXPECT_EQ(view.frwSolid, c.frwSolid) << index;
        EXPECT_TRUE(view.lblWMTminVisible);
        EXPECT_TRUE(view.lblWMTmaxVisible);
    }
}
