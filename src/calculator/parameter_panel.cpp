#include "calculator/parameter_panel.h"

#include "calculator/process_choice.h"

namespace varnel::calculator {

const std::array<const char*, 6> grooveParameterProcesses = {
    "GMAW",
    "EBW LBW",
    "SMAW GTAW GMAW FCAW SAW ESW PAW EGW",
    "SMAW GTAW GMAW FCAW SAW PAW ESW EGW",
    "SMAW SAW GMAW FCAW ESW EGW",
    "GTAW SMAW GMAW FCAW PAW SAW",
};

ParamBox extendedHeatingBox(StudPlate plate, ParamBox box)
{
    if (plate == StudPlate::pNo1)
        box.value = false;
    box.enabled = plate == StudPlate::other;
    return box;
}

ParameterPanelView setParameterPanel(const CalculatorState& state)
{
    using enum QualificationType;
    const auto type = state.opt;
    ParameterPanelView view;
    view.lblWMthicknessSize = {2595, 255};

    if (type == grooveTransverse || type == grooveLongitudinal) {
        for (int box = 0; box < param::count; ++box) {
            ParamBox current = state.chkParam[box];
            if (box < param::extendedHeating) {
                current.enabled = processInList(state.processAbbr, QString::fromLatin1(grooveParameterProcesses[box]));
                view.chkParamEnabled[box] = current.enabled;
            }
            if (!current.enabled) {
                current.value = false;
                view.chkParam[box] = false;
            }
            view.cmdXrefVisible[box] = current.value;
        }
    } else if (type == stud) {
        const ParamBox heating = extendedHeatingBox(state.optStudPlate, state.chkParam[param::extendedHeating]);
        view.chkParam[param::extendedHeating] = heating.value;
        view.chkParamEnabled[param::extendedHeating] = heating.enabled;
        view.chkParam[param::shortCircuiting] = false;
        view.chkParamEnabled[param::shortCircuiting] = false;
        view.cmdXrefVisible[param::shortCircuiting] = false;
    } else {
        view.chkParam.fill(false);
        view.chkParamEnabled.fill(false);
        view.cmdXrefVisible.fill(false);
    }

    const bool jointType = type == friction || type == flash || type == frictionStir;
    if (type == stud || jointType) {
        view.chkFullThickness = false;
        view.chkFullThicknessVisible = false;
    }

    if (!jointType)
        return view;
    view.frwSolid = state.optFrwJoint == FrwJoint::solid;
    if (*view.frwSolid) {
        view.txtWMthickness = QString();
        view.txtWMthicknessVisible = view.lblWMthicknessVisible = view.LabelWVisible = view.Slider1Visible = false;
    }
    if (type == frictionStir) {
        // The second label becomes a note; the second value is not asked for.
        view.lblWMthicknessSize = {3875, 550};
        view.lblWMthicknessVisible = true;
        view.txtWMthicknessVisible = view.LabelWVisible = view.Slider1Visible = false;
    }
    return view;
}

}  // namespace varnel::calculator
