// The main window's command interface, on the offscreen platform with a copy of the sample
// database: any command lines leave the window working, each command is taken from the
// "command line" setting and the setting emptied, and a command that says CLOSE without SHOW ends
// the program.
//
// Input: command lines, one a line. The first is the program's own command line; the others come
// through the setting, as other programs of the family write them. Every input starts a fresh
// window, so that a saved input replays alone.

#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "app/varnel_title.h"
#include "browser/varnel_main.h"
#include "platform/ui/seams.h"
#include "support/fuzz_support.h"
#include "support/scripted_seams.h"
#include "support/temp_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QStringList>
#include <memory>

using varnel::varnelMain;

namespace {

const QString commandKey = QStringLiteral("command line");

// The data directory: a copy of the built sample database.
const QString& dataDirectory()
{
    static const QString directory = [] {
        const QString made = fuzzing::scratchDirectory() + QStringLiteral("/data");
        QDir().mkpath(made);
        const QString sample = QStringLiteral(VARNEL_BUILT_DATA_DIR "/qel0709.mdb");
        if (!QFile::copy(sample, made + QStringLiteral("/qel0709.mdb")))
            fuzzing::fail("the sample database is copied", sample.toStdString());
        return made;
    }();
    return directory;
}

void checkCloseEnds(const QString& command)
{
    if (command.contains(QStringLiteral("CLOSE")) && !command.contains(QStringLiteral("SHOW")))
        FUZZ_CHECK(platform::programEnded(), "'" + command.toStdString() + "' did not end the program");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::ensureApplication();
    static testing_support::TempSettings settings;
    const QStringList lines = fuzzing::utf8Text(data, size).split(u'\n').mid(0, 8);

    testing_support::ScriptedSeams seams;
    varnel::resetVarnelCore();
    varnel::writeSetting(commandKey, QString());
    {
        varnel::varnelTitle title(dataDirectory());
        title.wait = std::chrono::milliseconds(0);
    }
    auto window = std::make_unique<varnelMain>();
    FUZZ_CHECK(!platform::programEnded(), "the program ended while the main window opened");
    window->Form_Activate();

    varnelMain::programCommandLine = lines[0];
    window->Timer1_Timer();
    checkCloseEnds(lines[0]);
    for (qsizetype k = 1; k < lines.size() && !platform::programEnded(); ++k) {
        varnel::writeSetting(commandKey, lines[k]);
        window->Timer1_Timer();
        const QString left = varnel::readSetting(commandKey, QString());
        FUZZ_CHECK(left.isEmpty(), "'" + lines[k].toStdString() + "' left '" + left.toStdString() + "' in the setting");
        checkCloseEnds(lines[k]);
    }

    window.reset();
    varnel::resetVarnelCore();
    varnelMain::programCommandLine.clear();
    // What the event loop would have done meanwhile: posted events, and objects deleted later.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
