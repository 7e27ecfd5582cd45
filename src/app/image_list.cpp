#include "app/image_list.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QStyle>

namespace varnel {

namespace {

// A 16-pixel picture: a rounded square of one colour with a short glyph on it.
QIcon glyph(const QColor& colour, const QString& text)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(colour.darker(150));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont font = p.font();
    font.setPixelSize(text.size() > 1 ? 8 : 11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, text);
    return QIcon(pixmap);
}

// The drop-down arrow drawn `size` pixels square, on a 16-pixel design.
QPixmap arrowPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    p.setPen(QColor(0x1f, 0x6f, 0x1f));
    p.setBrush(QColor(0x3f, 0xa3, 0x3f));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{8, 12.5}, {3.5, 8}, {6.5, 8}, {6.5, 3.5}, {9.5, 3.5}, {9.5, 8}, {12.5, 8}}));
    return pixmap;
}

QIcon standard(QStyle::StandardPixmap which) { return QApplication::style()->standardIcon(which); }

QIcon make(int index)
{
    switch (index) {
    case 1: return glyph(QColor(0x2f, 0x5f, 0x9f), QStringLiteral("\u00a7"));  // a paragraph or value
    case 2: return glyph(QColor(0x5f, 0x7f, 0x5f), QStringLiteral("\u203a"));  // a pick-list entry
    case 3: return standard(QStyle::SP_DialogOpenButton);
    case 4: return glyph(QColor(0x44, 0x44, 0x44), QStringLiteral("P"));       // print
    case 5: return glyph(QColor(0x9f, 0x5f, 0x1f), QStringLiteral("A"));       // A-numbers
    case 6: return glyph(QColor(0x5f, 0x5f, 0x9f), QStringLiteral("BM"));      // base metals
    case 7: return glyph(QColor(0x1f, 0x7f, 0x7f), QStringLiteral("FM"));      // filler metals
    case 10: return glyph(QColor(0x7f, 0x1f, 0x5f), QStringLiteral("I"));      // interpretations
    case 11: return glyph(QColor(0x1f, 0x5f, 0x3f), QStringLiteral("X"));      // filler cross-reference
    case 12: return glyph(QColor(0x7f, 0x3f, 0x1f), QStringLiteral("T"));      // thickness calculator
    case 13: return glyph(QColor(0x3f, 0x3f, 0x7f), QStringLiteral("D"));      // definitions
    case 69: return glyph(QColor(0x6f, 0x6f, 0x6f), QStringLiteral("F"));      // product form
    default: return glyph(QColor(0x80, 0x80, 0x80), QString::number(index));
    }
}

}  // namespace

QIcon newImageList(int index)
{
    static QHash<int, QIcon> cache;
    auto it = cache.find(index);
    if (it == cache.end())
        it = cache.insert(index, make(index));
    return *it;
}

QIcon dropDownArrow()
{
    static const QIcon arrow = [] {
        QIcon icon;
        for (int size : {16, 32, 48})  // sharp at twice and three times the scale too
            icon.addPixmap(arrowPicture(size));
        return icon;
    }();
    return arrow;
}

}  // namespace varnel
