#pragma once
// The recalculation of the calculator window: from the two value boxes and the selected type it
// runs the type's rule and says what every result label, caption, link and panel shows. Also the
// two consistency checks that the value boxes run before they recalculate.

#include "calculator/calculator_state.h"

#include <QString>
#include <array>
#include <optional>

namespace varnel::calculator {

// Everything one recalculation writes: the rule's own writes, then the display of the results.
// Where both write a control (the fillet and joint labels, the Min t label's visibility), the
// field holds the display's final word.
struct QualifiedRangesView : RuleWrites {
    QString LabelT, LabelW;                         // the two values as used, as decimals
    QString lblBMTmin, lblWMTmin, lblBMTmax, lblWMTmax;
    QString lblFrwArea;                             // caption of the interface-area row
    bool LabelMinT2Visible = false;                 // head of the Min t column
    std::optional<QString> cmdXref7Tag, cmdXref7ToolTip;
    std::optional<QString> lblGrooveWelds;
    QString lblGrooveWeldsToolTip;
    bool fraFilletsVisible = false;
    bool fraExceptionsVisible = false;
    bool cmdPicture6Visible = false;                // the overlay figure button
    bool fraStudRangeVisible = false;
    bool lblStudSizeVisible = false;
    bool fraStudParametersVisible = false;
    bool lblQTnoteVisible = false;
    bool fraResistanceVisible = false;              // fraResistance(0) and fraResistance(1)
    bool fraFrwRangeVisible = false;
    bool fraFrwParametersVisible = false;
    std::array<bool, 9> cmdXrefVisible{};           // cmdXref(0) to cmdXref(8)
};

QualifiedRangesView showQualifiedRanges(const CalculatorState& state);

// True when "  t = T" must be ticked: a groove or resistance type with t typed larger than T.
bool checkDepositThickness(const CalculatorState& state);

// Friction welding with a tubular joint: a wall over half the diameter D is cut back to D / 2.
// The diameter slider moves to twice the wall slider's position (empty when that lies beyond its
// range, which leaves it where it was); the diameter box keeps its text.
struct WallCut {
    std::optional<int> Slider0;
    QString txtWMthickness;
};

std::optional<WallCut> checkWallThickness(const CalculatorState& state);

}  // namespace varnel::calculator
