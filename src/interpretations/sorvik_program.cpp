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
    auto window = std::make_unique<sorvikMain>();
    if (window->databaseRefused())
        platform::endProgram(1);
    if (platform::programEnded())
        return nullptr;
    // A window of its own on the desktop, not a dialog over another program's window.
    window->setWindowFlags(Qt::Window);
    window->show();
    return window;
}

}  // namespace varnel
