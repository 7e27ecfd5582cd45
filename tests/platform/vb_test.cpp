#include "platform/vb.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace vb;

TEST(Val, ReadsTheLeadingNumberAndSkipsBlanks)
{
    const struct { const char* text; double expected; } cases[] = {
        {"", 0}, {"abc", 0}, {"12", 12}, {" 1 2", 12}, {"1 2.5", 12.5}, {"\t3\n4", 34},
        {"12.5mm", 12.5}, {"-3.5", -3.5}, {"+4", 4}, {"1.2.3", 1.2}, {".5", 0.5},
        {"3/8", 3}, {"1-3/8", 1}, {"5E-05", 0.00005}, {"2e3", 2000}, {"5E", 5}, {"5E-", 5},
        {"&H10", 0}, {"- 2", -2}, {"Unlimited", 0}, {"1,5", 1},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Val(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(StringFunctions, InStrIsOneBasedAndCaseSensitive)
{
    EXPECT_EQ(InStr("QW-402.1", "-"), 3);
    EXPECT_EQ(InStr("abc", "B"), 0);
    EXPECT_EQ(InStr("abcabc", "c"), 3);
    EXPECT_EQ(InStr(4, "abcabc", "c"), 6);
    EXPECT_EQ(InStr(7, "abcabc", "c"), 0);
    EXPECT_EQ(InStr("abc", ""), 1);
    EXPECT_EQ(InStr(9, "abc", ""), 0);
}

TEST(StringFunctions, LikeMatchesWildcardsAndSets)
{
    const struct { const char* text; const char* pattern; bool expected; } cases[] = {
        {"1-3/8", "*-*", true},     {"3/8", "*-*", false},     {"", "*", true},
        {"abc", "a?c", true},       {"ac", "a?c", false},      {"a1c", "a#c", true},
        {"abc", "a#c", false},      {"b", "[abc]", true},      {"d", "[abc]", false},
        {"d", "[!abc]", true},      {"m", "[a-z]", true},      {"M", "[a-z]", false},
        {"FW  -  x", "*FW*", true}, {"Corrosion", "*Corros*", true}, {"corrosion", "*Corros*", false},
        {"abc", "ABC", false},      {"a*c", "a[*]c", true},    {"abc", "a[b", false},
        {"xyz", "*z", true},        {"xyzq", "*z", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Like(c.text, c.pattern), c.expected) << c.text << " Like " << c.pattern;
}

TEST(StringFunctions, TrimTouchesBlanksOnly)
{
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim("  a "), "  a");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("   "), "");
}

TEST(StringFunctions, LeftMidRightStayWithinTheText)
{
    EXPECT_EQ(Left("SMAW  -  x", 4), "SMAW");
    EXPECT_EQ(Left("ab", 5), "ab");
    EXPECT_EQ(Left("ab", 0), "");
    EXPECT_EQ(Right("qel0709.mdb", 4), ".mdb");
    EXPECT_EQ(Mid("qel0709.mdb", 4, 2), "07");
    EXPECT_EQ(Mid("qel0709.mdb", 6, 2), "09");
    EXPECT_EQ(Mid("abc", 2), "bc");
    EXPECT_EQ(Mid("abc", 4), "");
    EXPECT_EQ(Mid("abc", 0, 2), "");
    EXPECT_EQ(UCase("Groove"), "GROOVE");
    EXPECT_EQ(UCase("fillet"), "FILLET");  // no dotted capital I on a Turkish desktop
    EXPECT_EQ(LCase("Groove"), "groove");
    EXPECT_EQ(Replace("qel0709.mdb", "qel", ""), "0709.mdb");
    EXPECT_EQ(Replace("a\"b\"", "\"", ""), "ab");
}

TEST(NumberText, CStrHasFifteenDigitsAndNoExponent)
{
    const struct { double value; const char* expected; } cases[] = {
        {0, "0"}, {2, "2"}, {-2, "-2"}, {0.5, "0.5"}, {-0.5, "-0.5"}, {1.375, "1.375"},
        {27.500000000000004, "27.5"}, {0.1 + 0.2, "0.3"}, {0.00005, "0.00005"},
        {1.0 / 3, "0.333333333333333"}, {123456789012345678.0, "123456789012346000"},
        {762, "762"}, {25.4, "25.4"}, {1e-20, "0.00000000000000000001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CStr(c.value), QString::fromLatin1(c.expected)) << c.value;
}

TEST(NumberText, StrPutsABlankBeforeNonNegativeNumbers)
{
    EXPECT_EQ(Str(3), " 3");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(Str(0.5), " 0.5");
}

TEST(NumberText, FormatRoundsHalfAwayFromZero)
{
    const struct { double value; const char* pattern; const char* expected; } cases[] = {
        {12.25, "0.0", "12.3"},   {1.25, "0.0", "1.3"},       {40.5, "0", "41"},
        {41.5, "0", "42"},        {-1.25, "0.0", "-1.3"},     {2.675, "0.00", "2.68"},
        {0.375, "###0.00000", "0.37500"}, {2, "###0.00000", "2.00000"},
        {1.375, "###0.00000", "1.37500"}, {12.5, "0.0", "12.5"}, {0, "0.0", "0.0"},
        {9.96, "0.0", "10.0"},    {0.04, "0.0", "0.0"},       {-0.04, "0.0", "0.0"},
        {3.14159, "0.0000", "3.1416"}, {0.0005, "0.000", "0.001"}, {999.95, "0.0", "1000.0"},
        {12345.678, "###0.00000", "12345.67800"}, {0.9999999, "0", "1"},
        {1234567, "#,###", "1,234,567"}, {-1234, "#,###", "-1,234"}, {999, "#,###", "999"},
    };
    // The one locale-dependent rule: "," in a pattern stands for the locale's group separator.
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.value, c.pattern),
                  QString::fromLatin1(c.expected).replace(u',', QLocale::system().groupSeparator()))
            << c.value << " " << c.pattern;
}

TEST(NumberText, CLngAndIntegerDivisionRoundHalfToEven)
{
    EXPECT_EQ(CLng(2.5), 2);
    EXPECT_EQ(CLng(3.5), 4);
    EXPECT_EQ(CLng(-2.5), -2);
    EXPECT_EQ(CLng(2.51), 3);
    EXPECT_EQ(CLng(1e12), 2147483647);
    EXPECT_EQ(IntDiv(7, 2), 3);
    EXPECT_EQ(IntDiv(7.5, 2), 4);   // 8 \ 2
    EXPECT_EQ(IntDiv(6.5, 2.5), 3); // 6 \ 2
    EXPECT_EQ(IntDiv(5, 0.4), 0);   // divisor rounds to 0: no crash
    EXPECT_EQ(IntDiv(-2147483648.0, -1), 2147483647);  // the quotient beyond the range saturates
    EXPECT_EQ(IntDiv(-2147483648.0, 1), -2147483647 - 1);
}
