#pragma once
// One open database file: a read-only SQLite connection with the old engine's LIKE, recognised by
// the file's header and checked against the password before anything is read. Databases and
// their recordsets share it; close() ends it for all of them.

#include "platform/dao/dao.h"

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace dao::detail {

// Owns a prepared statement.
class Statement {
public:
    Statement() = default;
    explicit Statement(sqlite3_stmt* statement) : statement_(statement) {}
    Statement(Statement&& other) noexcept : statement_(other.statement_) { other.statement_ = nullptr; }
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();
    sqlite3_stmt* get() const { return statement_; }

private:
    sqlite3_stmt* statement_ = nullptr;
};

class Connection {
public:
    // What a statement is: a query names tables and their fields, a criterion the fields of a
    // recordset. An unknown name raises a different error in each.
    enum class Use { Query, Criterion };

    // Opens the file read-only and checks the password: 3024, 3051, 3343 or 3031 on failure.
    static std::shared_ptr<Connection> open(const QString& path, const QString& password);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const { return db_ != nullptr; }
    void close();
    // 3420 once closed.
    void checkOpen() const;
    const QString& path() const { return path_; }
    // The tables of the file, without the password table.
    const QStringList& tableNames() const { return tables_; }
    // The table of that name, compared without regard to case; empty when there is none.
    QString findTable(const QString& name) const;

    // Prepares SQLite text; failures raise the engine's error naming `jetText`.
    Statement prepare(const QString& sqliteText, const QString& jetText, Use use) const;
    // Raises the engine's error for a failed SQLite call on this connection.
    [[noreturn]] void fail(int sqliteCode, const QString& jetText, Use use) const;
    // Raises the engine's error for a file whose content is damaged, saying `why`.
    [[noreturn]] void damaged(const QString& why) const;
    // Steps a statement of this connection to its next row: true for a row, false at the end. A
    // failure, or a text holding NUL that the statement compared on the way (jet_text.h), raises
    // the engine's error naming `jetText`.
    bool step(sqlite3_stmt* statement, const QString& jetText, Use use) const;

    // The fields of a table (a name findTable gave) as "SELECT *" gives them, and whether its
    // rows can be read again by rowid: not so for a table without rowids or with a field that
    // hides the rowid's name. Learnt once per table.
    struct TableShape {
        QStringList names;
        std::vector<bool> booleans;  // declared BOOLEAN
        std::vector<bool> texts;     // declared as text (SQLite's text affinity)
        bool rowids = false;
        // The columns that a unique index of their own keeps free of equal values.
        QStringList uniqueColumns;
    };
    const TableShape& tableShape(const QString& table);
    // A statement prepared on first use and kept until the connection closes. Its user steps it
    // to the end or resets it before anything else may use it.
    sqlite3_stmt* keptStatement(const QString& sqliteText);

private:
    explicit Connection(QString path) : path_(std::move(path)) {}
    void checkPassword(const QString& password);

    QString path_;
    sqlite3* db_ = nullptr;
    QStringList tables_;
    std::map<QString, TableShape> shapes_;
    std::map<QString, Statement> kept_;
    // Set by a comparison of a text that holds NUL, until a step raises it.
    mutable bool nulCompared_ = false;
};

// Whether a declared column type is a Boolean one.
bool isBooleanType(const char* declared);
// Whether a declared column type gives text affinity.
bool isTextType(const char* declared);

}  // namespace dao::detail
