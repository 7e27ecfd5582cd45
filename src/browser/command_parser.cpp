#include "browser/command_parser.h"

#include "platform/vb.h"

namespace varnel {

namespace {

const CategoryKey categoryKeys[] = {
    {"ESS", "  -  Essential Variables", true, "essential"},
    {"SUP", "  -  Supplementary Essential Variables", true, "supplementary essential"},
    {"NON", "  -  Nonessential Variables", true, "nonessential"},
    {"HFO", "  -  Essential Variables for Hardfacing Overlays", false, "hardfacing overlay"},
    {"CRO", "  -  Essential Variables for Corrosion-Resistant Overlays", false, "corrosion-resistant overlay"},
};

}  // namespace

ParsedCommand parseCommand(const QString& commandText, const QStringList& processEntries)
{
    // The blank appended ends a paragraph token that stands last.
    const QString command = commandText + u' ';
    const QStringList words = command.split(u' ', Qt::SkipEmptyParts);
    ParsedCommand parsed;

    for (const QString& entry : processEntries) {
        const int blank = vb::InStr(entry, QStringLiteral(" "));
        if (blank <= 1)
            continue;
        const QString abbreviation = vb::Left(entry, blank - 1);
        if (words.contains(abbreviation, Qt::CaseSensitive))
            parsed.abbreviation = abbreviation;
    }

    for (const CategoryKey& key : categoryKeys)
        if (command.contains(u' ' + QLatin1String(key.key), Qt::CaseSensitive))
            parsed.category = &key;

    if (const int at = vb::InStr(command, QStringLiteral("QW-")); at > 0) {
        const int blank = vb::InStr(at, command, QStringLiteral(" "));
        parsed.paragraph = vb::Mid(command, at, blank - at);
    }

    parsed.show = command.contains(QStringLiteral("SHOW"), Qt::CaseSensitive);
    parsed.close = !parsed.show && command.contains(QStringLiteral("CLOSE"), Qt::CaseSensitive);
    return parsed;
}

}  // namespace varnel
