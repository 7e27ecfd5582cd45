#include "browser/paragraph_query.h"

#include <gtest/gtest.h>

using namespace varnel;

namespace {

const QString gf = " for Groove/Fillet welds";

ParagraphSearch search(const QString& process, const QString& category, const QString& words,
                       SearchType type = SearchType::And, bool byProcess = true, bool newLayout = true)
{
    ParagraphSearch s;
    s.processBox = process;
    s.categoryBox = category;
    s.words = words;
    s.type = type;
    s.byProcess = byProcess;
    s.newLayout = newLayout;
    return s;
}

}  // namespace

TEST(CategoryEntries, ProcessesGetTheirCategoriesInTableOrder)
{
    EXPECT_EQ(processEntryText(" SMAW ", "Shielded Metal Arc Welding "), "SMAW  -  Shielded Metal Arc Welding");
    EXPECT_EQ(processEntryText("SMAW", ""), "SMAW  -  ");

    const auto& newer = categoryColumns(true);
    ASSERT_EQ(newer.size(), 9u);
    EXPECT_EQ(newer[0].column, "ESS");
    EXPECT_EQ(categorySuffix(newer[0], false), "  -  Essential Variables" + gf);
    EXPECT_EQ(categorySuffix(newer[0], true), "  -  Essential Variables");
    EXPECT_EQ(categorySuffix(newer[2], false), "  -  Supplementary Essential Variables" + gf);
    EXPECT_EQ(newer[8].column, "CRO_NON");
    EXPECT_EQ(categorySuffix(newer[5], true), "  -  Essential Variables for Hardfacing Spray Fuse");

    const auto& older = categoryColumns(false);
    ASSERT_EQ(older.size(), 5u);
    EXPECT_EQ(older[3].column, "HFO");
    EXPECT_EQ(categorySuffix(older[3], false), "  -  Essential Variables for Hardfacing Overlays");
    EXPECT_EQ(older[4].column, "CRO");
}

TEST(CategoryEntries, EveryEntryIsRecognisedAsItsOwnCategory)
{
    for (bool newLayout : {true, false})
        for (const CategoryColumn& c : categoryColumns(newLayout))
            for (bool special : {false, true})
                EXPECT_EQ(categoryCode("SMAW" + categorySuffix(c, special), newLayout), c.column)
                    << c.column.toStdString() << " new=" << newLayout << " special=" << special;
}

TEST(CategoryEntries, RecognitionIsCaseSensitiveAndLaterPhrasesWin)
{
    EXPECT_EQ(categoryCode("SMAW  -  Supplementary Essential Variables" + gf, true), "SUP");
    EXPECT_EQ(categoryCode("SMAW  -  Nonessential Variables for Hardfacing Overlays", true), "HFO_NON");
    EXPECT_EQ(categoryCode("SMAW  -  Nonessential Variables for Hardfacing Overlays", false), "HFO");
    EXPECT_EQ(categoryCode("SMAW  -  essential variables", true), "");
    EXPECT_EQ(categoryCode("SMAW  -  Ess", true), "");
}

TEST(ParagraphQuery, WordsAreJoinedByTheSearchType)
{
    const QString like = " [var_text] LIKE ";
    const struct { const char* words; SearchType type; QString expected; } cases[] = {
        {"weld rod", SearchType::And,
         "SELECT * FROM variables  WHERE " + like + "\"*weld*\" AND " + like + "\"*rod*\" ORDER BY [order]"},
        {"weld ", SearchType::And, "SELECT * FROM variables  WHERE " + like + "\"*weld*\" ORDER BY [order]"},
        {"a  b", SearchType::And,
         "SELECT * FROM variables  WHERE " + like + "\"*a*\" AND " + like + "\"**\" AND " + like + "\"*b*\" ORDER BY [order]"},
        {"weld", SearchType::Or, "SELECT * FROM variables  WHERE (" + like + "\"*weld*\") ORDER BY [order]"},
        {"weld rod", SearchType::Or,
         "SELECT * FROM variables  WHERE (" + like + "\"*weld*\" OR " + like + "\"*rod*\") ORDER BY [order]"},
        {"heat input", SearchType::Phrase, "SELECT * FROM variables  WHERE" + like + "\"*heat input*\" ORDER BY [order]"},
        {"heat input", SearchType::None, "SELECT * FROM variables  WHERE" + like + "\"*heat input*\" ORDER BY [order]"},
        {"", SearchType::And, "SELECT * FROM variables ORDER BY [order]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(paragraphQuery(search("", "", c.words, c.type, false), {}), c.expected) << c.words;
}

TEST(ParagraphQuery, TheCategoryBoxGivesTheColumnOfProcessAndCategory)
{
    EXPECT_EQ(paragraphQuery(search("SMAW  -  Shielded Metal Arc Welding", "SMAW  -  Essential Variables" + gf, "weld rod"), {}),
              "SELECT * FROM variables  WHERE  [var_text] LIKE \"*weld*\" AND  [var_text] LIKE \"*rod*\""
              " AND  [SMAW_ESS] = TRUE ORDER BY [order]");
    EXPECT_EQ(paragraphQuery(search("SMAW  -  x", "SMAW  -  Supplementary Essential Variables" + gf, ""), {}),
              "SELECT * FROM variables WHERE  [SMAW_SUP] = TRUE ORDER BY [order]");
    EXPECT_EQ(paragraphQuery(search("SMAW  -  x", "SMAW  -  Nonessential Variables for Hardfacing Overlays", "", SearchType::And,
                                    true, false), {}),
              "SELECT * FROM variables WHERE  [SMAW_HFO] = TRUE ORDER BY [order]");
    // A box of six characters or more without a known phrase names no column: the engine refuses it.
    EXPECT_EQ(paragraphQuery(search("SMAW  -  x", "SMAW  -", ""), {}),
              "SELECT * FROM variables WHERE  [SMAW_] = TRUE ORDER BY [order]");
}

TEST(ParagraphQuery, AProcessWithoutCategoryTakesEveryColumnItPrefixes)
{
    const QStringList columns = {"variable", "var_text", "order", "SMAW_ESS", "SMAW_NON", "GTAW_ESS", "SMAW_SUP", "smaw_x"};
    const ParagraphSearch s = search("SMAW  -  Shielded", "", "");
    EXPECT_TRUE(needsProcessColumns(s));
    EXPECT_EQ(paragraphQuery(s, columns),
              "SELECT * FROM variables WHERE (SMAW_ESS = TRUE OR SMAW_NON = TRUE OR SMAW_SUP = TRUE) ORDER BY [order]");
    // A process abbreviation that begins another takes the other's columns as well.
    EXPECT_EQ(paragraphQuery(search("SAW  -  Submerged", "", ""), {"SAW_ESS", "SAWX_ESS"}),
              "SELECT * FROM variables WHERE (SAW_ESS = TRUE OR SAWX_ESS = TRUE) ORDER BY [order]");
}

TEST(ParagraphQuery, BrowsingAllParagraphsIgnoresProcessAndCategory)
{
    const ParagraphSearch s = search("SMAW  -  x", "SMAW  -  Essential Variables" + gf, "", SearchType::And, false);
    EXPECT_FALSE(needsProcessColumns(s));
    EXPECT_EQ(paragraphQuery(s, {}), "SELECT * FROM variables ORDER BY [order]");
    EXPECT_EQ(paragraphQuery(search("", "", ""), {}), "SELECT * FROM variables ORDER BY [order]");
    EXPECT_EQ(paragraphQuery(search("SAW", "", ""), {"SAW_ESS"}), "SELECT * FROM variables ORDER BY [order]");
}

TEST(ParagraphQuery, SearchWordsCannotBreakOutOfTheirLiteral)
{
    const QString sql = paragraphQuery(search("", "", "QW-1\"OR\"1\"=\"1", SearchType::Phrase, false), {});
    EXPECT_EQ(sql, "SELECT * FROM variables  WHERE [var_text] LIKE \"*QW-1\"\"OR\"\"1\"\"=\"\"1*\" ORDER BY [order]");
    // Wildcards keep their Jet meaning.
    EXPECT_EQ(likeCondition("we?d"), " [var_text] LIKE \"*we?d*\"");
}

TEST(ParagraphDisplay, GroupsAddendaMarksAndDefinitionsParagraphs)
{
    EXPECT_EQ(variableGroup("QW-404.5"), "Filler Metals");
    EXPECT_EQ(variableGroup("QW-402.1"), "Joints");
    EXPECT_EQ(variableGroup("QW-409.8"), "Electrical Characteristics");
    EXPECT_EQ(variableGroup("QW-200.1"), "");
    EXPECT_EQ(variableGroup("QW-40"), "");

    EXPECT_EQ(addendaMark("07r"), "'07 revised");
    EXPECT_EQ(addendaMark("10d"), "'10 deleted");
    EXPECT_EQ(addendaMark("08c"), "'08 errata");
    EXPECT_EQ(addendaMark("09a"), "'09 added");
    EXPECT_EQ(addendaMark("09x"), "");
    EXPECT_EQ(addendaMark(""), "");

    EXPECT_EQ(definitionsTerm("QW-492"), "ASME IX-98   QW/QB-492 Welding");
    EXPECT_EQ(definitionsTerm("QW/QB-492"), "ASME IX-98   QW/QB-492 Welding");
    EXPECT_EQ(definitionsTerm("QG-109"), "ASME IX-2013   QG-109 Definitions");
    EXPECT_EQ(definitionsTerm("QW-492.1"), "");
}

TEST(HitColouring, WordsAreFoundWithoutRegardToCaseAndNeverOverlap)
{
    using Hits = std::vector<std::pair<int, int>>;
    EXPECT_EQ(hitRanges("PWHT and pwht", "pwht"), (Hits{{0, 4}, {9, 4}}));
    EXPECT_EQ(hitRanges("aaaa", "aa"), (Hits{{0, 2}, {2, 2}}));
    EXPECT_EQ(hitRanges("aaa", "aa"), (Hits{{0, 2}}));
    EXPECT_EQ(hitRanges("the weld", "weld"), (Hits{{4, 4}}));
    EXPECT_EQ(hitRanges("welding", "weld"), (Hits{{0, 4}}));
    EXPECT_TRUE(hitRanges("text", "").empty());
    EXPECT_TRUE(hitRanges("", "x").empty());

    EXPECT_EQ(wordsToColour("heat input", SearchType::And), (QStringList{"heat", "input"}));
    EXPECT_EQ(wordsToColour("heat  input ", SearchType::Or), (QStringList{"heat", "input"}));
    EXPECT_EQ(wordsToColour("heat input", SearchType::Phrase), (QStringList{"heat input"}));
    EXPECT_TRUE(wordsToColour("", SearchType::And).isEmpty());
}
