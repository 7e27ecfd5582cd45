#pragma once
// A database built from SQL text (SQLite's own SQL) in a temporary directory that lives as long
// as the fixture, optionally with a password, for tests of everything that reads a database.

#include "platform/dao/builder.h"
#include "platform/dao/dao.h"
#include "support/file_bytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <utility>

namespace testing_support {

class FixtureDatabase {
public:
    explicit FixtureDatabase(const QString& sql, const QString& password = {},
                             const QString& fileName = QStringLiteral("fixture.mdb"))
        : path_(dir_.filePath(fileName))
    {
        dao::buildDatabase(path_, {{fileName, sql}}, password);
    }
    const QString& path() const { return path_; }
    QString dir() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString path_;
};

// The database error that `action` raises; number 0 when it raises none.
template <typename Action>
dao::Error errorOf(Action action)
{
    try {
        action();
    } catch (const dao::Error& e) {
        return e;
    }
    return dao::Error(0, {});
}

template <typename Action>
int errorNumber(Action action)
{
    return errorOf(action).number();
}

// The bytes of a copy of `database` and of its rollback journal as another program's change
// leaves them when it is killed in the middle: the change has spilled into the file, and the
// journal holds what it replaced.
inline std::pair<QByteArray, QByteArray> fileWithAnUnfinishedChange(const QString& database)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.mdb"));
    QFile::copy(database, copy);
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(copy).constData(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE Notes (line TEXT); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                 "WHERE i < 200) INSERT INTO Notes SELECT printf('%0500d', i) FROM n;"
                 "PRAGMA journal_mode = DELETE; PRAGMA cache_size = 2; BEGIN; UPDATE Notes SET line = line || 'x';",
                 nullptr, nullptr, nullptr);
    std::pair<QByteArray, QByteArray> unfinished(readBytes(copy), readBytes(copy + QStringLiteral("-journal")));
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return unfinished;
}

// The bytes of a copy of `database` in write-ahead-log mode and of its log, as another program
// that has the copy open leaves them after committing `sql`: the change lies in the log alone,
// or, when `checkpointed`, also in the file, while the log still holds it.
inline std::pair<QByteArray, QByteArray> fileWithALoggedChange(const QString& database, const char* sql, bool checkpointed)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.mdb"));
    QFile::copy(database, copy);
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(copy).constData(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0", nullptr, nullptr, nullptr);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (checkpointed)
        sqlite3_exec(db, "PRAGMA wal_checkpoint(PASSIVE)", nullptr, nullptr, nullptr);
    std::pair<QByteArray, QByteArray> logged(readBytes(copy), readBytes(copy + QStringLiteral("-wal")));
    sqlite3_close(db);
    return logged;
}

}  // namespace testing_support
