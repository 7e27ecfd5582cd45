// The program starts with the start-up window; its unload shows the main window, whose creation
// may end the program before the main loop runs.

#include "app/application_setup.h"
#include "app/varnel_title.h"
#include "app/version.h"
#include "browser/browser_windows.h"
#include "browser/varnel_main.h"
#include "calculator/calculator_windows.h"
#include "interpretations/interpretations_windows.h"
#include "lookups/lookup_windows.h"
#include "platform/ui/seams.h"

#include <QTimer>
#include <memory>

namespace {

// The words of the command interface, as the manual page's synopsis gives them.
const varnel::ProgramUsage usage{"varnel", "varnel [PROCESS [ESS|SUP|NON|HFO|CRO] [QW-PARAGRAPH]] [SHOW|CLOSE]\n"
                                           "varnel --help\n"
                                           "varnel --version"};

}  // namespace

int main(int argc, char* argv[])
{
    if (const auto status = varnel::answerUsageRequest(usage, argc, argv))
        return *status;
    const auto app = varnel::openDisplay(usage, argc, argv);
    varnel::setUpApplication(varnel::programTitle(), QStringLiteral("com.quorbel.varnel"));

    varnel::registerBrowserWindows();
    varnel::registerCalculatorWindows();
    varnel::registerInterpretationsWindows();
    varnel::registerLookupWindows();

    // The command line is one text, as other programs of the family write it.
    varnel::varnelMain::programCommandLine = QCoreApplication::arguments().mid(1).join(u' ');
    std::unique_ptr<varnel::varnelMain> mainWindow;
    varnel::varnelTitle title(QCoreApplication::applicationDirPath());
    const auto prepare = [&mainWindow] {
        mainWindow = std::make_unique<varnel::varnelMain>(varnel::varnelMain::ControlsOnly{});
        mainWindow->prepareCreation();
    };
    title.prepareMainWindow = prepare;
    title.showMainWindow = [&mainWindow, prepare] {
        if (!mainWindow)
            prepare();
        mainWindow->create();
        if (!platform::programEnded()) {
            mainWindow->show();
            mainWindow->Form_Activate();
        }
    };
    title.show();
    QTimer::singleShot(0, &title, [&title] { title.Form_Activate(); });
    const int result = app->exec();
    // The windows go only after every event loop has unwound.
    mainWindow.reset();
    return result;
}
