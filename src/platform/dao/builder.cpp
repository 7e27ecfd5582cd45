#include "platform/dao/builder.h"

#include "platform/dao/connection.h"
#include "platform/dao/jet_sql.h"
#include "platform/dao/password.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <string_view>
#include <filesystem>
#include <sqlite3.h>

namespace dao {

namespace {

class BuildConnection {
public:
    explicit BuildConnection(const QString& path)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw BuildError(QStringLiteral("cannot create the database %1: %2").arg(path, message()));
    }
    ~BuildConnection() { sqlite3_close_v2(db_); }
    BuildConnection(const BuildConnection&) = delete;
    BuildConnection& operator=(const BuildConnection&) = delete;

    sqlite3* get() const { return db_; }
    QString message() const { return QString::fromUtf8(sqlite3_errmsg(db_)); }

    void close()
    {
        if (sqlite3_close(db_) != SQLITE_OK)
            throw BuildError(QStringLiteral("cannot finish the database: %1").arg(message()));
        db_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
};

// Skips blanks and comments so that a statement's line is the line of its first word.
const char* skipBlanksAndComments(const char* at, const char* end)
{
    constexpr std::string_view closeComment = "*/";
    while (at < end) {
        if (*at == ' ' || (*at >= '\t' && *at <= '\r')) {  // the C blanks, whatever the locale
            ++at;
        } else if (end - at >= 2 && at[0] == '-' && at[1] == '-') {
            while (at < end && *at != '\n')
                ++at;
        } else if (end - at >= 2 && at[0] == '/' && at[1] == '*') {
            const char* close = std::search(at + 2, end, closeComment.begin(), closeComment.end());
            at = close == end ? end : close + 2;
        } else {
            break;
        }
    }
    return at;
}

void runSource(sqlite3* db, const SqlSource& source)
{
    const QByteArray utf8 = source.text.toUtf8();
    const char* const begin = utf8.constData();
    const char* const end = begin + utf8.size();
    const char* at = begin;
    const char* counted = begin;  // lines are counted up to here
    int line = 1;
    for (;;) {
        at = skipBlanksAndComments(at, end);
        if (at == end)
            return;
        line += static_cast<int>(std::count(counted, at, '\n'));
        counted = at;
        sqlite3_stmt* statement = nullptr;
        const char* tail = nullptr;
        int rc = sqlite3_prepare_v2(db, at, static_cast<int>(end - at), &statement, &tail);
        if (rc == SQLITE_OK && statement) {
            do
                rc = sqlite3_step(statement);
            while (rc == SQLITE_ROW);
            if (rc == SQLITE_DONE)
                rc = SQLITE_OK;
        }
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(statement);
        if (rc != SQLITE_OK)
            throw BuildError(QStringLiteral("%1:%2: %3").arg(source.name).arg(line).arg(message));
        if (!tail || tail <= at)
            return;
        at = tail;
    }
}

void exec(const BuildConnection& db, const char* sql)
{
    if (sqlite3_exec(db.get(), sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw BuildError(QStringLiteral("cannot build the database: %1").arg(db.message()));
}

}  // namespace

namespace {

[[noreturn]] void indexFailure(sqlite3* db)
{
    throw BuildError(QStringLiteral("cannot write the query indexes: %1").arg(QString::fromUtf8(sqlite3_errmsg(db))));
}

void execOn(sqlite3* db, const QString& sql)
{
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        indexFailure(db);
}

// Runs a query with one text bound to ?1 (when it has one) and hands the texts of each row's
// first two columns to `onRow`.
template <typename OnRow>
void eachRow(sqlite3* db, const char* sql, const QString& parameter, OnRow onRow)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        indexFailure(db);
    }
    const QByteArray bound = parameter.toUtf8();
    sqlite3_bind_text(statement, 1, bound.constData(), static_cast<int>(bound.size()), SQLITE_STATIC);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        const auto text = [&](int column) {
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
        };
        onRow(text(0), text(1));
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        indexFailure(db);
}

}  // namespace

void writeQueryIndexes(sqlite3* db)
{
    // The paragraph table and its columns, found without regard to case as the queries name them.
    QString table;
    eachRow(db, "SELECT name, type FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE",
            QStringLiteral("Variables"), [&](const QString& name, const QString&) { table = name; });
    if (table.isEmpty())
        return;
    QString order, name;
    QStringList flags;
    eachRow(db, "SELECT name, type FROM pragma_table_info(?1)", table, [&](const QString& column, const QString& type) {
        if (column.compare(QLatin1String("order"), Qt::CaseInsensitive) == 0)
            order = column;
        else if (column.compare(QLatin1String("variable"), Qt::CaseInsensitive) == 0)
            name = column;
        else if (detail::isBooleanType(type.toUtf8().constData()))
            flags << column;
    });
    if (order.isEmpty() || name.isEmpty())
        return;  // not a file the program can list from

    // The paragraph lists read paragraph names in stored order: of every paragraph, and of the
    // paragraphs of one process and category, whose Boolean column is true (-1, as the queries
    // compare it). Each index holds all that its list reads (the order, the name and the column
    // that chooses the rows), so a list never reads the long texts; the rowid that ends every
    // index entry keeps paragraphs of equal order in stored order.
    using jet::quoteName;
    const QString columns = quoteName(order) + u',' + quoteName(name) + QStringLiteral(" COLLATE BINARY");
    execOn(db, QStringLiteral("SAVEPOINT query_indexes"));
    try {
        execOn(db, QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2(%3)")
                       .arg(quoteName(table + QStringLiteral(" by order")), quoteName(table), columns));
        for (const QString& flag : flags)
            execOn(db, QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2(%3,%4) WHERE %4 = -1")
                           .arg(quoteName(table + QStringLiteral(" by order where ") + flag), quoteName(table), columns,
                                quoteName(flag)));
        // Where no two paragraphs share a place in the order, a unique index says so: a list in
        // that order then has no ties to keep in stored order, and reads its index in order
        // rather than sorting.
        bool orderIsUnique = false;
        eachRow(db, QStringLiteral("SELECT count(*) = count(DISTINCT %1) AND count(*) = count(%1), 0 FROM %2")
                        .arg(quoteName(order), quoteName(table)).toUtf8().constData(),
                QString(), [&](const QString& unique, const QString&) { orderIsUnique = unique == u'1'; });
        if (orderIsUnique)
            execOn(db, QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS %1 ON %2(%3)")
                           .arg(quoteName(table + QStringLiteral(" order is unique")), quoteName(table), quoteName(order)));
        // How many rows each index holds, so that a search within a category reads the
        // category's index (and its rows) rather than every row in order.
        execOn(db, QStringLiteral("ANALYZE %1").arg(quoteName(table)));
    } catch (const BuildError&) {
        sqlite3_exec(db, "ROLLBACK TO query_indexes; RELEASE query_indexes", nullptr, nullptr, nullptr);
        throw;
    }
    execOn(db, QStringLiteral("RELEASE query_indexes"));
}

namespace {

// Refuses an index that orders a column without regard to case where the column holds text beyond
// ASCII (a text whose length in characters differs from its length in bytes).
void checkCaselessIndexes(sqlite3* db)
{
    std::vector<std::pair<QString, QString>> indexes;  // index, table
    eachRow(db, "SELECT name, tbl_name FROM sqlite_master WHERE type = 'index'", QString(),
            [&](const QString& index, const QString& table) { indexes.emplace_back(index, table); });
    for (const auto& [index, table] : indexes) {
        QStringList columns;
        eachRow(db, "SELECT name, coll FROM pragma_index_xinfo(?1) WHERE key = 1 AND name IS NOT NULL", index,
                [&](const QString& column, const QString& collation) {
            if (collation.compare(QLatin1String("NOCASE"), Qt::CaseInsensitive) == 0)
                columns << column;
        });
        for (const QString& column : columns) {
            const QString name = jet::quoteName(column);
            bool beyondAscii = false;
            eachRow(db,
                    QStringLiteral("SELECT 1, 1 FROM %1 WHERE typeof(%2) = 'text' AND length(CAST(%2 AS BLOB)) <> length(%2) "
                                   "LIMIT 1")
                        .arg(jet::quoteName(table), name)
                        .toUtf8()
                        .constData(),
                    QString(), [&](const QString&, const QString&) { beyondAscii = true; });
            if (beyondAscii)
                throw BuildError(QStringLiteral("the index %1 orders the column %2 of the table %3 without regard to case, "
                                                "but the column holds letters beyond ASCII, which the sqlite3 tool orders "
                                                "otherwise than the program (index the column COLLATE BINARY)")
                                     .arg(index, column, table));
        }
    }
}

}  // namespace

void buildDatabase(const QString& outPath, const std::vector<SqlSource>& sources, const QString& password)
{
    const QFileInfo target(outPath);
    QTemporaryFile temporary(target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!temporary.open())
        throw BuildError(QStringLiteral("cannot write in %1: %2").arg(target.absolutePath(), temporary.errorString()));
    temporary.close();

    BuildConnection db(temporary.fileName());
    // A build either finishes or is thrown away, so it needs no journal. Pages of 1 KB: a row of
    // a paragraph fills its pages nearly whole, so the pages that a search of one category reads
    // hold little else, and they fit the reader's page cache on databases far larger than an
    // edition (with 4 KB pages most of each page read stayed empty).
    exec(db, "PRAGMA page_size = 1024; PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF");
    for (const SqlSource& source : sources)
        runSource(db.get(), source);
    if (!sqlite3_get_autocommit(db.get()))
        throw BuildError(QStringLiteral("the SQL text leaves a transaction open"));
    writeQueryIndexes(db.get());
    checkCaselessIndexes(db.get());
    if (!password.isEmpty())
        writePassword(db.get(), password);
    exec(db, "PRAGMA journal_mode = DELETE");
    db.close();

    temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temporary.fileName()).toStdString(),
                            QFile::encodeName(target.absoluteFilePath()).toStdString(), error);
    if (error)
        throw BuildError(QStringLiteral("cannot write %1: %2").arg(outPath, QString::fromStdString(error.message())));
    temporary.setAutoRemove(false);
}

void writePassword(sqlite3* db, const QString& password)
{
    const QByteArray create = QStringLiteral("CREATE TABLE %1 (salt BLOB NOT NULL, digest BLOB NOT NULL)")
                                  .arg(QLatin1String(password::tableName)).toUtf8();
    const QByteArray salt = password::newSalt();
    const QByteArray digest = password::digest(salt, password);
    const QByteArray insert = QStringLiteral("INSERT INTO %1 VALUES (?, ?)").arg(QLatin1String(password::tableName)).toUtf8();
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_exec(db, create.constData(), nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_prepare_v2(db, insert.constData(), -1, &statement, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_bind_blob(statement, 1, salt.constData(), static_cast<int>(salt.size()), SQLITE_TRANSIENT);
        sqlite3_bind_blob(statement, 2, digest.constData(), static_cast<int>(digest.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(statement) == SQLITE_DONE ? SQLITE_OK : SQLITE_ERROR;
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_OK)
        throw BuildError(QStringLiteral("cannot store the password: %1").arg(QString::fromUtf8(sqlite3_errmsg(db))));
}

}  // namespace dao
