#include "calculator/friction_angle.h"
#include "calculator_fixtures.h"

#include <gtest/gtest.h>

using namespace varnel::calculator;

TEST(FrictionAngle, QualifiedRangeAndAxisDrawing)
{
    const struct { int degrees; const char* caption; double axisX2; } cases[] = {
        {90, "qualifies  81° - 90°  range", 870},
        {80, "qualifies  72° - 88°  range", 1012.825},
        {45, "qualifies  41° - 50°  range", 1680},
        {85, "qualifies  77° - 90°  range", 940.866},
        // 110 % stays below 90 up to 81 degrees.
        {81, "qualifies  73° - 89°  range", 998.291},
        {82, "qualifies  74° - 90°  range", 983.838},
    };
    for (const auto& c : cases) {
        const QString text = frictionAngleText(c.degrees);
        EXPECT_EQ(text, QString::number(c.degrees) + QStringLiteral("°"));
        const FrictionAngleView view = frictionAngle(text);
        EXPECT_EQ(view.lblAxis1, QString::fromUtf8(c.caption)) << c.degrees;
        EXPECT_NEAR(view.Line1X2, c.axisX2, 0.001) << c.degrees;
        EXPECT_DOUBLE_EQ(view.lblAxis0Left, view.Line1X2 + 100);
    }
}
