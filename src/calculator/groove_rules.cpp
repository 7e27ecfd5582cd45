#include "calculator/process_choice.h"
#include "calculator/qualification_rules.h"
#include "calculator/rule_support.h"

namespace varnel::calculator {

namespace {

const QString twoTensiles = QStringLiteral("Two (2) sets of tensiles are required.");
const QString faceAndRootBends = QStringLiteral("Two (2) face bends and two (2) root bends are required.");
const QString sideBendsMayReplace =
    QStringLiteral("Four (4) side bends may be substituted for the required face- and root-bend tests.");
const QString fourSideBends = QStringLiteral("Four (4) side bends are required.");
const QString multipleSpecimens = QStringLiteral("Multiple specimens per QW-151 (.1,.2,.3) may be used.");
const QString charpyTests = QStringLiteral(
    "Charpy V-notch impact tests (ASME SA-370) shall be made when required by other Sections of the ASME code.");
const QString dropWeightTests = QStringLiteral(
    "Drop weight tests (ASTM E208) shall be made when required by other Sections of the ASME code.");

}  // namespace

QString setGrooveTests(const CalculatorState& state, double T)
{
    using enum QualificationType;
    const bool mm = state.mmUnits;
    QString text = T == 0 ? QString() : twoTensiles + lineBreak + faceAndRootBends;
    if (isSelected(state, grooveTransverse) || isSelected(state, friction) || isSelected(state, frictionStir)) {
        if (T >= byUnit(mm, 0.375, 10) && T < byUnit(mm, 0.75, 19))
            text = twoTensiles + lineBreak + faceAndRootBends + lineBreak + sideBendsMayReplace;
        else if (T >= byUnit(mm, 0.75, 19) && T <= byUnit(mm, 1, 25))
            text = twoTensiles + lineBreak + fourSideBends;
        else if (T > byUnit(mm, 1, 25))
            text = twoTensiles + QStringLiteral("  ") + multipleSpecimens + lineBreak + fourSideBends;
    }
    if (state.chkParam[param::impactTesting].value)
        text += lineBreak + lineBreak + charpyTests + lineBreak + dropWeightTests;
    return text;
}

// The steps run in a fixed order and a later step overwrites what an earlier one wrote.
RuleResult calcGrooveRange(const CalculatorState& state, double T, double t)
{
    using enum QualificationType;
    const bool mm = state.mmUnits;
    const bool transverse = isSelected(state, grooveTransverse);
    const bool longitudinal = isSelected(state, grooveLongitudinal);
    const auto ticked = [&](int box) { return state.chkParam[box].value; };
    const auto inList = [&](const char* list) { return processInList(state.processAbbr, QString::fromLatin1(list)); };
    const double halfInch = byUnit(mm, 0.5, 13);

    RuleResult r;
    roundInputs(state, T, t);

    // The root-deposit box is offered for the listed processes on coupons of 1/2 in and over.
    ParamBox rootDeposit = state.chkParam[param::rootDepositOnly];
    if (transverse || longitudinal) {
        rootDeposit.enabled = inList("GTAW SMAW GMAW FCAW PAW SAW");
        if (T < halfInch && rootDeposit.enabled)
            rootDeposit = {false, false};
    }
    r.writes.rootDepositBox = rootDeposit;

    r.MinT = byUnit(mm, "3/16", "5");
    r.Mint = QStringLiteral("Unlimited");
    r.MaxT = numberText(2 * T);
    r.Maxt = numberText(2 * t);
    r.writes.lblBMfillet = QStringLiteral("Unlimited");
    r.writes.lblWMfillet = QStringLiteral("Unlimited");
    r.writes.txtTest1 = setGrooveTests(state, T);

    if (T < byUnit(mm, 0.0625, 1.5))
        r.MinT = numberText(T);
    else if (T <= byUnit(mm, 0.375, 10))
        r.MinT = byUnit(mm, "0.0625", "1.5");

    if (transverse) {
        if (T >= byUnit(mm, 0.75, 19) && T < byUnit(mm, 1.5, 38) && t >= byUnit(mm, 0.75, 19))
            r.Maxt = numberText(2 * T);
        if (inList("SMAW SAW GTAW PAW GMAW FCAW") && T >= byUnit(mm, 1.5, 38))
            r.MaxT = byUnit(mm, "8", "200");
        if (T > byUnit(mm, 6.015, 150.376))
            r.MaxT = numberText(1.33 * T);
        if (t >= byUnit(mm, 0.75, 19))
            r.Maxt = r.MaxT;
    }

    if (rootDeposit.value && T >= halfInch) {
        r.Maxt = numberText(2 * t);
        r.MaxT = QStringLiteral("WPS limit");
    }

    if (ticked(param::pwhtAboveUpper) || ticked(param::passOverHalfInch)) {
        r.MaxT = numberText(1.1 * T);
        if (longitudinal)
            r.Maxt = numberText(1.1 * t);
    }

    if (ticked(param::shortCircuiting)) {
        if (T < halfInch)
            r.MaxT = numberText(1.1 * T);
        if (t < halfInch)
            r.Maxt = numberText(1.1 * t);
    }

    // Impact testing: both thickness tests are on T, also for the weld metal.
    if (ticked(param::impactTesting) && !inList("ESW STUD") && !ticked(param::pwhtAboveUpper)) {
        r.MinT = byUnit(mm, "0.625", "16");
        if (longitudinal)
            r.Mint = byUnit(mm, "0.625", "16");
        if (T < byUnit(mm, 0.625, 16)) {
            r.MinT = numberText(T);
            if (longitudinal)
                r.Mint = numberText(t);
        }
        if (T < byUnit(mm, 0.25, 6)) {
            r.MinT = numberText(0.5 * T);
            if (longitudinal)
                r.Mint = numberText(0.5 * t);
        }
    }

    if (inList("EBW LBW")) {
        const double inch = byUnit(mm, 1, 25);
        const bool measured = ticked(param::penetrationMeasured);
        const auto lower = [&](double v) { return v * (measured ? (v <= inch ? 0.8 : 0.9) : (v <= inch ? 0.9 : 0.95)); };
        const auto upper = [&](double v) { return v * (measured ? (v <= inch ? 1.2 : 1.1) : (v <= inch ? 1.1 : 1.05)); };
        r.MinT = numberText(lower(T));
        r.MaxT = numberText(upper(T));
        if (longitudinal) {
            r.Mint = numberText(lower(t));
            r.Maxt = numberText(upper(t));
        }
    }

    if (inList("OFW")) {
        r.MaxT = numberText(T);
        if (longitudinal)
            r.Maxt = numberText(t);
    }

    if (inList("TBW")) {
        r.MaxT = numberText(T);
        if (T <= byUnit(mm, 0.25, 6))
            r.MaxT = numberText(2 * T);
        if (T >= byUnit(mm, 1.5, 38))
            r.MaxT = QStringLiteral("Unlimited");
    }

    if (T == 0)
        r.writes.txtTest1 = QString();

    r.writes.lblBMthickness = baseMetalCouponLabel();
    r.writes.lblWMthickness = LabelText{QStringLiteral("Deposited Weld Metal thickness t"),
                                        QStringLiteral(" Enter deposited weld metal thickness t from PQR. ")};
    r.writes.chkFullThicknessToolTip =
        QStringLiteral(" Check if weld deposit thickness using one process is equal to the base metal thickness. ");
    setColumnHeads(r.writes, "Min T", "Min t", "Max T", "Max t");
    r.T = T;
    r.t = t;
    return r;
}

}  // namespace varnel::calculator
