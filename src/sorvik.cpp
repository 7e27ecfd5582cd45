// The interpretations program: the interpretations window on the start string of its command
// line. The program ends when the window closes.

#include "app/application_setup.h"
#include "interpretations/sorvik_program.h"
#include "platform/ui/seams.h"

namespace {

const varnel::ProgramUsage usage{"sorvik", "sorvik [SECT TABLE] [PARA PARAGRAPH] [TEXT {WORDS}] [COND AND|OR]\n"
                                           "sorvik --help\n"
                                           "sorvik --version"};

}  // namespace

int main(int argc, char* argv[])
{
    if (const auto status = varnel::answerUsageRequest(usage, argc, argv))
        return *status;
    const auto app = varnel::openDisplay(usage, argc, argv);
    varnel::setUpApplication(QStringLiteral("Sorvik"), QStringLiteral("com.quorbel.sorvik"));
    auto window = varnel::startSorvikProgram(QCoreApplication::applicationDirPath(),
                                             QCoreApplication::arguments().mid(1));
    if (!window)
        return platform::programExitStatus();
    return app->exec();
}
