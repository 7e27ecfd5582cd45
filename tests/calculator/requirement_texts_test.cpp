#include "calculator/requirement_texts.h"
#include "calculator_fixtures.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

using namespace varnel::calculator;

namespace {

// The lines of a text that ends with a line break, without the empty piece after the last one.
QStringList linesOf(const QString& text)
{
    EXPECT_TRUE(text.endsWith("\r\n"));
    EXPECT_FALSE(text.contains(QRegularExpression("[^\r]\n|\r[^\n]")));
    QStringList lines = text.split("\r\n");
    lines.removeLast();
    return lines;
}

// Heading, an empty line, then one paragraph per note, each beginning with its number in
// parentheses and two blanks, separated by empty lines, no line over 124 characters.
void expectNotes(const QString& text, const QString& heading, const QStringList& notes)
{
    const QStringList lines = linesOf(text);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], heading);
    EXPECT_EQ(lines[1], "");
    QStringList found;
    bool paragraphStart = true;
    for (const QString& line : lines.mid(2)) {
        EXPECT_LE(line.size(), 124) << line.toStdString();
        if (line.isEmpty()) {
            EXPECT_FALSE(paragraphStart) << "two empty lines in a row";
            paragraphStart = true;
            continue;
        }
        if (paragraphStart) {
            const QRegularExpressionMatch number = QRegularExpression("^\\((\\d+)\\)  \\S").match(line);
            EXPECT_TRUE(number.hasMatch()) << line.toStdString();
            found << "(" + number.captured(1) + ")";
        }
        paragraphStart = false;
    }
    EXPECT_EQ(found, notes);
}

}  // namespace

TEST(RequirementTexts, OverlayNotesKeepTheirHeadingsNumbersAndLayout)
{
    expectNotes(txtCroTest(),
                "TEST SPECIMENS FOR CORROSION-RESISTANT OVERLAYS    QW-453  Notes:  (1), (4), (5) and (9)",
                {"(1)", "(4)", "(5)", "(9)"});
    expectNotes(txtHfoTest(),
                "TEST SPECIMENS FOR HARD-FACING (WEAR-RESISTANT) OVERLAYS    QW-453  Notes:  (2), (3), (7) , (8) and (9)",
                {"(2)", "(3)", "(7)", "(8)", "(9)"});
}

TEST(RequirementTexts, FixedListsLineByLine)
{
    EXPECT_EQ(linesOf(txtStudTest()).size(), 5);
    EXPECT_EQ(txtStudTest().count(u'$'), 1);
    const QStringList fw0 = linesOf(txtFWTest0());
    EXPECT_EQ(fw0.size(), 7);
    EXPECT_EQ(fw0[3], "");
    const QStringList fw1 = linesOf(txtFWTest1());
    EXPECT_EQ(fw1.size(), 9);
    EXPECT_EQ(fw1[1], "- Two (2) reduced section tension specimens shall be prepared in accordance with QW-462.1(b) "
                      "or QW-462.1(c) from ");
    EXPECT_EQ(fw1[4], " ");
    EXPECT_EQ(fw1[8], " ");

    const QStringList fillet = linesOf(txtFilletTest());
    EXPECT_EQ(fillet.size(), 21);
    for (const char* line : {"PRODUCTION ASSEMBLY MOCKUPS ",
                             "- Pipe-to-pipe fillet weld test per QW-462.4(d) - Four (4) macros are required.",
                             "REQUIREMENTS FOR P-NUMBER 11A GROUP 3, 4, 5 AND P-NUMBER 11B FILLET WELDS"})
        EXPECT_TRUE(fillet.contains(line)) << line;
}
