#include "platform/dao/snapshot.h"

#include "platform/dao/jet_sql.h"
#include "platform/dao/jet_text.h"

#include <algorithm>
#include <bit>
#include <sqlite3.h>

namespace dao::detail {

namespace {

// Rows whose field one read by rowid fetches: reading many rows in one statement spares SQLite
// taking and releasing its lock on the file for each row.
constexpr int blockRows = 256;

QString rowidParameters()
{
    static const QString list = QStringList(blockRows, QStringLiteral("?")).join(u',');
    return list;
}

// Steps a query through its rows, calling `onRow` at each; a failure raises the engine's error
// naming `jetText`.
template <typename OnRow>
void stepThrough(const Connection& connection, sqlite3_stmt* query, const QString& jetText, OnRow onRow)
{
    while (connection.step(query, jetText, Connection::Use::Query))
        onRow();
}

std::string_view textOf(sqlite3_stmt* statement, int column)
{
    // The bytes as stored, without the closing zero that the text form would add.
    const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, column));
    return {data ? data : "", static_cast<std::size_t>(sqlite3_column_bytes(statement, column))};
}

}  // namespace

std::unique_ptr<Snapshot> Snapshot::read(std::shared_ptr<Connection> connection, const jet::Query& query,
                                         const QString& jetText)
{
    std::unique_ptr<Snapshot> snapshot(new Snapshot(std::move(connection), jetText));
    const QString table = query.table.isEmpty() ? QString() : snapshot->connection_->findTable(query.table);
    if (!table.isEmpty() && snapshot->connection_->tableShape(table).rowids)
        snapshot->readRowids(table, query.rowids);
    else
        snapshot->readAll(query.sql);
    return snapshot;
}

void Snapshot::readAll(const QString& sqliteText)
{
    Statement statement = connection_->prepare(sqliteText, jetText_, Connection::Use::Query);
    sqlite3_stmt* s = statement.get();
    const int columns = sqlite3_column_count(s);
    for (int c = 0; c < columns; ++c)
        fields_.emplace_back(QString::fromUtf8(sqlite3_column_name(s, c)), isBooleanType(sqlite3_column_decltype(s, c)),
                             isTextType(sqlite3_column_decltype(s, c)));
    stepThrough(*connection_, s, jetText_, [&] {
        for (int c = 0; c < columns; ++c) {
            Field& field = fields_[c];
            field.types.push_back(Unread);
            field.payload.resize(field.payload.size() + 2);
            store(field, rows_, s, c);
        }
        ++rows_;
    });
}

void Snapshot::readRowids(const QString& table, const QString& rowidText)
{
    Statement statement = connection_->prepare(rowidText, jetText_, Connection::Use::Query);
    sqlite3_stmt* s = statement.get();
    stepThrough(*connection_, s, jetText_, [&] { rowids_.push_back(sqlite3_column_int64(s, 0)); });
    rows_ = static_cast<int>(rowids_.size());
    table_ = table;
    const Connection::TableShape& shape = connection_->tableShape(table);
    for (qsizetype c = 0; c < shape.names.size(); ++c)
        fields_.emplace_back(shape.names[c], shape.booleans[c], shape.texts[c]);
}

void Snapshot::store(Field& field, int row, sqlite3_stmt* statement, int column) const
{
    const int type = sqlite3_column_type(statement, column);
    CellType& cell = field.types[row];
    qint64* payload = field.payload.data() + 2 * std::size_t(row);
    if (type == SQLITE_NULL) {
        cell = Null;
    } else if (field.boolean && (type == SQLITE_INTEGER || type == SQLITE_FLOAT)) {
        cell = sqlite3_column_double(statement, column) != 0 ? True : False;
    } else if (type == SQLITE_INTEGER) {
        cell = Integer;
        payload[0] = sqlite3_column_int64(statement, column);
    } else if (type == SQLITE_FLOAT) {
        cell = Real;
        payload[0] = std::bit_cast<qint64>(sqlite3_column_double(statement, column));
    } else {
        const bool text = type == SQLITE_TEXT;
        const std::string_view data = textOf(statement, column);
        if (text && jet::holdsNul(data))
            connection_->damaged(QString::fromLatin1(jet::lostTextReason));
        cell = text ? Text : Bytes;
        payload[0] = field.bytes.size();
        payload[1] = static_cast<qint64>(data.size());
        field.bytes.append(data.data(), static_cast<qsizetype>(data.size()));
    }
}

const Snapshot::Field& Snapshot::cell(int column, int row) const
{
    Field& field = fields_[column];
    if (!table_.isEmpty() && (field.types.empty() || field.types[row] == Unread))
        readBlock(column, row);
    return field;
}

// Reads a field for the block of rows that holds `row`, in one statement over their rowids. A
// field that is not a text is checked by the texts stored before it in the row: where the last
// page of a long row was zeroed, the engine gives the number or Boolean there as 0 without an
// error, and only the texts around it show the loss (as NUL).
void Snapshot::readBlock(int column, int row) const
{
    Field& field = fields_[column];
    QStringList read{QStringLiteral("rowid"), jet::quoteName(field.name)};
    for (int c = 0; c < column && !field.text; ++c)
        if (!fields_[c].boolean)
            read << jet::quoteName(fields_[c].name);
    if (field.types.empty()) {
        field.types.assign(rows_, Unread);
        field.payload.assign(2 * std::size_t(rows_), 0);
    }
    const int first = row / blockRows * blockRows;
    const int end = std::min(rows_, first + blockRows);
    sqlite3_stmt* s = connection_->keptStatement(QStringLiteral("SELECT %1 FROM %2 WHERE rowid IN (%3)")
                                                     .arg(read.join(u','), jet::quoteName(table_), rowidParameters()));
    struct Release {
        sqlite3_stmt* statement;
        ~Release()
        {
            sqlite3_reset(statement);
            sqlite3_clear_bindings(statement);
        }
    } release{s};
    std::vector<std::pair<qint64, int>> wanted;  // rowid and row, by rowid
    for (int r = first; r < end; ++r) {
        sqlite3_bind_int64(s, r - first + 1, rowids_[r]);
        wanted.emplace_back(rowids_[r], r);
    }
    std::sort(wanted.begin(), wanted.end());
    stepThrough(*connection_, s, jetText_, [&] {
        for (int c = 2; c < read.size(); ++c)
            if (sqlite3_column_type(s, c) == SQLITE_TEXT && jet::holdsNul(textOf(s, c)))
                connection_->damaged(QString::fromLatin1(jet::lostTextReason));
        const qint64 rowid = sqlite3_column_int64(s, 0);
        for (auto at = std::lower_bound(wanted.begin(), wanted.end(), std::pair(rowid, 0)); at != wanted.end() && at->first == rowid; ++at)
            store(field, at->second, s, 1);
    });
    // Every row is still there, as the file is not written while open; were one gone, its
    // fields would read as Null rather than be fetched again and again.
    for (int r = first; r < end; ++r)
        if (field.types[r] == Unread)
            field.types[r] = Null;
}

Value Snapshot::valueOf(const Field& field, int row)
{
    const qint64* payload = field.payload.data() + 2 * std::size_t(row);
    switch (field.types[row]) {
    case True:
    case False:
        return Value(QVariant(field.types[row] == True));
    case Integer:
        return Value(QVariant(qlonglong(payload[0])));
    case Real:
        return Value(QVariant(std::bit_cast<double>(payload[0])));
    case Text:
        return Value(QVariant(QString::fromUtf8(field.bytes.constData() + payload[0], payload[1])));
    case Bytes:
        return Value(QVariant(field.bytes.mid(payload[0], payload[1])));
    case Null:
    case Unread:
        break;
    }
    return Value();
}

void Snapshot::bind(sqlite3_stmt* statement, int parameter, const Field& field, int row)
{
    const qint64* payload = field.payload.data() + 2 * std::size_t(row);
    switch (field.types[row]) {
    case True:
    case False:
        sqlite3_bind_int(statement, parameter, field.types[row] == True ? -1 : 0);
        break;
    case Integer:
        sqlite3_bind_int64(statement, parameter, payload[0]);
        break;
    case Real:
        sqlite3_bind_double(statement, parameter, std::bit_cast<double>(payload[0]));
        break;
    case Text:
        // The field's bytes do not change while they are bound.
        sqlite3_bind_text(statement, parameter, field.bytes.constData() + payload[0], int(payload[1]), SQLITE_STATIC);
        break;
    case Bytes:
        sqlite3_bind_blob(statement, parameter, field.bytes.constData() + payload[0], int(payload[1]), SQLITE_STATIC);
        break;
    case Null:
    case Unread:
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
    return static_cast<int>(fields_.size());
}

QString Snapshot::fieldName(int index) const
{
    checkUsable();
    if (index < 0 || index >= fieldCount())
        throw Error(ItemNotFound, QStringLiteral("Item not found in this collection: there is no field %1.").arg(index));
    return fields_[index].name;
}

int Snapshot::fieldIndex(const QString& name) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0)
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
    return valueOf(cell(index, current_), current_);
}

Value Snapshot::field(int index) const
{
    fieldName(index);
    checkCurrent();
    return valueOf(cell(index, current_), current_);
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
    fields_.clear();
    rowids_.clear();
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
    // Every field is read before any is bound: reading a field may move its bytes.
    for (int index : criterionFields_)
        cell(index, row);
    sqlite3_reset(s);
    for (std::size_t k = 0; k < criterionFields_.size(); ++k)
        bind(s, static_cast<int>(k + 1), fields_[criterionFields_[k]], row);
    const bool meets = connection_->step(s, criterionText_, Connection::Use::Criterion)
                       && sqlite3_column_type(s, 0) != SQLITE_NULL && sqlite3_column_double(s, 0) != 0;
    sqlite3_reset(s);
    return meets;
}

}  // namespace dao::detail
