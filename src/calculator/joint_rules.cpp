// Resistance, friction stir, friction and flash welding.

#include "calculator/qualification_rules.h"
#include "calculator/requirement_texts.h"
#include "calculator/rule_support.h"
#include "calculator/thickness_text.h"

#include <algorithm>

namespace varnel::calculator {

namespace {

constexpr double pi = 3.14159265358979;

// The sizes and interface areas that friction and flash welding share: size x 0.9 to size x 1.1
// for friction, the size itself for flash, and 0.9 A to 1.1 A for the interface area A.
void setInterfaceRanges(const CalculatorState& state, double& size, double& t, RuleResult& r)
{
    const double area = interfaceArea(size, t, state.frwSolid);
    r.Mint = vb::Format(0.9 * area, QStringLiteral("0.000"));
    r.Maxt = vb::Format(1.1 * area, QStringLiteral("0.000"));
    if (state.frwSolid) {
        t = 1;  // keeps the area row, which a zero second value would blank
        r.writes.txtTest1 = setGrooveTests(state, size);
    } else {
        r.writes.txtTest1 = setGrooveTests(state, t);
    }
}

}  // namespace

double interfaceArea(double D, double wall, bool solid)
{
    if (solid)
        return (D / 2) * (D / 2) * pi;
    const double bore = std::max(0.0, D - 2 * wall);
    return pi / 4 * (D * D - bore * bore);
}

RuleResult calcResistanceRange(const CalculatorState& state, double T, double t)
{
    RuleResult r;
    roundInputs(state, T, t);
    r.MinT = r.Mint = r.MaxT = r.Maxt = QStringLiteral("Unlimited");
    const QString jointMin = numberText((T + t) * 0.9);
    const QString jointMax = numberText((T + t) * 1.1);
    if (state.mmUnits) {
        r.writes.lblJointTmin = vb::Format(vb::Val(jointMin), QStringLiteral("0.0"));
        r.writes.lblJointTmax = vb::Format(vb::Val(jointMax), QStringLiteral("0.0"));
    } else {
        r.writes.lblJointTmin = numToFraction(jointMin);
        r.writes.lblJointTmax = numToFraction(jointMax);
    }
    r.writes.txtTest1 = t == 0 ? QString()
                               : joinLines({QStringLiteral("Macro-Examination at 10X magnification required per QW-196.1"),
                                            QStringLiteral("Shear test required per QW-196.2.1"),
                                            QStringLiteral("Peel test required per QW-196.2.2")});
    r.writes.lblBMthickness = LabelText{QStringLiteral("Thicker test coupon sheet thickness"),
                                        QStringLiteral(" Enter thickness of the thicker sheet recorded on PQR. ")};
    r.writes.lblWMthickness = LabelText{QStringLiteral("Thinner test coupon sheet thickness"),
                                        QStringLiteral(" Enter thickness of the thinner sheet recorded on PQR. ")};
    r.writes.chkFullThicknessToolTip = QStringLiteral(" Check if the test sheets are of equal thickness. ");
    setColumnHeads(r.writes, "Min", "Min", "Max", "Max");
    r.T = T;
    r.t = t;
    return r;
}

RuleResult calcFrictionStirRange(const CalculatorState& state, double T, double t)
{
    RuleResult r;
    roundInputs(state, T, t);
    r.MinT = numberText(T * 0.8);
    r.MaxT = numberText(T * 1.2);
    r.writes.txtTest1 = setGrooveTests(state, T);
    r.writes.lblBMthickness = baseMetalCouponLabel();
    r.writes.lblWMthickness = LabelText{
        QStringLiteral("When using selfreacting rotating tools (variable T):  enter minimum thickness T to determine the "
                       "minimum; enter maximum thickness T to determine the maximum; "),
        QString()};
    setColumnHeads(r.writes, "Min T", "", "Max T", "");
    r.writes.lblWMTmaxVisible = false;
    r.writes.lblWMTminVisible = false;
    r.T = T;
    r.t = t;
    return r;
}

RuleResult calcFrictionRange(const CalculatorState& state, double T, double t)
{
    RuleResult r;
    roundInputs(state, T, t);
    r.MinT = numberText(T * 0.9);
    r.MaxT = numberText(T * 1.1);
    setInterfaceRanges(state, T, t, r);
    r.writes.lblBMthickness = LabelText{
        QStringLiteral("OD of cylindrical interface (D)"),
        QStringLiteral(" Enter ouside diameter of cylindrical weld interface of the weld assembly tested. ")};
    r.writes.lblWMthickness = LabelText{QStringLiteral("Thickness (T) of tubular section"),
                                        QStringLiteral(" Enter thickness of the tubular section of the tested joint. ")};
    setColumnHeads(r.writes, "Min D", "Min A", "Max D", "Max A");
    r.T = T;
    r.t = t;
    return r;
}

RuleResult calcFlashRange(const CalculatorState& state, double T, double t)
{
    RuleResult r;
    roundInputs(state, T, t);
    const double nps = T;
    r.MinT = numberText(nps);
    r.MaxT = numberText(nps);
    setInterfaceRanges(state, T, t, r);
    r.writes.lblBMthickness = LabelText{QStringLiteral("Nominal Pipe Size (NPS)"),
                                        QStringLiteral(" Enter nomimal pipe size of test coupon recorded on PQR ")};
    r.writes.lblWMthickness = LabelText{};
    r.writes.flashNotesVisible = nps > 0;
    if (nps > byUnit(state.mmUnits, 1, 25))
        r.writes.txtTest1 = txtFWTest1();
    else
        r.writes.txtTest1 = nps == 0 ? QString() : txtFWTest0();
    r.T = T;
    r.t = t;
    return r;
}

}  // namespace varnel::calculator
