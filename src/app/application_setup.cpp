#include "app/application_setup.h"

#include <QApplication>
#include <QFont>

namespace varnel {

void setUpApplication(const QString& title, const QString& desktopId)
{
    QApplication::setApplicationName(title);
    QApplication::setOrganizationName(QStringLiteral("Quorbel software"));
    QGuiApplication::setDesktopFileName(desktopId);
    // The windows are laid out in fixed places for a small sans-serif face.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
}

}  // namespace varnel
