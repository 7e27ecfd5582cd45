#include "app/application_setup.h"

#include "platform/ui/form_font.h"

#include <QApplication>
#include <malloc.h>

namespace varnel {

void setUpApplication(const QString& title, const QString& desktopId)
{
    QApplication::setApplicationName(title);
    QApplication::setOrganizationName(QStringLiteral("Quorbel software"));
    QGuiApplication::setDesktopFileName(desktopId);
    platform::ui::useFormFont();
    // Memory freed at the top of the heap stays with the program up to 256 MB instead of going
    // back to the system after every step: each search and list frees and takes again much the
    // same memory, and handing it back and forth cost milliseconds a step. The peak is the same.
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
}

}  // namespace varnel
