#include "calculator/thickness_text.h"
#include "calculator_fixtures.h"

#include <gtest/gtest.h>

using namespace varnel::calculator;

TEST(CalcVal, ReadsDecimalsFractionsAndMixedNumbers)
{
    const struct { const char* text; double expected; } cases[] = {
        {"1-3/8", 1.375}, {"3/8", 0.375}, {"12.5", 12.5}, {" 1- 3/ 8", 1.375}, {" 3/ 8", 0.375},
        {"1-", 1}, {"3/", 0}, {"1-3/", 1}, {"3/0", 0}, {"1-3/0", 1}, {"", 0}, {"Unlimited", 0}, {"WPS limit", 0},
        {"-5", 0}, {"-3/8", 0.375}, {"2.00000", 2}, {"1.37402", 1.37402}, {"762", 762},
        // A mixed number only counts with the whole number first.
        {"3/8-1", 3},
        // An exponent cannot be written back: the hyphen starts a fraction.
        {"5E-05", 5},
        // A part that overflows is dropped rather than giving an infinite value.
        {"1E300/1E300000", 0}, {"1E300/1E-300", 1e300}, {"1E308-1E308/1", 1e308},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(calcVal(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(NumToFraction, WritesSixtyFourthsOrCoarserWithBlanks)
{
    const struct { double value; const char* expected; } cases[] = {
        {0.375, " 3/ 8"}, {1.375, " 1- 3/ 8"}, {0.015625, " 1/ 64"}, {0.5, " 1/ 2"}, {2.75, " 2- 3/ 4"},
        {0.0625, " 1/ 16"}, {29.984375, " 29- 63/ 64"},
        // Not a multiple of 1/64: the decimal text stays.
        {0.1, "0.1"}, {0.2, "0.2"}, {1.0 / 3, "0.333333333333333"}, {0.3375, "0.3375"}, {0.0078125, "0.0078125"},
        {2, "2"}, {0, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numToFraction(c.value), QString::fromLatin1(c.expected)) << c.value;
}

TEST(NumToFraction, TextsThatAreNoDecimalMultipleComeBackUnchanged)
{
    for (const char* text : {"2.00000", "Unlimited", "WPS limit", "3/16", " 1/ 16", "", "1.37402", "0.12340"})
        EXPECT_EQ(numToFraction(QString::fromLatin1(text)), QString::fromLatin1(text)) << text;
    EXPECT_EQ(numToFraction(QStringLiteral("0.37500")), " 3/ 8");
    EXPECT_EQ(numToFraction(QStringLiteral("0.0625")), " 1/ 16");
}

TEST(NumToFraction, EveryFractionReadsBackToItsValue)
{
    for (int sixtyFourths = 1; sixtyFourths < 30 * 64; ++sixtyFourths) {
        const double value = sixtyFourths / 64.0;
        const QString text = numToFraction(value);
        EXPECT_EQ(text.contains(u'/'), sixtyFourths % 64 != 0) << value;
        EXPECT_DOUBLE_EQ(calcVal(text), value) << text.toStdString();
    }
}

TEST(FormatStr, OneDecimalInMillimetresFiveInInches)
{
    EXPECT_EQ(formatStr(1.375, false), "1.37500");
    EXPECT_EQ(formatStr(0.375, false), "0.37500");
    EXPECT_EQ(formatStr(2, false), "2.00000");
    EXPECT_EQ(formatStr(12.5, true), "12.5");
    EXPECT_EQ(formatStr(34.925, true), "34.9");
    EXPECT_EQ(formatStr(0.00004, false), "0.00004");
    EXPECT_EQ(formatStr(0, true), "0.0");
}
