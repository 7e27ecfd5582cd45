#pragma once
// The parameter panel: which parameter boxes the selected type and process offer, which of them
// are cleared, which paragraph buttons show, and whether the second value box and "  t = T" are
// offered.

#include "calculator/calculator_state.h"

#include <QString>
#include <array>
#include <optional>

namespace varnel::calculator {

// The processes for which the groove types enable parameter boxes 0 to 5.
extern const std::array<const char*, 6> grooveParameterProcesses;

struct TwipsSize {
    int width = 0;
    int height = 0;
    bool operator==(const TwipsSize&) const = default;
};

// What setParameterPanel writes. An unset entry leaves that control as it stands.
struct ParameterPanelView {
    TwipsSize lblWMthicknessSize;
    bool lblWMTminVisible = true;
    bool lblWMTmaxVisible = true;
    std::array<std::optional<bool>, param::count> chkParam;          // Value (false: cleared)
    std::array<std::optional<bool>, param::count> chkParamEnabled;
    std::array<std::optional<bool>, param::count> cmdXrefVisible;
    std::optional<bool> chkFullThickness;                            // false: cleared
    bool chkFullThicknessVisible = true;
    std::optional<bool> frwSolid;
    std::optional<QString> txtWMthickness;                           // emptied for a solid joint
    bool txtWMthicknessVisible = true;
    bool lblWMthicknessVisible = true;
    bool LabelWVisible = true;
    bool Slider1Visible = true;
};

ParameterPanelView setParameterPanel(const CalculatorState& state);

// "Studs will be used for extended heating surfaces" (box 6) under a base plate: cleared for the
// P-no. 1 plate, enabled only for "Other".
ParamBox extendedHeatingBox(StudPlate plate, ParamBox box);

}  // namespace varnel::calculator
