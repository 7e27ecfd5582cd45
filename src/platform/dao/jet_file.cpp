#include "platform/dao/jet_file.h"

#include "platform/dao/dao.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sqlite3.h>
#include <sys/stat.h>

namespace dao::jet {

namespace {

constexpr const char* converterName = "varnel_jetconvert";
// What the child writes before its reason on its last line of standard error.
constexpr const char* reasonPrefix = "varnel_jetconvert: ";
// The child's exit codes.
constexpr int exitUnreadable = 1;
constexpr int exitCannotWrite = 2;
// The first bytes of a Jet file, whose digest is part of its identity: its header page (with the
// password; a page is 2 or 4 KB). With the file's size and modification time to the nanosecond
// they tell a changed file.
constexpr qint64 identityHeadLength = 4 * 1024;

Error unreadable(const QString& path, const QString& reason)
{
    return Error(UnrecognisedFormat, QStringLiteral("Unrecognized database format '%1': %2.").arg(path, reason));
}

Error cannotOpen(const QString& path, const QString& reason)
{
    return Error(CannotOpen, QStringLiteral("The database engine cannot open the file '%1': %2.").arg(path, reason));
}

QString hexDigest(const QByteArray& data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex().left(32));
}

// The reason the child gave: its last line that carries the prefix.
QString childReason(const QByteArray& errors)
{
    const QList<QByteArray> lines = errors.split('\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line)
        if (line->startsWith(reasonPrefix))
            return QString::fromUtf8(line->mid(qsizetype(std::strlen(reasonPrefix)))).trimmed();
    return {};
}

void runConverter(const Converter& converter, const QString& jetPath, const QString& outPath)
{
    QProcess child;
    child.setProgram(converter.program);
    child.setArguments({jetPath, outPath});
    child.setStandardInputFile(QProcess::nullDevice());
    child.setStandardOutputFile(QProcess::nullDevice());
    child.start();
    if (!child.waitForStarted())
        throw cannotOpen(jetPath, QStringLiteral("the program that reads files of the old database engine (%1) cannot "
                                                 "be started: %2")
                                      .arg(converter.program, child.errorString()));
    if (!child.waitForFinished(converter.timeLimitMs)) {
        child.kill();
        child.waitForFinished();
        throw unreadable(jetPath, QStringLiteral("reading it did not finish within %1 seconds, so it was stopped; the "
                                                 "file may be damaged")
                                      .arg(converter.timeLimitMs / 1000.0));
    }
    if (child.exitStatus() == QProcess::CrashExit)
        throw unreadable(jetPath, QStringLiteral("the file is damaged: reading it broke off"));
    if (child.exitCode() == 0)
        return;
    QString reason = childReason(child.readAllStandardError());
    if (child.exitCode() == exitCannotWrite)
        throw cannotOpen(jetPath, QStringLiteral("its converted copy cannot be written: %1")
                                      .arg(reason.isEmpty() ? QStringLiteral("no reason given") : reason));
    if (child.exitCode() != exitUnreadable || reason.isEmpty())
        reason = QStringLiteral("the file is damaged: reading it broke off");
    throw unreadable(jetPath, reason);
}

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};

quint64 bigEndian(const QByteArray& bytes, int at, int length)
{
    quint64 value = 0;
    for (int i = 0; i < length; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The first 100 bytes of an SQLite file, when it is one as long as its header says.
QByteArray wholeSqliteHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArray("SQLite format 3\0", 16)))
        return {};
    quint64 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    const quint64 pageCount = bigEndian(header, 28, 4);
    if (pageSize < 512 || pageCount == 0 || quint64(file.size()) < pageSize * pageCount)
        return {};
    return header;
}

// Whether the header carries our marks (the application id at byte 68, the format version at 60).
bool hasOurMarks(const QByteArray& header)
{
    return bigEndian(header, 68, 4) == quint64(convertedApplicationId) && bigEndian(header, 60, 4) == quint64(convertedFormatVersion);
}

// Whether a file is a whole converted copy of our own making: an SQLite file as long as its
// header says, with our marks and a sound structure. A cache file is never trusted otherwise.
bool isSoundCopy(const QString& path)
{
    const QByteArray header = wholeSqliteHeader(path);
    if (header.isEmpty() || !hasOurMarks(header))
        return false;
    sqlite3* opened = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &opened, SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, SqliteCloser> db(opened);
    if (rc != SQLITE_OK)
        return false;
    sqlite3_stmt* check = nullptr;
    bool sound = sqlite3_prepare_v2(db.get(), "PRAGMA quick_check", -1, &check, nullptr) == SQLITE_OK
              && sqlite3_step(check) == SQLITE_ROW
              && qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok") == 0;
    sound = sound && sqlite3_step(check) == SQLITE_DONE;
    sqlite3_finalize(check);
    return sound;
}

// The record of a copy's whole check: a file beside it that names the copy's size, modification
// time and file number as they were when the check passed. Any write to the copy changes its
// modification time.
QString checkRecordOf(const QString& copy) { return copy + QStringLiteral(".checked"); }

QByteArray fileState(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return QByteArray::number(qint64(status.st_size)) + ' ' + QByteArray::number(qint64(status.st_mtim.tv_sec)) + '.'
         + QByteArray::number(qint64(status.st_mtim.tv_nsec)) + ' ' + QByteArray::number(quint64(status.st_ino));
}

void recordCheck(const QString& copy)
{
    // A record that cannot be written only means a whole check at the next opening.
    QFile record(checkRecordOf(copy));
    const QByteArray state = fileState(copy);
    if (!state.isEmpty() && record.open(QIODevice::WriteOnly | QIODevice::Truncate))
        record.write(state);
}

bool isUnchangedSinceChecked(const QString& copy)
{
    QFile record(checkRecordOf(copy));
    if (!record.open(QIODevice::ReadOnly))
        return false;
    const QByteArray state = fileState(copy);
    return !state.isEmpty() && record.readAll() == state;
}

// The names of a Jet file's copies: all copies of the file at one path share the first part; the
// second names the file's present state and the converter that wrote the copy, so that a
// program of another version converts the file again.
struct CopyName {
    QString pathPart;
    QString fileName;
};

CopyName copyNameOf(const QString& jetPath, const QString& converterProgram)
{
    const QString path = QFileInfo(jetPath).canonicalFilePath();
    QFile file(jetPath);
    struct stat jet {};
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        throw cannotOpen(jetPath, file.errorString());
    if (::fstat(file.handle(), &jet) != 0)
        throw cannotOpen(jetPath, QString::fromLocal8Bit(std::strerror(errno)));
    const QByteArray head = file.read(identityHeadLength);
    struct stat converter {};
    const bool converterFound = ::stat(QFile::encodeName(converterProgram).constData(), &converter) == 0;
    const auto nanoseconds = [](const struct stat& status) {
        return QByteArray::number(qint64(status.st_mtim.tv_sec) * 1000000000 + qint64(status.st_mtim.tv_nsec));
    };
    QByteArray identity = path.toUtf8() + '\n' + QByteArray::number(qint64(jet.st_size)) + '\n'
                        + QCryptographicHash::hash(head, QCryptographicHash::Blake2b_256) + '\n'
                        + QByteArray::number(converterFound ? qint64(converter.st_size) : 0) + '\n'
                        + QByteArray::number(convertedFormatVersion) + '\n' + nanoseconds(jet);
    if (converterFound)
        identity += '\n' + nanoseconds(converter);
    const QString pathPart = hexDigest(path.toUtf8());
    return {pathPart, pathPart + u'-' + hexDigest(identity) + QStringLiteral(".sqlite")};
}

// Removes the copies of older states of the file, which nothing will open again, and the
// temporary files of its conversions that ended with their program before they were renamed.
// A conversion under way writes its file all the time, so a file untouched for ten minutes is
// none of its.
void removeOlderCopies(const QDir& directory, const CopyName& name)
{
    const QStringList copies = directory.entryList(
        {name.pathPart + QStringLiteral("-*.sqlite"), name.pathPart + QStringLiteral("-*.sqlite.checked")}, QDir::Files);
    for (const QString& copy : copies)
        if (copy != name.fileName && copy != name.fileName + QStringLiteral(".checked"))
            QFile::remove(directory.filePath(copy));
    const QDateTime abandoned = QDateTime::currentDateTime().addSecs(-600);
    const QFileInfoList temporaries =
        directory.entryInfoList({u'.' + name.pathPart + QStringLiteral("-*.sqlite.*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& temporary : temporaries)
        if (temporary.lastModified() < abandoned)
            QFile::remove(temporary.absoluteFilePath());
}

}  // namespace

Converter defaultConverter()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(QLatin1String(converterName));
    const QString installed = programDir.filePath(QStringLiteral("../libexec/varnel/%1").arg(QLatin1String(converterName)));
    const bool useInstalled = !QFileInfo(beside).isExecutable() && QFileInfo(installed).isExecutable();
    return {QDir::cleanPath(useInstalled ? installed : beside), conversionTimeLimitMs};
}

void convertFile(const QString& jetPath, const QString& outPath, const Converter& converter)
{
    const QFileInfo target(outPath);
    QTemporaryFile temporary(target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!temporary.open())
        throw cannotOpen(jetPath, QStringLiteral("its converted copy cannot be written in '%1': %2")
                                      .arg(target.absolutePath(), temporary.errorString()));
    temporary.close();
    runConverter(converter, jetPath, temporary.fileName());
    if (!isSoundCopy(temporary.fileName()))
        throw unreadable(jetPath, QStringLiteral("its converted copy came out damaged"));
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temporary.fileName()).toStdString(),
                            QFile::encodeName(target.absoluteFilePath()).toStdString(), error);
    if (error)
        throw cannotOpen(jetPath, QStringLiteral("its converted copy cannot be written as '%1': %2")
                                      .arg(outPath, QString::fromStdString(error.message())));
    temporary.setAutoRemove(false);
}

QString cacheDirectory()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/varnel/jet");
}

QString convertedCopy(const QString& jetPath)
{
    const Converter converter = defaultConverter();
    const CopyName name = copyNameOf(jetPath, converter.program);
    const QString directoryPath = cacheDirectory();
    const QDir directory(directoryPath);
    const QString copy = directory.filePath(name.fileName);
    // A copy is checked whole once, when it is made; afterwards it is recognised by its header and
    // by the record of the check beside it. A copy changed since, or without a record, is checked
    // whole again.
    if (!directoryPath.isEmpty() && QFileInfo::exists(copy)) {
        const QByteArray header = wholeSqliteHeader(copy);
        if (!header.isEmpty() && hasOurMarks(header) && isUnchangedSinceChecked(copy))
            return copy;
        if (isSoundCopy(copy)) {
            recordCheck(copy);
            return copy;
        }
        QFile::remove(copy);
    }
    if (directoryPath.isEmpty() || !QDir().mkpath(directoryPath))
        throw cannotOpen(jetPath, QStringLiteral("its converted copy cannot be kept: the cache directory '%1' cannot "
                                                 "be made")
                                      .arg(directoryPath));
    // The copies hold the tables of password-protected files: for the person's eyes only.
    QFile::setPermissions(directoryPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    convertFile(jetPath, copy, converter);
    recordCheck(copy);
    removeOlderCopies(directory, name);
    return copy;
}

}  // namespace dao::jet
