#include "calculator/qualification_rules.h"
#include "calculator/requirement_texts.h"
#include "calculator/rule_support.h"

namespace varnel::calculator {

namespace {

// A standard stud size: its diameter in inches and the millimetre size that a millimetre diameter
// must equal, the thread text of each series and the test torque in ft-lb of each series for
// carbon-steel and for austenitic stainless studs. Texts are shown as they stand here.
struct StudSize {
    double inches;
    double millimetres;
    const char* unfThread;
    const char* uncThread;
    const char* unfCarbon;
    const char* unfAustenitic;
    const char* uncCarbon;
    const char* uncAustenitic;
};

constexpr StudSize studSizes[] = {
    {0.25, 6.4, " 28 UNF ", " 20 UNC ", "5.0", "4.5", "4.2", "4.0"},
    {0.3125, 7.9, " 24 UNF ", " 18 UNC ", "9.5", "9.0", "8.6", "8.0"},
    {0.375, 9.5, " 24 UNF ", " 16 UNC ", "17", "16.5", "15", "14.5"},
    {0.4375, 11.1, " 20 UNF ", " 14 UNC ", "27", "26.0", "24", "23.0"},
    {0.5, 12.7, " 20 UNF ", " 13 UNC ", "42", "40.0", "37", "35.5"},
    {0.5625, 14.3, " 18 UNF ", " 12 UNC ", "60", "57.0", "54", "52.0"},
    {0.625, 15.9, " 18 UNF ", " 11 UNC ", "84", "80.00", "74", "71.00"},
    {0.75, 19.0, " 16 UNF ", " 10 UNC ", "147", "140.00", "132", "125.00"},
    {0.875, 22.2, " 14 UNF ", "  9 UNC ", "234", "223.00", "212", "202.00"},
    {1.0, 25.4, " 12 UNF ", "  8 UNC ", "348", "339.00", "318", "303.00"},
};

// The row whose size equals the diameter exactly, in the unit chosen.
const StudSize* findStudSize(double D, bool mmUnits)
{
    for (const StudSize& size : studSizes)
        if ((mmUnits ? size.millimetres : size.inches) == D)
            return &size;
    return nullptr;
}

struct ThreadAndTorque {
    QString thread;
    QString torque;  // ft-lb, empty when no row applies
};

ThreadAndTorque lookUpStud(const CalculatorState& state, double D)
{
    if (state.threadSeries == ThreadSeries::none || state.optStud == StudMaterial::other)
        return {};
    const StudSize* size = findStudSize(D, state.mmUnits);
    if (!size)
        return {};
    const bool carbon = state.optStud == StudMaterial::carbonSteel;
    if (state.threadSeries == ThreadSeries::unf)
        return {QString::fromLatin1(size->unfThread), QString::fromLatin1(carbon ? size->unfCarbon : size->unfAustenitic)};
    return {QString::fromLatin1(size->uncThread), QString::fromLatin1(carbon ? size->uncCarbon : size->uncAustenitic)};
}

QString minimumTensileStrength(StudMaterial material)
{
    switch (material) {
    case StudMaterial::carbonSteel:
        return QStringLiteral("35,000 psi (241 MPa)");
    case StudMaterial::austeniticStainless:
        return QStringLiteral("30,000 psi (207 MPa)");
    case StudMaterial::other:
        break;
    }
    return QStringLiteral("1/2 of the minimum specified tensile strength of the stud material");
}

}  // namespace

RuleResult calcStudRange(const CalculatorState& state, double T, double t)
{
    RuleResult r;
    roundInputs(state, T, t);
    const double D = t;
    r.MinT = r.MaxT = QStringLiteral("Unlimited");
    r.Mint = r.Maxt = numberText(D);

    const ThreadAndTorque stud = lookUpStud(state, D);
    QString torqueLine;
    if (stud.torque.isEmpty()) {
        r.writes.lblStudSize = QString();
    } else {
        // The torque is given in ft-lb whatever the unit, with joules beside it.
        const QString joules = vb::Format(vb::Val(stud.torque) * 1.36, QStringLiteral("0.0"));
        torqueLine = stud.torque + QStringLiteral(" ft-lb ( ") + joules + QStringLiteral(" J ) ");
        r.writes.lblStudSize = QStringLiteral("Threads per inch: ") + stud.thread;
    }

    const bool macroExam = state.optStudPlate == StudPlate::other && !state.chkParam[param::shortCircuiting].value;
    QString tests = txtStudTest();
    const auto torqueAt = tests.indexOf(QLatin1String("torque"), 0, Qt::CaseSensitive);
    if (torqueAt >= 0)
        tests.insert(torqueAt, torqueLine);
    const auto placeholder = tests.indexOf(u'$');
    if (placeholder >= 0)
        tests.replace(placeholder, 1, minimumTensileStrength(state.optStud));
    if (macroExam)
        tests += QStringLiteral("- Five (5) additional stud welds require macro-exam (at x10 magnification).");
    r.writes.txtTest1 = D == 0 ? QString() : tests;

    r.writes.lblBMthickness = baseMetalCouponLabel();
    r.writes.lblWMthickness = LabelText{QStringLiteral("Nominal Diameter D of stud tested"),
                                        QStringLiteral(" Enter nominal size (diameter) of the stud from PQR. ")};
    setColumnHeads(r.writes, "Min T", "Min D", "Max T", "Max D");
    r.T = T;
    r.t = t;
    return r;
}

}  // namespace varnel::calculator
