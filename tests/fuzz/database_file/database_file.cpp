// Opening a database file made of the input bytes, then reading every table of it through
// recordsets: whatever the bytes, the only failures are the engine's errors, a file that is no
// SQLite database is refused as unrecognised, and the file is never written.
//
// Input: the file's bytes. The program's connect string names the password "fuzz".

#include "platform/dao/dao.h"
#include "support/fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <exception>

namespace {

const QString connect = QStringLiteral(";pwd=fuzz");

void readTable(dao::Database& database, const QString& table)
{
    const std::unique_ptr<dao::Recordset> rows = database.openRecordset(table);
    for (int row = 0; !rows->eof() && row < 50; ++row, rows->moveNext())
        for (int f = 0; f < rows->fieldCount(); ++f) {
            rows->field(f).toString();
            rows->field(rows->fieldName(f)).toDouble();
        }
    if (rows->recordCount() == 0 || rows->fieldCount() == 0)
        return;
    rows->moveLast();
    rows->movePrevious();
    rows->findFirst(QStringLiteral("[%1] IS NOT NULL").arg(rows->fieldName(0)));
    rows->findNext(QStringLiteral("[%1] LIKE \"*a*\"").arg(rows->fieldName(0)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Files of the old engine take another way (a conversion of their own) and are left out here.
    if (bytes.mid(4, 15) == "Standard Jet DB" || bytes.mid(4, 15) == "Standard ACE DB")
        return 0;
    const QString directory = fuzzing::dataDirectory();
    const QString path = fuzzing::writeDataFile(QStringLiteral("qel0709.mdb"), bytes);

    const bool sqliteHeader = bytes.startsWith(QByteArray("SQLite format 3\0", 16));
    dao::Workspace& workspace = dao::Workspace::defaultWorkspace();
    try {
        std::unique_ptr<dao::Database> database = workspace.openDatabase(path, false, true, connect);
        FUZZ_CHECK(sqliteHeader, "a file without the SQLite header opened");
        try {
            for (const QString& table : database->tableNames())
                readTable(*database, table);
        } catch (const dao::Error&) {
            // A damaged page, an unknown field: reported, and the database stays usable.
        }
        database->close();
    } catch (const dao::Error& error) {
        if (!sqliteHeader)
            FUZZ_CHECK(error.number() == dao::UnrecognisedFormat,
                       "a file without the SQLite header refused with " + std::to_string(error.number()) + ": "
                           + error.description().toStdString());
    } catch (const std::exception& error) {
        fuzzing::fail("no failure but the engine's errors", error.what());
    }

    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly) && file.readAll() == bytes, "the database file was written");
    // Nothing appears beside the file, not even the journal files of one that declares the
    // write-ahead log (format version 2 at bytes 18 and 19).
    const QStringList files = QDir(directory).entryList(QDir::Files | QDir::Hidden);
    FUZZ_CHECK(files.size() == 1, "files beside the database: " + files.join(u' ').toStdString());
    for (const QString& name : files)
        QFile::remove(directory + u'/' + name);
    return 0;
}
