#pragma once
// The qualification rules: from the two values of the calculator (T and t, or what the type uses
// in their place) each gives the four range texts Min T, Min t, Max T and Max t, the required tests
// and the captions its type needs. Every threshold has an inch value and a millimetre value of its
// own; the rules compare in the unit chosen and never convert.

#include "calculator/calculator_state.h"

#include <QString>

namespace varnel::calculator {

// Required tension, bend and impact tests of a groove weld of coupon thickness T.
QString setGrooveTests(const CalculatorState& state, double T);

// Groove welds with transverse or longitudinal bends: T coupon thickness, t deposited weld metal.
RuleResult calcGrooveRange(const CalculatorState& state, double T, double t);

// Corrosion-resistant and hard-facing overlays: T coupon thickness, t overlay thickness.
RuleResult calcOverlayRange(const CalculatorState& state, double T, double t);

// Resistance welding: T thicker sheet, t thinner sheet.
RuleResult calcResistanceRange(const CalculatorState& state, double T, double t);

// Friction stir welding: T coupon thickness; t is not used.
RuleResult calcFrictionStirRange(const CalculatorState& state, double T, double t);

// Friction welding: T outside diameter D of the weld interface, t wall of a tubular section.
RuleResult calcFrictionRange(const CalculatorState& state, double T, double t);

// Flash welding: T nominal pipe size, t wall thickness.
RuleResult calcFlashRange(const CalculatorState& state, double T, double t);

// Area of a round weld interface of outside diameter D: the full circle for a solid joint, else the
// ring of the given wall. A wall over D / 2 leaves no bore, so the area never exceeds the circle's.
double interfaceArea(double D, double wall, bool solid);

// Stud welding: T base-metal thickness, t nominal stud diameter D.
RuleResult calcStudRange(const CalculatorState& state, double T, double t);

}  // namespace varnel::calculator
