#pragma once
// Small helpers shared by the qualification rules.

#include "calculator/calculator_state.h"
#include "platform/vb.h"

#include <QString>
#include <QStringList>

namespace varnel::calculator {

inline const QString lineBreak = QStringLiteral("\r\n");

// A threshold or fixed value of a rule: each unit has its own value, never a conversion.
inline double byUnit(bool mmUnits, double inches, double millimetres) { return mmUnits ? millimetres : inches; }
inline QString byUnit(bool mmUnits, const char* inches, const char* millimetres)
{
    return QString::fromLatin1(mmUnits ? millimetres : inches);
}

// A computed number as a range text: plain decimal, at most 15 significant digits.
inline QString numberText(double value) { return vb::CStr(value); }

// Millimetre inputs are rounded to five decimals before a rule uses them.
inline double roundedToFiveDecimals(double value) { return vb::Val(vb::Format(value, QStringLiteral("###0.00000"))); }

inline void roundInputs(const CalculatorState& state, double& T, double& t)
{
    if (state.mmUnits) {
        T = roundedToFiveDecimals(T);
        t = roundedToFiveDecimals(t);
    }
}

inline bool isSelected(const CalculatorState& state, QualificationType type) { return state.opt == type; }

inline QString joinLines(const QStringList& lines) { return lines.join(lineBreak); }

inline void setColumnHeads(RuleWrites& writes, const char* minT1, const char* minT2, const char* maxT1,
                           const char* maxT2)
{
    writes.LabelMinT1 = QString::fromLatin1(minT1);
    writes.LabelMinT2 = QString::fromLatin1(minT2);
    writes.LabelMaxT1 = QString::fromLatin1(maxT1);
    writes.LabelMaxT2 = QString::fromLatin1(maxT2);
}

// The label of the first value box for the types whose first value is the coupon thickness T.
inline LabelText baseMetalCouponLabel()
{
    return {QStringLiteral("Base Metal test coupon thickness T"),
            QStringLiteral(" Enter base metal test coupon thickness T from PQR. ")};
}

}  // namespace varnel::calculator
