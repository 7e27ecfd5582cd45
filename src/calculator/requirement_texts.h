#pragma once
// The fixed requirement texts of the calculator window (the design texts of its hidden boxes).
// Lines are separated by carriage return and line feed, and each text ends with one.

#include <QString>

namespace varnel::calculator {

QString txtFilletTest();   // alternative tests for nonpressure-retaining fillet welds
QString txtCroTest();      // corrosion-resistant overlay test specimens
QString txtHfoTest();      // hard-facing overlay test specimens
QString txtStudTest();     // the ten stud-weld tests; "$" marks the tensile strength
QString txtFWTest0();      // flash welding, sizes up to 1 in | 25 mm
QString txtFWTest1();      // flash welding, larger sizes

}  // namespace varnel::calculator
