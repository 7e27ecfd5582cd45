#include "interpretations/sorvik_program.h"

#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "platform/ui/seams.h"

namespace varnel {

std::unique_ptr<sorvikMain> startSorvikProgram(const QString& programDirectory, const QStringList& arguments)
{
    writeInterpretationsSetting(QStringLiteral("program path"), programDirectory);
    // Other programs hand the start string over as one text or as its words.
    varnelCore().interpretationQuery = arguments.join(u' ');
    // A window of its own on the desktop, not a dialog over another program's window. It loads
    // once it is on the screen: what the opening of the database says comes over it, and while
    // that message is open the main window finds this program by its window and raises it instead
    // of starting another.
    auto window = std::make_unique<sorvikMain>(nullptr, sorvikMain::Loading::AtFirstShow, Qt::Window);
    window->show();
    if (window->databaseRefused())
        platform::endProgram(1);
    if (platform::programEnded())
        return nullptr;
    return window;
}

}  // namespace varnel
