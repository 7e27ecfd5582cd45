#pragma once
// A snapshot recordset: the result rows of one statement, read at once and held in memory, with
// a current-record position and FindFirst/FindNext. A criterion is prepared once as a SQLite
// statement over the fields it names, and evaluated for each row with that row's values bound.

#include "platform/dao/connection.h"
#include "platform/dao/dao.h"

#include <QByteArray>
#include <memory>
#include <vector>

namespace dao::detail {

class Snapshot final : public Recordset {
public:
    // Runs SQLite text; errors name `jetText`, the statement as the caller wrote it.
    static std::unique_ptr<Snapshot> read(std::shared_ptr<Connection> connection, const QString& sqliteText,
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
    explicit Snapshot(std::shared_ptr<Connection> connection) : connection_(std::move(connection)) {}
    void checkUsable() const;
    void checkCurrent() const;
    int fieldIndex(const QString& name) const;  // -1 when unknown
    // A row's fields are kept as one type byte each; numbers take one payload slot, texts and
    // byte strings two (their offset and size in bytes_), Null and Booleans none. Most fields of
    // the reference tables are Booleans, so a whole table costs little more than its texts.
    enum CellType : unsigned char { Null, True, False, Integer, Real, Text, Bytes };
    struct CellRef {
        CellType type;
        const qint64* payload;
    };
    CellRef cellAt(int row, int column) const;
    void readCell(sqlite3_stmt* statement, int column, bool boolean);
    Value valueOf(CellRef cell) const;
    void bind(sqlite3_stmt* statement, int parameter, CellRef cell) const;
    void find(const QString& criterion, int fromRow);
    void prepareCriterion(const QString& criterion);
    bool rowMeetsCriterion(int row);

    std::shared_ptr<Connection> connection_;
    QStringList names_;
    std::vector<CellType> types_;       // row after row
    std::vector<qint64> payload_;       // row after row
    std::vector<std::size_t> rowPayload_;  // where each row's payload begins
    QByteArray bytes_;                  // texts (UTF-8, as SQLite gives and takes them) and byte strings
    int rows_ = 0;
    int current_ = 0;           // -1 before the first row (BOF), rows_ after the last (EOF)
    bool noMatch_ = false;
    bool closed_ = false;
    // The last criterion, kept prepared for FindNext and repeated finds; its bound texts point
    // into bytes_, so it is declared after them and goes first.
    QString criterionText_;
    std::vector<int> criterionFields_;
    Statement criterion_;
};

}  // namespace dao::detail
