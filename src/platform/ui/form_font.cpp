#include "platform/ui/form_font.h"

#include <QApplication>
#include <QStringList>

namespace platform::ui {

QFont formFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("FreeSans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(formFontPoints);
    return font;
}

void useFormFont() { QApplication::setFont(formFont()); }

}  // namespace platform::ui
