#pragma once
// Read-only access to the reference and interpretations databases in the manner the windows were
// written for: a default workspace, databases opened with a ";pwd=" connect string, snapshot
// recordsets from Jet SQL text or a bare table name, moving through them, reading fields by name,
// and FindFirst/FindNext with a Jet criterion. Failures raise dao::Error with the engine's
// error numbers, which the windows test (3031: wrong password).
//
// Files are SQLite databases opened read-only; the Jet SQL dialect is translated on the way in
// (jet_sql.h). A snapshot keeps its result rows (for whole rows of one table, their rowids, and
// each field once read), so it stays valid while other queries run. Closing a database
// invalidates its recordsets (3420 on further use).

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <stdexcept>
#include <vector>

namespace dao {

namespace detail {
class Connection;
}

// Engine error numbers the program and its tests rely on.
enum ErrorNumber : int {
    ObjectNotSet = 91,          // no database open
    NoCurrentRecord = 3021,
    FileNotFound = 3024,
    ReadOnly = 3027,            // a statement that would write
    WrongPassword = 3031,
    CannotOpen = 3051,          // directory, unreadable or special file, locked file
    TooFewParameters = 3061,    // the query names a field that its tables lack
    UnknownCriterionField = 3070,  // the criterion names a field that the recordset lacks
    SyntaxError = 3075,         // in the query expression or criterion, or an invalid LIKE pattern
    TableNotFound = 3078,
    UndefinedFunction = 3085,
    ItemNotFound = 3265,        // unknown field name
    UnrecognisedFormat = 3343,  // not a database file, a damaged one, or a Jet file that cannot be converted
    ObjectInvalid = 3420,       // a closed recordset, database or workspace
};

class Error : public std::runtime_error {
public:
    Error(int number, const QString& description);
    int number() const { return number_; }
    QString description() const { return description_; }

private:
    int number_;
    QString description_;
};

// A text of a statement that the engine cannot take as written: a LIKE pattern it cannot read
// (an unclosed "[", a range from a later character to an earlier one), or a text that holds the
// character NUL, which SQL text cannot carry. Its number is 3075, as for any malformed statement;
// reason() says what is wrong in words for the person who typed the text.
class LiteralError : public Error {
public:
    LiteralError(const QString& description, const QString& reason) : Error(SyntaxError, description), reason_(reason) {}
    QString reason() const { return reason_; }

private:
    QString reason_;
};

// A field value that knows Null. A value of a BOOLEAN column holds a bool: it reads -1 (true) and
// 0 (false) as a number, as the engine stores it, and "True" or "False" as text, as the old
// runtime writes a Boolean.
class Value {
public:
    Value() = default;  // Null
    explicit Value(QVariant v) : v_(std::move(v)) {}
    bool isNull() const { return v_.isNull() || !v_.isValid(); }
    bool isBoolean() const { return v_.typeId() == QMetaType::Bool; }
    // Text of the value: numbers as the old runtime writes them, Booleans "True"/"False";
    // Null gives the empty text.
    QString toString() const;
    double toDouble() const;
    long long toLongLong() const;
    bool toBool() const;  // non-zero or a non-empty true text
    const QVariant& variant() const { return v_; }

private:
    QVariant v_;
};

class Recordset {
public:
    virtual ~Recordset() = default;
    virtual bool eof() const = 0;
    virtual bool bof() const = 0;
    // Moving off either end sets BOF or EOF; moving further, or MoveFirst/MoveLast on an empty
    // recordset, raises 3021.
    virtual void moveFirst() = 0;
    virtual void moveLast() = 0;
    virtual void moveNext() = 0;
    virtual void movePrevious() = 0;
    // Every row of the snapshot, known from the start.
    virtual int recordCount() const = 0;
    // Zero-based position of the current record; -1 when there is none.
    virtual int absolutePosition() const = 0;
    virtual int fieldCount() const = 0;
    virtual QString fieldName(int index) const = 0;
    // Field of the current record by name (case-insensitive) or index. 3265 for an unknown name,
    // 3021 when there is no current record.
    virtual Value field(const QString& name) const = 0;
    virtual Value field(int index) const = 0;
    // Jet criterion (a WHERE expression over the recordset's fields), searched in row order from
    // the first record or from the one after the current one. Without a match NoMatch is true and
    // the current record does not move.
    virtual void findFirst(const QString& criterion) = 0;
    virtual void findNext(const QString& criterion) = 0;
    virtual bool noMatch() const = 0;
    virtual void close() = 0;
};

class Database {
public:
    virtual ~Database() = default;
    // A snapshot of the rows of Jet SQL text or of a table named alone.
    virtual std::unique_ptr<Recordset> openRecordset(const QString& sqlOrTable) = 0;
    // Names of the tables of the database, in no particular order.
    virtual QStringList tableNames() = 0;
    virtual QString name() const = 0;  // the file's path
    virtual void close() = 0;
};

class Workspace {
public:
    // The engine's default workspace (workspace 0); taking it again after a close reopens it.
    static Workspace& defaultWorkspace();
    // Opens a database file. `connect` is ";pwd=" followed by the password. The file is never
    // written, whatever `exclusive` and `readOnly` say.
    std::unique_ptr<Database> openDatabase(const QString& path, bool exclusive, bool readOnly,
                                           const QString& connect);
    // Closes the workspace and every database opened in it.
    void close();
    bool isOpen() const { return open_; }

private:
    bool open_ = true;
    std::vector<std::weak_ptr<detail::Connection>> databases_;
};

// Whether an error says that the file is damaged or can no longer be read, rather than that a
// query was refused.
bool meansUnreadableFile(const std::exception& error);

// A Jet literal for any text: the text between double quotes with every double quote doubled.
// Every literal built from a person's typing or from a row's value goes through this.
QString literal(const QString& text);

}  // namespace dao
