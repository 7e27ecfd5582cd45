#include "browser/paragraph_query.h"
#include "platform/dao/dao.h"
#include "platform/dao/jet_sql.h"
#include "support/fixture_database.h"

#include <QFile>
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <optional>
#include <sqlite3.h>

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
        {"a  b", SearchType::And, "SELECT * FROM variables  WHERE " + like + "\"*a*\" AND " + like + "\"*b*\" ORDER BY [order]"},
        {" weld  xyzzy", SearchType::Or,
         "SELECT * FROM variables  WHERE (" + like + "\"*weld*\" OR " + like + "\"*xyzzy*\") ORDER BY [order]"},
        {"  ", SearchType::Or, "SELECT * FROM variables ORDER BY [order]"},
        {" a ", SearchType::Phrase, "SELECT * FROM variables  WHERE" + like + "\"* a *\" ORDER BY [order]"},
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

    EXPECT_EQ(searchWords("heat input", SearchType::And), (QStringList{"heat", "input"}));
    EXPECT_EQ(searchWords("heat  input ", SearchType::Or), (QStringList{"heat", "input"}));
    EXPECT_EQ(searchWords("heat input", SearchType::Phrase), (QStringList{"heat input"}));
    EXPECT_TRUE(searchWords("", SearchType::And).isEmpty());
}

// The paragraph lists and searches on generated data, read from a file with the builder's query
// indexes and from the same file without them (as files built earlier are): both give exactly
// the paragraphs the data holds, in [order] with paragraphs of equal order in stored order, and
// the indexed file reads only the rows of the chosen category.


namespace {

const QStringList flagColumns = {"SAW_ESS", "SAW_NON", "SAW_SUP", "SAWX_ESS", "GMAW_ESS", "GMAW_HFO_ESS"};
const char* const words[] = {"weld", "metal", "base", "groove", "Preheat", "the", "of", "thickness"};

struct Row {
    QString name;
    std::optional<QString> text;
    std::optional<int> order;
    std::vector<std::optional<bool>> flags;  // as flagColumns
};

// Rows with many equal orders, some Null orders, Null texts and Null flags, in a fixed
// pseudo-random sequence.
std::vector<Row> generatedRows()
{
    std::uint32_t state = 7;
    const auto below = [&](int n) { return static_cast<int>(((state = state * 1664525u + 1013904223u) >> 8) % n); };
    std::vector<Row> rows;
    for (int n = 0; n < 400; ++n) {
        Row row;
        row.name = QStringLiteral("QW-%1.%2").arg(400 + n / 50).arg(n % 50);
        if (below(20) > 0) {
            QString text;
            for (int w = below(40); w > 0; --w)
                text += QLatin1String(words[below(std::size(words))]) + u' ';
            row.text = text;
        }
        if (below(25) > 0)
            row.order = below(120);
        for (qsizetype f = 0; f < flagColumns.size(); ++f)
            row.flags.push_back(below(30) == 0 ? std::nullopt : std::optional<bool>(below(3) == 0));
        rows.push_back(row);
    }
    return rows;
}

QString sqlOf(const std::vector<Row>& rows)
{
    QString sql = "CREATE TABLE \"Variables\" (\"variable\" TEXT COLLATE NOCASE, \"var_text\" TEXT, \"order\" INTEGER, "
                  "\"ADDENDA\" TEXT, \"note\" INTEGER";
    for (const QString& flag : flagColumns)
        sql += ", \"" + flag + "\" BOOLEAN";
    sql += ");\n";
    for (const Row& row : rows) {
        sql += "INSERT INTO \"Variables\" VALUES ('" + row.name + "', " + (row.text ? "'" + *row.text + "'" : "NULL") + ", "
               + (row.order ? QString::number(*row.order) : "NULL") + ", NULL, 1";
        for (const auto& flag : row.flags)
            sql += flag ? (*flag ? ", -1" : ", 0") : ", NULL";
        sql += ");\n";
    }
    return sql;
}

// A copy of `source` without the indexes the builder wrote, as a file built before it wrote them.
QString withoutQueryIndexes(const QString& source, const QString& target)
{
    QFile::copy(source, target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(target).constData(), &db);
    QStringList indexes;
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL", -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW)
        indexes << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
    for (const QString& index : indexes)
        sqlite3_exec(db, ("DROP INDEX " + dao::jet::quoteName(index)).toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return target;
}

// What a list must hold, worked out from the generated rows: the rows `keep` takes, ordered by
// order (Null first), equal orders in stored order.
QStringList expected(const std::vector<Row>& rows, const std::function<bool(const Row&)>& keep)
{
    std::vector<const Row*> kept;
    for (const Row& row : rows)
        if (keep(row))
            kept.push_back(&row);
    std::stable_sort(kept.begin(), kept.end(), [](const Row* a, const Row* b) { return a->order.value_or(-1) < b->order.value_or(-1); });
    QStringList names;
    for (const Row* row : kept)
        names << row->name;
    return names;
}

bool flagged(const Row& row, const QString& column) { return row.flags[flagColumns.indexOf(column)].value_or(false); }

bool contains(const Row& row, const QString& word) { return row.text && row.text->contains(word, Qt::CaseInsensitive); }

class ParagraphLists : public ::testing::Test {
protected:
    ParagraphLists()
        : rows(generatedRows()),
          fixture(sqlOf(rows)),
          indexed(dao::Workspace::defaultWorkspace().openDatabase(fixture.path(), false, true, QString())),
          plain(dao::Workspace::defaultWorkspace().openDatabase(
              withoutQueryIndexes(fixture.path(), fixture.dir() + "/plain.mdb"), false, true, QString()))
    {
    }

    static QStringList names(dao::Database& db, const QString& sql)
    {
        auto rs = db.openRecordset(sql);
        return paragraphNames(*rs);
    }
    static QStringList wholeRowNames(dao::Database& db, const QString& sql)
    {
        auto rs = db.openRecordset(sql);
        QStringList names;
        for (; !rs->eof(); rs->moveNext())
            names << rs->field("variable").toString();
        return names;
    }

    // The query plan SQLite makes for a query of the programs's Jet SQL on the indexed file.
    QString planOf(const QString& jet) const
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(fixture.path()).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        const QByteArray sql = ("EXPLAIN QUERY PLAN " + dao::jet::translateStatement(jet).sql).toUtf8();
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr);
        QStringList steps;
        while (sqlite3_step(s) == SQLITE_ROW)
            steps << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 3)));
        sqlite3_finalize(s);
        sqlite3_close(db);
        return steps.join(" | ");
    }

    std::vector<Row> rows;
    testing_support::FixtureDatabase fixture;
    std::unique_ptr<dao::Database> indexed;
    std::unique_ptr<dao::Database> plain;
};

}  // namespace

TEST_F(ParagraphLists, GeneratedDataHasEqualAndNullOrders)
{
    const QStringList all = expected(rows, [](const Row&) { return true; });
    int nulls = 0;
    std::vector<int> seen(120, 0);
    bool equal = false;
    for (const Row& row : rows) {
        nulls += row.order ? 0 : 1;
        equal = equal || (row.order && ++seen[*row.order] > 1);
    }
    EXPECT_GT(nulls, 1);
    EXPECT_TRUE(equal);
    EXPECT_EQ(all.size(), 400);
}

TEST_F(ParagraphLists, ListsAndSearchesAreTheSameWithAndWithoutTheIndexes)
{
    const struct {
        const char* what;
        ParagraphSearch search;
        std::function<bool(const Row&)> keep;
    } cases[] = {
        {"category", search("SAW  -  x", "SAW  -  Essential Variables" + gf, "", SearchType::And),
         [](const Row& r) { return flagged(r, "SAW_ESS"); }},
        {"other category", search("GMAW  -  x", "GMAW  -  Essential Variables for Hardfacing Overlays", "", SearchType::And),
         [](const Row& r) { return flagged(r, "GMAW_HFO_ESS"); }},
        {"And in a category", search("SAW  -  x", "SAW  -  Nonessential Variables" + gf, "weld metal", SearchType::And),
         [](const Row& r) { return flagged(r, "SAW_NON") && contains(r, "weld") && contains(r, "metal"); }},
        {"Or in a category", search("SAW  -  x", "SAW  -  Supplementary Essential Variables" + gf, "groove PREHEAT", SearchType::Or),
         [](const Row& r) { return flagged(r, "SAW_SUP") && (contains(r, "groove") || contains(r, "preheat")); }},
        {"Phrase in a category", search("SAWX  -  x", "SAWX  -  Essential Variables" + gf, "metal base", SearchType::Phrase),
         [](const Row& r) { return flagged(r, "SAWX_ESS") && contains(r, "metal base"); }},
        {"process without category", search("SAW  -  x", "", "", SearchType::And),
         [](const Row& r) {
             return flagged(r, "SAW_ESS") || flagged(r, "SAW_NON") || flagged(r, "SAW_SUP") || flagged(r, "SAWX_ESS");
         }},
        {"every paragraph", search("", "", "thickness", SearchType::And, false),
         [](const Row& r) { return contains(r, "thickness"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList columns = needsProcessColumns(c.search)
                                        ? QStringList{"variable", "var_text", "order", "ADDENDA", "note"} + flagColumns
                                        : QStringList();
        const QStringList want = expected(rows, c.keep);
        ASSERT_GT(want.size(), 5);
        EXPECT_EQ(names(*indexed, paragraphNamesQuery(c.search, columns)), want);
        EXPECT_EQ(names(*plain, paragraphNamesQuery(c.search, columns)), want);
        EXPECT_EQ(wholeRowNames(*indexed, paragraphQuery(c.search, columns)), want);
        EXPECT_EQ(wholeRowNames(*plain, paragraphQuery(c.search, columns)), want);
    }
    const QStringList all = expected(rows, [](const Row&) { return true; });
    EXPECT_EQ(names(*indexed, allParagraphNamesQuery()), all);
    EXPECT_EQ(names(*plain, allParagraphNamesQuery()), all);
}

TEST_F(ParagraphLists, TheIndexedFileReadsOnlyTheChosenCategory)
{
    const QString list = paragraphNamesQuery(search("SAW  -  x", "SAW  -  Essential Variables" + gf, "", SearchType::And), {});
    EXPECT_TRUE(planOf(list).contains("USING COVERING INDEX Variables by order where SAW_ESS ")) << planOf(list).toStdString();

    for (SearchType type : {SearchType::And, SearchType::Or, SearchType::Phrase}) {
        const QString words = paragraphNamesQuery(search("SAW  -  x", "SAW  -  Essential Variables" + gf, "weld metal", type), {});
        const QString plan = planOf(words);
        EXPECT_TRUE(plan.contains("USING INDEX Variables by order where SAW_ESS ")) << plan.toStdString();
    }
    const QString all = planOf(allParagraphNamesQuery());
    EXPECT_TRUE(all.contains("USING COVERING INDEX Variables by order ")) << all.toStdString();
}
