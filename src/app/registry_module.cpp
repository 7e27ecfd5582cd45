#include "app/registry_module.h"

#include "app/version.h"
#include "platform/settings.h"

namespace varnel {

QString readSetting(const QString& key, const QString& defaultValue)
{
    return platform::settingsStore().readWithDefault(settingsSection, key, defaultValue);
}

void writeSetting(const QString& key, const QString& value)
{
    platform::settingsStore().write(settingsSection, key, value);
}

bool replaceSettingIfUnchanged(const QString& key, const QString& expected, const QString& value)
{
    return platform::settingsStore().replaceIfUnchanged(settingsSection, key, expected, value);
}

QString readInterpretationsSetting(const QString& key, const QString& defaultValue)
{
    return platform::settingsStore().readWithDefault(interpretationsSettingsSection, key, defaultValue);
}

void writeInterpretationsSetting(const QString& key, const QString& value)
{
    platform::settingsStore().write(interpretationsSettingsSection, key, value);
}

QString readSectionSetting(const QString& section, const QString& key)
{
    return platform::settingsStore().read(section, key);
}

QString versionedKey(const QString& suffix)
{
    return QStringLiteral("(v") + versionText() + QStringLiteral(") ") + suffix;
}

}  // namespace varnel
