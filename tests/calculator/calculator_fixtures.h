#pragma once
// States for the calculator rule tests.

#include "calculator/calculator_state.h"

#include <QString>
#include <initializer_list>
#include <ostream>

// Lets the test framework show texts in its messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace varnel::calculator::testing {

inline CalculatorState stateFor(QualificationType type, const char* process = "", bool mmUnits = false)
{
    CalculatorState state;
    state.opt = type;
    state.processAbbr = QString::fromLatin1(process);
    state.mmUnits = mmUnits;
    return state;
}

inline CalculatorState withBoxes(CalculatorState state, std::initializer_list<int> ticked)
{
    for (int box : ticked)
        state.chkParam[box].value = true;
    return state;
}

inline const char* unitName(bool mmUnits) { return mmUnits ? "mm" : "in"; }

// Short names for the tables' units and groove types.
constexpr bool in = false;
constexpr bool mm = true;
constexpr auto T0 = QualificationType::grooveTransverse;
constexpr auto L1 = QualificationType::grooveLongitudinal;

}  // namespace varnel::calculator::testing
