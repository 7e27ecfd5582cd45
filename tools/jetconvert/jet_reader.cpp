#include "jet_reader.h"

#include "platform/dao/builder.h"
#include "platform/dao/jet_file.h"
#include "platform/dao/jet_header.h"
#include "platform/dao/password.h"

#include <QDate>
#include <QFile>
#include <QSet>
#include <QtEndian>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <iconv.h>
#include <memory>
#include <mdbtools.h>
#include <new>
#include <optional>
#include <string>
#include <sqlite3.h>
#include <utility>
#include <vector>

namespace jetconvert {

namespace {

using Kind = ConversionError::Kind;
using dao::jet::Engine;

[[noreturn]] void unreadable(const QString& reason) { throw ConversionError(Kind::Unreadable, reason); }

[[noreturn]] void damaged(const QString& what) { unreadable(QStringLiteral("the file is damaged: %1").arg(what)); }

QString tableText(const char* name) { return QStringLiteral("the table '%1'").arg(QString::fromUtf8(name)); }

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
struct GlibFreer {
    void operator()(char* text) const { g_free(text); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;
using Table = std::unique_ptr<MdbTableDef, TableFreer>;
using GlibText = std::unique_ptr<char, GlibFreer>;
struct ConverterCloser {
    void operator()(iconv_t converter) const
    {
        if (converter != iconv_t(-1))
            iconv_close(converter);
    }
};

// The low 13 bits of a row's offset on its page; the high bits are flags.
constexpr int rowOffsetMask = 0x1fff;
// A long value's reference in its row: a 3-byte length, a kind byte, the page and row of the
// first part, 4 bytes unused.
constexpr int longValueReference = MDB_MEMO_OVERHEAD;
constexpr unsigned longValueInline = 0x80;
constexpr unsigned longValueOnePage = 0x40;
constexpr unsigned longValueChained = 0x00;
// A page that holds parts of long values: a data page with "LVAL" where other data pages name
// their table's definition.
constexpr unsigned char dataPage = 0x01;
constexpr char longValuePageMark[] = "LVAL";
constexpr int longValuePageMarkOffset = 4;

class Sqlite {
public:
    explicit Sqlite(sqlite3* db) : db_(db) {}

    [[noreturn]] void cannotWrite(const QString& what) const
    {
        // Memory that ran out under the child's limit is no fault of the copy.
        if (sqlite3_errcode(db_) == SQLITE_NOMEM)
            throw std::bad_alloc();
        throw ConversionError(Kind::CannotWrite,
                              QStringLiteral("%1 cannot be written: %2").arg(what, QString::fromUtf8(sqlite3_errmsg(db_))));
    }

    void exec(const QByteArray& sql, const QString& what) const
    {
        if (sqlite3_exec(db_, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            cannotWrite(what);
    }

    sqlite3_stmt* prepare(const QByteArray& sql, const QString& what) const
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.constData(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(statement);
            cannotWrite(what);
        }
        return statement;
    }

private:
    sqlite3* db_;
};

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

QByteArray quoted(const char* name)
{
    QByteArray text(name);
    text.replace('"', "\"\"");
    return '"' + text + '"';
}

// The declared type of a column of this Jet type; null for a type that cannot be read.
const char* declaredType(int type)
{
    switch (type) {
    case MDB_BOOL:
        return "BOOLEAN";
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_COMPLEX:
        return "INTEGER";
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC:
        return "REAL";
    case MDB_DATETIME:
        // Text that sorts and compares in time order, also with a text literal such as "1900".
        return "TEXT";
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_REPID:
        return "TEXT COLLATE NOCASE";
    case MDB_BINARY:
    case MDB_OLE:
        return "BLOB";
    default:
        return nullptr;
    }
}

// The fixed size of a value of this type in its row; 0 for a type of variable size.
int fixedSize(int type)
{
    switch (type) {
    case MDB_BYTE:
        return 1;
    case MDB_INT:
        return 2;
    case MDB_LONGINT:
    case MDB_COMPLEX:
    case MDB_FLOAT:
        return 4;
    case MDB_MONEY:
    case MDB_DOUBLE:
    case MDB_DATETIME:
        return 8;
    case MDB_REPID:
        return 16;
    case MDB_NUMERIC:
        return 17;
    default:
        return 0;
    }
}

// Whether a block of properties, as the catalog keeps them for each object (its LvProp), reads as
// libmdb parses it when it reads the catalog: after "KKD" or "MR2", records of a 4-byte length
// (their own 6-byte head included) and a 2-byte kind, each within the block; a record of kind 0x80
// holds names (each a 2-byte length and its bytes), one of kind 0, 1 or 2 a named set of
// properties (each a 2-byte length, a byte, the type, a 2-byte name number and a 2-byte size,
// then its value). Anything that would make libmdb read past the block, or go round for ever on a
// length of 0, is unsound; libmdb itself stops reading a set at a name number beyond the names or
// a size beyond the record.
bool soundProperties(const QByteArray& block)
{
    const auto byte = [&](qsizetype at) { return static_cast<quint32>(static_cast<unsigned char>(block[at])); };
    const auto number16 = [&](qsizetype at) { return static_cast<quint16>(byte(at) | byte(at + 1) << 8); };
    const qsizetype size = block.size();
    // libmdb passes over a block it does not know.
    if (size < 4 || (std::memcmp(block.constData(), "KKD", 4) != 0 && std::memcmp(block.constData(), "MR2", 4) != 0))
        return true;
    int names = -1;  // none listed yet
    for (qsizetype at = 4; at < size;) {
        if (at + 6 > size)
            return false;
        const quint32 length = number16(at) | static_cast<quint32>(number16(at + 2)) << 16;
        const quint16 kind = number16(at + 4);
        if (length < 6 || length > static_cast<quint64>(size - at))
            return false;
        const qsizetype begin = at + 6, end = at + static_cast<qsizetype>(length);
        if (kind == 0x80) {
            names = 0;
            for (qsizetype name = begin; name < end; name += 2 + number16(name), ++names)
                if (name + 2 > end || name + 2 + number16(name) > end)
                    return false;
        } else if (kind <= 2 && names >= 0) {
            if (begin + 6 > end || begin + 6 + number16(begin + 4) > end)
                return false;
            for (qsizetype property = begin + 6 + number16(begin + 4); property < end;) {
                if (property + 8 > end)
                    return false;
                const quint16 propertyLength = number16(property);
                const int type = static_cast<int>(byte(property + 3));
                const qsizetype valueSize = number16(property + 6);
                if (number16(property + 4) >= names || property + 8 + valueSize > end)
                    break;  // where libmdb stops reading the set
                // A value of a fixed size is read whole, whatever size the property gives.
                if (property + 8 + std::max<qsizetype>({valueSize, fixedSize(type), type == MDB_BOOL ? 1 : 0}) > end
                    || propertyLength == 0)
                    return false;
                property += propertyLength;
            }
        }
        at = end;
    }
    return true;
}

// Text of a later engine's file as UTF-8. It is kept in UTF-16 (little-endian), or compressed:
// FF FE, then one byte a character (U+0001 to U+00FF) and two bytes a character by turns, a NUL
// byte where a character would begin switching from one to the other. A surrogate pair is one
// character beyond the Basic Multilingual Plane. The engine does not check that the halves of a
// pair come together (a text cut to its field's size may end in half of one), so a lone half is
// shown as U+FFFD, the replacement character, where it stood, rather than refuse the file.
QByteArray wideText(const QByteArray& stored)
{
    const auto byte = [&](qsizetype i) { return static_cast<char16_t>(static_cast<unsigned char>(stored[i])); };
    std::u16string units;
    units.reserve(static_cast<size_t>(stored.size()));
    if (stored.size() >= 2 && byte(0) == 0xff && byte(1) == 0xfe) {
        bool oneByte = true;
        for (qsizetype i = 2; i < stored.size();) {
            if (byte(i) == 0) {
                oneByte = !oneByte;
                ++i;
            } else if (oneByte) {
                units.push_back(byte(i++));
            } else if (i + 1 < stored.size()) {
                units.push_back(static_cast<char16_t>(byte(i) | byte(i + 1) << 8));
                i += 2;
            } else {
                break;  // half a character at the end
            }
        }
    } else {
        for (qsizetype i = 0; i + 1 < stored.size(); i += 2)
            units.push_back(static_cast<char16_t>(byte(i) | byte(i + 1) << 8));
    }
    QString text;
    text.reserve(static_cast<qsizetype>(units.size()));
    for (size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (QChar::isHighSurrogate(unit) && i + 1 < units.size() && QChar::isLowSurrogate(units[i + 1])) {
            text.append(QChar(unit));
            text.append(QChar(units[++i]));
        } else {
            text.append(QChar::isSurrogate(unit) ? QChar(QChar::ReplacementCharacter) : QChar(unit));
        }
    }
    return text.toUtf8();
}

// Text as the file keeps it, as UTF-8: the file's code page for Jet 3, UTF-16 for later engines.
QByteArray textOf(MdbHandle* mdb, const QByteArray& stored)
{
    if (!IS_JET3(mdb))
        return wideText(stored);
    // At most three bytes of UTF-8 for each byte of the code page.
    QByteArray utf8(stored.size() * 3 + 1, Qt::Uninitialized);
    utf8.resize(mdb_unicode2ascii(mdb, stored.constData(), static_cast<size_t>(stored.size()), utf8.data(),
                                  static_cast<size_t>(utf8.size())));
    return utf8;
}

// The rows of one table as the file stores them, each cracked into its fields, and the long
// values that its memo and OLE fields refer to.
class TableRows {
public:
    TableRows(MdbHandle* mdb, MdbCatalogEntry* entry) : mdb_(mdb), entry_(entry) {}

    // The table's definition with its columns.
    void readDefinition()
    {
        table_.reset(mdb_read_table(entry_));
        if (!table_ || !mdb_read_columns(table_.get()) || !table_->columns || table_->columns->len != table_->num_cols)
            damaged(QStringLiteral("the definition of %1 cannot be read").arg(name()));
        // libmdb finds the table's data pages through its page map and reads the map's first byte
        // without looking whether the map was read at all.
        if (!table_->usage_map || table_->map_sz < 1)
            damaged(QStringLiteral("the page map of %1 cannot be read").arg(name()));
    }

    // Every memo and OLE value reads whole, and every block of properties as libmdb parses it, so
    // that libmdb, which reads the catalog's own long values as it finds them, never meets a
    // damaged one.
    void checkLongValues()
    {
        eachRow([&](const std::vector<MdbField>& fields, unsigned row) {
            for (unsigned c = 0; c < table_->num_cols; ++c) {
                const MdbColumn& col = *column(c);
                if ((col.col_type != MDB_MEMO && col.col_type != MDB_OLE) || fields[c].is_null)
                    continue;
                const QByteArray value = longValue(col, fields[c], row);
                if (std::strcmp(col.name, "LvProp") == 0 && !soundProperties(value))
                    badValue(col, row);
            }
        });
    }

    const MdbTableDef& definition() const { return *table_; }

    bool hasLongValues() const
    {
        for (unsigned c = 0; c < table_->num_cols; ++c)
            if (column(c)->col_type == MDB_MEMO || column(c)->col_type == MDB_OLE)
                return true;
        return false;
    }

protected:
    QString name() const { return tableText(entry_->object_name); }

    MdbColumn* column(unsigned index) const
    {
        return static_cast<MdbColumn*>(g_ptr_array_index(table_->columns, index));
    }

    // Runs onRow(fields, row number counted from 1) for every row in stored order.
    template <typename OnRow>
    void eachRow(OnRow onRow)
    {
        mdb_rewind_table(table_.get());
        std::vector<MdbField> fields(table_->num_cols);
        unsigned rows = 0;
        while (mdb_fetch_row(table_.get())) {
            // The row just read, cracked again for what the bound values of libmdb do not tell:
            // whether a value is Null or a zero-length text.
            int start = 0;
            size_t size = 0;
            if (table_->cur_row == 0 || mdb_find_row(mdb_, static_cast<int>(table_->cur_row) - 1, &start, &size) != 0
                || mdb_crack_row(table_.get(), start & rowOffsetMask, size, fields.data()) < 0)
                damaged(QStringLiteral("a row of %1 cannot be read").arg(name()));
            onRow(fields, ++rows);
        }
        // A file that was not closed properly may count fewer rows than it holds; fewer rows than
        // counted are rows lost.
        if (rows < table_->num_rows)
            damaged(QStringLiteral("%1 should hold %2 rows, but only %3 can be read").arg(name()).arg(table_->num_rows).arg(rows));
    }

    const unsigned char* bytes(const MdbField& field) const { return mdb_->pg_buf + field.start; }

    [[noreturn]] void badValue(const MdbColumn& col, unsigned row, const char* fault = "cannot be read") const
    {
        damaged(QStringLiteral("the value of '%1' in row %2 of %3 %4")
                    .arg(QString::fromUtf8(col.name))
                    .arg(row)
                    .arg(name(), QLatin1String(fault)));
    }

    // One part of a long value: row `pageRow & 0xff` of page `pageRow >> 8`. Nothing unless that
    // page is a long-value page that lists the row as a live one and holds it whole after its
    // table of row offsets, so that a page lost or overwritten (zeros, another page's data) is
    // found out rather than read as part of the value. (libmdb itself refuses a row that would end
    // before it begins or past the page.)
    std::optional<std::pair<const char*, size_t>> longValuePart(int pageRow)
    {
        void* buffer = nullptr;
        int start = 0;
        size_t size = 0;
        if (pageRow == 0 || mdb_find_pg_row(mdb_, pageRow, &buffer, &start, &size) != 0)
            return std::nullopt;
        auto* page = static_cast<unsigned char*>(buffer);
        if (page[0] != dataPage
            || std::memcmp(page + longValuePageMarkOffset, longValuePageMark, sizeof longValuePageMark - 1) != 0)
            return std::nullopt;
        const int counted = mdb_->fmt->row_count_offset;
        const int rows = mdb_get_int16(page, counted);
        const int row = pageRow & 0xff;
        if (row >= rows)
            return std::nullopt;
        const int offset = mdb_get_int16(page, counted + 2 + 2 * row);
        // Flags in the offset mark a deleted row or one moved elsewhere.
        if ((offset & ~rowOffsetMask) != 0 || offset < counted + 2 + 2 * rows)
            return std::nullopt;
        return std::pair{reinterpret_cast<const char*>(page) + start, size};
    }

    // The bytes of a memo or OLE value: kept in the row itself, in one row of another page, or in
    // a chain of rows on other pages, each of which begins with the page and row of the next, the
    // last with none. The parts hold the stated length exactly, and a chain visits no part twice:
    // a part missing or lost, a chain that comes back on itself or goes on past the length, refuse
    // the file.
    QByteArray longValue(const MdbColumn& col, const MdbField& field, unsigned row)
    {
        if (field.siz < longValueReference)
            badValue(col, row);
        const quint32 head = static_cast<quint32>(mdb_get_int32(mdb_->pg_buf, field.start));
        const quint32 length = head & 0x00ffffff;
        const unsigned kind = head >> 24;
        if (kind == longValueInline) {
            const quint32 held = static_cast<quint32>(field.siz - longValueReference);
            if (held != length)
                badValue(col, row, held < length ? "cannot be read" : "holds more than its stated length");
            return QByteArray(reinterpret_cast<const char*>(bytes(field)) + longValueReference, length);
        }
        if (kind != longValueOnePage && kind != longValueChained)
            badValue(col, row);
        QByteArray data;
        data.reserve(length);
        int pageRow = static_cast<int>(mdb_get_int32(mdb_->pg_buf, field.start + 4));
        QSet<int> visited;
        for (;;) {
            if (visited.contains(pageRow))
                badValue(col, row, "comes back to a part already read");
            visited.insert(pageRow);
            const auto part = longValuePart(pageRow);
            // A part that holds no more than the pointer to the next adds nothing to the value.
            if (!part || (kind == longValueChained && part->second <= 4))
                badValue(col, row);
            const auto [start, size] = *part;
            const long next = kind == longValueOnePage ? 0 : mdb_get_int32(const_cast<char*>(start), 0);
            const bool last = next == 0;
            if (kind == longValueOnePage)
                data.append(start, static_cast<qsizetype>(size));
            else
                data.append(start + 4, static_cast<qsizetype>(size - 4));
            if (static_cast<quint32>(data.size()) > length)
                badValue(col, row, "holds more than its stated length");
            if (last) {
                if (static_cast<quint32>(data.size()) < length)
                    badValue(col, row);
                return data;
            }
            pageRow = static_cast<int>(next);
        }
    }

    MdbHandle* mdb_;
    MdbCatalogEntry* entry_;
    Table table_;
};

class TableCopy : public TableRows {
public:
    TableCopy(MdbHandle* mdb, MdbCatalogEntry* entry, const Sqlite& out) : TableRows(mdb, entry), out_(out) {}

    // The table and its rows; its definition is read already.
    void run()
    {
        createTable();
        copyRows();
    }

private:
    // Names that a sound file cannot hold: empty ones and twice the same (letter case aside).
    void checkNames() const
    {
        const QString table = QString::fromUtf8(entry_->object_name);
        if (table.isEmpty())
            damaged(QStringLiteral("a table without a name is listed"));
        if (table.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive)
            || table.compare(QLatin1String(dao::password::tableName), Qt::CaseInsensitive) == 0)
            unreadable(QStringLiteral("%1 has a name that the program keeps for itself").arg(name()));
        QSet<QString> columns;
        for (unsigned c = 0; c < table_->num_cols; ++c) {
            const QString column = QString::fromUtf8(this->column(c)->name).toCaseFolded();
            if (column.isEmpty() || columns.contains(column))
                damaged(QStringLiteral("the definition of %1 cannot be read").arg(name()));
            columns.insert(column);
        }
    }

    void createTable()
    {
        checkNames();
        QByteArray create = "CREATE TABLE " + quoted(entry_->object_name) + " (";
        QByteArray insert = "INSERT INTO " + quoted(entry_->object_name) + " VALUES (";
        for (unsigned c = 0; c < table_->num_cols; ++c) {
            const MdbColumn* col = column(c);
            const char* type = declaredType(col->col_type);
            if (!type)
                unreadable(QStringLiteral("the column '%1' of %2 holds values of a kind that cannot be read (type %3)")
                               .arg(QString::fromUtf8(col->name), name())
                               .arg(col->col_type));
            create += (c ? ", " : "") + quoted(col->name) + ' ' + type;
            insert += c ? ", ?" : "?";
        }
        create += ')';
        insert += ')';
        out_.exec(create, name());
        insert_.reset(out_.prepare(insert, name()));
    }

    void copyRows()
    {
        eachRow([&](const std::vector<MdbField>& fields, unsigned row) {
            for (unsigned c = 0; c < table_->num_cols; ++c)
                bind(static_cast<int>(c) + 1, *column(c), fields[c], row);
            if (sqlite3_step(insert_.get()) != SQLITE_DONE)
                out_.cannotWrite(name());
            sqlite3_reset(insert_.get());
            sqlite3_clear_bindings(insert_.get());
        });
    }

    void bindText(int parameter, const QByteArray& jetText)
    {
        const QByteArray utf8 = textOf(mdb_, jetText);
        sqlite3_bind_text(insert_.get(), parameter, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    }

    void bind(int parameter, const MdbColumn& col, const MdbField& field, unsigned row)
    {
        sqlite3_stmt* insert = insert_.get();
        if (col.col_type == MDB_BOOL) {
            // A Boolean is kept in the row's null mask: set is true.
            sqlite3_bind_int(insert, parameter, field.is_null ? 0 : -1);
            return;
        }
        if (field.is_null)
            return;  // bound to Null by sqlite3_clear_bindings
        const int fixed = fixedSize(col.col_type);
        if (field.siz < fixed || field.siz < 0 || field.start < 0 || field.start + field.siz > mdb_->fmt->pg_size)
            badValue(col, row);
        const unsigned char* value = bytes(field);
        switch (col.col_type) {
        case MDB_BYTE:
            sqlite3_bind_int(insert, parameter, value[0]);
            break;
        case MDB_INT:
            sqlite3_bind_int(insert, parameter, qFromLittleEndian<qint16>(value));
            break;
        case MDB_LONGINT:
        case MDB_COMPLEX:
            sqlite3_bind_int(insert, parameter, qFromLittleEndian<qint32>(value));
            break;
        case MDB_FLOAT: {
            // The single's shortest decimal text read back as a double, so 0.15 stays 0.15.
            char text[32];
            const auto written = std::to_chars(text, text + sizeof text, qFromLittleEndian<float>(value));
            double number = 0;
            std::from_chars(text, written.ptr, number);
            sqlite3_bind_double(insert, parameter, number);
            break;
        }
        case MDB_DOUBLE:
            sqlite3_bind_double(insert, parameter, qFromLittleEndian<double>(value));
            break;
        case MDB_MONEY:
            // Ten-thousandths of the currency unit.
            sqlite3_bind_double(insert, parameter, static_cast<double>(qFromLittleEndian<qint64>(value)) / 10000.0);
            break;
        case MDB_NUMERIC: {
            const GlibText text(mdb_numeric_to_string(mdb_, field.start, col.col_scale, col.col_prec));
            double number = 0;
            if (!text || std::from_chars(text.get(), text.get() + std::strlen(text.get()), number).ec != std::errc())
                badValue(col, row);
            sqlite3_bind_double(insert, parameter, number);
            break;
        }
        case MDB_DATETIME: {
            const QByteArray text = dateText(qFromLittleEndian<double>(value));
            if (text.isEmpty())
                badValue(col, row);
            sqlite3_bind_text(insert, parameter, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            break;
        }
        case MDB_REPID: {
            const GlibText text(mdb_uuid_to_string(mdb_->pg_buf, field.start));
            sqlite3_bind_text(insert, parameter, text.get(), -1, SQLITE_TRANSIENT);
            break;
        }
        case MDB_TEXT:
            bindText(parameter, QByteArray(reinterpret_cast<const char*>(value), field.siz));
            break;
        case MDB_BINARY:
            sqlite3_bind_blob(insert, parameter, value, field.siz, SQLITE_TRANSIENT);
            break;
        case MDB_MEMO:
        case MDB_OLE: {
            const QByteArray data = longValue(col, field, row);
            if (col.col_type == MDB_MEMO)
                bindText(parameter, data);
            else
                sqlite3_bind_blob(insert, parameter, data.constData(), static_cast<int>(data.size()), SQLITE_TRANSIENT);
            break;
        }
        default:
            badValue(col, row);
        }
    }

    const Sqlite& out_;
    Statement insert_;
};

// The catalog of the file: every object it lists, checked against the count that the catalog's
// own definition keeps.
void readCatalog(MdbHandle* mdb)
{
    MdbCatalogEntry catalog{};
    catalog.mdb = mdb;
    catalog.object_type = MDB_TABLE;
    catalog.table_pg = 2;
    std::strcpy(catalog.object_name, "MSysObjects");
    TableRows objects(mdb, &catalog);
    objects.readDefinition();
    objects.checkLongValues();
    if (!mdb_read_catalog(mdb, MDB_ANY) || mdb->num_catalog == 0)
        damaged(QStringLiteral("its list of tables cannot be read"));
    if (mdb->num_catalog < objects.definition().num_rows)
        damaged(QStringLiteral("its list of tables is incomplete"));
}

void copyPassword(MdbHandle* mdb, const QByteArray& firstPage, Engine engine, sqlite3* out)
{
    const QByteArray stored = dao::jet::passwordBytes(firstPage, engine);
    if (stored.isEmpty())
        return;
    try {
        dao::writePassword(out, QString::fromUtf8(textOf(mdb, stored)));
    } catch (const dao::BuildError& error) {
        throw ConversionError(Kind::CannotWrite, QString::fromStdString(error.what()));
    }
}

}  // namespace

QByteArray dateText(double value)
{
    constexpr double firstDay = -657434;  // 1 January 100
    constexpr double lastDay = 2958466;   // the day after 31 December 9999
    if (!std::isfinite(value) || value <= firstDay - 1 || value >= lastDay)
        return {};
    double whole = std::trunc(value);
    long long seconds = std::llround(std::fabs(value - whole) * 86400.0);
    if (seconds >= 86400) {  // rounded up to the next day, which is a day later for either sign
        seconds -= 86400;
        whole += 1;
    }
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(whole));
    if (!date.isValid() || date.year() < 100 || date.year() > 9999)
        return {};
    return QString::asprintf("%04d-%02d-%02d %02lld:%02lld:%02lld", date.year(), date.month(), date.day(),
                             seconds / 3600, seconds / 60 % 60, seconds % 60)
        .toLatin1();
}

void convert(const QByteArray& file, sqlite3* out)
{
    const Engine engine = dao::jet::engineOf(file);
    if (engine == Engine::None)
        unreadable(QStringLiteral("it is not a database file of the old engine"));
    const qsizetype pageSize = engine == Engine::Jet3 ? 2048 : 4096;
    // The first page describes the file, the second maps its pages, the third begins its catalog.
    if (file.size() < 3 * pageSize || file.size() % pageSize != 0)
        unreadable(QStringLiteral("the file is truncated"));
    // Without MDB_WRITABLE libmdb reads the buffer as a read-only stream.
    Handle mdb(mdb_open_buffer(const_cast<char*>(file.constData()), static_cast<size_t>(file.size()), MDB_NOFLAGS));
    if (!mdb)
        damaged(QStringLiteral("its first page cannot be read"));
    // The newer engine encrypts a protected file with a key of its own, which libmdb would take
    // for the older engine's page encoding and read as garbage.
    if (engine == Engine::Ace && mdb->f->db_key != 0)
        unreadable(QStringLiteral("it is encrypted in the newer engine's way, which is not read"));
    readCatalog(mdb.get());

    const Sqlite sqlite(out);
    sqlite.exec("BEGIN", QStringLiteral("the copy"));
    QSet<QString> tables;
    std::vector<std::unique_ptr<TableCopy>> copies;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (!mdb_is_user_table(entry))
            continue;
        const QString table = QString::fromUtf8(entry->object_name).toCaseFolded();
        if (tables.contains(table))
            damaged(QStringLiteral("%1 is listed twice").arg(tableText(entry->object_name)));
        tables.insert(table);
        copies.push_back(std::make_unique<TableCopy>(mdb.get(), entry, sqlite));
        copies.back()->readDefinition();
    }
    // The tables with memo or OLE values first: their long values lie on pages of their own,
    // which the rows only point to, so a damaged one refuses the file before the other tables'
    // rows are copied for nothing. Otherwise the tables keep the catalog's order.
    std::stable_partition(copies.begin(), copies.end(), [](const auto& copy) { return copy->hasLongValues(); });
    for (const auto& copy : copies)
        copy->run();
    copyPassword(mdb.get(), file.left(pageSize), engine, out);
    sqlite.exec("COMMIT", QStringLiteral("the copy"));
}

void convertFile(const QString& jetPath, const QString& outPath, const std::function<void()>& confine)
{
    QFile target(outPath);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw ConversionError(Kind::CannotWrite, QStringLiteral("%1 cannot be written: %2").arg(outPath, target.errorString()));
    target.close();
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(outPath).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> owned(db, sqlite3_close_v2);
    const Sqlite sqlite(db);
    if (rc != SQLITE_OK)
        sqlite.cannotWrite(outPath);
    // A conversion either finishes or is thrown away, so it needs no journal; and it opens no
    // file of its own beside the copy, not even to sort an index.
    sqlite.exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA temp_store = MEMORY", outPath);

    // The file's bytes are read where they lie, as the system keeps them, not copied into the
    // heap: a large file takes no more memory of the process than a small one.
    QFile in(jetPath);
    if (!in.open(QIODevice::ReadOnly))
        unreadable(QStringLiteral("it cannot be read: %1").arg(in.errorString()));
    const qint64 size = in.size();
    const uchar* mapped = size > 0 ? in.map(0, size) : nullptr;
    if (size > 0 && !mapped)
        unreadable(QStringLiteral("it cannot be read: %1").arg(in.errorString()));
    // libmdb converts the text of a Jet 3 file from its code page, by default CP1252, through the
    // C library's iconv, which loads the converter from a file of its own at the first use and
    // keeps it while one is open: one is opened before the conversion is confined, and held.
    const std::unique_ptr<void, ConverterCloser> codePage(iconv_open("UTF-8", "CP1252"));
    if (confine)
        confine();
    convert(QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), size), db);
    try {
        dao::writeQueryIndexes(db);
    } catch (const dao::BuildError& error) {
        throw ConversionError(Kind::CannotWrite, QString::fromStdString(error.what()));
    }
    sqlite.exec(QStringLiteral("PRAGMA application_id = %1; PRAGMA user_version = %2; PRAGMA journal_mode = DELETE")
                    .arg(dao::jet::convertedApplicationId)
                    .arg(dao::jet::convertedFormatVersion)
                    .toUtf8(),
                outPath);
}

}  // namespace jetconvert
