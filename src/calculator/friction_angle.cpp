#include "calculator/friction_angle.h"

#include "platform/vb.h"

#include <algorithm>
#include <cmath>

namespace varnel::calculator {

namespace {

constexpr double pi = 3.14159265358979;
// The axis line at design: from (870, 1050) up to (870, 240) twips.
constexpr double axisX1 = 870;
constexpr double axisY1 = 1050;
constexpr double axisY2 = 240;

}  // namespace

QString frictionAngleText(int degrees) { return QString::number(degrees) + QStringLiteral("°"); }

FrictionAngleView frictionAngle(const QString& txtFrwAngle)
{
    const double degrees = vb::Val(txtFrwAngle);  // the degree sign ends the number
    const double radians = degrees * pi / 180;
    FrictionAngleView view;
    view.Line1X2 = (axisY2 - axisY1) / std::tan(-radians) + axisX1;
    view.lblAxis0Left = view.Line1X2 + 100;
    const double low = degrees * 0.9;
    const double high = std::min(degrees * 1.1, 90.0);
    view.lblAxis1 = QStringLiteral("qualifies  ") + vb::Format(low, QStringLiteral("0")) + QStringLiteral("° - ")
                    + vb::Format(high, QStringLiteral("0")) + QStringLiteral("°  range");
    return view;
}

}  // namespace varnel::calculator
