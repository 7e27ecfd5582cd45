// The old engine's LIKE, one character class at a time and every member of it: # for each digit,
// ? for any one character, ranges at both ends, sets and their negations.

#include "platform/dao/jet_like.h"

#include <gtest/gtest.h>
#include <string>

namespace {

bool like(const char* text, const char* pattern)
{
    const auto compiled = dao::jet::LikePattern::compile(pattern);
    EXPECT_TRUE(compiled.has_value()) << pattern;
    return compiled && compiled->matches(text);
}

}  // namespace

TEST(JetLikeClasses, HashMatchesEachDigitAndNothingElse)
{
    for (char digit = '0'; digit <= '9'; ++digit) {
        const std::string text{'Q', 'W', '-', '4', digit, '3'};
        EXPECT_TRUE(like(text.c_str(), "QW-4#3")) << text;
    }
    // The characters beside the digits in the code table, a letter like a digit, and no character.
    for (const char* text : {"QW-4/3", "QW-4:3", "QW-4O3", "QW-4 3", "QW-4#3", "QW-43"})
        EXPECT_FALSE(like(text, "QW-4#3")) << text;
}

TEST(JetLikeClasses, QuestionMarkMatchesAnyOneCharacter)
{
    const struct {
        const char* text;
        bool matches;
    } cases[] = {
        {"SAW", true},   {"S7W", true},   {"S W", true},       {"S?W", true},
        {"S#W", true},   {"S*W", true},   {"S\xC3\xA9W", true},  // one character of two bytes
        {"SW", false},   {"SAAW", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(like(c.text, "S?W"), c.matches) << c.text;
}

TEST(JetLikeClasses, RangesHoldBothEndsAndWhatLiesBetween)
{
    const struct {
        const char* pattern;
        const char* text;
        bool matches;
    } cases[] = {
        {"[b-d]", "a", false}, {"[b-d]", "b", true}, {"[b-d]", "c", true}, {"[b-d]", "d", true}, {"[b-d]", "e", false},
        {"[b-d]", "B", true},  {"[b-d]", "D", true}, {"[b-d]", "A", false}, {"[b-d]", "E", false},
        {"[B-D]", "b", true},  {"[B-D]", "d", true},
        {"[3-5]", "2", false}, {"[3-5]", "3", true}, {"[3-5]", "4", true}, {"[3-5]", "5", true}, {"[3-5]", "6", false},
        {"[0-9]", "0", true},  {"[0-9]", "9", true},
        {"[a-a]", "a", true},  {"[a-a]", "b", false},
        // Two ranges in one class: each end of each.
        {"[a-cx-z]", "a", true}, {"[a-cx-z]", "c", true}, {"[a-cx-z]", "x", true}, {"[a-cx-z]", "z", true},
        {"[a-cx-z]", "d", false}, {"[a-cx-z]", "w", false},
        // A hyphen at either end of the class is itself.
        {"[-x]", "-", true},   {"[x-]", "-", true},  {"[x-]", "y", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(like(c.text, c.pattern), c.matches) << c.pattern << " / " << c.text;
}

TEST(JetLikeClasses, SetsMatchEachMemberAndNegatedSetsEveryOtherCharacter)
{
    const struct {
        const char* pattern;
        const char* text;
        bool matches;
    } cases[] = {
        {"[xyz]", "x", true},   {"[xyz]", "y", true},   {"[xyz]", "z", true},   {"[xyz]", "w", false},
        {"[!xyz]", "x", false}, {"[!xyz]", "y", false}, {"[!xyz]", "z", false}, {"[!xyz]", "w", true},
        {"[!xyz]", "X", false}, {"[!xyz]", "7", true},
        {"[!b-d]", "a", true},  {"[!b-d]", "b", false}, {"[!b-d]", "c", false}, {"[!b-d]", "d", false},
        {"[!b-d]", "e", true},  {"[!b-d]", "D", false},
        {"[!0-9]", "0", false}, {"[!0-9]", "9", false}, {"[!0-9]", "/", true},  {"[!0-9]", ":", true},
        // A negated class still takes exactly one character.
        {"[!x]", "", false},    {"[!x]", "ab", false},
        // "!" after the first place, and the wildcards inside a class, are members like any other.
        {"[a!]", "!", true},    {"[*?#]", "*", true},   {"[*?#]", "#", true},   {"[*?#]", "5", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(like(c.text, c.pattern), c.matches) << c.pattern << " / " << c.text;
}
