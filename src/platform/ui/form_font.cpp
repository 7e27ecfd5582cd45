#include "platform/ui/form_font.h"

#include <QApplication>
#include <QStringList>

namespace platform::ui {

namespace {

const QStringList formFaces{QStringLiteral("FreeSans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                            QStringLiteral("Nimbus Sans")};

}  // namespace

QFont formFont()
{
    QFont font;
    font.setFamilies(formFaces);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(formFontPoints);
    return font;
}

QFont designFont(const QString& face, double points)
{
    QFont font(face);
    font.setPointSizeF(points);
    return font;
}

void useFormFont()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), formFaces);
    QFont::insertSubstitutions(QStringLiteral("Small Fonts"), formFaces);
    QApplication::setFont(formFont());
}

}  // namespace platform::ui
