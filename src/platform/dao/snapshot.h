#pragma once
// A snapshot recordset: the rows of one statement, with a current-record position and
// FindFirst/FindNext.
//
// A query of whole rows of one table ("SELECT * FROM t ...") is run as the same query selecting
// only rowids, which SQLite sorts cheaply; a field is read from the table when it is first asked
// for, together with the same field of the rows around it, and then kept. The databases are never
// written while they are open, so a field read later has the value it had when the query ran.
// Any other statement is read whole at once.
//
// A criterion is prepared once as a SQLite statement over the fields it names, and evaluated for
// each row with that row's values bound.

#include "platform/dao/connection.h"
#include "platform/dao/dao.h"
#include "platform/dao/jet_sql.h"

#include <QByteArray>
#include <memory>
#include <vector>

namespace dao::detail {

class Snapshot final : public Recordset {
public:
    // Runs a translated query; errors name `jetText`, the statement as the caller wrote it.
    static std::unique_ptr<Snapshot> read(std::shared_ptr<Connection> connection, const jet::Query& query,
                                          const QString& jetText);

    bool eof() const override;
    bool bof() const override;
    void moveFirst() override;
    void moveLast() override;
    void moveNext() override;
    void movePrevious() override;
    int recordCount() const override;
    int absolutePosition() const override;
    int fieldCount() const override;
    QString fieldName(int index) const override;
    Value field(const QString& name) const override;
    Value field(int index) const override;
    void findFirst(const QString& criterion) override;
    void findNext(const QString& criterion) override;
    bool noMatch() const override;
    void close() override;

private:
    Snapshot(std::shared_ptr<Connection> connection, const QString& jetText)
        : connection_(std::move(connection)), jetText_(jetText)
    {
    }
    void readAll(const QString& sqliteText);
    void readRowids(const QString& table, const QString& rowidText);

    // The values of one field, row by row: a type byte each and two payload slots (a number, or
    // the offset and size in bytes of a text or byte string); Null and Booleans need no payload.
    enum CellType : unsigned char { Unread, Null, True, False, Integer, Real, Text, Bytes };
    struct Field {
        Field(QString fieldName, bool isBoolean, bool isText) : name(std::move(fieldName)), boolean(isBoolean), text(isText) {}
        QString name;
        bool boolean;
        bool text;  // declared as text
        std::vector<CellType> types;
        std::vector<qint64> payload;
        QByteArray bytes;  // texts (UTF-8, as SQLite gives and takes them) and byte strings
    };
    // Stores a cell; a text that holds NUL raises the damage (jet_text.h).
    void store(Field& field, int row, sqlite3_stmt* statement, int column) const;
    static Value valueOf(const Field& field, int row);
    static void bind(sqlite3_stmt* statement, int parameter, const Field& field, int row);
    // The field with the cell of `row` read.
    const Field& cell(int column, int row) const;
    void readBlock(int column, int row) const;

    void checkUsable() const;
    void checkCurrent() const;
    int fieldIndex(const QString& name) const;  // -1 when unknown
    void find(const QString& criterion, int fromRow);
    void prepareCriterion(const QString& criterion);
    bool rowMeetsCriterion(int row);

    std::shared_ptr<Connection> connection_;
    QString jetText_;
    // Fields read when asked for fill their cells on the way; nothing else changes them.
    mutable std::vector<Field> fields_;
    QString table_;                 // read by rowid: the table; empty when read whole
    std::vector<qint64> rowids_;    // read by rowid: each row's rowid
    int rows_ = 0;
    int current_ = 0;           // -1 before the first row (BOF), rows_ after the last (EOF)
    bool noMatch_ = false;
    bool closed_ = false;
    // The last criterion, kept prepared for FindNext and repeated finds; its bound texts point
    // into the fields' bytes, so it is declared after them and goes first.
    QString criterionText_;
    std::vector<int> criterionFields_;
    Statement criterion_;
};

}  // namespace dao::detail
