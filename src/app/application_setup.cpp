#include "app/application_setup.h"

#include "platform/ui/form_font.h"

#include <QApplication>

namespace varnel {

void setUpApplication(const QString& title, const QString& desktopId)
{
    QApplication::setApplicationName(title);
    QApplication::setOrganizationName(QStringLiteral("Quorbel software"));
    QGuiApplication::setDesktopFileName(desktopId);
    platform::ui::useFormFont();
}

}  // namespace varnel
