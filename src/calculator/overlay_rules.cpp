#include "calculator/process_choice.h"
#include "calculator/qualification_rules.h"
#include "calculator/requirement_texts.h"
#include "calculator/rule_support.h"

namespace varnel::calculator {

RuleResult calcOverlayRange(const CalculatorState& state, double T, double t)
{
    const bool mm = state.mmUnits;
    const bool corrosionResistant = isSelected(state, QualificationType::corrosionResistantOverlay);
    RuleResult r;
    roundInputs(state, T, t);

    const double threshold = byUnit(mm, 1, 25);
    const QString thresholdText = byUnit(mm, "1", "25");
    if (T < threshold) {
        r.MinT = numberText(T);
        r.MaxT = corrosionResistant ? QStringLiteral("Unlimited") : thresholdText;
    } else {
        r.MinT = thresholdText;
        r.MaxT = QStringLiteral("Unlimited");
    }
    r.Mint = numberText(t);
    r.Maxt = processInList(state.processAbbr, QStringLiteral("FLSP PSP")) ? numberText(t) : QStringLiteral("Unlimited");
    r.writes.txtTest1 = corrosionResistant ? txtCroTest() : txtHfoTest();

    r.writes.lblBMthickness = baseMetalCouponLabel();
    r.writes.lblWMthickness = LabelText{QStringLiteral("Weld metal overlay thickness t"),
                                        QStringLiteral(" Enter deposited weld metal overlay thickness t from PQR. ")};
    r.writes.chkFullThicknessToolTip = QStringLiteral(
        " Check if weld deposit overlay thickness using one process is equal to the base metal thickness. ");
    setColumnHeads(r.writes, "Min T", "Min t", "Max T", "Max t");
    r.T = T;
    r.t = t;
    return r;
}

}  // namespace varnel::calculator
