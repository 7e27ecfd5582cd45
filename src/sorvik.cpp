// The interpretations program: the interpretations window on the start string of its command
// line. The program ends when the window closes.

#include "app/application_setup.h"
#include "interpretations/sorvik_program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    varnel::setUpApplication(QStringLiteral("Sorvik"), QStringLiteral("com.quorbel.sorvik"));
    auto window = varnel::startSorvikProgram(QCoreApplication::applicationDirPath(),
                                             QCoreApplication::arguments().mid(1));
    if (!window)
        return 0;
    return app.exec();
}
