#pragma once
// The program's settings: strings of section "varnel" (this program) and "sorvik" (the
// interpretations browser) of the application "Quorbel software".

#include <QString>

namespace varnel {

inline const QString settingsSection = QStringLiteral("varnel");
inline const QString interpretationsSettingsSection = QStringLiteral("sorvik");

// Reads a key of section "varnel"; an empty value is replaced by the default, which is stored.
QString readSetting(const QString& key, const QString& defaultValue);
void writeSetting(const QString& key, const QString& value);
// Writes a key of section "varnel" only while it still holds `expected`, in one step under the
// settings file's lock; false when nothing was written.
bool replaceSettingIfUnchanged(const QString& key, const QString& expected, const QString& value);
QString readInterpretationsSetting(const QString& key, const QString& defaultValue);
void writeInterpretationsSetting(const QString& key, const QString& value);
// A key of any section, as stored, without storing anything (the sibling programs' "program path").
QString readSectionSetting(const QString& section, const QString& key);

// "(v2014.1.6) data path" and "(v2014.1.6) default file".
QString versionedKey(const QString& suffix);

}  // namespace varnel
