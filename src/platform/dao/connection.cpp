#include "platform/dao/connection.h"

#include "platform/dao/errors.h"
#include "platform/dao/jet_file.h"
#include "platform/dao/jet_like.h"
#include "platform/dao/jet_text.h"
#include "platform/dao/jet_sql.h"
#include "platform/dao/password.h"
#include "platform/dao/write_ahead_log.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <sqlite3.h>

namespace dao::detail {

namespace {

QString fromUtf8(const char* text) { return QString::fromUtf8(text ? text : ""); }

Error unrecognised(const QString& path, const QString& why)
{
    return Error(UnrecognisedFormat, QStringLiteral("Unrecognized database format '%1': %2.").arg(path, why));
}

Error cannotOpen(const QString& path, const QString& why)
{
    return Error(CannotOpen, QStringLiteral("The database engine cannot open the file '%1': %2.").arg(path, why));
}

quint32 bigEndian(const QByteArray& bytes, int at, int length)
{
    quint32 value = 0;
    for (int i = 0; i < length; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Refuses, before SQLite sees it, everything that is not a whole SQLite database file. SQLite
// itself would take an empty file for a new database and find a truncated one damaged only when
// a query reaches the missing pages. Gives the file for SQLite to open: the file itself, or the
// converted copy of a Jet file (which never has a write-ahead log).
struct SqliteFile {
    QString path;
    // Read as it stands, without SQLite's locks and without its write-ahead log: a file that
    // declares the log (format version 2 at bytes 18 and 19), or one with a log beside it.
    bool alone = false;
};

SqliteFile recogniseFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw Error(FileNotFound, QStringLiteral("Could not find file '%1'.").arg(path));
    if (info.isDir())
        throw cannotOpen(path, QStringLiteral("it is a directory"));
    if (!info.isFile())
        throw cannotOpen(path, QStringLiteral("it is not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotOpen(path, file.errorString());
    const qint64 size = file.size();
    const QByteArray header = file.read(100);
    if (size == 0)
        throw unrecognised(path, QStringLiteral("the file is empty, so it is not a database file"));
    if (header.isEmpty())
        throw cannotOpen(path, file.errorString());
    if (jet::engineOf(header) != jet::Engine::None)
        return {jet::convertedCopy(path)};
    if (!header.startsWith(QByteArray("SQLite format 3\0", 16)))
        throw unrecognised(path, QStringLiteral("it is not a database file"));
    if (header.size() < 100)
        throw unrecognised(path, QStringLiteral("the file is damaged: it ends inside its header"));
    quint32 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    const quint32 pageCount = bigEndian(header, 28, 4);
    const bool pageCountValid = bigEndian(header, 24, 4) == bigEndian(header, 92, 4);
    if (pageCountValid && pageCount > 0 && size < qint64(pageSize) * pageCount)
        throw unrecognised(path, QStringLiteral("the file is damaged: it ends before its last page"));
    // SQLite reads the pages of a log's committed changes in place of the file's, and makes a
    // "-shm" file beside the file to do so, even for a reader. A file is read alone when its log
    // changes nothing (SQLite leaves such a log alone too), and refused when reading it alone
    // would show older content than the log holds.
    const QString log = path + QStringLiteral("-wal");
    const LogEffect logEffect = effectOfLog(log, path, header);
    if (logEffect == LogEffect::Changes)
        throw cannotOpen(path, QStringLiteral("it has changes from another program that are not yet written into it (in "
                                              "the write-ahead log %1 beside it), so it is not opened")
                                   .arg(QFileInfo(log).fileName()));
    if (logEffect == LogEffect::Unknown)
        throw cannotOpen(path, QStringLiteral("the write-ahead log %1 beside it cannot be read, so whether it changes "
                                              "the file is not known")
                                   .arg(QFileInfo(log).fileName()));
    return {path, header[18] == 2 || header[19] == 2 || QFileInfo::exists(log)};
}

}  // namespace

Statement& Statement::operator=(Statement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(statement_);
        statement_ = other.statement_;
        other.statement_ = nullptr;
    }
    return *this;
}

Statement::~Statement() { sqlite3_finalize(statement_); }

std::shared_ptr<Connection> Connection::open(const QString& path, const QString& password)
{
    // SQLite counts its memory under a lock on every allocation unless told not to before its
    // first use; the program never asks for the count. (Once SQLite runs, the call is refused.)
    [[maybe_unused]] static const bool uncounted = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    const SqliteFile file = recogniseFile(path);
    std::shared_ptr<Connection> connection(new Connection(path));
    // A file read alone is opened as an immutable file: SQLite would otherwise create its "-wal"
    // and "-shm" files beside it, even for a reader. Any other file is read with SQLite's locks,
    // so that a change made to it while the program runs is seen rather than answered from pages
    // read before.
    QUrl uri = QUrl::fromLocalFile(file.path);
    if (file.alone)
        uri.setQuery(QStringLiteral("immutable=1"));
    const int rc = sqlite3_open_v2(uri.toEncoded().constData(), &connection->db_,
                                  SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI, nullptr);
    if (rc != SQLITE_OK)
        connection->fail(rc, QString(), Use::Query);
    sqlite3* db = connection->db_;
    // A double-quoted word is a name and never a text; no statement may write.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    // Sorting and DISTINCT work in memory, so nothing is written even to temporary files. Pages
    // are read into a cache of at most 64 MB rather than through a memory map: the memory then
    // holds the pages the queries read lately, not every page near any page ever read (an
    // edition's file is a few MB; on a database a hundred times that size, where one category's
    // texts fill 75 MB of pages, a search reads part of them from the file again rather than
    // hold them all), and a file cut short under the running program is an error of the query
    // instead of the end of the process.
    const char* const settings = "PRAGMA query_only = ON; PRAGMA temp_store = MEMORY; PRAGMA cache_size = -65536; "
                                 "PRAGMA mmap_size = 0";
    if (const int q = sqlite3_exec(db, settings, nullptr, nullptr, nullptr); q != SQLITE_OK)
        connection->fail(q, QString(), Use::Query);
    jet::registerLike(db);
    jet::registerTextComparison(db, &connection->nulCompared_);

    Statement tables = connection->prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"),
                                           QString(), Use::Query);
    bool hasPassword = false;
    for (;;) {
        const int step = sqlite3_step(tables.get());
        if (step == SQLITE_DONE)
            break;
        if (step != SQLITE_ROW)
            connection->fail(step, QString(), Use::Query);
        const QString name = fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(tables.get(), 0)));
        if (name.compare(QLatin1String(password::tableName), Qt::CaseInsensitive) == 0)
            hasPassword = true;
        else if (!name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive))
            connection->tables_.push_back(name);
    }
    if (hasPassword)
        connection->checkPassword(password);
    return connection;
}

void Connection::checkPassword(const QString& password)
{
    Statement stored = prepare(QStringLiteral("SELECT salt, digest FROM %1").arg(QLatin1String(password::tableName)),
                               QString(), Use::Query);
    const int step = sqlite3_step(stored.get());
    if (step == SQLITE_DONE)
        return;  // an empty password table protects nothing
    if (step != SQLITE_ROW)
        fail(step, QString(), Use::Query);
    const auto blob = [&](int column) {
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(stored.get(), column)),
                          sqlite3_column_bytes(stored.get(), column));
    };
    if (password::digest(blob(0), password) != blob(1))
        throw Error(WrongPassword, QStringLiteral("Not a valid password."));
}

Connection::~Connection() { close(); }

void Connection::close()
{
    // Statements that recordsets still hold are finalized later; close_v2 waits for them.
    kept_.clear();
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void Connection::checkOpen() const
{
    if (!db_)
        throw Error(ObjectInvalid, QStringLiteral("Object invalid or no longer set: the database '%1' is closed.").arg(path_));
}

QString Connection::findTable(const QString& name) const
{
    for (const QString& table : tables_)
        if (table.compare(name, Qt::CaseInsensitive) == 0)
            return table;
    return {};
}

Statement Connection::prepare(const QString& sqliteText, const QString& jetText, Use use) const
{
    checkOpen();
    const QByteArray utf8 = sqliteText.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const int rc = sqlite3_prepare_v2(db_, utf8.constData(), static_cast<int>(utf8.size()), &statement, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(statement);
        fail(rc, jetText, use);
    }
    Statement owned(statement);
    if (!sqlite3_stmt_readonly(statement))
        throw Error(ReadOnly, QStringLiteral("Cannot update '%1': the database is read-only.").arg(jetText));
    return owned;
}

bool isBooleanType(const char* declared)
{
    return declared && (sqlite3_stricmp(declared, "BOOLEAN") == 0 || sqlite3_stricmp(declared, "BOOL") == 0);
}

bool isTextType(const char* declared)
{
    const QByteArray type = QByteArray(declared).toUpper();
    return type.contains("CHAR") || type.contains("CLOB") || type.contains("TEXT");
}

const Connection::TableShape& Connection::tableShape(const QString& table)
{
    checkOpen();
    if (const auto known = shapes_.find(table); known != shapes_.end())
        return known->second;
    TableShape shape;
    const Statement all = prepare(QStringLiteral("SELECT * FROM %1").arg(jet::quoteName(table)), table, Use::Query);
    static const QStringList rowidNames = {QStringLiteral("rowid"), QStringLiteral("oid"), QStringLiteral("_rowid_")};
    bool rowidHidden = false;
    for (int c = 0; c < sqlite3_column_count(all.get()); ++c) {
        shape.names.push_back(fromUtf8(sqlite3_column_name(all.get(), c)));
        shape.booleans.push_back(isBooleanType(sqlite3_column_decltype(all.get(), c)));
        shape.texts.push_back(isTextType(sqlite3_column_decltype(all.get(), c)));
        rowidHidden = rowidHidden || rowidNames.contains(shape.names.back(), Qt::CaseInsensitive);
    }
    // A table declared WITHOUT ROWID has no rowid to select.
    const QByteArray rowids = QStringLiteral("SELECT rowid FROM %1").arg(jet::quoteName(table)).toUtf8();
    sqlite3_stmt* probe = nullptr;
    shape.rowids = !rowidHidden && sqlite3_prepare_v2(db_, rowids.constData(), int(rowids.size()), &probe, nullptr) == SQLITE_OK;
    sqlite3_finalize(probe);
    // Unique indexes of one column over every row (not partial, no expression).
    const Statement indexes = prepare(QStringLiteral("SELECT ii.name FROM pragma_index_list(?1) AS il, "
                                                     "pragma_index_info(il.name) AS ii WHERE il.\"unique\" AND NOT il.partial "
                                                     "GROUP BY il.name HAVING count(*) = 1 AND ii.name IS NOT NULL"),
                                      table, Use::Query);
    const QByteArray tableName = table.toUtf8();
    sqlite3_bind_text(indexes.get(), 1, tableName.constData(), int(tableName.size()), SQLITE_STATIC);
    while (sqlite3_step(indexes.get()) == SQLITE_ROW)
        shape.uniqueColumns << fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(indexes.get(), 0)));
    return shapes_.emplace(table, std::move(shape)).first->second;
}

sqlite3_stmt* Connection::keptStatement(const QString& sqliteText)
{
    if (const auto known = kept_.find(sqliteText); known != kept_.end()) {
        checkOpen();
        return known->second.get();
    }
    return kept_.emplace(sqliteText, prepare(sqliteText, sqliteText, Use::Query)).first->second.get();
}

void Connection::fail(int sqliteCode, const QString& jetText, Use use) const
{
    const QString message = db_ ? fromUtf8(sqlite3_errmsg(db_)) : fromUtf8(sqlite3_errstr(sqliteCode));
    switch (sqliteCode & 0xFF) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        damaged(message);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_IOERR:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_AUTH:
        throw cannotOpen(path_, message);
    case SQLITE_READONLY:
        // A rollback journal left by a change another program did not finish: SQLite would have
        // to write the file to undo it, and the program never writes a database file.
        if (db_ && sqlite3_extended_errcode(db_) == SQLITE_READONLY_ROLLBACK)
            throw cannotOpen(path_, QStringLiteral("it has an unfinished change from another program (the rollback "
                                                   "journal %1-journal beside it), so it is not opened")
                                        .arg(QFileInfo(path_).fileName()));
        throw Error(ReadOnly, QStringLiteral("Cannot update '%1': the database is read-only.").arg(jetText));
    default:
        break;
    }
    static const QString noTable = QStringLiteral("no such table: ");
    static const QString noColumn = QStringLiteral("no such column: ");
    if (message.startsWith(noTable))
        throw tableNotFound(message.mid(noTable.size()));
    if (message.startsWith(noColumn)) {
        const QString field = message.mid(noColumn.size());
        if (use == Use::Criterion)
            throw Error(UnknownCriterionField,
                        QStringLiteral("The database engine does not recognize '%1' as a valid field name or "
                                       "expression in the criterion '%2'.")
                            .arg(field, jetText));
        throw Error(TooFewParameters, QStringLiteral("Too few parameters. Expected 1: '%1' in the query '%2' is not "
                                                     "a field of its tables.")
                                          .arg(field, jetText));
    }
    if (message.startsWith(QLatin1String("Invalid pattern string")))
        throw Error(SyntaxError, QStringLiteral("%1 in query expression '%2'.").arg(message, jetText));
    throw Error(SyntaxError, QStringLiteral("Syntax error in query expression '%1': %2.").arg(jetText, message));
}

void Connection::damaged(const QString& why) const
{
    throw unrecognised(path_, QStringLiteral("the file is damaged (%1)").arg(why));
}

bool Connection::step(sqlite3_stmt* statement, const QString& jetText, Use use) const
{
    nulCompared_ = false;
    const int rc = sqlite3_step(statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail(rc, jetText, use);
    if (nulCompared_) {
        nulCompared_ = false;
        damaged(QString::fromLatin1(jet::lostTextReason));
    }
    return rc == SQLITE_ROW;
}

}  // namespace dao::detail
