#pragma once
// The calculator window's inputs as the qualification rules see them, and what a rule hands back.
//
// The window copies its controls into CalculatorState, calls a rule, and writes every set field of
// the answer into the control of the same name; a field left empty (std::nullopt) leaves its control
// as it stands. A bare control name stands for the control's text, caption or value; a suffix names
// another property (ToolTip, Visible, Enabled, Tag). No rule touches a widget.

#include <QString>
#include <array>
#include <optional>

namespace varnel::calculator {

// The options of the qualification-type array `opt`, in index order (0 to 9).
enum class QualificationType {
    grooveTransverse,
    grooveLongitudinal,
    corrosionResistantOverlay,
    hardFacingOverlay,
    filletWelds,
    stud,
    resistance,
    friction,
    flash,
    frictionStir,
};

// Indexes of the parameter boxes `chkParam` and of their paragraph buttons `cmdXref`.
namespace param {
inline constexpr int shortCircuiting = 0;       // "Short-circuiting arc transfer mode"
inline constexpr int penetrationMeasured = 1;   // "Penetration measurable visually or mechanically"
inline constexpr int impactTesting = 2;         // "Impact testing requirements apply"
inline constexpr int pwhtAboveUpper = 3;        // "PWHT above upper transformation temperature"
inline constexpr int passOverHalfInch = 4;      // "Any one pass over 1/2" (13 mm) thick"
inline constexpr int rootDepositOnly = 5;       // "Root deposit ONLY qualification"
inline constexpr int extendedHeating = 6;       // "Studs will be used for extended heating surfaces"
inline constexpr int count = 7;
}  // namespace param

enum class FrwJoint { solid, tubular };                           // optFrwJoint(0), (1)
enum class StudMaterial { other, carbonSteel, austeniticStainless };  // optStud(0..2)
enum class StudPlate { other, pNo1 };                             // optStudPlate(0), (1)
enum class ThreadSeries { none, unf, unc };                       // optThreads(0..2)

// A check box: ticked (Value 1) or clear, and whether the user may change it.
struct ParamBox {
    bool value = false;
    bool enabled = true;
    bool operator==(const ParamBox&) const = default;
};

// The controls and window members that the rules read; the defaults are the window's design state.
struct CalculatorState {
    QString txtBMthickness;                         // first value box
    QString txtWMthickness;                         // second value box
    bool mmUnits = false;                           // optUnits(1) chosen
    std::optional<QualificationType> opt;           // the selected type; none when the window opens
    QString processAbbr;                            // abbreviation of the chosen process
    std::array<ParamBox, param::count> chkParam{};
    bool chkFullThickness = false;                  // "  t = T"
    FrwJoint optFrwJoint = FrwJoint::solid;
    bool frwSolid = true;                           // member kept by setParameterPanel
    StudMaterial optStud = StudMaterial::carbonSteel;
    StudPlate optStudPlate = StudPlate::pNo1;
    ThreadSeries threadSeries = ThreadSeries::none;
    std::array<int, 2> Slider{};                    // positions of Slider(0) and Slider(1)
};

// Caption and tool tip of a label.
struct LabelText {
    QString caption;
    QString toolTip;
    bool operator==(const LabelText&) const = default;
};

// What a qualification rule writes into the window besides its four range texts.
struct RuleWrites {
    std::optional<QString> txtTest1;                // the required tests
    std::optional<LabelText> lblBMthickness;        // label of the first value box
    std::optional<LabelText> lblWMthickness;        // label of the second value box
    std::optional<QString> chkFullThicknessToolTip;
    std::optional<QString> LabelMinT1, LabelMinT2;  // result column heads LabelMinT(1), LabelMinT(2)
    std::optional<QString> LabelMaxT1, LabelMaxT2;  // LabelMaxT(1), LabelMaxT(2)
    std::optional<bool> flashNotesVisible;          // LabelMinT(0) and LabelMinT(5)
    std::optional<ParamBox> rootDepositBox;         // chkParam(5): Value and Enabled
    std::optional<QString> lblBMfillet, lblWMfillet;
    std::optional<QString> lblJointTmin, lblJointTmax;
    std::optional<bool> lblWMTminVisible, lblWMTmaxVisible;
    std::optional<QString> lblStudSize;
};

// The result of one qualification rule. T and t are the values as the rule left them (rounded to
// five decimals in millimetres, t = 1 for a solid friction or flash joint); the recalculation uses
// them afterwards. A range text is a number written as text, a fraction or a word ("Unlimited",
// "WPS limit"); a text the rule does not write stays empty.
struct RuleResult {
    double T = 0;
    double t = 0;
    QString MinT, Mint, MaxT, Maxt;
    RuleWrites writes;
};

}  // namespace varnel::calculator
