#include "app/application_setup.h"

#include "platform/ui/accessible_names.h"
#include "platform/ui/form_font.h"

#include <QApplication>
#include <QIcon>

namespace varnel {

QIcon programIcon(const QString& program)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(program).arg(size), QSize(size, size));
    return icon;
}

void setUpApplication(const QString& title, const QString& desktopId)
{
    QApplication::setApplicationName(title);
    QApplication::setOrganizationName(QStringLiteral("Quorbel software"));
    QGuiApplication::setDesktopFileName(desktopId);
    // Every window shows the program's icon: the desktop entry's name ends in the program's.
    QApplication::setWindowIcon(programIcon(desktopId.section(u'.', -1)));
    platform::ui::useFormFont();
    platform::ui::nameControlsForAssistiveTechnology();
}

}  // namespace varnel
