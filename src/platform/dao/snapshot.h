#pragma once
// A snapshot recordset: the result rows of one statement, read at once and held in memory, with
// a current-record position and FindFirst/FindNext. A criterion is prepared once as a SQLite
// statement over the fields it names, and evaluated for each row with that row's values bound.

#include "platform/dao/connection.h"
#include "platform/dao/dao.h"

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
    const Value& cell(int row, int column) const { return cells_[std::size_t(row) * names_.size() + column]; }
    void find(const QString& criterion, int fromRow);
    void prepareCriterion(const QString& criterion);
    bool rowMeetsCriterion(int row);

    std::shared_ptr<Connection> connection_;
    QStringList names_;
    std::vector<Value> cells_;  // row after row
    int rows_ = 0;
    int current_ = 0;           // -1 before the first row (BOF), rows_ after the last (EOF)
    bool noMatch_ = false;
    bool closed_ = false;
    // The last criterion, kept prepared for FindNext and repeated finds; its bound texts point
    // into cells_, so it is declared after them and goes first.
    QString criterionText_;
    std::vector<int> criterionFields_;
    Statement criterion_;
};

}  // namespace dao::detail
