#include "lookups/base_metal_query.h"

#include "platform/vb.h"

#include <QStringList>

namespace varnel::basemetal {

namespace {

QString like(const QString& field, const QString& pattern)
{
    return u'[' + field + QStringLiteral("] LIKE ") + dao::literal(pattern);
}

QString productFormCriterion(const QString& t)
{
    if (t == QLatin1String("All"))
        return like(QStringLiteral("Product_FM"), QStringLiteral("*"));
    if (t == QLatin1String("Plate"))
        return like(QStringLiteral("Product_FM"), QStringLiteral("*Plate*"));
    if (t == QLatin1String("Pipe/Tube"))
        return u'(' + like(QStringLiteral("Product_FM"), QStringLiteral("*Pip*")) + QStringLiteral(" OR ")
               + like(QStringLiteral("Product_FM"), QStringLiteral("*Tub*")) + u')';
    if (t == QLatin1String("Stud"))
        return u'(' + like(QStringLiteral("Product_FM"), QStringLiteral("*bar*")) + QStringLiteral(" OR ")
               + like(QStringLiteral("Product_FM"), QStringLiteral("*wire*")) + QStringLiteral(" OR ")
               + like(QStringLiteral("Product_FM"), QStringLiteral("*rod*")) + u')';
    return like(QStringLiteral("Product_FM"), u'*' + t + u'*');
}

// The criteria of the boxes, in box order, leaving out box `skipped` and the empty boxes.
QStringList criteria(const Boxes& boxes, int skipped)
{
    QStringList pieces;
    for (int box = 0; box < static_cast<int>(boxes.size()); ++box) {
        if (box == skipped)
            continue;
        const QString piece = criterion(box, boxes[static_cast<std::size_t>(box)]);
        if (!piece.isEmpty())
            pieces << piece;
    }
    return pieces;
}

}  // namespace

QString criterion(int box, const QString& t)
{
    if (t.isEmpty())
        return {};
    switch (box) {
    case 0: return like(QStringLiteral("Spec_No"), t);
    case 1: return u'(' + like(QStringLiteral("P_"), t) + QStringLiteral(" OR ") + like(QStringLiteral("S_"), t) + u')';
    case 2: return like(QStringLiteral("UNS"), t);
    case 3: return like(QStringLiteral("Grade"), u'*' + t + u'*');
    case 4: return productFormCriterion(t);
    default: return {};
    }
}

QString listStatement(const Boxes& boxes)
{
    const QStringList pieces = criteria(boxes, -1);
    if (pieces.isEmpty())
        return QStringLiteral("SELECT * FROM [Base metals] ");
    return QStringLiteral("SELECT * FROM [Base metals] WHERE ") + pieces.join(QStringLiteral(" AND "));
}

int boxOfField(const QString& field)
{
    if (field == QLatin1String("Spec_No"))
        return 0;
    if (field == QLatin1String("P_") || field == QLatin1String("S_"))
        return 1;
    if (field == QLatin1String("UNS"))
        return 2;
    if (field == QLatin1String("Grade"))
        return 3;
    if (field == QLatin1String("Product_FM"))
        return 4;
    return -1;
}

QString menuStatement(const QString& field, const Boxes& boxes)
{
    QString sql = QStringLiteral("SELECT DISTINCT [") + field + QStringLiteral("] FROM [Base metals]");
    const QStringList pieces = criteria(boxes, boxOfField(field));
    if (!pieces.isEmpty())
        sql += QStringLiteral(" WHERE ") + pieces.join(QStringLiteral(" AND "));
    return sql + QStringLiteral(" ORDER BY [") + field + u']';
}

QString addendaText(const dao::Value& addenda)
{
    if (addenda.isNull())
        return {};
    const QString marker = addenda.toString();
    if (marker.isEmpty())
        return {};
    QString word;
    switch (marker.back().unicode()) {
    case 'r': word = QStringLiteral(" revised"); break;
    case 'd': word = QStringLiteral(" deleted"); break;
    case 'c': word = QStringLiteral(" errata"); break;
    case 'a': word = QStringLiteral(" added"); break;
    default: return {};
    }
    return u'\'' + marker.chopped(1) + word;
}

QString pNumberText(const QString& p)
{
    return p == QLatin1String("U") ? QStringLiteral("Unassigned") : vb::Trim(p);
}

}  // namespace varnel::basemetal
