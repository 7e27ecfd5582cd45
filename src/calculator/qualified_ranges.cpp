#include "calculator/qualified_ranges.h"

#include "calculator/qualification_rules.h"
#include "calculator/rule_support.h"
#include "calculator/thickness_text.h"
#include "calculator/units_and_sliders.h"

namespace varnel::calculator {

namespace {

using enum QualificationType;

RuleResult runRule(const CalculatorState& state, double T, double t)
{
    switch (state.opt.value_or(filletWelds)) {
    case grooveTransverse:
    case grooveLongitudinal:
        return calcGrooveRange(state, T, t);
    case corrosionResistantOverlay:
    case hardFacingOverlay:
        return calcOverlayRange(state, T, t);
    case stud:
        return calcStudRange(state, T, t);
    case resistance:
        return calcResistanceRange(state, T, t);
    case friction:
        return calcFrictionRange(state, T, t);
    case flash:
        return calcFlashRange(state, T, t);
    case frictionStir:
        return calcFrictionStirRange(state, T, t);
    case filletWelds:
        break;
    }
    // Fillet welds, or no type chosen yet: no rule, empty range texts.
    RuleResult none;
    none.T = T;
    none.t = t;
    return none;
}

// A range text as its label shows it: millimetres with one decimal; inch minimums as fractions,
// inch maximums as they are when short or a word or fraction, else with five decimals.
QString millimetreLabel(const QString& text, bool passWpsLimit)
{
    if (text == QLatin1String("Unlimited") || (passWpsLimit && text == QLatin1String("WPS limit")))
        return text;
    return vb::Format(calcVal(text), QStringLiteral("0.0"));
}

QString inchMaximumLabel(const QString& text)
{
    if (vb::Like(text, QStringLiteral("*/*")) || vb::Like(text, QStringLiteral("*limit*")) || text.size() < 5)
        return text;
    return vb::Format(calcVal(text), QStringLiteral("###0.00000"));
}

struct XrefLink {
    QualificationType type;
    const char* tag;
    const char* toolTip;
};

constexpr XrefLink essentialVariableLinks[] = {
    {stud, "QW-402.8", " QW-402.8 Stud Welding essential variable "},
    {resistance, "QW-403.22", " QW-403.22 Resistance Welding essential variable "},
    {friction, "QW-402.12", " QW-402.12 Friction Welding essential variable "},
    {frictionStir, "QW-403.30", " QW-403.30 Friction Stir Welding essential variable "},
};

std::optional<QString> grooveWeldsCaption(std::optional<QualificationType> type)
{
    if (!type)
        return std::nullopt;
    switch (*type) {
    case stud:
    case friction:
    case frictionStir:
        return QString();
    case resistance:
        return QStringLiteral("Nominal Thickness");
    case corrosionResistantOverlay:
        return QStringLiteral("Corrosion-Resistant Overlays");
    case hardFacingOverlay:
        return QStringLiteral("Hardfacing Overlays");
    case grooveTransverse:
    case grooveLongitudinal:
        return QStringLiteral("Groove Welds");
    case filletWelds:
    case flash:
        break;
    }
    return std::nullopt;
}

}  // namespace

QualifiedRangesView showQualifiedRanges(const CalculatorState& state)
{
    const bool mm = state.mmUnits;
    const auto type = state.opt;
    const bool groove = type == grooveTransverse || type == grooveLongitudinal;
    const bool overlay = type == corrosionResistantOverlay || type == hardFacingOverlay;

    const double typedT = calcVal(state.txtBMthickness);
    const double typedt = calcVal(state.txtWMthickness);
    const RuleResult rule = runRule(state, typedT, typedt);
    const double T = rule.T;
    const double t = rule.t;

    QualifiedRangesView view;
    static_cast<RuleWrites&>(view) = rule.writes;
    view.LabelT = formatStr(typedT, mm);
    view.LabelW = formatStr(typedt, mm);

    if (mm) {
        view.lblBMTmin = millimetreLabel(rule.MinT, false);
        view.lblWMTmin = millimetreLabel(rule.Mint, false);
        view.lblBMTmax = millimetreLabel(rule.MaxT, true);
        view.lblWMTmax = millimetreLabel(rule.Maxt, false);
    } else {
        view.lblBMTmin = numToFraction(rule.MinT);
        view.lblWMTmin = numToFraction(rule.Mint);
        view.lblBMTmax = inchMaximumLabel(rule.MaxT);
        view.lblWMTmax = inchMaximumLabel(rule.Maxt);
    }
    view.lblFrwArea = mm ? QStringLiteral("Area (mm ²)") : QStringLiteral("Area (in ²)");

    // A zero input blanks its row.
    if (T == 0) {
        view.lblBMTmin.clear();
        view.lblBMTmax.clear();
        view.lblBMfillet = QString();
    }
    if (t == 0) {
        view.lblWMTmin.clear();
        view.lblWMTmax.clear();
        view.lblWMfillet = QString();
    }
    if (T == 0 && t == 0) {
        view.lblJointTmin = QString();
        view.lblJointTmax = QString();
    }

    if (type == resistance) {
        view.LabelMinT2Visible = true;
        view.lblWMTminVisible = true;
    } else {
        const bool limited = view.lblWMTmin != QLatin1String("Unlimited");
        view.LabelMinT2Visible = limited;
        view.lblWMTminVisible = limited && type != frictionStir;
    }

    for (const XrefLink& link : essentialVariableLinks) {
        if (type == link.type) {
            view.cmdXref7Tag = QString::fromLatin1(link.tag);
            view.cmdXref7ToolTip = QString::fromLatin1(link.toolTip);
        }
    }

    view.lblGrooveWelds = grooveWeldsCaption(type);
    view.lblGrooveWeldsToolTip = groove ? QStringLiteral(" Complete joint penetration Groove Welds ") : QString();

    view.fraFilletsVisible = groove;
    view.fraExceptionsVisible = groove && T > 0;
    view.cmdPicture6Visible = overlay && t > 0;
    view.fraStudRangeVisible = view.lblStudSizeVisible = view.fraStudParametersVisible = type == stud;
    view.lblQTnoteVisible = type == stud && t > 0;
    view.fraResistanceVisible = type == resistance;
    view.fraFrwRangeVisible = view.fraFrwParametersVisible = type == friction;
    view.cmdXrefVisible[8] = type == friction;
    view.cmdXrefVisible[7] = type == stud || type == resistance || type == friction || type == frictionStir;

    // Each parameter box shows its paragraph button while it is ticked.
    for (int box = 0; box < param::count; ++box) {
        bool ticked = state.chkParam[box].value;
        if (box == param::rootDepositOnly && rule.writes.rootDepositBox)
            ticked = rule.writes.rootDepositBox->value;
        view.cmdXrefVisible[box] = ticked;
    }
    return view;
}

bool checkDepositThickness(const CalculatorState& state)
{
    const bool checked = state.opt == grooveTransverse || state.opt == grooveLongitudinal || state.opt == resistance;
    return checked && calcVal(state.txtWMthickness) > calcVal(state.txtBMthickness);
}

std::optional<WallCut> checkWallThickness(const CalculatorState& state)
{
    const double D = calcVal(state.txtBMthickness);
    const double wall = calcVal(state.txtWMthickness);
    if (D / 2 >= wall)
        return std::nullopt;
    WallCut cut;
    const int diameterPosition = 2 * state.Slider[1];
    if (diameterPosition >= 0 && diameterPosition <= setSliderRanges(state).Slider0Max)
        cut.Slider0 = diameterPosition;
    cut.txtWMthickness = formatStr(D / 2, state.mmUnits);
    return cut;
}

}  // namespace varnel::calculator
