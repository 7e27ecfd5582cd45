#pragma once
// The per-user settings store: string values under (application, section, key), kept in one INI
// file per user. Other programs of the family read and write the same file, so every read first
// takes in what they wrote and every write goes out at once.

#include <QString>
#include <memory>

class QSettings;

namespace platform {

class SettingsStore {
public:
    // The store of the application "Quorbel software" at its standard per-user place:
    // $XDG_CONFIG_HOME (or ~/.config) / "Quorbel software" / "settings.ini".
    SettingsStore();
    // A store over a given file (tests, or a second store on the same file).
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    static QString standardFile();
    QString fileName() const;

    // The stored value; a key never written reads as the empty string.
    QString read(const QString& section, const QString& key);
    bool contains(const QString& section, const QString& key);
    void write(const QString& section, const QString& key, const QString& value);

    // Read with a default: a value that is empty is replaced by the default, which is stored.
    // A key that is present and empty while the default is empty is left alone rather than
    // rewritten, so a value another program writes in the meantime is never overwritten.
    QString readWithDefault(const QString& section, const QString& key, const QString& defaultValue);

private:
    std::unique_ptr<QSettings> settings_;
};

// The store every window uses. Tests may replace it with one over a temporary file.
SettingsStore& settingsStore();
void setSettingsStore(std::unique_ptr<SettingsStore> store);

}  // namespace platform
