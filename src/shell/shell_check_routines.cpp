#include "shell/shell_check_routines.h"

#include "app/program_titles.h"
#include "app/registry_module.h"
#include "platform/ui/seams.h"

#include <QDir>
#include <QFileInfo>

namespace varnel {

namespace {

struct SiblingProgram {
    const char* key;
    const char* executable;  // in the directory of its "program path" setting
    const QString& titlePrefix;
};

// The executables carry no ".exe" on this platform.
const SiblingProgram programs[] = {
    {"varnel", "varnel", varnelTitlePrefix},
    {"sorvik", "sorvik", sorvikTitlePrefix},
    {"daltrem", "daltrem", daltremTitlePrefix},
};

// Titles are compared on their first 255 characters, as far as a title was ever read.
constexpr qsizetype titleLength = 255;

bool titleMatches(const QString& windowTitle, const QString& sought, TitleMatch mode, bool caseSensitive)
{
    if (windowTitle.isEmpty())
        return false;
    QString title = windowTitle.left(titleLength);
    QString wanted = sought;
    if (!caseSensitive) {
        title = title.toUpper();
        wanted = wanted.toUpper();
    }
    switch (mode) {
    case TitleMatch::BeginsWith: return title.startsWith(wanted);
    case TitleMatch::Contains: return title.contains(wanted);
    case TitleMatch::Equals: return title == wanted;
    }
    return false;
}

}  // namespace

unsigned long findProgramWindow(const QString& title, TitleMatch mode, bool caseSensitive, bool visibleOnly)
{
    for (const platform::DesktopWindow& window : platform::seams().windowFinder->topLevelWindows()) {
        if (visibleOnly && !window.visible)
            continue;
        if (titleMatches(window.title, title, mode, caseSensitive))
            return window.id;
    }
    return 0;
}

unsigned long activateProgramWindow(const QString& title, TitleMatch mode, bool caseSensitive)
{
    const unsigned long window = findProgramWindow(title, mode, caseSensitive, true);
    if (window != 0)
        platform::seams().windowFinder->activate(window);
    return window;
}

bool startProgram(const QString& key)
{
    QString executable, prefix, path;
    for (const SiblingProgram& p : programs)
        if (key == QLatin1String(p.key)) {
            executable = QLatin1String(p.executable);
            prefix = p.titlePrefix;
            path = readSectionSetting(key, QStringLiteral("program path"));
        }

    bool result = true;
    if (!prefix.isEmpty() && findProgramWindow(prefix, TitleMatch::BeginsWith, false, false) != 0) {
        activateProgramWindow(prefix, TitleMatch::BeginsWith, false);
    } else {
        const QString file = QDir(path).filePath(executable);
        if (path.isEmpty() || executable.isEmpty() || !QFileInfo(file).isFile())
            result = false;
        else if (!platform::seams().programStart->start(file, {}))
            result = false;
    }
    if (!result)
        platform::messageBox(platform::MessageIcon::Critical, QStringLiteral("Varnel"),
                             prefix + QStringLiteral(" is not installed on this machine."));
    return result;
}

}  // namespace varnel
