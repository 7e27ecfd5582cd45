#include "calculator/value_entry.h"
#include "calculator_fixtures.h"

#include <gtest/gtest.h>

using namespace varnel::calculator;
using varnel::calculator::testing::in;
using varnel::calculator::testing::mm;

namespace {

// A key typed into `text`; the caret is at the end unless a selection or caret is given.
struct KeyCase {
    bool mmUnits;
    const char* text;
    char key;
    bool accepted;
    int selStart = -1;  // -1: caret at the end
    int selLength = 0;
};

void expectKeys(const std::vector<KeyCase>& cases)
{
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        const int start = c.selStart < 0 ? static_cast<int>(text.size()) : c.selStart;
        EXPECT_EQ(validateText(text, start, c.selLength, c.key, c.mmUnits), c.accepted)
            << '"' << c.text << "\" key '" << c.key << "' at " << start << '+' << c.selLength << ' '
            << varnel::calculator::testing::unitName(c.mmUnits);
    }
}

}  // namespace

TEST(ValidateText, CharactersAndSeparators)
{
    expectKeys({
        {in, "", '5', true},     {in, "", '.', true},     {in, "", '-', false},    {in, "", '/', false},
        {in, "1", '\'', false},  {in, "1", '%', false},   {in, "1", 'a', false},   {in, "1", ' ', false},
        {in, "1", 8, true},      {in, "1", 13, true},     {in, "", 8, true},
        // Each separator once, unless the one there is selected.
        {in, "1.5", '.', false}, {in, "1.5", '.', false, 2, 1}, {in, "1.5", '.', true, 1, 2},
        {in, "1-3", '/', true},  {in, "1-3/8", '-', false}, {in, "3/8", '/', false},
        // No two separators in a row.
        {in, "1.", '-', false},  {in, "1-", '/', false},  {in, "1-", '.', false},   {in, "3/", '.', false},
        // Fractions: inches only, never first, the whole number before the fraction.
        {in, "1", '-', true},    {in, "3", '/', true},    {in, "3/8", '-', false},
        {mm, "3", '/', false},   {mm, "3", '-', false},   {mm, "3", '.', true},
        {in, "25", '-', false, 0, 2}, {in, "25", '/', false, 0, 2},
    });
}

TEST(ValidateText, TypedCharacterByCharacter)
{
    for (const char* value : {"1-3/8", "3/8", "12.5", "30", "2-63/64", "29-1/2", ".5"}) {
        QString text;
        for (const char* key = value; *key; ++key) {
            EXPECT_TRUE(validateText(text, static_cast<int>(text.size()), 0, *key, false)) << value << " at " << *key;
            text += QLatin1Char(*key);
        }
    }
}

TEST(ValidateText, LimitOf30InchesAnd762Millimetres)
{
    expectKeys({
        {in, "3", '1', false},   {in, "3", '0', true},    {in, "30", '.', true},   {in, "30.", '5', false},
        {in, "30.", '0', true},  {in, "29.9999", '9', true}, {in, "30.0000", '1', false}, {in, "29-63/6", '4', true},
        {in, "30-1/", '2', false}, {in, "25", '9', true, 0, 2},
        {mm, "76", '2', true},   {mm, "762", '0', false}, {mm, "761.9", '9', true}, {mm, "762.", '1', false},
        {mm, "762.", '0', true}, {mm, "76", '3', false},
        // Four decimals decide in millimetres.
        {mm, "762.0000", '1', true}, {mm, "762.0000", '5', false},
    });
}

TEST(ValidateText, KeysAreJudgedWhereTheCaretStands)
{
    expectKeys({
        // Typed in front, 9 would make 90.5: refused. Appended it would have been 0.59.
        {in, "0.5", '9', false, 0},
        // 1 in front of 5 makes 15: accepted, although 51 would be over the limit.
        {in, "5", '1', true, 0},
        {in, "25", '1', false, 0},     {in, "76", '7', false, 1},
        {mm, "62", '7', true, 0},      {mm, "62", '8', false, 0},
        // A hyphen or slash never starts the value, and no separator lands next to another.
        {in, "38", '/', false, 0},     {in, "38", '-', false, 0},
        {in, "1.5", '-', false, 1},    {in, "1-3/8", '.', false, 2},
        {in, "13/8", '-', true, 1},    {in, "3-8", '/', false, 1},
        // The whole number comes before the fraction wherever the key goes.
        {in, "12-3", '/', false, 1},   {in, "3/8", '-', false, 2},
        // Replacing a selection in the middle.
        {in, "1.25", '7', true, 2, 1}, {in, "12.5", '9', false, 0, 1},
    });
}

TEST(ValidateText, OutOfRangeSelectionIsClampedToTheText)
{
    EXPECT_TRUE(validateText("12", 10, 5, '.', false));
    EXPECT_FALSE(validateText("12", -3, -1, '9', false));   // 912
}

TEST(AcceptsEdit, PastedTextPassesTheFilterAsIfTyped)
{
    const struct {
        bool mmUnits;
        const char* before;
        const char* after;
        bool accepted;
    } cases[] = {
        // Pasted into an empty box, or over the whole text.
        {in, "", "1-3/8", true},     {in, "3", "12.5", true},     {in, "", "3/8", true},
        {in, "", "1e3", false},      // an exponent: 1000 in
        {in, "", "0-3/-4", false},   // a second hyphen: -0.75 in
        {in, "", "35", false},       {in, "", "-3/8", false},     {in, "", "1/2/3", false},
        {in, "", " 5", false},       {in, "", "5\t", false},      {in, "", "1\b", false},
        // Pasted into the middle, where the characters around count.
        {in, "1-", "1-3/8", true},   {in, "2", "2.75", true},     {in, "1.5", "1.5.5", false},
        {in, "38", "3/8", true},     {in, "3/8", "1-3/8", true},  {in, "3/8", "3/8-1", false},
        {mm, "", "762", true},       {mm, "", "762.5", false},    {mm, "", "1/2", false},
        // Deleting may break the form, never the limit.
        {in, "12", "2", true},       {in, "1-3/8", "1-/8", true}, {in, "1-3/8", "-3/8", true},
        {in, "3.5", "35", false},    {in, "1/64", "164", false},  {mm, "76.2", "762", true},
        {mm, "76.25", "7625", false}, {in, "25", "", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(acceptsEdit(QString::fromLatin1(c.before), QString::fromLatin1(c.after), c.mmUnits), c.accepted)
            << '"' << c.before << "\" -> \"" << c.after << "\" " << varnel::calculator::testing::unitName(c.mmUnits);
}
