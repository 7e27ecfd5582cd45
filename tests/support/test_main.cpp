// Test entry point shared by every test executable: a QApplication on the offscreen platform
// in the windows' form font, naming the windows' controls for assistive technology as the
// programs do, and home, settings and cache directories of its own, so no test touches the
// user's settings, the converted copies of the user's Jet files or the folders printouts go to.

#include "platform/ui/accessible_names.h"
#include "platform/ui/form_font.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A home folder named as a person's is, which the file dialog's side bar shows.
    QTemporaryDir homes;
    QDir(homes.path()).mkdir(QStringLiteral("home"));
    qputenv("HOME", homes.filePath(QStringLiteral("home")).toLocal8Bit());
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QTemporaryDir cacheHome;
    qputenv("XDG_CACHE_HOME", cacheHome.path().toLocal8Bit());
    // Qt asks for a runtime directory; a private one keeps it quiet where the session has none.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    }
    QApplication app(argc, argv);
    platform::ui::useFormFont();
    platform::ui::nameControlsForAssistiveTechnology();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
