#pragma once
// Points the program's settings store at a fresh file for the lifetime of a test.

#include "platform/settings.h"

#include <QTemporaryDir>
#include <memory>

namespace testing_support {

class TempSettings {
public:
    TempSettings()
    {
        platform::setSettingsStore(std::make_unique<platform::SettingsStore>(file()));
    }
    ~TempSettings() { platform::setSettingsStore(nullptr); }
    QString file() const { return dir_.filePath(QStringLiteral("settings.ini")); }

private:
    QTemporaryDir dir_;
};

}  // namespace testing_support
