#include "platform/dao/snapshot.h"

#include "platform/dao/jet_sql.h"

#include <bit>
#include <sqlite3.h>

namespace dao::detail {

namespace {

bool isBooleanType(const char* declared)
{
    return declared && (sqlite3_stricmp(declared, "BOOLEAN") == 0 || sqlite3_stricmp(declared, "BOOL") == 0);
}

}  // namespace

std::unique_ptr<Snapshot> Snapshot::read(std::shared_ptr<Connection> connection, const QString& sqliteText,
                                         const QString& jetText)
{
    Statement statement = connection->prepare(sqliteText, jetText, Connection::Use::Query);
    sqlite3_stmt* s = statement.get();
    std::unique_ptr<Snapshot> snapshot(new Snapshot(std::move(connection)));
    const int columns = sqlite3_column_count(s);
    std::vector<bool> booleans;
    for (int c = 0; c < columns; ++c) {
        snapshot->names_.push_back(QString::fromUtf8(sqlite3_column_name(s, c)));
        booleans.push_back(isBooleanType(sqlite3_column_decltype(s, c)));
    }
    for (;;) {
        const int step = sqlite3_step(s);
        if (step == SQLITE_DONE)
            break;
        if (step != SQLITE_ROW)
            snapshot->connection_->fail(step, jetText, Connection::Use::Query);
        snapshot->rowPayload_.push_back(snapshot->payload_.size());
        for (int c = 0; c < columns; ++c)
            snapshot->readCell(s, c, booleans[c]);
        ++snapshot->rows_;
    }
    return snapshot;
}

void Snapshot::readCell(sqlite3_stmt* statement, int column, bool boolean)
{
    const int type = sqlite3_column_type(statement, column);
    if (type == SQLITE_NULL) {
        types_.push_back(Null);
    } else if (boolean && (type == SQLITE_INTEGER || type == SQLITE_FLOAT)) {
        types_.push_back(sqlite3_column_double(statement, column) != 0 ? True : False);
    } else if (type == SQLITE_INTEGER) {
        types_.push_back(Integer);
        payload_.push_back(sqlite3_column_int64(statement, column));
    } else if (type == SQLITE_FLOAT) {
        types_.push_back(Real);
        payload_.push_back(std::bit_cast<qint64>(sqlite3_column_double(statement, column)));
    } else {
        const bool text = type == SQLITE_TEXT;
        const char* data = text ? reinterpret_cast<const char*>(sqlite3_column_text(statement, column))
                                : static_cast<const char*>(sqlite3_column_blob(statement, column));
        const int size = sqlite3_column_bytes(statement, column);
        types_.push_back(text ? Text : Bytes);
        payload_.push_back(bytes_.size());
        payload_.push_back(size);
        bytes_.append(data, size);
    }
}

Snapshot::CellRef Snapshot::cellAt(int row, int column) const
{
    const std::size_t first = std::size_t(row) * names_.size();
    std::size_t slot = rowPayload_[row];
    for (std::size_t c = first; c < first + column; ++c)
        slot += types_[c] >= Text ? 2 : types_[c] >= Integer ? 1 : 0;
    return {types_[first + column], payload_.data() + slot};
}

Value Snapshot::valueOf(CellRef cell) const
{
    switch (cell.type) {
    case True:
    case False:
        return Value(QVariant(cell.type == True));
    case Integer:
        return Value(QVariant(qlonglong(cell.payload[0])));
    case Real:
        return Value(QVariant(std::bit_cast<double>(cell.payload[0])));
    case Text:
        return Value(QVariant(QString::fromUtf8(bytes_.constData() + cell.payload[0], cell.payload[1])));
    case Bytes:
        return Value(QVariant(bytes_.mid(cell.payload[0], cell.payload[1])));
    case Null:
        break;
    }
    return Value();
}

void Snapshot::bind(sqlite3_stmt* statement, int parameter, CellRef cell) const
{
    switch (cell.type) {
    case True:
    case False:
        sqlite3_bind_int(statement, parameter, cell.type == True ? -1 : 0);
        break;
    case Integer:
        sqlite3_bind_int64(statement, parameter, cell.payload[0]);
        break;
    case Real:
        sqlite3_bind_double(statement, parameter, std::bit_cast<double>(cell.payload[0]));
        break;
    case Text:
        // The snapshot's bytes do not change while they are bound.
        sqlite3_bind_text(statement, parameter, bytes_.constData() + cell.payload[0], int(cell.payload[1]), SQLITE_STATIC);
        break;
    case Bytes:
        sqlite3_bind_blob(statement, parameter, bytes_.constData() + cell.payload[0], int(cell.payload[1]), SQLITE_STATIC);
        break;
    case Null:
        sqlite3_bind_null(statement, parameter);
        break;
    }
}

void Snapshot::checkUsable() const
{
    if (closed_)
        throw Error(ObjectInvalid, QStringLiteral("Object invalid or no longer set: the recordset is closed."));
    connection_->checkOpen();
}

void Snapshot::checkCurrent() const
{
    checkUsable();
    if (bof() || eof())
        throw Error(NoCurrentRecord, QStringLiteral("No current record."));
}

bool Snapshot::eof() const
{
    checkUsable();
    return rows_ == 0 || current_ >= rows_;
}

bool Snapshot::bof() const
{
    checkUsable();
    return rows_ == 0 || current_ < 0;
}

void Snapshot::moveFirst()
{
    checkUsable();
    if (rows_ == 0)
        throw Error(NoCurrentRecord, QStringLiteral("No current record."));
    current_ = 0;
}

void Snapshot::moveLast()
{
    checkUsable();
    if (rows_ == 0)
        throw Error(NoCurrentRecord, QStringLiteral("No current record."));
    current_ = rows_ - 1;
}

void Snapshot::moveNext()
{
    if (eof())
        throw Error(NoCurrentRecord, QStringLiteral("No current record."));
    ++current_;
}

void Snapshot::movePrevious()
{
    if (bof())
        throw Error(NoCurrentRecord, QStringLiteral("No current record."));
    --current_;
}

int Snapshot::recordCount() const
{
    checkUsable();
    return rows_;
}

int Snapshot::absolutePosition() const { return bof() || eof() ? -1 : current_; }

int Snapshot::fieldCount() const
{
    checkUsable();
    return static_cast<int>(names_.size());
}

QString Snapshot::fieldName(int index) const
{
    checkUsable();
    if (index < 0 || index >= names_.size())
        throw Error(ItemNotFound, QStringLiteral("Item not found in this collection: there is no field %1.").arg(index));
    return names_[index];
}

int Snapshot::fieldIndex(const QString& name) const
{
    for (qsizetype i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

Value Snapshot::field(const QString& name) const
{
    checkUsable();
    const int index = fieldIndex(name);
    if (index < 0)
        throw Error(ItemNotFound, QStringLiteral("Item not found in this collection: there is no field '%1'.").arg(name));
    checkCurrent();
    return valueOf(cellAt(current_, index));
}

Value Snapshot::field(int index) const
{
    fieldName(index);
    checkCurrent();
    return valueOf(cellAt(current_, index));
}

void Snapshot::findFirst(const QString& criterion) { find(criterion, 0); }

void Snapshot::findNext(const QString& criterion) { find(criterion, current_ < 0 ? 0 : current_ + 1); }

bool Snapshot::noMatch() const
{
    checkUsable();
    return noMatch_;
}

void Snapshot::close()
{
    criterion_ = Statement();
    types_.clear();
    payload_.clear();
    rowPayload_.clear();
    bytes_.clear();
    closed_ = true;
}

void Snapshot::find(const QString& criterion, int fromRow)
{
    checkUsable();
    prepareCriterion(criterion);
    for (int row = fromRow; row < rows_; ++row) {
        if (rowMeetsCriterion(row)) {
            current_ = row;
            noMatch_ = false;
            return;
        }
    }
    noMatch_ = true;
}

void Snapshot::prepareCriterion(const QString& criterion)
{
    if (criterion_.get() && criterion == criterionText_)
        return;
    const jet::Criterion translated = jet::translateCriterion(criterion);
    // The fields that the criterion names become the columns of a one-row table of parameters.
    QStringList columns;
    std::vector<int> fields;
    for (const QString& name : translated.names) {
        const int index = fieldIndex(name);
        if (index < 0)
            continue;  // a name of a subquery's table, or unknown: SQLite decides
        fields.push_back(index);
        columns.push_back(QStringLiteral("?%1 AS %2").arg(fields.size()).arg(jet::quoteName(name)));
    }
    QString sql = QStringLiteral("SELECT (%1)").arg(translated.expression);
    if (!columns.isEmpty())
        sql += QStringLiteral(" FROM (SELECT %1)").arg(columns.join(QStringLiteral(", ")));
    criterion_ = connection_->prepare(sql, criterion, Connection::Use::Criterion);
    criterionText_ = criterion;
    criterionFields_ = std::move(fields);
}

bool Snapshot::rowMeetsCriterion(int row)
{
    sqlite3_stmt* s = criterion_.get();
    sqlite3_reset(s);
    for (std::size_t k = 0; k < criterionFields_.size(); ++k)
        bind(s, static_cast<int>(k + 1), cellAt(row, criterionFields_[k]));
    const int step = sqlite3_step(s);
    if (step != SQLITE_ROW && step != SQLITE_DONE)
        connection_->fail(step, criterionText_, Connection::Use::Criterion);
    const bool meets = step == SQLITE_ROW && sqlite3_column_type(s, 0) != SQLITE_NULL && sqlite3_column_double(s, 0) != 0;
    sqlite3_reset(s);
    return meets;
}

}  // namespace dao::detail
