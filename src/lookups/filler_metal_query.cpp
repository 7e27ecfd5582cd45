#include "lookups/filler_metal_query.h"

#include "platform/dao/dao.h"
#include "platform/vb.h"

#include <QStringList>
#include <initializer_list>

namespace varnel::fillermetal {

namespace {

QString like(const QString& field, const QString& pattern)
{
    return u'[' + field + QStringLiteral("] LIKE ") + dao::literal(pattern);
}

QString joinPieces(const Boxes& boxes, std::initializer_list<int> order)
{
    QStringList pieces;
    for (int box : order) {
        const QString p = piece(box, boxes[static_cast<std::size_t>(box)]);
        if (!p.isEmpty())
            pieces << p;
    }
    return pieces.join(QStringLiteral(" AND "));
}

// The boxes whose pieces narrow a field's pick list, in the order they are joined.
QString menuPieces(const QString& field, const Boxes& boxes)
{
    if (field == QLatin1String("AWS_Class"))
        return joinPieces(boxes, {3, 2, 4, 1});
    if (field == QLatin1String("F_NO"))
        return joinPieces(boxes, {0, 2, 4, 1});
    if (field == QLatin1String("UNS"))
        return joinPieces(boxes, {0, 3, 4, 1});
    if (field == QLatin1String("SFA"))
        return joinPieces(boxes, {0, 2, 3, 1});
    if (field == QLatin1String("A_NO"))
        return joinPieces(boxes, {0, 2, 3, 4});
    return {};
}

}  // namespace

QString piece(int box, const QString& t)
{
    if (t.isEmpty())
        return {};
    switch (box) {
    case 0: return like(QStringLiteral("AWS_Class"), u'*' + t + u'*');
    case 1: return like(QStringLiteral("A_NO"), t);
    case 2: return like(QStringLiteral("UNS"), t);
    case 3: return like(QStringLiteral("F_NO"), t);
    case 4: return like(QStringLiteral("SFA"), vb::Trim(vb::Left(t, 4)));
    default: return {};
    }
}

QString listStatement(const Boxes& boxes)
{
    const QString pieces = joinPieces(boxes, {0, 3, 1, 2, 4});
    if (pieces.isEmpty())
        return QStringLiteral("SELECT * FROM [Filler metals]");
    return QStringLiteral("SELECT * FROM [Filler metals] WHERE ") + pieces;
}

QString menuStatement(const QString& field, const Boxes& boxes)
{
    QString sql = QStringLiteral("SELECT DISTINCT [") + field + QStringLiteral("] FROM [Filler metals]");
    const QString pieces = menuPieces(field, boxes);
    if (!pieces.isEmpty())
        sql += QStringLiteral(" WHERE ") + pieces;
    if (field != QLatin1String("SFA"))
        sql += QStringLiteral(" ORDER BY [") + field + u']';
    return sql;
}

QString fieldOfBox(int box)
{
    static const std::array<QString, 5> fields = {QStringLiteral("AWS_Class"), QStringLiteral("A_NO"),
                                                  QStringLiteral("UNS"), QStringLiteral("F_NO"), QStringLiteral("SFA")};
    return box >= 0 && box < 5 ? fields[static_cast<std::size_t>(box)] : QString();
}

QString specificationTitle(const QString& sfa, const QString& designation)
{
    return sfa + QStringLiteral("   ") + designation;
}

QString titleNumber(const QString& title)
{
    const int blank = vb::InStr(title, QStringLiteral(" "));
    return vb::Trim(blank > 0 ? vb::Left(title, blank - 1) : title);
}

QString sfaCriterion(const QString& number) { return QStringLiteral("[SFA] = ") + dao::literal(number); }

int presetTitleNumber(const QString& processBox, const QString& categoryBox)
{
    struct Preset {
        std::initializer_list<const char*> processes;
        int corrosion, hardFacing, neither;
    };
    static const Preset presets[] = {
        {{"SMAW"}, 11, 13, 1},
        {{"GTAW", "GMAW", "PAW"}, 14, 13, 18},
        {{"OFW"}, 13, 13, 2},
        {{"FCAW"}, 22, 22, 20},
        {{"SAW"}, 14, 14, 17},
        {{"ESW"}, 9, 25, 25},
        {{"EGW"}, 9, 26, 26},
        {{"FLSP", "PSP"}, 13, 13, 13},
    };
    const QString process = vb::Trim(vb::Left(processBox, 4));
    const bool corrosion = vb::Like(categoryBox, QStringLiteral("*Corros*"));
    const bool hardFacing = vb::Like(categoryBox, QStringLiteral("*Hardfa*"));
    for (const Preset& preset : presets)
        for (const char* name : preset.processes)
            if (process == QLatin1String(name))
                return corrosion ? preset.corrosion : hardFacing ? preset.hardFacing : preset.neither;
    return 0;
}

}  // namespace varnel::fillermetal
