// Opening database files: passwords, files that are not whole databases, the hidden password
// table, closing, and files that stay unchanged whatever is queried.

#include "platform/dao/dao.h"
#include "support/fixture_database.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

using testing_support::readBytes;
using testing_support::writeBytes;

namespace {

const char* const fixtureSql = R"sql(
CREATE TABLE Processes (ABBR TEXT COLLATE NOCASE, SORTKEY INTEGER);
INSERT INTO Processes VALUES ('SMAW', 2);
INSERT INTO Processes VALUES ('OFW', 1);
CREATE TABLE "Cross-reference" (reference TEXT COLLATE NOCASE);
)sql";

std::unique_ptr<dao::Database> open(const QString& path, const QString& connect = QStringLiteral(";pwd=Kx4Tq9Wm"))
{
    return dao::Workspace::defaultWorkspace().openDatabase(path, false, false, connect);
}

// The engine's error number of opening the file, 0 when it opened.
int openError(const QString& path, const QString& connect = QStringLiteral(";pwd=Kx4Tq9Wm"))
{
    const dao::Error error = testing_support::errorOf([&] { open(path, connect); });
    EXPECT_EQ(error.description().isEmpty(), error.number() == 0);
    return error.number();
}

void write(const QString& path, const QByteArray& bytes) { ASSERT_TRUE(writeBytes(path, bytes)) << path.toStdString(); }

TEST(DaoOpen, PasswordOpensTheFileAndAnyOtherTextIsRefused)
{
    const testing_support::FixtureDatabase fixture(QString::fromUtf8(fixtureSql), QStringLiteral("Kx4Tq9Wm"));
    const struct {
        const char* connect;
        int error;
    } cases[] = {
        {";pwd=Kx4Tq9Wm", 0},
        {";PWD=Kx4Tq9Wm", 0},
        {"MS;pwd=Kx4Tq9Wm;", 0},
        {";pwd=kx4tq9wm", dao::WrongPassword},
        {";pwd=Kx4Tq9W", dao::WrongPassword},
        {";pwd=Kx4Tq9Wm ", dao::WrongPassword},
        {";pwd=", dao::WrongPassword},
        {"", dao::WrongPassword},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.connect);
        EXPECT_EQ(openError(fixture.path(), QString::fromUtf8(c.connect)), c.error);
    }
}

TEST(DaoOpen, FileWithoutPasswordOpensWithAnyPassword)
{
    const testing_support::FixtureDatabase fixture(QString::fromUtf8(fixtureSql));
    for (const char* connect : {";pwd=Kx4Tq9Wm", ";pwd=anything", ""})
        EXPECT_EQ(openError(fixture.path(), QString::fromUtf8(connect)), 0) << connect;
}

TEST(DaoOpen, PasswordIsStoredOnlyAsASaltedDigest)
{
    const testing_support::FixtureDatabase first(QString::fromUtf8(fixtureSql), QStringLiteral("Kx4Tq9Wm"), QStringLiteral("a.mdb"));
    const testing_support::FixtureDatabase second(QString::fromUtf8(fixtureSql), QStringLiteral("Kx4Tq9Wm"), QStringLiteral("b.mdb"));
    const QByteArray bytes = readBytes(first.path());
    EXPECT_FALSE(bytes.contains("Kx4Tq9Wm"));
    EXPECT_FALSE(bytes.contains(QCryptographicHash::hash("Kx4Tq9Wm", QCryptographicHash::Sha256)))
        << "an unsalted digest would give the same bytes in every file";
    EXPECT_NE(bytes, readBytes(second.path())) << "each file has its own salt";
}

TEST(DaoOpen, PasswordTableIsHidden)
{
    const testing_support::FixtureDatabase fixture(QString::fromUtf8(fixtureSql), QStringLiteral("Kx4Tq9Wm"));
    auto db = open(fixture.path());
    QStringList tables = db->tableNames();
    tables.sort();
    EXPECT_EQ(tables.join(u','), QStringLiteral("Cross-reference,Processes"));
    for (const char* sql : {"dao_password", "SELECT * FROM dao_password", "SELECT * FROM [DAO_PASSWORD]",
                            "SELECT * FROM Processes WHERE ABBR IN (SELECT salt FROM dao_password)"}) {
        SCOPED_TRACE(sql);
        EXPECT_EQ(testing_support::errorNumber([&] { db->openRecordset(QString::fromUtf8(sql)); }), dao::TableNotFound);
    }
}

TEST(DaoOpen, FilesThatAreNotWholeDatabasesGiveClearErrors)
{
    const testing_support::FixtureDatabase fixture(QString::fromUtf8(fixtureSql), QStringLiteral("Kx4Tq9Wm"));
    const QByteArray good = readBytes(fixture.path());
    ASSERT_GT(good.size(), 2048);
    QTemporaryDir dir;
    const auto file = [&](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        write(path, bytes);
        return path;
    };
    QByteArray jet(2048, '\0');
    jet.replace(4, 15, "Standard Jet DB");
    QByteArray ace(2048, '\0');
    ace.replace(4, 15, "Standard ACE DB");
    QByteArray random(4096, '\0');
    for (int i = 0; i < random.size(); ++i)
        random[i] = static_cast<char>((i * 7919 + 13) % 251);
    QByteArray damaged = good;
    for (int i = 100; i < damaged.size(); ++i)
        damaged[i] = static_cast<char>(0xA5);

    const struct {
        QString path;
        int error;
    } cases[] = {
        {dir.filePath(QStringLiteral("missing.mdb")), dao::FileNotFound},
        {dir.path(), dao::CannotOpen},
        {file("empty.mdb", QByteArray()), dao::UnrecognisedFormat},
        {file("jet.mdb", jet), dao::UnrecognisedFormat},
        {file("ace.mdb", ace), dao::UnrecognisedFormat},
        {file("random.mdb", random), dao::UnrecognisedFormat},
        {file("text.mdb", "SQLite format 3"), dao::UnrecognisedFormat},
        {file("header.mdb", good.left(60)), dao::UnrecognisedFormat},
        {file("truncated.mdb", good.left(good.size() - 1024)), dao::UnrecognisedFormat},
        {file("damaged.mdb", damaged), dao::UnrecognisedFormat},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(openError(c.path), c.error);
    }
}

TEST(DaoOpen, UnusableFilesAreDescribedByNameInPlainWords)
{
    const testing_support::FixtureDatabase fixture(QString::fromUtf8(fixtureSql), QStringLiteral("Kx4Tq9Wm"));
    const QByteArray good = readBytes(fixture.path());
    const auto unfinished = testing_support::fileWithAnUnfinishedChange(fixture.path());
    ASSERT_TRUE(unfinished.second.startsWith("\xd9\xd5\x05\xf9"));  // a journal that must be rolled back
    const auto logged = testing_support::fileWithALoggedChange(fixture.path(), "DELETE FROM Processes", false);
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
        QByteArray journal;  // written beside the file when not empty
        const char* journalSuffix = "-journal";
    } cases[] = {
        {"empty.mdb", QByteArray(), "the file is empty, so it is not a database file", {}},
        {"text.mdb", "Sample text, not a database", "it is not a database file", {}},
        {"header.mdb", good.left(60), "the file is damaged", {}},
        {"truncated.mdb", good.left(good.size() - 1024), "the file is damaged", {}},
        {"unfinished.mdb", unfinished.first, "it has an unfinished change from another program", unfinished.second},
        {"logged.mdb", logged.first, "it has changes from another program that are not yet written into it (in the "
                                     "write-ahead log logged.mdb-wal beside it)", logged.second, "-wal"},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        const QString journal = path + QString::fromLatin1(c.journalSuffix);
        write(path, c.bytes);
        if (!c.journal.isEmpty())
            write(journal, c.journal);
        const dao::Error error = testing_support::errorOf([&] { open(path); });
        EXPECT_NE(error.number(), 0) << c.name << " opened";
        EXPECT_EQ(error.number(), c.journal.isEmpty() ? error.number() : dao::CannotOpen);
        EXPECT_TRUE(error.description().contains(path)) << error.description().toStdString();
        EXPECT_TRUE(error.description().contains(QLatin1String(c.reason))) << error.description().toStdString();
        // The file and what lies beside it stay as they were.
        EXPECT_EQ(readBytes(path), c.bytes) << c.name;
        EXPECT_EQ(readBytes(journal), c.journal) << c.name;
        EXPECT_FALSE(QFile::exists(path + QStringLiteral("-shm"))) << c.name;
    }
}

TEST(DaoOpen, SpecialFileIsRefusedWithoutWaitingForIt)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.mdb"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(openError(fifo), dao::CannotOpen);
}

TEST(DaoOpen, UnreadableFileIsRefused)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the super-user reads files without read permission";
    const testing_support::FixtureDatabase fixture(QString::fromUtf8(fixtureSql));
    ASSERT_TRUE(QFile::setPermissions(fixture.path(), QFileDevice::WriteOwner));
    EXPECT_EQ(openError(fixture.path()), dao::CannotOpen);
}

TEST(DaoOpen, QueriesNeverChangeTheFile)
{
    const testing_support::FixtureDatabase fixture(QString::fromUtf8(fixtureSql), QStringLiteral("Kx4Tq9Wm"));
    const QByteArray before = readBytes(fixture.path());
    const QDateTime modified = QFileInfo(fixture.path()).lastModified();
    {
        auto db = open(fixture.path());
        for (const char* sql : {"SELECT * FROM [Processes] ORDER BY [SORTKEY]", "Cross-reference",
                                "SELECT DISTINCT ABBR FROM Processes WHERE ABBR LIKE \"*M*\"",
                                "SELECT * FROM Processes; DROP TABLE Processes", "DELETE FROM Processes",
                                "INSERT INTO Processes VALUES ('X', 3)", "SELECT * FROM Processes WHERE [ABBR] = \"x\"",
                                "UPDATE Processes SET ABBR = 'Y'", "CREATE TABLE t (a)", "PRAGMA user_version = 7"}) {
            try {
                auto rs = db->openRecordset(QString::fromUtf8(sql));
                if (!rs->eof())
                    rs->findFirst(QStringLiteral("ABBR = \"OFW\""));
            } catch (const dao::Error&) {
            }
        }
        db->close();
    }
    EXPECT_EQ(readBytes(fixture.path()), before);
    EXPECT_EQ(QFileInfo(fixture.path()).lastModified(), modified);
    EXPECT_EQ(QDir(fixture.dir()).entryList(QDir::Files | QDir::Hidden).join(u','), QStringLiteral("fixture.mdb"));
}

TEST(DaoOpen, AWriteAheadLogFileUnderAnyNameOpensAndLeavesItsDirectoryAlone)
{
    const testing_support::FixtureDatabase fixture(QString::fromUtf8(fixtureSql), QStringLiteral("Kx4Tq9Wm"));
    const QByteArray rollback = readBytes(fixture.path());
    const auto checkpointed = testing_support::fileWithALoggedChange(fixture.path(), "DELETE FROM Processes WHERE ABBR = 'OFW'", true);
    // A table that grows the file, dropped again and the file made smaller: the log still holds
    // pages past the length of its last commit, which the file has no more.
    const auto shrunk = testing_support::fileWithALoggedChange(
        fixture.path(), "CREATE TABLE Notes AS SELECT zeroblob(20000) FROM Processes; DROP TABLE Notes; VACUUM", true);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(fixture.path()).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    const QByteArray declared = readBytes(fixture.path());
    ASSERT_EQ(declared[18], 2);  // the file declares the write-ahead log

    // Characters that a file address would otherwise read as its own syntax; logs beside the file
    // that change nothing of it: empty, not a log at all, or one whose change is in the file too.
    const struct {
        QString name;
        QByteArray bytes;
        QByteArray log;  // written beside the file when not null
        int processes;
    } cases[] = {
        {"qel 07#09?x=1%20.mdb", declared, {}, 2},
        {"qel0709 Ü.mdb", declared, {}, 2},
        {"empty log.mdb", rollback, "", 2},
        {"junk log.mdb", rollback, QByteArray(5000, '\x5a'), 2},
        {"checkpointed.mdb", checkpointed.first, checkpointed.second, 1},
        {"shrunk.mdb", shrunk.first, shrunk.second, 2},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(c.name);
        write(path, c.bytes);
        if (!c.log.isNull())
            write(path + QStringLiteral("-wal"), c.log);
        {
            auto opened = open(path);
            EXPECT_EQ(opened->openRecordset(QStringLiteral("Processes"))->recordCount(), c.processes) << c.name.toStdString();
            opened->close();
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), c.log.isNull() ? 1 : 2) << c.name.toStdString();
        EXPECT_EQ(readBytes(path), c.bytes) << c.name.toStdString();
    }
}

TEST(DaoOpen, ReadOnlyFileOpens)
{
    const testing_support::FixtureDatabase fixture(QString::fromUtf8(fixtureSql), QStringLiteral("Kx4Tq9Wm"));
    QFile::setPermissions(fixture.path(), QFileDevice::ReadOwner);
    auto db = open(fixture.path());
    EXPECT_EQ(db->openRecordset(QStringLiteral("Processes"))->recordCount(), 2);
    EXPECT_EQ(db->name(), fixture.path());
}

TEST(DaoOpen, ClosingTheWorkspaceClosesItsDatabases)
{
    const testing_support::FixtureDatabase fixture(QString::fromUtf8(fixtureSql), QStringLiteral("Kx4Tq9Wm"));
    dao::Workspace& ws = dao::Workspace::defaultWorkspace();
    auto db = ws.openDatabase(fixture.path(), false, false, QStringLiteral(";pwd=Kx4Tq9Wm"));
    auto rs = db->openRecordset(QStringLiteral("Processes"));
    ws.close();
    EXPECT_FALSE(ws.isOpen());
    EXPECT_EQ(testing_support::errorNumber([&] { rs->moveNext(); }), dao::ObjectInvalid);
    EXPECT_EQ(testing_support::errorNumber([&] { ws.openDatabase(fixture.path(), false, false, QStringLiteral(";pwd=Kx4Tq9Wm")); }),
              dao::ObjectInvalid);
    dao::Workspace& again = dao::Workspace::defaultWorkspace();
    EXPECT_TRUE(again.isOpen());
    EXPECT_EQ(again.openDatabase(fixture.path(), false, false, QStringLiteral(";pwd=Kx4Tq9Wm"))
                  ->openRecordset(QStringLiteral("Processes"))
                  ->recordCount(),
              2);
}

}  // namespace
