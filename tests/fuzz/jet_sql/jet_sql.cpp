// The Jet SQL translation, run on a small in-memory database set up as the database layer sets up
// its files (the old engine's LIKE, double-quoted words as names only, no writing):
// - a text is translated or refused with the engine's syntax, undefined-function or
//   table-not-found error, never another failure;
// - a translation is one read-only statement, and no row it gives holds the password table's data;
// - a statement's rowid form, when there is one, gives as many rows as the statement;
// - any text written as a literal translates, and reads back as the same text.
//
// Input: the text, tried as a statement, as a criterion and as the content of a literal.

#include "platform/dao/dao.h"
#include "platform/dao/jet_like.h"
#include "platform/dao/jet_sql.h"
#include "platform/dao/password.h"
#include "support/fuzz_support.h"

#include <QString>
#include <exception>
#include <sqlite3.h>
#include <string>

namespace {

// Values of the password table that no query may give back.
constexpr char secretSalt[] = "salt-that-no-query-may-show";
constexpr char secretDigest[] = "digest-that-no-query-may-show";

sqlite3* database()
{
    static sqlite3* db = [] {
        sqlite3* opened = nullptr;
        sqlite3_open(":memory:", &opened);
        const std::string schema = std::string(R"(
            CREATE TABLE Rules (Paragraph TEXT COLLATE NOCASE, Process TEXT COLLATE NOCASE, Essential BOOLEAN,
                                "Sort Order" INTEGER, "Para-Text" TEXT COLLATE NOCASE);
            CREATE INDEX RulesParagraph ON Rules (Paragraph);
            INSERT INTO Rules VALUES ('QW-402.1', 'SMAW', -1, 1, 'A change in the type of groove.'),
                                     ('QW-403.1', 'GTAW', 0, 2, 'A change from one P-Number to another.'),
                                     ('QW-404.5', 'SMAW', -1, 3, NULL),
                                     ('QW-406.1', NULL, 0, NULL, 'Preheat: a decrease of more than 100F.');
            CREATE TABLE Processes (Abbreviation TEXT COLLATE NOCASE PRIMARY KEY, Name TEXT COLLATE NOCASE);
            INSERT INTO Processes VALUES ('SMAW', 'Shielded Metal-Arc Welding'), ('GTAW', 'Gas Tungsten-Arc Welding');
            CREATE TABLE )") + dao::password::tableName + R"( (salt BLOB, digest BLOB);
            INSERT INTO )" + dao::password::tableName + " VALUES ('" + secretSalt + "', '" + secretDigest + "');";
        if (sqlite3_exec(opened, schema.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fuzzing::fail("the database is set up", sqlite3_errmsg(opened));
        sqlite3_db_config(opened, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(opened, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        sqlite3_db_config(opened, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_exec(opened, "PRAGMA query_only = ON", nullptr, nullptr, nullptr);
        dao::jet::registerLike(opened);
        return opened;
    }();
    return db;
}

// A statement that runs too long (a join of many tables) is stopped: the fuzzer looks for faults,
// not for slow queries.
int budget = 0;
int stopWhenSpent(void*) { return --budget < 0 ? 1 : 0; }

struct Outcome {
    bool prepared = false;
    bool finished = false;  // every row read, without an error
    long rows = 0;
};

// Prepares and runs SQLite text, checking that it is one read-only statement whose rows hide the
// password table.
Outcome run(const QString& sqlite, const std::string& source)
{
    sqlite3* db = database();
    const QByteArray utf8 = sqlite.toUtf8();
    sqlite3_stmt* s = nullptr;
    const char* tail = nullptr;
    Outcome outcome;
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &s, &tail) != SQLITE_OK || !s) {
        sqlite3_finalize(s);
        return outcome;
    }
    outcome.prepared = true;
    const std::string why = "'" + source + "' -> '" + utf8.toStdString() + "'";
    FUZZ_CHECK(QByteArray(tail, int(utf8.constData() + utf8.size() - tail)).trimmed().isEmpty(), "more than one statement: " + why);
    FUZZ_CHECK(sqlite3_stmt_readonly(s), "a statement that writes: " + why);
    budget = 200;
    sqlite3_progress_handler(db, 1000, stopWhenSpent, nullptr);
    // (A query may of course give back a text it writes itself.)
    const bool sourceHoldsSecret = source.find(secretSalt) != std::string::npos || source.find(secretDigest) != std::string::npos;
    int step = SQLITE_ROW;
    while (outcome.rows < 2000 && (step = sqlite3_step(s)) == SQLITE_ROW) {
        ++outcome.rows;
        for (int c = 0; c < sqlite3_column_count(s) && !sourceHoldsSecret; ++c) {
            const char* value = reinterpret_cast<const char*>(sqlite3_column_blob(s, c));
            const int bytes = sqlite3_column_bytes(s, c);
            for (const char* secret : {secretSalt, secretDigest})
                FUZZ_CHECK(!value || std::string_view(value, std::size_t(bytes)).find(secret) == std::string_view::npos,
                           "the password table's data in a row: " + why);
        }
    }
    outcome.finished = step == SQLITE_DONE;
    sqlite3_progress_handler(db, 0, nullptr, nullptr);
    sqlite3_finalize(s);
    return outcome;
}

// Whether a refusal is one the windows expect of the database layer.
void checkRefusal(const dao::Error& error, const std::string& source)
{
    FUZZ_CHECK(error.number() == dao::SyntaxError || error.number() == dao::UndefinedFunction
                   || error.number() == dao::TableNotFound,
               "'" + source + "' refused with " + std::to_string(error.number()) + ": " + error.description().toStdString());
}

void checkStatement(const QString& jet)
{
    const std::string source = jet.toStdString();
    dao::jet::Query query;
    try {
        query = dao::jet::translateStatement(jet);
    } catch (const dao::Error& error) {
        checkRefusal(error, source);
        return;
    }
    const Outcome all = run(query.sql, source);
    if (query.rowids.isEmpty())
        return;
    const Outcome rowids = run(query.rowids, source);
    FUZZ_CHECK(all.prepared == rowids.prepared, "'" + source + "': the rowid form '" + query.rowids.toStdString()
                                                   + "' is prepared " + (rowids.prepared ? "" : "not ") + "unlike the statement");
    if (all.finished && rowids.finished)
        FUZZ_CHECK(all.rows == rowids.rows, "'" + source + "' gives " + std::to_string(all.rows) + " rows, its rowid form '"
                                                + query.rowids.toStdString() + "' " + std::to_string(rowids.rows));
}

void checkCriterion(const QString& jet)
{
    try {
        const dao::jet::Criterion criterion = dao::jet::translateCriterion(jet);
        for (const QString& name : criterion.names)
            FUZZ_CHECK(jet.contains(name, Qt::CaseInsensitive), "'" + jet.toStdString() + "' names '" + name.toStdString() + "'");
        run(QStringLiteral("SELECT (%1) FROM Rules").arg(criterion.expression), jet.toStdString());
    } catch (const dao::Error& error) {
        checkRefusal(error, jet.toStdString());
    }
}

void checkLiteral(QString text)
{
    text.remove(QChar(0));  // SQLite text ends at a zero character
    const QString literal = dao::literal(text);
    const std::string source = literal.toStdString();
    try {
        const QString expression = dao::jet::translateCriterion(literal).expression;
        sqlite3_stmt* s = nullptr;
        const QByteArray utf8 = QStringLiteral("SELECT %1").arg(expression).toUtf8();
        FUZZ_CHECK(sqlite3_prepare_v2(database(), utf8.constData(), int(utf8.size()), &s, nullptr) == SQLITE_OK,
                   source + " -> " + utf8.toStdString() + ": " + sqlite3_errmsg(database()));
        FUZZ_CHECK(sqlite3_step(s) == SQLITE_ROW, source);
        const QString back = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), sqlite3_column_bytes(s, 0));
        sqlite3_finalize(s);
        FUZZ_CHECK(back == text, source + " reads back as '" + back.toStdString() + "'");

        const QString jet = QStringLiteral("SELECT * FROM Rules WHERE [Para-Text] = %1 OR Paragraph = \"QW-\" & %1").arg(literal);
        const Outcome outcome = run(dao::jet::translateStatement(jet).sql, jet.toStdString());
        FUZZ_CHECK(outcome.prepared, jet.toStdString() + ": " + sqlite3_errmsg(database()));
    } catch (const dao::Error& error) {
        fuzzing::fail("a literal translates", source + ": " + error.description().toStdString());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = fuzzing::utf8Text(data, size);
    try {
        checkStatement(text);
        checkCriterion(text);
        checkLiteral(text);
    } catch (const std::exception& error) {
        fuzzing::fail("no failure but the engine's errors", text.toStdString() + ": " + error.what());
    }
    return 0;
}
