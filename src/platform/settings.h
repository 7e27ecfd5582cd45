#pragma once
// The per-user settings store: string values under (application, section, key), kept in one INI
// file per user. Other programs of the family read and write the same file, so every read first
// takes in what they wrote and every write goes out at once. Beneath the person's file lie the
// system-wide files an installation leaves (read only): a key the person's file leaves empty is
// read from the first of them that holds a value, so an installation can announce where the
// family's programs are while each person's own values still win.

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QSettings;

namespace platform {

class SettingsStore {
public:
    // The store of the application "Quorbel software" at its standard per-user place:
    // $XDG_CONFIG_HOME (or ~/.config) / "Quorbel software" / "settings.ini", over the system-wide
    // files of the running program (systemFiles).
    SettingsStore();
    // A store over a given file (tests, or a second store on the same file), over the read-only
    // `systemWideFiles` in the order they are consulted.
    explicit SettingsStore(const QString& iniFile, const QStringList& systemWideFiles = {});
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    static QString standardFile();
    // The system-wide files for a program in `programDirectory`, in the order they are consulted:
    // the one its own installation put in etc/xdg of its prefix, then one in each directory of
    // $XDG_CONFIG_DIRS (by default /etc/xdg). Files that do not exist are left out.
    static QStringList systemFiles(const QString& programDirectory);
    QString fileName() const;

    // The stored value; a key never written reads as the empty string. An empty value is read
    // from the system-wide files.
    QString read(const QString& section, const QString& key);
    // Whether the person's own file holds the key; the system-wide files do not count.
    bool contains(const QString& section, const QString& key);
    void write(const QString& section, const QString& key, const QString& value);

    // Read with a default: a value that is empty here and in the system-wide files is replaced by
    // the default, which is stored.
    // A key that is present and empty while the default is empty is left alone rather than
    // rewritten, so a value another program writes in the meantime is never overwritten.
    QString readWithDefault(const QString& section, const QString& key, const QString& defaultValue);

private:
    // The first non-empty value of the key in the system-wide files; empty when none has one.
    QString systemValue(const QString& fullKey) const;

    std::unique_ptr<QSettings> settings_;
    std::vector<std::unique_ptr<QSettings>> systemSettings_;
};

// The store every window uses. Tests may replace it with one over a temporary file.
SettingsStore& settingsStore();
void setSettingsStore(std::unique_ptr<SettingsStore> store);

}  // namespace platform
