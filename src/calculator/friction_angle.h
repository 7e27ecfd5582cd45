#pragma once
// The faying-surface angle of friction welding: the angle tested between the faying surface and
// the axis of rotation, its drawing, and the range of angles it qualifies (90 % to 110 %, never
// above 90 degrees). It plays no part in the thickness rules.

#include <QString>

namespace varnel::calculator {

// The text of `txtFrwAngle` for a position of `VScroll1`: the whole degrees and the degree sign.
QString frictionAngleText(int degrees);

// What the angle in the text of `txtFrwAngle` gives: the upper end of the axis line `Line1` (X2,
// twips; its lower end and height stay), the left of the axis label `lblAxis(0)`, and the caption
// of the range label `lblAxis(1)`. The angle comes from the scroll bar, 45 to 90 degrees.
struct FrictionAngleView {
    double Line1X2 = 0;
    double lblAxis0Left = 0;
    QString lblAxis1;
};

FrictionAngleView frictionAngle(const QString& txtFrwAngle);

}  // namespace varnel::calculator
