#include "platform/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// How long a file caught in the middle of another program's rewrite is read again, and how often.
constexpr qint64 rewriteWaitMs = 150;
constexpr unsigned long rewriteStepMs = 5;
// How long a write waits for another program that holds the lock.
constexpr int lockWaitMs = 1000;
// How many times a conditional write reads the file and starts over when another program
// replaced it meanwhile.
constexpr int conditionalRounds = 3;

QString groupKey(const QString& section, const QString& key) { return section + u'/' + key; }

// A value another program wrote with an unquoted comma reads as a list in INI files; it is
// one text to us.
QString textOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

std::unique_ptr<SettingsStore>& currentStore()
{
    static std::unique_ptr<SettingsStore> store;
    return store;
}

}  // namespace

SettingsStore::SettingsStore()
    : SettingsStore(standardFile(),
                    systemFiles(QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString()))
{
}

SettingsStore::SettingsStore(const QString& iniFile, const QStringList& systemWideFiles)
    : file_(QFileInfo(iniFile).absoluteFilePath())
{
    for (const QString& file : systemWideFiles)
        systemSettings_.push_back(std::make_unique<QSettings>(file, QSettings::IniFormat));
    adopt(readFile());
}

SettingsStore::~SettingsStore() = default;

SettingsStore::FileHandle::~FileHandle()
{
    if (fd_ >= 0)
        ::close(fd_);
}

SettingsStore::FileHandle& SettingsStore::FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

QString SettingsStore::standardFile()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Quorbel software/settings.ini");
}

QString SettingsStore::systemFolderName() { return QStringLiteral(VARNEL_SYSTEM_SETTINGS_FOLDER); }

QStringList SettingsStore::systemFiles(const QString& programDirectory)
{
    // Installations write the name without a blank (a package's configuration files cannot hold
    // one); a file under the person's folder name, as earlier installations wrote it, still counts.
    const QString relativeFiles[] = {QStringLiteral("/" VARNEL_SYSTEM_SETTINGS_FOLDER "/settings.ini"),
                                     QStringLiteral("/Quorbel software/settings.ini")};
    // The build tree keeps beside its programs what an installation puts in etc/xdg of its prefix.
    QStringList directories;
    if (!programDirectory.isEmpty())
        directories << QDir(programDirectory).filePath(QStringLiteral("etc/xdg"))
                    << QDir(programDirectory).filePath(QStringLiteral(VARNEL_CONFIG_DIR_FROM_PROGRAM));
    QString configDirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (configDirs.isEmpty())
        configDirs = QStringLiteral("/etc/xdg");
    directories << configDirs.split(u':', Qt::SkipEmptyParts);

    QStringList files;
    for (const QString& directory : directories)
        for (const QString& relativeFile : relativeFiles) {
            const QString file = QDir::cleanPath(directory + relativeFile);
            if (QFileInfo(file).isFile() && !files.contains(file))
                files << file;
        }
    return files;
}

QString SettingsStore::fileName() const { return file_; }

QString SettingsStore::systemValue(const QString& fullKey) const
{
    for (const auto& system : systemSettings_)
        if (const QString value = textOf(system->value(fullKey)); !value.isEmpty())
            return value;
    return {};
}

QString SettingsStore::lockFileName() const { return fileName() + QStringLiteral(".lock"); }

SettingsStore::FileState SettingsStore::stateOf(const struct stat& info)
{
    return {true, static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino),
            static_cast<qint64>(info.st_size),
            static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

SettingsStore::FileState SettingsStore::stateOfDescriptor(int fd)
{
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? stateOf(info) : FileState{};
}

SettingsStore::FileState SettingsStore::stateOfPath(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? stateOf(info) : FileState{};
}

SettingsStore::Reading SettingsStore::readFile() const
{
    // A file rewritten in place while it is read is read again, a few times at the most; what a
    // rewrite leaves for longer is the cut-short file that refresh() waits out.
    Reading reading;
    for (int attempt = 0; attempt < 3; ++attempt) {
        reading = Reading();
        const int fd = ::open(QFile::encodeName(file_).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return reading;
        reading.handle = FileHandle(fd);
        struct stat info {};
        if (::fstat(fd, &info) == 0) {
            reading.state = stateOf(info);
            reading.permissions = info.st_mode & 07777;
        }
        char buffer[8192];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            reading.bytes.append(buffer, got);
        }
        if (stateOfDescriptor(fd) == reading.state)
            break;
    }
    return reading;
}

std::unique_ptr<QTemporaryDir> SettingsStore::scratchDirectory() const
{
    auto scratch = std::make_unique<QTemporaryDir>();
    // Without a usable temporary directory the copies lie beside the file.
    if (!scratch->isValid() && QDir().mkpath(QFileInfo(file_).absolutePath()))
        scratch = std::make_unique<QTemporaryDir>(file_ + QStringLiteral(".copies-XXXXXX"));
    return scratch;
}

QString SettingsStore::scratchCopy(const QTemporaryDir& scratch, const QString& kind, const QByteArray& bytes)
{
    // A name never used before: Qt's settings class keeps what it read of a file name and would
    // not read a file again whose size and time stamp look as before.
    const QString copy = scratch.filePath(QStringLiteral("%1-%2.ini").arg(kind).arg(++copies_));
    QFile file(copy);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return copy;
}

void SettingsStore::adopt(Reading reading)
{
    // Qt's settings class reads the whole copy as it is made, and this one is never written or
    // synchronised, so the copy goes again at once.
    const auto scratch = scratchDirectory();
    settings_ = std::make_unique<QSettings>(scratchCopy(*scratch, QStringLiteral("reading"), reading.bytes),
                                            QSettings::IniFormat);
    state_ = reading.state;
    heldFile_ = std::move(reading.handle);
}

SettingsStore::Replacement SettingsStore::replaceIfStill(const Reading& read, const QByteArray& bytes) const
{
    const QByteArray target = QFile::encodeName(file_);
    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return Replacement::Failed;
    const FileHandle handle(fd);
    const auto fail = [&] {
        ::unlink(temporary.constData());
        return Replacement::Failed;
    };
    // The permissions of the file it replaces; a new file's as the person's file mask gives them.
    mode_t permissions = read.permissions;
    if (!read.state.exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        permissions = 0666 & ~mask;
    }
    if (::fchmod(fd, permissions) != 0)
        return fail();
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t put = ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return fail();
        written += put;
    }
    if (::fsync(fd) != 0)
        return fail();
    const FileState ours = stateOfDescriptor(fd);

    // Immediately before the replace: still the file that was read?
    if (replaceSeam_.beforeCheck)
        replaceSeam_.beforeCheck();
    if (stateOfPath(file_) != read.state) {
        ::unlink(temporary.constData());
        return Replacement::FileChanged;
    }
    if (!read.state.exists) {
        if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
            return Replacement::Done;
        if (errno == EEXIST) {
            ::unlink(temporary.constData());
            return Replacement::FileChanged;
        }
        return ::rename(temporary.constData(), target.constData()) == 0 ? Replacement::Done : fail();
    }
    // The exchange leaves the file it displaced under the temporary name, so a replacement that
    // another program renamed in after the check is seen, and goes back.
    if (!replaceSeam_.exchange
        || ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) != 0) {
        if (replaceSeam_.exchange && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return fail();
        // A file system without the exchange: the check above is all there is.
        return ::rename(temporary.constData(), target.constData()) == 0 ? Replacement::Done : fail();
    }
    if (stateOfPath(QFile::decodeName(temporary)) == read.state) {
        ::unlink(temporary.constData());
        return Replacement::Done;
    }
    ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE);
    const FileState displaced = stateOfPath(QFile::decodeName(temporary));
    if (displaced.inode != ours.inode || displaced.device != ours.device)
        // Yet another replacement came in on top of ours meanwhile: the newest one stays.
        ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE);
    ::unlink(temporary.constData());
    return Replacement::FileChanged;
}

bool SettingsStore::cutShort(const FileState& state, const QStringList& groups) const
{
    if (!state.exists)
        return false;
    if (state.size == 0)
        return true;
    for (const QString& group : knownGroups_)
        if (!groups.contains(group))
            return true;
    return false;
}

bool SettingsStore::waitForRewrite(const FileState& state, const QStringList& groups, qint64 waitedMs)
{
    if (waitedOut_ != state && waitedMs < rewriteWaitMs) {
        QThread::msleep(rewriteStepMs);
        return true;
    }
    // A file that stays so is taken as it is from the next reading on: a group another program
    // removed for good stops counting. This reading itself stays unsettled.
    waitedOut_ = state;
    knownGroups_ = groups;
    return false;
}

bool SettingsStore::refresh()
{
    QElapsedTimer waiting;
    waiting.start();
    for (;;) {
        if (stateOfPath(file_) != state_)
            adopt(readFile());
        const FileState state = state_;
        const QStringList groups = settings_->childGroups();
        if (!cutShort(state, groups)) {
            knownGroups_ = groups;
            waitedOut_.reset();
            return true;
        }
        if (!waitForRewrite(state, groups, waiting.elapsed()))
            return false;
    }
}

QString SettingsStore::read(const QString& section, const QString& key)
{
    refresh();
    const QString full = groupKey(section, key);
    const QString value = textOf(settings_->value(full));
    return value.isEmpty() ? systemValue(full) : value;
}

bool SettingsStore::contains(const QString& section, const QString& key)
{
    refresh();
    return settings_->contains(groupKey(section, key));
}

bool SettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    // A value the person's file already holds is not written again: the file would come out the
    // same, and each program start stores its directory so.
    const QString full = groupKey(section, key);
    if (refresh() && settings_->contains(full) && textOf(settings_->value(full)) == value)
        return true;
    return writeLocked(section, key, value, std::nullopt);
}

bool SettingsStore::replaceIfUnchanged(const QString& section, const QString& key, const QString& expected,
                                       const QString& value)
{
    return writeLocked(section, key, value, expected);
}

bool SettingsStore::writeLocked(const QString& section, const QString& key, const QString& value,
                                const std::optional<QString>& expected)
{
    const QString file = fileName();
    QDir().mkpath(QFileInfo(file).absolutePath());
    QLockFile lock(lockFileName());
    if (!lock.tryLock(lockWaitMs))
        return false;
    // The file is edited through a copy of its current bytes: Qt's settings class reads and writes
    // the format, and it would wait for the lock held here if it wrote the file itself.
    QElapsedTimer waiting;
    waiting.start();
    const auto scratch = scratchDirectory();
    int rounds = 0;  // of replacing that another program's replacement foiled
    for (;;) {
        const Reading current = readFile();
        QSettings edit(scratchCopy(*scratch, QStringLiteral("edit"), current.bytes), QSettings::IniFormat);
        const QStringList groups = edit.childGroups();
        const auto done = [&](bool written) {
            QFile::remove(edit.fileName());
            return written;
        };
        if (cutShort(current.state, groups)) {
            if (waitForRewrite(current.state, groups, waiting.elapsed())) {
                QFile::remove(edit.fileName());
                continue;
            }
            // A person's choice goes in even so; a conditional write waits for a settled file.
            if (expected)
                return done(false);
        }
        const QString full = groupKey(section, key);
        if (expected && textOf(edit.value(full)) != *expected)
            return done(false);
        edit.setValue(full, value);
        edit.sync();
        if (edit.status() != QSettings::NoError)
            return done(false);
        QFile edited(edit.fileName());
        if (!edited.open(QIODevice::ReadOnly))
            return done(false);
        // Replaced whole, by a rename: a reader sees the old file or the new one, never a part.
        switch (replaceIfStill(current, edited.readAll())) {
        case Replacement::Done:
            knownGroups_ = edit.childGroups();
            waitedOut_.reset();
            return done(true);
        case Replacement::Failed:
            return done(false);
        case Replacement::FileChanged:
            // Another program replaced the file since it was read: read it again and start over.
            // A conditional write is the command poll's, whose next tick comes back to a key that
            // was left as it was, so it gives up after a few rounds rather than keep the program
            // busy while a writer keeps replacing the file; a person's choice goes on for as long
            // as a writer that holds the lock would be waited for.
            if ((expected && ++rounds >= conditionalRounds) || waiting.elapsed() > lockWaitMs)
                return done(false);
            QFile::remove(edit.fileName());
            continue;
        }
    }
}

QString SettingsStore::readWithDefault(const QString& section, const QString& key,
                                       const QString& defaultValue)
{
    const bool settled = refresh();
    const QString full = groupKey(section, key);
    QString value = textOf(settings_->value(full));
    if (value.isEmpty())
        value = systemValue(full);
    if (!value.isEmpty())
        return value;
    // Whatever a file in the middle of a rewrite lacks may come back with the rest of it.
    if (!settled)
        return defaultValue;
    if (defaultValue.isEmpty() && settings_->contains(full))
        return value;
    replaceIfUnchanged(section, key, QString(), defaultValue);
    return read(section, key);
}

SettingsStore& settingsStore()
{
    auto& store = currentStore();
    if (!store)
        store = std::make_unique<SettingsStore>();
    return *store;
}

void setSettingsStore(std::unique_ptr<SettingsStore> store) { currentStore() = std::move(store); }

}  // namespace platform
