// The interpretations browser's rules without a window: the start string, the search SQL, the
// age of the database, header words and the navigation buttons.

#include "interpretations/interpretation_query.h"
#include "interpretations/interpretation_rules.h"
#include "interpretations/start_string.h"
#include "platform/dao/dao.h"

#include <gtest/gtest.h>

using namespace varnel;

TEST(StartString, TakesEachKeywordWithOrWithoutItsBlank)
{
    const struct {
        const char* query;
        const char* section;
        const char* paragraph;
        const char* text;
        const char* condition;
    } cases[] = {
        // The main window's string: the paragraph is last, closed by the blank added behind it.
        {"SECT INT09 PARA QW-200", "INT09", "QW-200", "", ""},
        {"PARA QW-451.1 SECT INT09", "INT09", "QW-451.1", "", ""},
        {"TEXT {impact  tests } COND or", "", "", "impact  tests", "or"},
        {"TEXT{base metal}", "", "", "base metal", ""},
        {"TEXT {no closing brace COND OR", "", "", "", "OR"},
        {"SECTINT11 PARAQW-290", "INT11", "QW-290", "", ""},
        // The form with the blank wins; its value ends at the next blank, here at once.
        {"SECT  INT09 SECTINT11", "", "", "", ""},
        // Only the first occurrence counts; keywords are case-sensitive.
        {"PARA QW-1 PARA QW-2 sect INT10", "", "QW-1", "", ""},
        {"", "", "", "", ""},
    };
    for (const auto& c : cases) {
        const StartString start = parseStartString(QString::fromLatin1(c.query));
        EXPECT_EQ(start.section, QLatin1String(c.section)) << c.query;
        EXPECT_EQ(start.paragraph, QLatin1String(c.paragraph)) << c.query;
        EXPECT_EQ(start.text, QLatin1String(c.text)) << c.query;
        EXPECT_EQ(start.condition, QLatin1String(c.condition)) << c.query;
    }
}

TEST(StartString, SectionNumberIsTheLeadingNumberAfterTheTablePrefix)
{
    EXPECT_EQ(sectionNumberText(QStringLiteral("INT09")), QStringLiteral("9"));
    EXPECT_EQ(sectionNumberText(QStringLiteral("INT31")), QStringLiteral("31"));
    EXPECT_EQ(sectionNumberText(QStringLiteral("INT00")), QStringLiteral("0"));
    EXPECT_EQ(sectionNumberText(QStringLiteral("INTX1")), QStringLiteral("0"));
    EXPECT_EQ(sectionNumberText(QStringLiteral("INT123456789012345678901")), QStringLiteral("123456789012345678901"));
}

TEST(SearchQuery, BuildsEachCombinationOfParagraphAndWords)
{
    InterpretationSearch search;
    search.sectionTable = QStringLiteral("INT09");
    EXPECT_EQ(interpretationSearchQuery(search), QStringLiteral("SELECT DISTINCT [INTER_STR] FROM [INX09] ORDER BY [INTER_STR]"));

    search.paragraph = QStringLiteral("QW-200.1");
    EXPECT_EQ(interpretationSearchQuery(search),
              QStringLiteral("SELECT DISTINCT [INTER_STR] FROM [INX09] WHERE [Reference] = \"QW-200.1\" ORDER BY [INTER_STR]"));

    search.words = QStringLiteral("weld gas ");
    EXPECT_EQ(interpretationSearchQuery(search),
              QStringLiteral("SELECT DISTINCT [INTER_STR] FROM [INX09] WHERE [Reference] = \"QW-200.1\" AND [INTER_STR] IN "
                             "(SELECT [INTER_STR] FROM [INT09] WHERE [INTER_TEXT] LIKE \"*weld*\" AND [INTER_TEXT] LIKE "
                             "\"*gas*\") ORDER BY [INTER_STR]"));

    search.paragraph.clear();
    search.option = SearchOption::Or;
    search.words = QStringLiteral(" a  b");
    EXPECT_EQ(interpretationSearchQuery(search),
              QStringLiteral("SELECT DISTINCT [INTER_STR] FROM [INT09] WHERE ( [INTER_TEXT] LIKE \"*a*\" OR [INTER_TEXT] LIKE "
                             "\"*b*\") ORDER BY [INTER_STR]"));
    search.words = QStringLiteral("  ");
    EXPECT_EQ(interpretationSearchQuery(search), QStringLiteral("SELECT DISTINCT [INTER_STR] FROM [INX09] ORDER BY [INTER_STR]"));

    search.option = SearchOption::Phrase;
    search.words = QStringLiteral("base metal ");
    EXPECT_EQ(interpretationSearchQuery(search),
              QStringLiteral("SELECT DISTINCT [INTER_STR] FROM [INT09] WHERE [INTER_TEXT] LIKE \"*base metal *\" ORDER BY [INTER_STR]"));
}

TEST(SearchQuery, TextFromBoxesAndRowsCannotLeaveItsLiteral)
{
    InterpretationSearch search;
    search.sectionTable = QStringLiteral("INT09");
    search.paragraph = QStringLiteral("QW\" OR \"1\"=\"1");
    search.words = QStringLiteral("it\"s");
    const QString query = interpretationSearchQuery(search);
    EXPECT_TRUE(query.contains(QStringLiteral("[Reference] = \"QW\"\" OR \"\"1\"\"=\"\"1\""))) << query.toStdString();
    EXPECT_TRUE(query.contains(QStringLiteral("LIKE \"*it\"\"s*\""))) << query.toStdString();

    EXPECT_EQ(interpretationRowQuery(QStringLiteral("INT09"), QStringLiteral("  Sorvik Notice")),
              QStringLiteral("SELECT * FROM [INT09] WHERE [INTER_STR] = \"  Sorvik Notice\""));
    // A table name taken from a row may not close its brackets early.
    for (const char* name : {"INT09] WHERE 1=1 --", "", "IN[T"})
        EXPECT_THROW(interpretationRowQuery(QString::fromLatin1(name), QStringLiteral("x")), dao::Error) << name;
    EXPECT_THROW(sectionListQuery(QString()), dao::Error);
}

TEST(SearchQuery, WordsSplitAtSingleBlanks)
{
    EXPECT_EQ(searchWords(QStringLiteral("a b "), SearchOption::And), QStringList({"a", "b"}));
    EXPECT_EQ(searchWords(QStringLiteral(" a  b"), SearchOption::Or), QStringList({"a", "b"}));
    EXPECT_TRUE(searchWords(QStringLiteral("  "), SearchOption::And).isEmpty());
    EXPECT_EQ(searchWords(QStringLiteral("a b "), SearchOption::Phrase), QStringList({"a b "}));
    EXPECT_TRUE(searchWords(QString(), SearchOption::And).isEmpty());
    EXPECT_EQ(validateText(QStringLiteral("\"QW\"-200")), QStringLiteral("QW-200"));
    EXPECT_EQ(validateText(QStringLiteral("QW-200")), QStringLiteral("QW-200"));
    EXPECT_EQ(indexTableName(QStringLiteral("INT09")), QStringLiteral("INX09"));
}

TEST(DatabaseAge, CountsCalendarMonthBoundaries)
{
    const struct { QDate file, today; int months; bool outOfDate; } cases[] = {
        {{2024, 1, 31}, {2024, 2, 1}, 1, false},
        {{2024, 1, 1}, {2024, 1, 31}, 0, false},
        {{2023, 3, 31}, {2024, 2, 1}, 11, false},
        {{2023, 3, 1}, {2024, 3, 31}, 12, true},
        {{2023, 12, 31}, {2024, 12, 1}, 12, true},
        {{2025, 5, 1}, {2024, 5, 1}, -12, false},  // a file date in the future
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calendarMonthsBetween(c.file, c.today), c.months) << c.file.toString().toStdString();
        EXPECT_EQ(databaseOutOfDate(c.file, c.today), c.outOfDate) << c.file.toString().toStdString();
    }
}

TEST(HeaderWords, FirstCaseSensitiveOccurrenceWithoutItsColon)
{
    const QString text = QStringLiteral("Interpretation: 1\nSubject: a\nSubject: b\ndate issued: x\nFile: f");
    const std::vector<std::pair<int, int>> expected = {{0, 14}, {18, 7}, {55, 4}};
    EXPECT_EQ(headerWordRanges(text), expected);
    EXPECT_TRUE(headerWordRanges(QStringLiteral("no header here")).empty());
}

TEST(Navigation, ButtonStatesFollowTheSelectedRow)
{
    const struct { int rows, selected; bool first, previous, next, last; } cases[] = {
        {0, 0, false, false, false, false},
        {3, 0, true, false, false, true},
        {1, 1, false, false, false, false},
        {5, 1, false, false, true, true},
        {5, 3, true, true, true, true},
        {5, 5, true, true, false, false},
    };
    for (const auto& c : cases) {
        const NavigationStates on = navigationStates(c.rows, c.selected);
        EXPECT_EQ(on.first, c.first) << c.rows << "/" << c.selected;
        EXPECT_EQ(on.previous, c.previous) << c.rows << "/" << c.selected;
        EXPECT_EQ(on.next, c.next) << c.rows << "/" << c.selected;
        EXPECT_EQ(on.last, c.last) << c.rows << "/" << c.selected;
    }
}

TEST(Navigation, PositionsSkipTheNoticePairAlsoWhenItIsAllTheListHolds)
{
    const QString separator = QStringLiteral("    ******************");
    const struct { int rows; const char* second; int selected; const char* position; } cases[] = {
        {2, "    ******************", 2, "n/a"},  // a section that holds only its notice
        {2, "    ******************", 1, "n/a"},
        {5, "    ******************", 3, "1"},
        {5, "    ******************", 5, "3"},
        {3, "IX-07-02", 2, "2"},
        {2, "IX-07-02", 2, "2"},
        {3, "IX-07-02", 0, "n/a"},
    };
    for (const auto& c : cases) {
        const QString second = QString::fromLatin1(c.second);
        EXPECT_EQ(positionCaption(c.selected, positionOffset(c.rows, second)), QLatin1String(c.position))
            << c.rows << "/" << c.selected;
        EXPECT_EQ(startsWithNoticePair(c.rows, second), second == separator) << c.rows << "/" << c.selected;
    }
}
