// The indexes the builder writes for the paragraph lists: one over the paragraph table's order and
// name, and one for each Boolean column; files that lack what the lists read get none.

#include "platform/dao/builder.h"
#include "support/fixture_database.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

QStringList indexesOf(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL ORDER BY name", -1, &s, nullptr);
    QStringList names;
    while (sqlite3_step(s) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
    sqlite3_close(db);
    return names;
}

}  // namespace

TEST(QueryIndexes, TheParagraphTableGetsAListIndexPerBooleanColumn)
{
    const struct {
        const char* what;
        const char* sql;
        QStringList indexes;
    } cases[] = {
        {"names in any letter case",
         "CREATE TABLE VARIABLES (Variable TEXT, var_text TEXT, ORDER_ INTEGER, \"ORDER\" INTEGER, SMAW_ESS BOOLEAN, "
         "\"GTAW HFO\" bool, note TEXT, count INTEGER);"
         "CREATE TABLE Processes (ABBR TEXT, ESS BOOLEAN);",
         {"VARIABLES by order", "VARIABLES by order where GTAW HFO", "VARIABLES by order where SMAW_ESS",
          "VARIABLES order is unique"}},
        {"no Boolean column", "CREATE TABLE Variables (variable TEXT, \"order\" INTEGER);",
         {"Variables by order", "Variables order is unique"}},
        // A unique index only where no two paragraphs share a place in the order.
        {"equal places", "CREATE TABLE Variables (variable TEXT, \"order\" INTEGER); INSERT INTO Variables VALUES ('a', 1), ('b', 1);",
         {"Variables by order"}},
        {"a place missing", "CREATE TABLE Variables (variable TEXT, \"order\" INTEGER); INSERT INTO Variables VALUES ('a', 1), ('b', NULL);",
         {"Variables by order"}},
        {"every place its own", "CREATE TABLE Variables (variable TEXT, \"order\" INTEGER); INSERT INTO Variables VALUES ('a', 2), ('b', 1);",
         {"Variables by order", "Variables order is unique"}},
        {"no order", "CREATE TABLE Variables (variable TEXT, SMAW_ESS BOOLEAN);", {}},
        {"no name", "CREATE TABLE Variables (\"order\" INTEGER, SMAW_ESS BOOLEAN);", {}},
        {"no paragraph table", "CREATE TABLE Paragraphs (variable TEXT, \"order\" INTEGER, SMAW_ESS BOOLEAN);", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing_support::FixtureDatabase fixture(QString::fromUtf8(c.sql));
        EXPECT_EQ(indexesOf(fixture.path()), c.indexes);
    }
}

TEST(QueryIndexes, WritingThemAgainChangesNothing)
{
    testing_support::FixtureDatabase fixture(
        "CREATE TABLE Variables (variable TEXT, \"order\" INTEGER, SMAW_ESS BOOLEAN);"
        "INSERT INTO Variables VALUES ('QW-402.1', 1, -1), ('QW-403.1', 2, 0);");
    const QStringList before = indexesOf(fixture.path());
    QFile::setPermissions(fixture.path(), QFile::ReadOwner | QFile::WriteOwner);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(fixture.path()).constData(), &db), SQLITE_OK);
    EXPECT_NO_THROW(dao::writeQueryIndexes(db));
    EXPECT_TRUE(sqlite3_get_autocommit(db));
    sqlite3_close(db);
    EXPECT_EQ(indexesOf(fixture.path()), before);
    EXPECT_EQ(before.size(), 3);
}
