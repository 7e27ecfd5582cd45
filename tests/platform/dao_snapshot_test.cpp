// Snapshots of whole rows of one table ("SELECT * FROM t ..."), which are read as rowids and then
// field by field when asked for, against the same rows read at once through a query that names
// every field: same rows, order, values, FindFirst/FindNext, errors and lifetime.

#include "platform/dao/dao.h"
#include "platform/dao/jet_sql.h"
#include "support/fixture_database.h"

#include <gtest/gtest.h>

#include <functional>

using testing_support::errorNumber;

namespace {

// Wide: ties, Nulls and keys that differ only in letter case, every kind of value. Many: more
// rows than one read by rowid fetches, with gaps in the rowids. Cut: a row as the engine gives it
// when its last page was zeroed, its text ending in NUL and the number after it 0.
const char* const fixtureSql = R"sql(
CREATE TABLE Wide (key TEXT COLLATE NOCASE, rank INTEGER, weight REAL, note TEXT, flag BOOLEAN, other BOOLEAN, data BLOB);
CREATE INDEX WideRank ON Wide (rank);
INSERT INTO Wide VALUES ('banana', 2, 1.5, 'yellow', -1, 0, X'00FF');
INSERT INTO Wide VALUES ('apple', NULL, 0.5, 'red', 0, NULL, NULL);
INSERT INTO Wide VALUES ('Cherry', 1, NULL, NULL, NULL, -1, X'');
INSERT INTO Wide VALUES ('APPLE', 2, 2, 'green', -1, -1, NULL);
INSERT INTO Wide VALUES (NULL, 1, 3.25, 'none', 0, 0, NULL);
INSERT INTO Wide VALUES ('Apple', NULL, -1, 'a', -1, 0, NULL);
INSERT INTO Wide VALUES ('date', 2, 0, 'brown', 0, -1, NULL);
CREATE TABLE Many (n INTEGER, label TEXT COLLATE NOCASE, rank INTEGER, flag BOOLEAN);
WITH RECURSIVE k(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM k WHERE n < 700)
  INSERT INTO Many SELECT n, 'Row ' || n, n % 7, CASE WHEN n % 3 = 0 THEN -1 ELSE 0 END FROM k;
DELETE FROM Many WHERE n % 10 = 5;
CREATE TABLE Cut (key TEXT COLLATE NOCASE, note TEXT, rank INTEGER);
INSERT INTO Cut VALUES ('whole', 'all there', 1);
INSERT INTO Cut VALUES ('cut', 'the start' || char(0, 0), 0);
CREATE TABLE Keyed (k TEXT COLLATE NOCASE PRIMARY KEY, v INTEGER) WITHOUT ROWID;
INSERT INTO Keyed VALUES ('b', 1);
INSERT INTO Keyed VALUES ('a', 2);
CREATE TABLE Hiding (rowid TEXT, v INTEGER);
INSERT INTO Hiding VALUES ('own', 7);
INSERT INTO Hiding VALUES ('value', 8);
)sql";

const QString wideFields = QStringLiteral("[key], [rank], [weight], [note], [flag], [other], [data]");
const QString manyFields = QStringLiteral("[n], [label], [rank], [flag]");

QString cellText(const dao::Recordset& rs, int index)
{
    const dao::Value value = rs.field(index);
    if (value.isNull())
        return QStringLiteral("Null");
    return QString::fromUtf8(value.variant().typeName()) + u':' + value.toString();
}

// Every field of every row, forwards and then backwards, with the counts and positions.
QString dump(dao::Recordset& rs)
{
    QStringList lines{QStringLiteral("count=%1 bof=%2 eof=%3").arg(rs.recordCount()).arg(int(rs.bof())).arg(int(rs.eof()))};
    const auto line = [&] {
        QStringList cells;
        for (int c = 0; c < rs.fieldCount(); ++c)
            cells << rs.fieldName(c) + u'=' + cellText(rs, c);
        lines << QString::number(rs.absolutePosition()) + u' ' + cells.join(u',');
    };
    for (; !rs.eof(); rs.moveNext())
        line();
    if (rs.recordCount() > 0)
        for (rs.moveLast(); !rs.bof(); rs.movePrevious())
            line();
    return lines.join(u'\n');
}

class DaoSnapshot : public ::testing::Test {
protected:
    DaoSnapshot()
        : fixture(QString::fromUtf8(fixtureSql)),
          db(dao::Workspace::defaultWorkspace().openDatabase(fixture.path(), false, true, QString()))
    {
    }

    // The query with "*" against the same query naming every field, which is read at once.
    void expectSameAsReadAtOnce(const QString& table, const QString& fields, const QString& rest)
    {
        const QString byRowid = QStringLiteral("SELECT * FROM %1 %2").arg(table, rest);
        const QString atOnce = QStringLiteral("SELECT %1 FROM %2 %3").arg(fields, table, rest);
        SCOPED_TRACE(byRowid.toStdString());
        ASSERT_FALSE(dao::jet::translateStatement(byRowid).table.isEmpty());
        auto lazy = db->openRecordset(byRowid);
        auto eager = db->openRecordset(atOnce);
        EXPECT_EQ(dump(*lazy), dump(*eager));
    }

    QString column(const QString& sql, const QString& field)
    {
        auto rs = db->openRecordset(sql);
        QStringList values;
        for (; !rs->eof(); rs->moveNext())
            values << rs->field(field).toString();
        return values.join(u'|');
    }

    testing_support::FixtureDatabase fixture;
    std::unique_ptr<dao::Database> db;
};

TEST(DaoWholeRowQueries, OnlyWholeRowsOfOneTableAreReadByRowid)
{
    const struct {
        const char* sql;
        const char* table;  // empty: read at once
    } cases[] = {
        {"SELECT * FROM Wide", "Wide"},
        {"SELECT * FROM [Wide] AS w WHERE w.rank > 1 ORDER BY w.key DESC", "Wide"},
        {"SELECT * FROM Wide WHERE key IN (SELECT DISTINCT key FROM Wide ORDER BY 1)", "Wide"},
        {"SELECT * FROM Wide ORDER BY 2", ""},
        {"SELECT * FROM Wide ORDER BY [rank], (3)", ""},
        {"SELECT DISTINCT * FROM Wide", ""},
        {"SELECT key FROM Wide ORDER BY key", ""},
        {"SELECT *, key FROM Wide", ""},
        {"SELECT * FROM Wide, Many", ""},
        {"SELECT * FROM (SELECT * FROM Wide)", ""},
        {"SELECT Max(rank) FROM Wide", ""},
        {"SELECT * FROM Wide ORDER BY Max(rank)", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        const dao::jet::Query query = dao::jet::translateStatement(QString::fromUtf8(c.sql));
        EXPECT_EQ(query.table, QString::fromUtf8(c.table));
        if (!query.table.isEmpty()) {
            EXPECT_TRUE(query.rowids.startsWith(QStringLiteral("SELECT rowid FROM ")));
        }
    }
    // The paragraph search: the Boolean is tested before the text is scanned.
    const QString search = dao::jet::translateStatement(QStringLiteral(
        "SELECT * FROM variables  WHERE  [var_text] LIKE \"*weld*\" AND  [var_text] LIKE \"*metal*\" AND  [SMAW_ESS] = TRUE "
        "ORDER BY [order]")).rowids;
    EXPECT_LT(search.indexOf(QStringLiteral("\"SMAW_ESS\"")), search.indexOf(QStringLiteral("LIKE"))) << search.toStdString();
    // Ties of the order keep stored order, unless the ordering column holds no two equal values.
    const auto listed = [](const char* jet, bool unique) {
        return dao::jet::translateStatement(QString::fromUtf8(jet), {}, [unique](const QString& table, const QString& column) {
                   return unique && table == u"variables" && column == u"order";
               }).rowids;
    };
    EXPECT_TRUE(listed("SELECT * FROM variables WHERE [SMAW_ESS] = TRUE ORDER BY [order]", false).endsWith(u", rowid"));
    EXPECT_TRUE(listed("SELECT * FROM variables WHERE [SMAW_ESS] = TRUE ORDER BY [order]", true).endsWith(u"BY \"order\""));
    EXPECT_TRUE(listed("SELECT * FROM variables ORDER BY [order] DESC", true).endsWith(u"BY \"order\" DESC"));
    EXPECT_TRUE(listed("SELECT * FROM variables ORDER BY [order], [variable]", true).endsWith(u", rowid"));
    EXPECT_TRUE(listed("SELECT * FROM variables", true).endsWith(u"ORDER BY rowid"));
}

TEST_F(DaoSnapshot, WholeRowsReadByRowidMatchRowsReadAtOnce)
{
    const char* const wide[] = {
        "",
        "ORDER BY [rank]",
        "ORDER BY [rank] DESC, [weight]",
        "ORDER BY [key]",
        "ORDER BY [key] DESC",
        "ORDER BY [flag], [other] DESC",
        "WHERE [rank] = 2",
        "WHERE [key] = \"apple\"",
        "WHERE [flag] ORDER BY [note]",
        "WHERE [note] LIKE \"*e*\" AND [flag] = TRUE ORDER BY [rank]",
        "WHERE [key] IN (SELECT [key] FROM Wide WHERE [rank] = 2) AND [other] = FALSE",
        "AS w WHERE w.[weight] > 0 ORDER BY w.[key]",
        "WHERE [rank] > 5",
    };
    for (const char* rest : wide)
        expectSameAsReadAtOnce(QStringLiteral("Wide"), wideFields, QString::fromUtf8(rest));
    const char* const many[] = {"", "ORDER BY [rank]", "WHERE [flag] ORDER BY [rank] DESC, [label]", "WHERE [n] > 600"};
    for (const char* rest : many)
        expectSameAsReadAtOnce(QStringLiteral("Many"), manyFields, QString::fromUtf8(rest));

    auto table = db->openRecordset(QStringLiteral("Wide"));
    auto atOnce = db->openRecordset(QStringLiteral("SELECT ") + wideFields + QStringLiteral(" FROM Wide"));
    EXPECT_EQ(dump(*table), dump(*atOnce));
}

TEST_F(DaoSnapshot, SortingKeepsNullsFirstTiesInStoredOrderAndIgnoresLetterCase)
{
    EXPECT_EQ(column(QStringLiteral("SELECT * FROM Wide ORDER BY [rank]"), QStringLiteral("note")),
              QStringLiteral("red|a||none|yellow|green|brown"));
    EXPECT_EQ(column(QStringLiteral("SELECT * FROM Wide ORDER BY 2"), QStringLiteral("note")),
              QStringLiteral("red|a||none|yellow|green|brown"));
    EXPECT_EQ(column(QStringLiteral("SELECT * FROM Wide ORDER BY [key]"), QStringLiteral("key")),
              QStringLiteral("|apple|APPLE|Apple|banana|Cherry|date"));
    EXPECT_EQ(column(QStringLiteral("SELECT * FROM Many WHERE [rank] = 3 AND [n] < 60 ORDER BY [flag]"), QStringLiteral("n")),
              QStringLiteral("3|24|10|17|31|38|52|59"));
}

TEST_F(DaoSnapshot, WhereClausesFindTheirRowsWhateverTheOrderOfTheirTerms)
{
    const struct {
        const char* where;
        const char* keys;
    } cases[] = {
        {"[rank] BETWEEN 1 AND (SELECT Max([rank]) FROM Wide) AND [key] LIKE \"*a*\" AND NOT [flag]", "date"},
        {"[key] LIKE \"*a*\" OR [flag] AND [rank] = 1", "banana|apple|APPLE|Apple|date"},
        {"[key] LIKE \"*a*\" AND ([flag] OR [rank] = 1) AND [weight] > 1", "banana|APPLE"},
        {"[key] IN (SELECT [key] FROM Wide WHERE [rank] = 2) AND [other] = FALSE", "banana|Apple"},
        {"[note] LIKE \"*e*\" AND [flag] = TRUE ORDER BY [rank] DESC", "banana|APPLE"},
        {"NOT [key] LIKE \"b*\" AND [other]", "Cherry|APPLE|date"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        EXPECT_EQ(column(QStringLiteral("SELECT * FROM Wide WHERE ") + QString::fromUtf8(c.where), QStringLiteral("key")),
                  QString::fromUtf8(c.keys));
    }
}

TEST_F(DaoSnapshot, ValuesReadWhenAskedForKeepTheirKinds)
{
    auto rs = db->openRecordset(QStringLiteral("SELECT * FROM Wide ORDER BY [rank]"));
    // apple: Null rank, false Boolean, Null Boolean
    EXPECT_TRUE(rs->field(QStringLiteral("rank")).isNull());
    const dao::Value no = rs->field(QStringLiteral("flag"));
    EXPECT_TRUE(no.isBoolean());
    EXPECT_EQ(no.toString(), QStringLiteral("False"));
    EXPECT_TRUE(rs->field(QStringLiteral("OTHER")).isNull());
    rs->moveLast();
    rs->movePrevious();
    // APPLE: true Boolean, a whole REAL
    const dao::Value yes = rs->field(QStringLiteral("Flag"));
    EXPECT_TRUE(yes.isBoolean());
    EXPECT_EQ(yes.toLongLong(), -1);
    EXPECT_EQ(rs->field(QStringLiteral("weight")).toString(), QStringLiteral("2"));
    EXPECT_EQ(errorNumber([&] { rs->field(QStringLiteral("Missing")); }), dao::ItemNotFound);
    EXPECT_EQ(errorNumber([&] { rs->field(7); }), dao::ItemNotFound);
    rs->moveNext();
    rs->moveNext();
    EXPECT_EQ(errorNumber([&] { rs->field(QStringLiteral("key")); }), dao::NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rs->field(QStringLiteral("Missing")); }), dao::ItemNotFound);
}

TEST_F(DaoSnapshot, FindFirstAndFindNextReadTheFieldsTheyTest)
{
    const QString rest = QStringLiteral(" FROM Many ORDER BY [rank] DESC");
    auto lazy = db->openRecordset(QStringLiteral("SELECT *") + rest);
    auto eager = db->openRecordset(QStringLiteral("SELECT ") + manyFields + rest);
    const auto positions = [](dao::Recordset& rs, const QString& criterion) {
        QStringList found;
        for (rs.findFirst(criterion); !rs.noMatch(); rs.findNext(criterion))
            found << QStringLiteral("%1:%2").arg(rs.absolutePosition()).arg(rs.field(QStringLiteral("label")).toString());
        return found.join(u' ');
    };
    for (const char* criterion : {"[flag] AND [label] LIKE \"*7\"", "[label] = \"ROW 650\"", "[n] > 690 OR [n] < 4",
                                  "[rank] = 6 AND [n] IN (SELECT [n] FROM Many WHERE [n] > 680)", "[n] = 5"}) {
        SCOPED_TRACE(criterion);
        const QString text = QString::fromUtf8(criterion);
        EXPECT_EQ(positions(*lazy, text), positions(*eager, text));
    }
    lazy->findFirst(QStringLiteral("[label] = \"row 3\""));
    EXPECT_EQ(lazy->absolutePosition(), 270) << "rank 3 follows 90 rows of each of the ranks 6, 5 and 4";
    EXPECT_EQ(errorNumber([&] { lazy->findFirst(QStringLiteral("[Missing] = 1")); }), dao::UnknownCriterionField);
    EXPECT_EQ(lazy->absolutePosition(), 270);
}

TEST_F(DaoSnapshot, RecordsetsStayValidAcrossOtherQueriesUntilTheirDatabaseCloses)
{
    auto kept = db->openRecordset(QStringLiteral("SELECT * FROM Many WHERE [flag] ORDER BY [label]"));
    auto reference = db->openRecordset(QStringLiteral("SELECT ") + manyFields +
                                       QStringLiteral(" FROM Many WHERE [flag] ORDER BY [label]"));
    const QString first = kept->field(QStringLiteral("label")).toString();
    for (int i = 0; i < 3; ++i) {
        auto other = db->openRecordset(QStringLiteral("SELECT * FROM Many WHERE [rank] = %1").arg(i));
        other->moveLast();
        other->findFirst(QStringLiteral("[label] LIKE \"*9\""));
        other->field(QStringLiteral("label"));
        other->close();
    }
    EXPECT_EQ(kept->field(QStringLiteral("label")).toString(), first);
    EXPECT_EQ(dump(*kept), dump(*reference));

    kept->moveFirst();
    auto closedEarly = db->openRecordset(QStringLiteral("SELECT * FROM Wide"));
    closedEarly->close();
    EXPECT_EQ(errorNumber([&] { closedEarly->field(0); }), dao::ObjectInvalid);
    db->close();
    EXPECT_EQ(errorNumber([&] { kept->field(QStringLiteral("n")); }), dao::ObjectInvalid);
    EXPECT_EQ(errorNumber([&] { kept->moveNext(); }), dao::ObjectInvalid);
    EXPECT_EQ(errorNumber([&] { kept->findFirst(QStringLiteral("[n] = 3")); }), dao::ObjectInvalid);
}

TEST_F(DaoSnapshot, TablesWithoutUsableRowidsAreReadAtOnce)
{
    EXPECT_EQ(column(QStringLiteral("SELECT * FROM Keyed WHERE [v] > 0 ORDER BY [v]"), QStringLiteral("k")), QStringLiteral("b|a"));
    EXPECT_EQ(column(QStringLiteral("Keyed"), QStringLiteral("k")), QStringLiteral("a|b"));
    EXPECT_EQ(column(QStringLiteral("SELECT * FROM Hiding ORDER BY [v] DESC"), QStringLiteral("rowid")), QStringLiteral("value|own"));
    EXPECT_EQ(column(QStringLiteral("Hiding"), QStringLiteral("rowid")), QStringLiteral("own|value"));
}

TEST_F(DaoSnapshot, RefusedWholeRowQueriesRaiseTheSameErrors)
{
    // A text that holds NUL is damage wherever it is read or compared, and so is what follows it
    // in its row; what comes before it stands.
    const struct {
        const char* sql;
        int error;
        const char* field = "key";  // read from every row
    } cases[] = {
        {"SELECT * FROM Wide WHERE [missing] = TRUE ORDER BY [rank]", dao::TooFewParameters},
        {"SELECT * FROM Wide ORDER BY [missing]", dao::TooFewParameters},
        {"SELECT * FROM Nothing WHERE [rank] = 1", dao::TableNotFound},
        {"SELECT * FROM Wide WHERE [key] LIKE \"[a\" AND [flag]", dao::SyntaxError},
        {"SELECT * FROM Wide WHERE [flag] AND", dao::SyntaxError},
        {"SELECT * FROM Cut", dao::UnrecognisedFormat, "note"},
        {"SELECT * FROM Cut", dao::UnrecognisedFormat, "rank"},
        {"SELECT * FROM Cut", 0},
        {"SELECT * FROM Cut WHERE [note] LIKE \"*end*\"", dao::UnrecognisedFormat},
        {"SELECT * FROM Cut WHERE [note] = \"the start\"", dao::UnrecognisedFormat},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(errorNumber([&] { column(QString::fromUtf8(c.sql), QString::fromLatin1(c.field)); }), c.error);
    }
}

}  // namespace
