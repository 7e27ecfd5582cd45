#include "calculator/process_choice.h"

#include "platform/vb.h"

namespace varnel::calculator {

QString processAbbreviation(const QString& entryText) { return vb::Trim(vb::Left(entryText, 4)); }

bool processInList(const QString& processAbbr, const QString& list)
{
    return !processAbbr.isEmpty() && list.contains(processAbbr, Qt::CaseSensitive);
}

QString processListQuery(QualificationType type)
{
    // The [Processes] column of each type, in the order of the type options.
    static const char* const modeColumns[] = {"GROOVE", "GROOVE", "CRO", "HFO", "FILLET",
                                              "STUD", "RESISTANCE", "FRICTION", "FLASH", "STIR"};
    return QStringLiteral("SELECT * FROM [Processes] WHERE [") + QLatin1String(modeColumns[static_cast<int>(type)])
           + QStringLiteral("] ORDER BY [SORTKEY]");
}

int processListHeight(int entries)
{
    constexpr int rowHeight = 285;
    if (entries >= 7)
        return 1875;
    return entries >= 1 ? entries * rowHeight : rowHeight;
}

int firstEntryBeginningWith(const QStringList& entries, const QString& text)
{
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].startsWith(text, Qt::CaseInsensitive))
            return i;
    return -1;
}

namespace {

// Category patterns in the order they are tried; each hit clicks its type, so the last hit wins.
struct CategoryPattern {
    const char* pattern;
    QualificationType type;
};

constexpr CategoryPattern categoryPatterns[] = {
    {"*Groove*", QualificationType::grooveTransverse},
    {"*Corros*", QualificationType::corrosionResistantOverlay},
    {"*Hardfa*", QualificationType::hardFacingOverlay},
    {"*STUD*", QualificationType::stud},
    {"*FRW*", QualificationType::friction},
    {"*FSW*", QualificationType::frictionStir},
    {"*FW*", QualificationType::flash},
    {"*Resistance*", QualificationType::resistance},
};

}  // namespace

TypePreselection preselectType(const QString& categoryText)
{
    TypePreselection result;
    if (categoryText.isEmpty())
        result.clicks.push_back(QualificationType::grooveTransverse);
    for (const CategoryPattern& category : categoryPatterns) {
        if (!vb::Like(categoryText, QString::fromLatin1(category.pattern)))
            continue;
        // OFW and DFW also hold the letters FW; only the flash process itself means flash welding.
        if (category.type == QualificationType::flash && processAbbreviation(categoryText) != QLatin1String("FW"))
            continue;
        result.clicks.push_back(category.type);
    }
    result.ticksImpactTesting = vb::Like(categoryText, QStringLiteral("*Suppl*"));
    return result;
}

}  // namespace varnel::calculator
