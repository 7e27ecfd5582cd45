// The Jet reader: dates as the engine keeps them, bytes that are no sound Jet file, text beyond
// the Basic Multilingual Plane, the queries the windows write giving on a converted file the rows
// that libmdb, read directly, holds, and what the converter child gives up before it reads.

#include "jet_reader.h"
#include "platform/dao/dao.h"
#include "sandbox.h"
#include "support/jet_samples.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <functional>
#include <glib.h>
#include <gtest/gtest.h>
#include <linux/openat2.h>
#include <limits>
#include <set>
#include <mdbtools.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace testing_support;

namespace {

TEST(JetReader, DatesReadAsTheEngineKeepsThem)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "1899-12-30 00:00:00"},
        {0.5, "1899-12-30 12:00:00"},
        {-0.5, "1899-12-30 12:00:00"},           // the time counts forwards before 1900 too
        {-1.25, "1899-12-29 06:00:00"},
        {1.75, "1899-12-31 18:00:00"},
        {2, "1900-01-01 00:00:00"},
        {60, "1900-02-28 00:00:00"},
        {61, "1900-03-01 00:00:00"},             // 1900 had no 29 February
        {36526.99998, "2000-01-01 23:59:58"},    // rounded to the second
        {36526.999999, "2000-01-02 00:00:00"},   // and on to the next day
        {-1.9999999, "1899-12-30 00:00:00"},
        {2958465.99998, "9999-12-31 23:59:58"},
        {-657434, "0100-01-01 00:00:00"},
        {-657434.5, "0100-01-01 12:00:00"},
        {2958466, ""},
        {-657435, ""},
        {std::numeric_limits<double>::quiet_NaN(), ""},
        {std::numeric_limits<double>::infinity(), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(jetconvert::dateText(c.value), QByteArray(c.text)) << c.value;
}

TEST(JetReader, BytesThatAreNoSoundJetFileAreRefusedWithTheReason)
{
    const QByteArray sample = readBytes(jetSample("nwind.mdb"));
    // Page 25 holds one row, from just after its row offsets (count at 8, offset at 10) to its end:
    // the first part of the picture of Categories' row 1, which begins with the page and row of
    // the next part. The picture's reference in its row gives its length and that first part.
    constexpr qsizetype page = 25 * 2048;
    const qsizetype reference = sample.indexOf(QByteArray("\xfa\x29\x00\x00\x00\x19\x00\x00", 8));
    ASSERT_GT(reference, 0);
    // The catalog's properties of its object in row 15: "KKD", then a record of names (length 17,
    // kind 0x80), the first of 9 bytes.
    const qsizetype properties = sample.indexOf(QByteArray("KKD\0\x11\0\0\0\x80\0\x09\0NWVersion", 21));
    ASSERT_GT(properties, 0);
    // The catalog's first value kept in its row on page 18: of 6 bytes, "LWF000".
    const qsizetype inlineValue = sample.indexOf(QByteArray("\x06\0\0\x80\0\0\0\0\0\0\0\0LWF000", 18), 18 * 2048);
    ASSERT_GT(inlineValue, 0);
    const auto changed = [&](qsizetype at, std::initializer_list<char> bytes) {
        QByteArray file = sample;
        std::copy(bytes.begin(), bytes.end(), file.begin() + at);
        return file;
    };
    const QString picture = QStringLiteral("the file is damaged: the value of 'Picture' in row 1 of the table 'Categories' ");
    const QString catalogProperties =
        QStringLiteral("the file is damaged: the value of 'LvProp' in row 15 of the table 'MSysObjects' cannot be read");
    const struct {
        const char* what;
        QByteArray bytes;
        QString reason;
    } cases[] = {
        {"empty", QByteArray(), "it is not a database file of the old engine"},
        {"text", QByteArray("Standard Jet DB, they say"), "it is not a database file of the old engine"},
        {"header page only", sample.left(2048), "the file is truncated"},
        {"two pages", sample.left(4096), "the file is truncated"},
        {"part of a page", sample.left(3 * 2048 + 1), "the file is truncated"},
        {"a part that names itself as the next", changed(page + 12, {0x00, 0x19}), picture + "comes back to a part already read"},
        {"a part's row marked deleted", changed(page + 11, {char(0x80)}), picture + "cannot be read"},
        {"a part's row marked moved", changed(page + 11, {0x40}), picture + "cannot be read"},
        {"a part's row within the row offsets", changed(page + 10, {0x0a}), picture + "cannot be read"},
        {"a part's row beyond the page's count", changed(page + 8, {0x00}), picture + "cannot be read"},
        {"more rows counted than the offsets leave room for", changed(page + 8, {0x02}), picture + "cannot be read"},
        {"a value shorter than its stated length", changed(reference, {char(0xfb)}), picture + "cannot be read"},
        {"a value longer than its stated length", changed(reference, {char(0xf9)}), picture + "holds more than its stated length"},
        {"a value in its row longer than its stated length", changed(inlineValue, {0x05}),
         "the file is damaged: the value of 'LvModule' in row 25 of the table 'MSysObjects' holds more than its stated length"},
        {"properties whose record takes no room", changed(properties + 4, {0x00}), catalogProperties},
        {"properties whose name goes past its record", changed(properties + 10, {0x10}), catalogProperties},
        // The first property of the set that follows the names (at 21, its properties at 33).
        {"a property of length 0", changed(properties + 33, {0x00}), catalogProperties},
        // A record of 5 bytes, whose head overlaps a record of names that fills the rest of the first.
        {"properties whose record is shorter than its head",
         changed(properties + 4, {0x05, 0, 0, 0, char(0x80), 0x0c, 0, 0, 0, char(0x80), 0, 0x04, 0, 'N', 'W', 'V', 'e'}),
         catalogProperties},
        // The picture's reference made one of a single part, the 55 bytes of row 0 of page 569, which
        // holds rows of Products.
        {"a part on a table's data page", changed(reference, {0x37, 0, 0, 0x40, 0, 0x39, 0x02, 0}), picture + "cannot be read"},
        // DateTest's page map named as row 97 of its page, which holds fewer: libmdb reads a map of
        // no bytes, and would read through its null pointer.
        {"a table's page map in a row its page does not hold",
         [] {
             QByteArray file = readBytes(jetSample("DateTestDatabase.mdb"));
             file[18 * 4096 + 55] = 97;
             return file;
         }(),
         "the file is damaged: the page map of the table 'DateTest' cannot be read"},
    };
    for (const auto& c : cases) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        try {
            jetconvert::convert(c.bytes, db);
            ADD_FAILURE() << c.what << " was converted";
        } catch (const jetconvert::ConversionError& e) {
            EXPECT_EQ(e.kind(), jetconvert::ConversionError::Kind::Unreadable) << c.what;
            EXPECT_EQ(e.reason(), c.reason) << c.what;
        }
        sqlite3_close(db);
    }
}

TEST(JetReader, WideTextKeepsCharactersBeyondTheBasicPlaneWhole)
{
    // Row 2 of the sample holds the memo "Year 9999" and the text "Year 1999", both compressed:
    // FF FE and one byte a character, where a NUL byte switches to two bytes a character and back.
    const QByteArray sample = readBytes(jetSample("DateTestDatabase.mdb"));
    const qsizetype memo = sample.indexOf("\xff\xfeYear 9999"), text = sample.indexOf("\xff\xfeYear 1999");
    ASSERT_GT(memo, 0);
    ASSERT_GT(text, 0);
    const struct {
        const char* what;
        qsizetype at;
        QByteArray stored;
        QString value;
    } cases[] = {
        {"an emoji in a memo", memo, QByteArray("\xff\xfeY\0\x3d\xd8\x01\xde\0" "99", 11), QStringLiteral("Y\U0001F601" "99")},
        {"a mathematical letter in a text", text, QByteArray("\xff\xfex\0\x35\xd8\x65\xdc\0xx", 11), QStringLiteral("x\U0001D465xx")},
        {"a lone first half", text, QByteArray("\xff\xfeYear\0\x3d\xd8\0" "9", 11), QStringLiteral("Year\uFFFD9")},
        {"a lone second half", memo, QByteArray("\xff\xfeYear\0\x65\xdc\0" "9", 11), QStringLiteral("Year\uFFFD9")},
    };
    for (const auto& c : cases) {
        QByteArray file = sample;
        file.replace(c.at, c.stored.size(), c.stored);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        jetconvert::convert(file, db);
        sqlite3_stmt* row = nullptr;
        sqlite3_prepare_v2(db, "SELECT LongTextCol, ShortTextCol FROM DateTest WHERE IDCol = 2", -1, &row, nullptr);
        ASSERT_EQ(sqlite3_step(row), SQLITE_ROW) << c.what;
        EXPECT_EQ(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(row, c.at == memo ? 0 : 1))), c.value) << c.what;
        sqlite3_finalize(row);
        sqlite3_close(db);
    }
}

TEST(JetReader, AConfinedChildIsEndedWithTheReasonWhenItTriesWhatReadingNeverNeeds)
{
    QTemporaryDir dir;
    const QByteArray file = QFile::encodeName(dir.filePath(QStringLiteral("other")));
    const QByteArray copyPath = QFile::encodeName(dir.filePath(QStringLiteral("copy")));
    ASSERT_TRUE(writeBytes(QFile::decodeName(file), "other"));
    int copy = -1;  // open in the child before it is confined
    const std::string stopped = std::string(jetconvert::reasonPrefix) + "reading it was stopped when it tried to ";
    const std::string needless = ", which reading a file never needs; the file may be damaged";
    const std::string fileOpen = stopped + "open another file" + needless;
    const std::string fileChange = stopped + "change a file or folder" + needless;
    const auto limit = [](const char* what) {
        return std::string(jetconvert::reasonPrefix) + what + " it may have, so it was stopped; the file may be damaged";
    };
    const std::string outOfMemory = limit("reading it needed more than the 512 MB of memory");
    open_how newFile{};
    newFile.flags = O_WRONLY | O_CREAT;
    newFile.mode = 0600;
    const struct {
        const char* what;
        std::function<void()> attempt;
        std::string reason;  // empty: the child ends normally
        bool sanitized;      // the address sanitizer's build checks it too
        qint64 fileSize = 0;
    } cases[] = {
        {"its copy written and read", [&] { char c; ::pwrite(copy, "x", 1, 0); ::pread(copy, &c, 1, 0); ::write(2, "", 0); }, "", true},
        {"the network", [] { ::socket(AF_INET, SOCK_STREAM, 0); }, stopped + "reach the network" + needless, true},
        {"a program", [] { ::execl("/bin/true", "true", nullptr); }, stopped + "start a program" + needless, true},
        {"a process", [] { ::fork(); }, stopped + "start a program" + needless, false},
        {"a file opened for reading", [&] { ::open(file.constData(), O_RDONLY); }, fileOpen, false},
        {"a file opened for writing", [&] { ::open(file.constData(), O_RDWR); }, fileOpen, true},
        {"a new file", [&] { ::open((file + "-new").constData(), O_RDONLY | O_CREAT, 0600); }, fileOpen, true},
        {"a new file by the newer call", [&] { ::syscall(SYS_openat2, AT_FDCWD, (file + "-new").constData(), &newFile, sizeof newFile); },
         fileOpen, true},
        {"a file renamed", [&] { ::rename(file.constData(), (file + "-renamed").constData()); }, fileChange, true},
        {"a file removed", [&] { ::unlink(file.constData()); }, fileChange, true},
        {"a file removed in a folder", [&] { ::unlinkat(AT_FDCWD, file.constData(), 0); }, fileChange, true},
        // fchmodat2, newer than this C library and libseccomp.
        {"a call this build does not know", [&] { ::syscall(452, AT_FDCWD, file.constData(), 0, 0); },
         stopped + "make system call 452" + needless, true},
        {"another process", [parent = ::getpid()] { ::kill(parent, 0); }, stopped + "reach another process" + needless, true},
        {"more memory than a file needs", [] { g_free(g_malloc(std::size_t(1) << 30)); }, outOfMemory, false},
        {"an allocation whose failure goes unseen", [] { static_cast<volatile char*>(std::malloc(std::size_t(1) << 30))[4096] = 1; },
         outOfMemory, false},
        {"memory for a file of 1 GB", [] { g_free(g_malloc(std::size_t(1) << 30)); }, "", false, qint64(1) << 30},
        {"a copy larger than a file needs", [&] { ::pwrite(copy, "x", 1, qint64(1) << 30); },
         limit("reading it made a copy larger than the 64 MB"), true},
    };
    for (const auto& c : cases) {
        if (jetconvert::addressSanitizer && !c.sanitized)
            continue;
        int errors[2];
        ASSERT_EQ(::pipe(errors), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::dup2(errors[1], STDERR_FILENO);
            copy = ::open(copyPath.constData(), O_RDWR | O_CREAT | O_TRUNC, 0600);
            jetconvert::confine(c.fileSize);
            c.attempt();
            ::_exit(0);
        }
        ::close(errors[1]);
        std::string said;
        char buffer[512];
        for (ssize_t got; (got = ::read(errors[0], buffer, sizeof buffer)) > 0;)
            said.append(buffer, static_cast<size_t>(got));
        ::close(errors[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status)) << c.what;
        EXPECT_EQ(WEXITSTATUS(status), c.reason.empty() ? 0 : 1) << c.what;
        EXPECT_EQ(said, c.reason.empty() ? "" : c.reason + '\n') << c.what;
    }
    EXPECT_EQ(readBytes(QFile::decodeName(file)), "other");
}

// Whether the page is a long-value page: a data page marked "LVAL" where other data pages name
// their table.
bool isLongValuePage(const QByteArray& file, int page, int pageSize)
{
    const char* bytes = file.constData() + static_cast<qsizetype>(page) * pageSize;
    return bytes[0] == 0x01 && QByteArray(bytes + 4, 4) == "LVAL";
}

int pageSizeOf(const QByteArray& file) { return file[0x14] == 0 ? 2048 : 4096; }

void zeroPage(QByteArray& file, int page, int pageSize)
{
    std::fill_n(file.begin() + static_cast<qsizetype>(page) * pageSize, pageSize, '\0');
}

// The pages that the parts of the conversion's long values lie on, as libmdb's own reader
// follows them: every memo and OLE value of the user tables and of the catalog.
std::set<int> longValuePages(QByteArray file)
{
    std::set<int> pages;
    MdbHandle* mdb = mdb_open_buffer(file.data(), static_cast<size_t>(file.size()), MDB_NOFLAGS);
    if (!mdb || !mdb_read_catalog(mdb, MDB_ANY)) {
        ADD_FAILURE() << "libmdb cannot read the catalog";
        return pages;
    }
    MdbCatalogEntry objects{};
    objects.mdb = mdb;
    objects.object_type = MDB_TABLE;
    objects.table_pg = 2;
    std::strcpy(objects.object_name, "MSysObjects");
    std::vector<MdbCatalogEntry*> entries = {&objects};
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (mdb_is_user_table(entry))
            entries.push_back(entry);
    }
    for (MdbCatalogEntry* entry : entries) {
        MdbTableDef* table = mdb_read_table(entry);
        mdb_read_columns(table);
        std::vector<MdbField> fields(table->num_cols);
        mdb_rewind_table(table);
        while (mdb_fetch_row(table)) {
            int start = 0;
            size_t size = 0;
            mdb_find_row(mdb, static_cast<int>(table->cur_row) - 1, &start, &size);
            mdb_crack_row(table, start & 0x1fff, size, fields.data());
            for (unsigned c = 0; c < table->num_cols; ++c) {
                auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
                if ((col->col_type != MDB_MEMO && col->col_type != MDB_OLE) || fields[c].is_null)
                    continue;
                char reference[MDB_MEMO_OVERHEAD];
                std::memcpy(reference, mdb->pg_buf + fields[c].start, sizeof reference);
                const auto kind = static_cast<unsigned char>(reference[3]);
                if (kind == 0x80)
                    continue;  // kept in the row itself
                pages.insert(mdb_get_int32(reference, 4) >> 8);
                mdb_ole_read(mdb, col, reference, 1 << 20);
                // A chain: each part names the next.
                for (; kind == 0x00 && col->cur_blob_pg_row != 0; mdb_ole_read_next(mdb, col, reference))
                    pages.insert(static_cast<int>(col->cur_blob_pg_row >> 8));
            }
        }
        mdb_free_tabledef(table);
    }
    mdb_close(mdb);
    return pages;
}

// Every table of a converted copy, its rows in order with each value and its type.
QByteArray contentsOf(const QByteArray& jetFile)
{
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    jetconvert::convert(jetFile, db);
    QByteArray contents;
    sqlite3_stmt* tables = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", -1, &tables, nullptr);
    while (sqlite3_step(tables) == SQLITE_ROW) {
        const QByteArray name = reinterpret_cast<const char*>(sqlite3_column_text(tables, 0));
        contents += name + '\n';
        sqlite3_stmt* rows = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM \"" + name + "\"", -1, &rows, nullptr);
        while (sqlite3_step(rows) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(rows); ++c)
                contents += QByteArray::number(sqlite3_column_type(rows, c))
                            + QByteArray(static_cast<const char*>(sqlite3_column_blob(rows, c)), sqlite3_column_bytes(rows, c));
        sqlite3_finalize(rows);
    }
    sqlite3_finalize(tables);
    sqlite3_close(db);
    return contents;
}

TEST(JetReader, EveryLongValuePageZeroedRefusesTheFileWhenAValueLiesOnIt)
{
    for (const char* name : {"nwind.mdb", "DateTestDatabase.mdb", "ASampleDatabase.accdb"}) {
        SCOPED_TRACE(name);
        const QByteArray sound = readBytes(jetSample(QString::fromLatin1(name)));
        const int pageSize = pageSizeOf(sound);
        const std::set<int> used = longValuePages(sound);
        ASSERT_FALSE(used.empty());
        // The long-value pages that no value lies on, all zeroed at once: a leftover of deleted
        // values, which changes nothing.
        QByteArray unused = sound;
        QByteArray damaged = sound;  // one page zeroed at a time
        for (int page = 0; page < sound.size() / pageSize; ++page) {
            if (!isLongValuePage(sound, page, pageSize)) {
                EXPECT_EQ(used.count(page), 0u) << "a long value lies on page " << page << ", which is no long-value page";
                continue;
            }
            if (used.count(page) == 0) {
                zeroPage(unused, page, pageSize);
                continue;
            }
            zeroPage(damaged, page, pageSize);
            sqlite3* db = nullptr;
            ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
            try {
                jetconvert::convert(damaged, db);
                ADD_FAILURE() << "page " << page << " was read as a part of a long value";
            } catch (const jetconvert::ConversionError& e) {
                EXPECT_EQ(e.kind(), jetconvert::ConversionError::Kind::Unreadable);
                EXPECT_TRUE(e.reason().startsWith("the file is damaged: the value of '")) << page << ": " << e.reason().toStdString();
            }
            sqlite3_close(db);
            const qsizetype at = static_cast<qsizetype>(page) * pageSize;
            damaged.replace(at, pageSize, sound.mid(at, pageSize));
        }
        EXPECT_EQ(contentsOf(unused), contentsOf(sound));
    }
}

// A table as libmdb gives it, every value as its text (Null as the empty text), in stored order.
struct DirectTable {
    QStringList columns;
    std::vector<QStringList> rows;

    int index(const QString& column) const { return static_cast<int>(columns.indexOf(column)); }
    QStringList values(const QString& column, const std::vector<QStringList>& from) const
    {
        QStringList out;
        for (const QStringList& row : from)
            out << row[index(column)];
        return out;
    }
    template <typename Keep>
    std::vector<QStringList> where(Keep keep) const
    {
        std::vector<QStringList> out;
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(out), keep);
        return out;
    }
};

DirectTable readDirectly(const QString& path, const char* table)
{
    DirectTable result;
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb || !mdb_read_catalog(mdb, MDB_TABLE)) {
        ADD_FAILURE() << "libmdb cannot open " << path.toStdString();
        return result;
    }
    MdbTableDef* def = mdb_read_table_by_name(mdb, const_cast<gchar*>(table), MDB_TABLE);
    mdb_read_columns(def);
    std::vector<std::vector<char>> buffers(def->num_cols, std::vector<char>(MDB_BIND_SIZE));
    std::vector<int> lengths(def->num_cols);
    for (unsigned c = 0; c < def->num_cols; ++c) {
        result.columns << QString::fromUtf8(static_cast<MdbColumn*>(g_ptr_array_index(def->columns, c))->name);
        mdb_bind_column(def, static_cast<int>(c) + 1, buffers[c].data(), &lengths[c]);
    }
    mdb_rewind_table(def);
    while (mdb_fetch_row(def)) {
        QStringList row;
        for (unsigned c = 0; c < def->num_cols; ++c)
            row << QString::fromUtf8(buffers[c].data(), lengths[c]);
        result.rows.push_back(row);
    }
    mdb_free_tabledef(def);
    mdb_close(mdb);
    return result;
}

// Text order without regard to the case of any letter, as text columns compare: by the
// characters, each case-folded.
bool textBefore(const QString& a, const QString& b)
{
    const auto folded = [](const QString& text) {
        QList<uint> characters = text.toUcs4();
        for (uint& c : characters)
            c = QChar::toCaseFolded(c);
        return characters;
    };
    return folded(a) < folded(b);
}

class JetQueries : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath(QStringLiteral("nwind.mdb"));
        ASSERT_TRUE(QFile::copy(jetSample("nwind.mdb"), path));
        db = dao::Workspace::defaultWorkspace().openDatabase(path, false, false, QStringLiteral(";pwd="));
    }

    QStringList query(const QString& sql, int column = 0) const
    {
        QStringList values;
        for (auto rs = db->openRecordset(sql); !rs->eof(); rs->moveNext())
            values << rs->field(column).toString();
        return values;
    }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<dao::Database> db;
};

TEST_F(JetQueries, TheWindowsQueriesGiveTheRowsThatLibmdbReads)
{
    const DirectTable customers = readDirectly(path, "Customers");
    const DirectTable products = readDirectly(path, "Products");
    ASSERT_EQ(customers.rows.size(), 91u);
    ASSERT_EQ(products.rows.size(), 77u);
    const auto equalsIgnoringCase = [](const DirectTable& t, const char* column, const char* text) {
        return [&t, column, text](const QStringList& row) {
            return row[t.index(QString::fromLatin1(column))].compare(QLatin1String(text), Qt::CaseInsensitive) == 0;
        };
    };

    // A WHERE on text ignores the case of every letter and keeps the stored order.
    EXPECT_EQ(query(QStringLiteral("SELECT CompanyName FROM Customers WHERE City = \"lONDON\"")),
              customers.values("CompanyName", customers.where(equalsIgnoringCase(customers, "City", "london"))));
    EXPECT_EQ(query(QStringLiteral("SELECT CompanyName FROM Customers WHERE City = \"MÜNCHEN\"")), QStringList{"Frankenversand"});
    EXPECT_EQ(query(QStringLiteral("SELECT CompanyName FROM Customers WHERE City = \"århus\"")), QStringList{"Vaffeljernet"});
    EXPECT_EQ(query(QStringLiteral("SELECT CompanyName FROM Customers WHERE City <> \"KÖLN\"")).size(), 90);
    auto all = db->openRecordset(QStringLiteral("Customers"));
    all->findFirst(QStringLiteral("City = \"KÖLN\""));
    ASSERT_FALSE(all->noMatch());
    EXPECT_EQ(all->field("CompanyName").toString(), QStringLiteral("Ottilies Käseladen"));
    // LIKE with * at either end.
    EXPECT_EQ(query(QStringLiteral("SELECT ProductName FROM Products WHERE ProductName LIKE \"*SAUCE*\"")),
              products.values("ProductName", products.where([&](const QStringList& row) {
                  return row[products.index("ProductName")].contains(QLatin1String("sauce"), Qt::CaseInsensitive);
              })));
    EXPECT_EQ(query(QStringLiteral("SELECT ProductName FROM Products WHERE ProductName LIKE \"c*\"")),
              products.values("ProductName", products.where([&](const QStringList& row) {
                  return row[products.index("ProductName")].startsWith(u'C');
              })));
    // A Boolean column compared with TRUE.
    EXPECT_EQ(query(QStringLiteral("SELECT ProductName FROM Products WHERE [Discontinued] = TRUE")),
              products.values("ProductName", products.where([&](const QStringList& row) {
                  return row[products.index("Discontinued")] == QLatin1String("1");
              })));
    // ORDER BY text, and by a number then text.
    QStringList names = products.values("ProductName", products.rows);
    std::sort(names.begin(), names.end(), textBefore);
    EXPECT_EQ(query(QStringLiteral("SELECT ProductName FROM Products ORDER BY ProductName")), names);
    std::vector<QStringList> byPrice = products.rows;
    std::stable_sort(byPrice.begin(), byPrice.end(), [&](const QStringList& a, const QStringList& b) {
        const double pa = a[products.index("UnitPrice")].toDouble();
        const double pb = b[products.index("UnitPrice")].toDouble();
        return pa != pb ? pa > pb : textBefore(a[products.index("ProductName")], b[products.index("ProductName")]);
    });
    EXPECT_EQ(query(QStringLiteral("SELECT ProductName, UnitPrice FROM Products ORDER BY UnitPrice DESC, ProductName")),
              products.values("ProductName", byPrice));
    // ORDER BY text, every letter without its case.
    QStringList cities = customers.values("City", customers.rows);
    std::sort(cities.begin(), cities.end(), textBefore);
    EXPECT_EQ(query(QStringLiteral("SELECT City FROM Customers ORDER BY City")), cities);
    // DISTINCT.
    QStringList countries = customers.values("Country", customers.rows);
    countries.removeDuplicates();
    std::sort(countries.begin(), countries.end(), textBefore);
    QStringList distinct = query(QStringLiteral("SELECT DISTINCT Country FROM Customers"));
    std::sort(distinct.begin(), distinct.end(), textBefore);
    EXPECT_EQ(distinct, countries);
    EXPECT_EQ(countries.size(), 21);
}

TEST_F(JetQueries, EveryValueOfATableReadsAsLibmdbGivesIt)
{
    // Text, memo, long integers and non-ASCII letters, row by row and in stored order.
    for (const char* table : {"Customers", "Suppliers", "Categories", "Shippers"}) {
        SCOPED_TRACE(table);
        const DirectTable direct = readDirectly(path, table);
        auto rs = db->openRecordset(QString::fromUtf8(table));
        ASSERT_EQ(rs->recordCount(), static_cast<int>(direct.rows.size()));
        for (const QStringList& row : direct.rows) {
            for (int c = 0; c < row.size(); ++c) {
                if (direct.columns[c] == QLatin1String("Picture"))
                    continue;  // libmdb gives an OLE value's reference, not the value
                EXPECT_EQ(rs->field(direct.columns[c]).toString(), row[c]) << direct.columns[c].toStdString();
            }
            rs->moveNext();
        }
    }
}

}  // namespace

