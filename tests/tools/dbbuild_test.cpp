// The database builder run as the build runs it: a database from SQL files, with or without a
// password, and no file at all when a statement fails; its conversion of a Jet file; and both
// files read by the plain sqlite3 tool.

#include "platform/dao/dao.h"
#include "support/file_bytes.h"
#include "support/jet_samples.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString errors;
};

ToolRun dbbuild(const QStringList& arguments)
{
    QProcess process;
    process.start(testing_support::builtDataDir() + QStringLiteral("/varnel_dbbuild"), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

// What the plain sqlite3 tool prints for `sql` on the file at `path`, its errors after it.
QString plainSqlite(const QString& path, const QString& sql)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (program.isEmpty())
        return QStringLiteral("no sqlite3 tool");
    QProcess process;
    process.start(program, {QStringLiteral("-readonly"), path, sql});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("the sqlite3 tool did not finish");
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
}

class DbBuild : public ::testing::Test {
protected:
    QString sqlFile(const QString& name, const QString& text)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(testing_support::writeBytes(path, text.toUtf8()));
        return path;
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QTemporaryDir dir;
};

TEST_F(DbBuild, BuildsADatabaseFromSqlFilesInOrder)
{
    const QString schema = sqlFile(QStringLiteral("schema.sql"),
                                   QStringLiteral("-- sample\nCREATE TABLE \"Base metals\" (Spec_No TEXT COLLATE NOCASE, "
                                                  "Active BOOLEAN);\n"));
    const QString rows = sqlFile(QStringLiteral("rows.sql"),
                                 QStringLiteral("BEGIN;\nINSERT INTO \"Base metals\" VALUES ('SA-516', -1);\n"
                                                "INSERT INTO \"Base metals\" VALUES ('Sample ''é''', 0);\nCOMMIT;\n"));
    const QString out = dir.filePath(QStringLiteral("qel0709.mdb"));
    const ToolRun run = dbbuild({out, QStringLiteral("--password"), QStringLiteral("Kx4Tq9Wm"), schema, rows});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    auto db = dao::Workspace::defaultWorkspace().openDatabase(out, false, false, QStringLiteral(";pwd=Kx4Tq9Wm"));
    auto rs = db->openRecordset(QStringLiteral("SELECT * FROM [Base metals] WHERE [Active] = FALSE"));
    ASSERT_EQ(rs->recordCount(), 1);
    EXPECT_EQ(rs->field(QStringLiteral("Spec_No")).toString(), QStringLiteral("Sample 'é'"));
    try {
        dao::Workspace::defaultWorkspace().openDatabase(out, false, false, QStringLiteral(";pwd=other"));
        ADD_FAILURE() << "a wrong password opened the file";
    } catch (const dao::Error& e) {
        EXPECT_EQ(e.number(), dao::WrongPassword);
    }
    EXPECT_EQ(files().join(u','), QStringLiteral("qel0709.mdb,rows.sql,schema.sql")) << "no temporary file is left";
}

TEST_F(DbBuild, WithoutPasswordTheFileOpensWithAnyPassword)
{
    const QString sql = sqlFile(QStringLiteral("a.sql"), QStringLiteral("CREATE TABLE t (a TEXT);"));
    const QString out = dir.filePath(QStringLiteral("a.mdb"));
    ASSERT_EQ(dbbuild({out, sql}).exitCode, 0);
    EXPECT_NO_THROW(dao::Workspace::defaultWorkspace().openDatabase(out, false, false, QStringLiteral(";pwd=x")));
}

TEST_F(DbBuild, BadStatementIsReportedWithItsLineAndLeavesNoFile)
{
    const QString sql = sqlFile(QStringLiteral("bad.sql"), QStringLiteral("CREATE TABLE t (a TEXT);\n\n"
                                                                          "INSERT INTO t VALUES ('x');\n"
                                                                          "INSERT INTO t VALUES ('y'\n  );\n"
                                                                          "INSERT INTO u VALUES ('z');\n"));
    const QString out = dir.filePath(QStringLiteral("bad.mdb"));
    const ToolRun run = dbbuild({out, QStringLiteral("--password"), QStringLiteral("p"), sql});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(sql + QStringLiteral(":6:"))) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QStringLiteral("no such table: u"))) << run.errors.toStdString();
    EXPECT_EQ(files().join(u','), QStringLiteral("bad.sql"));
}

TEST_F(DbBuild, AnIndexOverCaselessTextBeyondAsciiIsRefused)
{
    // The program and the sqlite3 tool would each find the index in another order.
    const QString sql = sqlFile(QStringLiteral("terms.sql"),
                                QStringLiteral("CREATE TABLE terms (term TEXT COLLATE NOCASE UNIQUE, note TEXT COLLATE NOCASE);\n"
                                               "INSERT INTO terms VALUES ('arc', 'Ärger'), ('Ärger', 'x');\n"));
    const QString out = dir.filePath(QStringLiteral("terms.mdb"));
    const ToolRun run = dbbuild({out, sql});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("the column term of the table terms"))) << run.errors.toStdString();
    EXPECT_EQ(files().join(u','), QStringLiteral("terms.sql"));
    // The same text in a column without an index, or ASCII text in the indexed one, builds.
    ASSERT_EQ(dbbuild({out, sqlFile(QStringLiteral("ascii.sql"),
                                    QStringLiteral("CREATE TABLE terms (term TEXT COLLATE NOCASE UNIQUE, note TEXT COLLATE NOCASE);\n"
                                                   "INSERT INTO terms VALUES ('arc', 'Ärger'), ('ARGON', 'ärger');\n"))})
                  .exitCode,
              0);
}

TEST_F(DbBuild, BuiltAndConvertedFilesReadInThePlainSqliteTool)
{
    // The program's own comparison of every letter lives in its connections; the files declare
    // SQLite's own NOCASE and keep every index in an order that the tool agrees with.
    const QString sample = testing_support::builtDataDir() + QStringLiteral("/qel0709.mdb");
    EXPECT_EQ(plainSqlite(sample, QStringLiteral("PRAGMA integrity_check; "
                                                 "SELECT count(*) FROM Variables WHERE variable = 'qw-402.1';")),
              QStringLiteral("ok\n1"));
    const QString converted = dir.filePath(QStringLiteral("nwind.mdb"));
    ASSERT_EQ(dbbuild({QStringLiteral("--from-jet"), testing_support::jetSample("nwind.mdb"), converted}).exitCode, 0);
    EXPECT_EQ(plainSqlite(converted, QStringLiteral("PRAGMA integrity_check; "
                                                    "SELECT CompanyName FROM Customers WHERE City = 'münchen';")),
              QStringLiteral("ok\nFrankenversand"));
    auto db = dao::Workspace::defaultWorkspace().openDatabase(converted, false, false, QStringLiteral(";pwd="));
    auto rs = db->openRecordset(QStringLiteral("SELECT CompanyName FROM Customers WHERE City = \"MÜNCHEN\""));
    ASSERT_EQ(rs->recordCount(), 1);
    EXPECT_EQ(rs->field(0).toString(), QStringLiteral("Frankenversand"));
}

TEST_F(DbBuild, FailedRebuildKeepsThePreviousFile)
{
    const QString out = dir.filePath(QStringLiteral("keep.mdb"));
    ASSERT_EQ(dbbuild({out, sqlFile(QStringLiteral("good.sql"), QStringLiteral("CREATE TABLE t (a TEXT);"))}).exitCode, 0);
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    EXPECT_NE(dbbuild({out, sqlFile(QStringLiteral("broken.sql"), QStringLiteral("CREATE TABLE t (a TEXT"))}).exitCode, 0);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(DbBuild, RefusesBadArguments)
{
    const QString sql = sqlFile(QStringLiteral("a.sql"), QStringLiteral("CREATE TABLE t (a TEXT);"));
    const QString out = dir.filePath(QStringLiteral("out.mdb"));
    const QList<QStringList> cases = {
        {},
        {out},
        {out, QStringLiteral("--password")},
        {out, QStringLiteral("--password"), QStringLiteral("p")},
        {out, dir.filePath(QStringLiteral("missing.sql"))},
        {dir.filePath(QStringLiteral("no/such/dir/out.mdb")), sql},
        {out, sqlFile(QStringLiteral("open.sql"), QStringLiteral("BEGIN; CREATE TABLE u (a);"))},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const ToolRun run = dbbuild(arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.errors.startsWith(QStringLiteral("varnel_dbbuild: "))) << run.errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(DbBuild, FromJetWritesAFileOfOurOwnFormatOnce)
{
    const QString out = dir.filePath(QStringLiteral("qel0709.mdb"));
    const ToolRun run = dbbuild({QStringLiteral("--from-jet"), testing_support::jetSample("nwind.mdb"), out});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(testing_support::readBytes(out).startsWith(QByteArray("SQLite format 3\0", 16)));
    EXPECT_TRUE(QFileInfo(out).permissions() & QFile::ReadOther);
    auto db = dao::Workspace::defaultWorkspace().openDatabase(out, false, false, QStringLiteral(";pwd=any"));
    EXPECT_EQ(db->tableNames().size(), 9);
    EXPECT_EQ(db->openRecordset(QStringLiteral("SELECT * FROM Orders WHERE ShipCity = \"BERN\""))->recordCount(), 8);
    EXPECT_EQ(files().join(u','), QStringLiteral("qel0709.mdb")) << "no temporary file is left";
}

TEST_F(DbBuild, FromJetKeepsTheJetFilesPassword)
{
    QByteArray bytes = testing_support::readBytes(testing_support::jetSample("DateTestDatabase.mdb"));
    testing_support::setJetPassword(bytes, QStringLiteral("Kx4Tq9Wm"));
    const QString jet = dir.filePath(QStringLiteral("locked.mdb"));
    ASSERT_TRUE(testing_support::writeBytes(jet, bytes));
    const QString out = dir.filePath(QStringLiteral("out.mdb"));
    ASSERT_EQ(dbbuild({QStringLiteral("--from-jet"), jet, out}).exitCode, 0);
    EXPECT_NO_THROW(dao::Workspace::defaultWorkspace().openDatabase(out, false, false, QStringLiteral(";pwd=Kx4Tq9Wm")));
    try {
        dao::Workspace::defaultWorkspace().openDatabase(out, false, false, QStringLiteral(";pwd=other"));
        ADD_FAILURE() << "a wrong password opened the copy";
    } catch (const dao::Error& e) {
        EXPECT_EQ(e.number(), dao::WrongPassword);
    }
}

TEST_F(DbBuild, FromJetRefusesWhatItCannotConvertAndLeavesNoFile)
{
    const QString jet = dir.filePath(QStringLiteral("jet.mdb"));
    ASSERT_TRUE(QFile::copy(testing_support::jetSample("nwind.mdb"), jet));
    QFile::setPermissions(jet, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray original = testing_support::readBytes(jet);
    const QString truncated = dir.filePath(QStringLiteral("truncated.mdb"));
    ASSERT_TRUE(testing_support::writeBytes(truncated, original.left(original.size() / 2)));
    const QString sql = sqlFile(QStringLiteral("a.sql"), QStringLiteral("CREATE TABLE t (a TEXT);"));
    const QString out = dir.filePath(QStringLiteral("out.mdb"));
    const struct {
        QStringList arguments;
        QString message;
    } cases[] = {
        {{QStringLiteral("--from-jet"), truncated, out}, QStringLiteral("'%1': the file is damaged").arg(truncated)},
        {{QStringLiteral("--from-jet"), sql, out}, QStringLiteral("'%1': it is not a database file of the old engine").arg(sql)},
        {{QStringLiteral("--from-jet"), dir.filePath(QStringLiteral("missing.mdb")), out}, QStringLiteral("missing.mdb")},
        {{QStringLiteral("--from-jet"), jet, jet}, QStringLiteral("would replace the Jet file")},
        {{QStringLiteral("--from-jet"), jet}, QStringLiteral("usage")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ToolRun run = dbbuild(c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.errors.contains(c.message)) << run.errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(testing_support::readBytes(jet), original);
    EXPECT_EQ(files().join(u','), QStringLiteral("a.sql,jet.mdb,truncated.mdb"));
}

}  // namespace
