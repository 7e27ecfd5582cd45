#include "platform/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace platform {

namespace {

// How long a file caught in the middle of another program's rewrite is read again, and how often.
constexpr qint64 rewriteWaitMs = 150;
constexpr unsigned long rewriteStepMs = 5;
// How long a write waits for another program that holds the lock.
constexpr int lockWaitMs = 1000;

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
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
    for (const QString& file : systemWideFiles)
        systemSettings_.push_back(std::make_unique<QSettings>(file, QSettings::IniFormat));
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::standardFile()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Quorbel software/settings.ini");
}

QStringList SettingsStore::systemFiles(const QString& programDirectory)
{
    const QString relativeFile = QStringLiteral("/Quorbel software/settings.ini");
    QStringList directories;
    if (!programDirectory.isEmpty())
        directories << QDir(programDirectory).filePath(QStringLiteral(VARNEL_CONFIG_DIR_FROM_PROGRAM));
    QString configDirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (configDirs.isEmpty())
        configDirs = QStringLiteral("/etc/xdg");
    directories << configDirs.split(u':', Qt::SkipEmptyParts);

    QStringList files;
    for (const QString& directory : directories) {
        const QString file = QDir::cleanPath(directory + relativeFile);
        if (QFileInfo(file).isFile() && !files.contains(file))
            files << file;
    }
    return files;
}

QString SettingsStore::fileName() const { return settings_->fileName(); }

QString SettingsStore::systemValue(const QString& fullKey) const
{
    for (const auto& system : systemSettings_)
        if (const QString value = textOf(system->value(fullKey)); !value.isEmpty())
            return value;
    return {};
}

QString SettingsStore::lockFileName() const { return fileName() + QStringLiteral(".lock"); }

SettingsStore::FileState SettingsStore::stateOfFile() const
{
    const QFileInfo info(fileName());
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified()};
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
        settings_->sync();
        const FileState state = stateOfFile();
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
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    QElapsedTimer waiting;
    waiting.start();
    for (int attempt = 0;; ++attempt) {
        const FileState state = stateOfFile();
        const QString copy = scratch.filePath(QStringLiteral("settings-%1.ini").arg(attempt));
        if (state.exists && !QFile::copy(file, copy))
            return false;
        QSettings edit(copy, QSettings::IniFormat);
        const QStringList groups = edit.childGroups();
        if (cutShort(state, groups)) {
            if (waitForRewrite(state, groups, waiting.elapsed()))
                continue;
            // A person's choice goes in even so; a conditional write waits for a settled file.
            if (expected)
                return false;
        }
        const QString full = groupKey(section, key);
        if (expected && textOf(edit.value(full)) != *expected)
            return false;
        edit.setValue(full, value);
        edit.sync();
        if (edit.status() != QSettings::NoError)
            return false;
        QFile edited(copy);
        if (!edited.open(QIODevice::ReadOnly))
            return false;
        // Replaced whole, by a rename: a reader sees the old file or the new one, never a part.
        QSaveFile target(file);
        if (!target.open(QIODevice::WriteOnly) || target.write(edited.readAll()) < 0 || !target.commit())
            return false;
        knownGroups_ = edit.childGroups();
        waitedOut_.reset();
        return true;
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
