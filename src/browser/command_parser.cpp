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

// Whether `word` stands in `text` right after a character that is no letter or digit (or at the
// text's start, when `atStart`) and, when `ended`, right before one (or at the text's end).
bool standsApart(const QString& text, const QString& word, bool atStart, bool ended)
{
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
        const qsizetype after = at + word.size();
        const bool before = at == 0 ? atStart : !text[at - 1].isLetterOrNumber();
        if (before && (!ended || after == text.size() || !text[after].isLetterOrNumber()))
            return true;
    }
    return false;
}

}  // namespace

ParsedCommand parseCommand(const QString& commandText, const QStringList& processEntries)
{
    // The blank appended ends a paragraph token that stands last.
    const QString command = commandText + u' ';
    ParsedCommand parsed;

    QString outsideParagraph = command;
    if (const int at = vb::InStr(command, QStringLiteral("QW-")); at > 0) {
        const int blank = vb::InStr(at, command, QStringLiteral(" "));
        parsed.paragraph = vb::Mid(command, at, blank - at);
        outsideParagraph.replace(at - 1, blank - at, QString(blank - at, u' '));
    }

    for (const QString& entry : processEntries) {
        const int blank = vb::InStr(entry, QStringLiteral(" "));
        if (blank <= 1)
            continue;
        const QString abbreviation = vb::Left(entry, blank - 1);
        if (standsApart(outsideParagraph, abbreviation, true, true))
            parsed.abbreviation = abbreviation;
    }

    for (const CategoryKey& key : categoryKeys)
        if (standsApart(command, QLatin1String(key.key), false, false))
            parsed.category = &key;

    parsed.show = command.contains(QStringLiteral("SHOW"), Qt::CaseSensitive);
    parsed.close = !parsed.show && command.contains(QStringLiteral("CLOSE"), Qt::CaseSensitive);
    return parsed;
}

}  // namespace varnel
