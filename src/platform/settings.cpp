#include "platform/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

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

QString SettingsStore::read(const QString& section, const QString& key)
{
    settings_->sync();
    const QString full = groupKey(section, key);
    const QString value = textOf(settings_->value(full));
    return value.isEmpty() ? systemValue(full) : value;
}

bool SettingsStore::contains(const QString& section, const QString& key)
{
    settings_->sync();
    return settings_->contains(groupKey(section, key));
}

void SettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    settings_->setValue(groupKey(section, key), value);
    settings_->sync();
}

QString SettingsStore::readWithDefault(const QString& section, const QString& key,
                                       const QString& defaultValue)
{
    settings_->sync();
    const QString full = groupKey(section, key);
    QString value = textOf(settings_->value(full));
    if (value.isEmpty())
        value = systemValue(full);
    if (!value.isEmpty())
        return value;
    if (defaultValue.isEmpty() && settings_->contains(full))
        return value;
    write(section, key, defaultValue);
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
