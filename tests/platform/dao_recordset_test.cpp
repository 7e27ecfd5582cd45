// Snapshot recordsets: moving, counting, fields and their values, FindFirst/FindNext, closing.

#include "platform/dao/dao.h"
#include "support/fixture_database.h"

#include <gtest/gtest.h>

#include <functional>

using testing_support::errorNumber;

namespace {

const char* const fixtureSql = R"sql(
CREATE TABLE Rules (Rule TEXT COLLATE NOCASE, Rank INTEGER, Weight REAL, Active BOOLEAN, Note TEXT COLLATE NOCASE);
INSERT INTO Rules VALUES ('QW-402', 1, 0.5, -1, 'first');
INSERT INTO Rules VALUES ('QW-403', 2, 1.25, 0, NULL);
INSERT INTO Rules VALUES ('QW-404', 3, NULL, NULL, 'third');
INSERT INTO Rules VALUES ('QW-403', 4, 2, -1, 'again');
CREATE TABLE Empty (Rule TEXT COLLATE NOCASE);
)sql";

class DaoRecordset : public ::testing::Test {
protected:
    DaoRecordset()
        : fixture(QString::fromUtf8(fixtureSql)),
          db(dao::Workspace::defaultWorkspace().openDatabase(fixture.path(), false, false, QStringLiteral(";pwd=")))
    {
    }
    testing_support::FixtureDatabase fixture;
    std::unique_ptr<dao::Database> db;
};

TEST_F(DaoRecordset, MovesThroughTheRowsAndOffEitherEnd)
{
    auto rs = db->openRecordset(QStringLiteral("SELECT * FROM Rules"));
    EXPECT_EQ(rs->recordCount(), 4);
    EXPECT_FALSE(rs->bof());
    EXPECT_FALSE(rs->eof());
    EXPECT_EQ(rs->absolutePosition(), 0);

    rs->moveLast();
    EXPECT_EQ(rs->absolutePosition(), 3);
    EXPECT_EQ(rs->field(QStringLiteral("Rank")).toLongLong(), 4);
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(rs->absolutePosition(), -1);
    EXPECT_EQ(errorNumber([&] { rs->field(QStringLiteral("Rank")); }), dao::NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rs->moveNext(); }), dao::NoCurrentRecord);
    rs->movePrevious();
    EXPECT_EQ(rs->absolutePosition(), 3);

    rs->moveFirst();
    rs->movePrevious();
    EXPECT_TRUE(rs->bof());
    EXPECT_FALSE(rs->eof());
    EXPECT_EQ(errorNumber([&] { rs->movePrevious(); }), dao::NoCurrentRecord);
    rs->moveNext();
    EXPECT_EQ(rs->field(QStringLiteral("Rank")).toLongLong(), 1);
}

TEST_F(DaoRecordset, EmptyRecordsetIsAtBothEnds)
{
    auto rs = db->openRecordset(QStringLiteral("SELECT * FROM Rules WHERE Rank > 10"));
    EXPECT_TRUE(rs->bof());
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(rs->recordCount(), 0);
    EXPECT_EQ(rs->absolutePosition(), -1);
    for (const auto& move : std::vector<std::function<void()>>{
             [&] { rs->moveFirst(); }, [&] { rs->moveLast(); }, [&] { rs->moveNext(); }, [&] { rs->movePrevious(); },
             [&] { rs->field(0); }})
        EXPECT_EQ(errorNumber(move), dao::NoCurrentRecord);
    rs->findFirst(QStringLiteral("Rule = \"QW-402\""));
    EXPECT_TRUE(rs->noMatch());
    EXPECT_EQ(errorNumber([&] { rs->findFirst(QStringLiteral("Rule LIKE \"[QW\"")); }), dao::SyntaxError)
        << "an invalid pattern is refused even when no row is tested";
    EXPECT_EQ(db->openRecordset(QStringLiteral("Empty"))->recordCount(), 0);
}

TEST_F(DaoRecordset, FieldsComeInTableOrderAndAreFoundByNameInAnyCase)
{
    auto rs = db->openRecordset(QStringLiteral("Rules"));
    ASSERT_EQ(rs->fieldCount(), 5);
    QStringList names;
    for (int i = 0; i < rs->fieldCount(); ++i)
        names << rs->fieldName(i);
    EXPECT_EQ(names.join(u','), QStringLiteral("Rule,Rank,Weight,Active,Note"));
    EXPECT_EQ(rs->field(QStringLiteral("rule")).toString(), QStringLiteral("QW-402"));
    EXPECT_EQ(rs->field(QStringLiteral("NOTE")).toString(), QStringLiteral("first"));
    EXPECT_EQ(rs->field(4).toString(), QStringLiteral("first"));
    EXPECT_EQ(errorNumber([&] { rs->field(QStringLiteral("Missing")); }), dao::ItemNotFound);
    EXPECT_EQ(errorNumber([&] { rs->field(5); }), dao::ItemNotFound);
    EXPECT_EQ(errorNumber([&] { rs->fieldName(-1); }), dao::ItemNotFound);
}

TEST_F(DaoRecordset, ValuesReadAsTheOldEngineGaveThem)
{
    auto rs = db->openRecordset(QStringLiteral("SELECT * FROM Rules ORDER BY Rank"));
    // Row 1: number, decimal, true Boolean
    EXPECT_EQ(rs->field(QStringLiteral("Rank")).toString(), QStringLiteral("1"));
    EXPECT_EQ(rs->field(QStringLiteral("Weight")).toString(), QStringLiteral("0.5"));
    const dao::Value yes = rs->field(QStringLiteral("Active"));
    EXPECT_TRUE(yes.isBoolean());
    EXPECT_TRUE(yes.toBool());
    EXPECT_EQ(yes.toLongLong(), -1);
    EXPECT_EQ(yes.toDouble(), -1.0);
    EXPECT_EQ(yes.toString(), QStringLiteral("True"));
    // Row 2: false Boolean, Null text
    rs->moveNext();
    const dao::Value no = rs->field(QStringLiteral("Active"));
    EXPECT_FALSE(no.toBool());
    EXPECT_EQ(no.toLongLong(), 0);
    EXPECT_EQ(no.toString(), QStringLiteral("False"));
    EXPECT_TRUE(rs->field(QStringLiteral("Note")).isNull());
    EXPECT_EQ(rs->field(QStringLiteral("Note")).toString(), QString());
    EXPECT_EQ(rs->field(QStringLiteral("Weight")).toString(), QStringLiteral("1.25"));
    // Row 3: Null number and Null Boolean
    rs->moveNext();
    for (const char* name : {"Weight", "Active"}) {
        const dao::Value null = rs->field(QString::fromUtf8(name));
        EXPECT_TRUE(null.isNull());
        EXPECT_FALSE(null.toBool());
        EXPECT_EQ(null.toDouble(), 0.0);
        EXPECT_EQ(null.toString(), QString());
    }
    // Row 4: a whole REAL reads without a point
    rs->moveNext();
    EXPECT_EQ(rs->field(QStringLiteral("Weight")).toString(), QStringLiteral("2"));
}

TEST_F(DaoRecordset, FindFirstAndFindNextSearchInRowOrder)
{
    auto rs = db->openRecordset(QStringLiteral("Rules"));
    const QString criterion = QStringLiteral("[rule] = \"qw-403\"");
    rs->findFirst(criterion);
    ASSERT_FALSE(rs->noMatch());
    EXPECT_EQ(rs->absolutePosition(), 1);
    rs->findNext(criterion);
    ASSERT_FALSE(rs->noMatch());
    EXPECT_EQ(rs->absolutePosition(), 3);
    rs->findNext(criterion);
    EXPECT_TRUE(rs->noMatch());
    EXPECT_EQ(rs->absolutePosition(), 3) << "no match leaves the current record";
    rs->findFirst(criterion);
    EXPECT_EQ(rs->absolutePosition(), 1);

    const struct {
        const char* criterion;
        int position;  // -1: no match
    } cases[] = {
        {"Active", 0},
        {"Active = FALSE", 1},
        {"Active AND Rank > 1", 3},
        {"Note IS NULL", 1},
        {"Note LIKE \"*ir*\"", 0},
        {"Note LIKE \"th*\" OR Weight >= 2", 2},
        {"Weight > 1 AND Weight < 1.5", 1},
        {"Rule & \"/\" & Note = \"QW-404/THIRD\"", 2},
        {"Rule IN (SELECT Rule FROM Rules WHERE Rank = 3)", 2},
        {"Rank = 9", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.criterion);
        rs->findFirst(QString::fromUtf8(c.criterion));
        EXPECT_EQ(rs->noMatch(), c.position < 0);
        if (c.position >= 0) {
            EXPECT_EQ(rs->absolutePosition(), c.position);
        }
    }
}

TEST_F(DaoRecordset, FindNextFromBeforeTheFirstAndAfterTheLastRow)
{
    auto rs = db->openRecordset(QStringLiteral("Rules"));
    rs->movePrevious();
    rs->findNext(QStringLiteral("Rank >= 1"));
    EXPECT_EQ(rs->absolutePosition(), 0);
    rs->moveLast();
    rs->moveNext();
    rs->findNext(QStringLiteral("Rank >= 1"));
    EXPECT_TRUE(rs->noMatch());
    EXPECT_TRUE(rs->eof());
}

TEST_F(DaoRecordset, BadCriteriaRaiseErrorsAndLeaveTheRecordsetUsable)
{
    auto rs = db->openRecordset(QStringLiteral("Rules"));
    rs->moveLast();
    EXPECT_EQ(errorNumber([&] { rs->findFirst(QStringLiteral("Missing = 1")); }), dao::UnknownCriterionField);
    EXPECT_EQ(errorNumber([&] { rs->findFirst(QStringLiteral("Rule = \"open")); }), dao::SyntaxError);
    EXPECT_EQ(errorNumber([&] { rs->findFirst(QStringLiteral("Rule LIKE \"[x\"")); }), dao::SyntaxError);
    EXPECT_EQ(errorNumber([&] { rs->findFirst(QStringLiteral("Rule =")); }), dao::SyntaxError);
    EXPECT_EQ(errorNumber([&] { rs->findFirst(QString()); }), dao::SyntaxError);
    EXPECT_EQ(rs->absolutePosition(), 3);
    rs->findFirst(QStringLiteral("Rank = 2"));
    EXPECT_EQ(rs->absolutePosition(), 1);
}

TEST_F(DaoRecordset, SnapshotsStayValidWhileOtherQueriesRun)
{
    auto outer = db->openRecordset(QStringLiteral("SELECT * FROM Rules ORDER BY Rank"));
    QStringList pairs;
    for (; !outer->eof(); outer->moveNext()) {
        auto inner = db->openRecordset(QStringLiteral("SELECT * FROM Rules WHERE Rule = ") +
                                       dao::literal(outer->field(QStringLiteral("Rule")).toString()));
        pairs << QStringLiteral("%1:%2").arg(outer->field(QStringLiteral("Rank")).toString()).arg(inner->recordCount());
        inner->findFirst(QStringLiteral("Rank > 0"));
    }
    EXPECT_EQ(pairs.join(u' '), QStringLiteral("1:1 2:2 3:1 4:2"));
}

TEST_F(DaoRecordset, ClosedRecordsetsAndDatabasesRefuseFurtherUse)
{
    auto first = db->openRecordset(QStringLiteral("Rules"));
    auto second = db->openRecordset(QStringLiteral("Rules"));
    first->close();
    EXPECT_EQ(errorNumber([&] { first->eof(); }), dao::ObjectInvalid);
    EXPECT_EQ(errorNumber([&] { first->field(0); }), dao::ObjectInvalid);
    EXPECT_EQ(second->recordCount(), 4);

    second->findFirst(QStringLiteral("Rank = 2"));
    db->close();
    EXPECT_EQ(errorNumber([&] { second->moveNext(); }), dao::ObjectInvalid);
    EXPECT_EQ(errorNumber([&] { second->findNext(QStringLiteral("Rank = 2")); }), dao::ObjectInvalid);
    EXPECT_EQ(errorNumber([&] { db->openRecordset(QStringLiteral("Rules")); }), dao::ObjectInvalid);
    EXPECT_EQ(errorNumber([&] { db->tableNames(); }), dao::ObjectInvalid);
}

}  // namespace
