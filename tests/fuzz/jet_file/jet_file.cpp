// Opening a Jet file made of the input bytes, as the program opens a person's edition file: the
// conversion runs in its child program, which a damaged file may crash or stop, and the copy is
// read through recordsets. Whatever the bytes, the program sees either a database or the engine's
// error for a file it cannot read (or for a wrong password), never a crash of its own; the Jet file
// is never written and nothing appears beside it.
//
// Input: the file's bytes after its first 0x15, which always name a Jet file of the engine that
// the input's first byte picks, so that every input takes the conversion's way.

#include "platform/dao/dao.h"
#include "platform/dao/jet_header.h"
#include "support/fuzz_support.h"

#include <QDir>
#include <QFile>
#include <exception>

namespace {

QByteArray jetFileOf(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (bytes.size() < dao::jet::headerLength)
        bytes.resize(dao::jet::headerLength, '\0');
    const char engine = static_cast<char>(static_cast<unsigned char>(bytes[0]) % 3);  // Jet 3, Jet 4, ACE
    const QByteArray signature = engine == 2 ? QByteArray("Standard ACE DB", 15) : QByteArray("Standard Jet DB", 15);
    bytes[0] = 0;
    bytes.replace(4, 15, signature);
    bytes[0x14] = engine;
    return bytes;
}

void readSome(dao::Database& database)
{
    for (const QString& table : database.tableNames()) {
        const std::unique_ptr<dao::Recordset> rows = database.openRecordset(QStringLiteral("[%1]").arg(table));
        for (int row = 0; !rows->eof() && row < 20; ++row, rows->moveNext())
            for (int f = 0; f < rows->fieldCount(); ++f)
                rows->field(f).toString();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::ensureApplication();
    const QByteArray bytes = jetFileOf(data, size);
    FUZZ_CHECK(dao::jet::engineOf(bytes.left(dao::jet::headerLength)) != dao::jet::Engine::None,
               "the input names a Jet file");
    const QString directory = fuzzing::dataDirectory();
    const QString path = fuzzing::writeDataFile(QStringLiteral("qel0709.mdb"), bytes);

    try {
        std::unique_ptr<dao::Database> database =
            dao::Workspace::defaultWorkspace().openDatabase(path, false, true, QStringLiteral(";pwd=fuzz"));
        try {
            readSome(*database);
        } catch (const dao::Error&) {
            // A table name or value the queries refuse: reported, and the database stays usable.
        }
        database->close();
    } catch (const dao::Error& error) {
        FUZZ_CHECK(error.number() == dao::UnrecognisedFormat || error.number() == dao::WrongPassword,
                   "a Jet file refused with " + std::to_string(error.number()) + ": "
                       + error.description().toStdString());
        if (error.number() == dao::UnrecognisedFormat)
            FUZZ_CHECK(error.description().contains(path), "the message names the file: " + error.description());
    } catch (const std::exception& error) {
        fuzzing::fail("no failure but the engine's errors", error.what());
    }

    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly) && file.readAll() == bytes, "the Jet file was written");
    const QStringList files = QDir(directory).entryList(QDir::Files | QDir::Hidden);
    FUZZ_CHECK(files.size() == 1, "files beside the Jet file: " + files.join(u' ').toStdString());
    return 0;
}
