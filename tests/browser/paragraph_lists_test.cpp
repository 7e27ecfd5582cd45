// The paragraph lists and searches on generated data, read from a file with the builder's query
// indexes and from the same file without them (as files built earlier are): both give exactly
// the paragraphs the data holds, in [order] with paragraphs of equal order in stored order, and
// the indexed file reads only the rows of the chosen category.

#include "browser/paragraph_query.h"
#include "platform/dao/dao.h"
#include "platform/dao/jet_sql.h"
#include "support/fixture_database.h"

#include <QFile>
#include <gtest/gtest.h>
#include <algorithm>
#include <optional>
#include <sqlite3.h>

using namespace varnel;

namespace {

const QString gf = " for Groove/Fillet welds";
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

ParagraphSearch searchFor(const QString& process, const QString& category, const QString& words, SearchType type,
                          bool byProcess = true)
{
    ParagraphSearch s;
    s.processBox = process;
    s.categoryBox = category;
    s.words = words;
    s.type = type;
    s.byProcess = byProcess;
    return s;
}

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
        {"category", searchFor("SAW  -  x", "SAW  -  Essential Variables" + gf, "", SearchType::And),
         [](const Row& r) { return flagged(r, "SAW_ESS"); }},
        {"other category", searchFor("GMAW  -  x", "GMAW  -  Essential Variables for Hardfacing Overlays", "", SearchType::And),
         [](const Row& r) { return flagged(r, "GMAW_HFO_ESS"); }},
        {"And in a category", searchFor("SAW  -  x", "SAW  -  Nonessential Variables" + gf, "weld metal", SearchType::And),
         [](const Row& r) { return flagged(r, "SAW_NON") && contains(r, "weld") && contains(r, "metal"); }},
        {"Or in a category", searchFor("SAW  -  x", "SAW  -  Supplementary Essential Variables" + gf, "groove PREHEAT", SearchType::Or),
         [](const Row& r) { return flagged(r, "SAW_SUP") && (contains(r, "groove") || contains(r, "preheat")); }},
        {"Phrase in a category", searchFor("SAWX  -  x", "SAWX  -  Essential Variables" + gf, "metal base", SearchType::Phrase),
         [](const Row& r) { return flagged(r, "SAWX_ESS") && contains(r, "metal base"); }},
        {"process without category", searchFor("SAW  -  x", "", "", SearchType::And),
         [](const Row& r) {
             return flagged(r, "SAW_ESS") || flagged(r, "SAW_NON") || flagged(r, "SAW_SUP") || flagged(r, "SAWX_ESS");
         }},
        {"every paragraph", searchFor("", "", "thickness", SearchType::And, false),
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
    const QString list = paragraphNamesQuery(searchFor("SAW  -  x", "SAW  -  Essential Variables" + gf, "", SearchType::And), {});
    EXPECT_TRUE(planOf(list).contains("USING COVERING INDEX Variables by order where SAW_ESS ")) << planOf(list).toStdString();

    for (SearchType type : {SearchType::And, SearchType::Or, SearchType::Phrase}) {
        const QString words = paragraphNamesQuery(searchFor("SAW  -  x", "SAW  -  Essential Variables" + gf, "weld metal", type), {});
        const QString plan = planOf(words);
        EXPECT_TRUE(plan.contains("USING INDEX Variables by order where SAW_ESS ")) << plan.toStdString();
    }
    const QString all = planOf(allParagraphNamesQuery());
    EXPECT_TRUE(all.contains("USING COVERING INDEX Variables by order ")) << all.toStdString();
}
