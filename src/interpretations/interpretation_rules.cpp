#include "interpretations/interpretation_rules.h"

#include "interpretations/sorvik_core.h"

namespace varnel {

int calendarMonthsBetween(const QDate& from, const QDate& to)
{
    return (to.year() - from.year()) * 12 + (to.month() - from.month());
}

bool databaseOutOfDate(const QDate& fileDate, const QDate& today)
{
    return calendarMonthsBetween(fileDate, today) > 11;
}

std::vector<std::pair<int, int>> headerWordRanges(const QString& text)
{
    static const QString words[] = {QStringLiteral("Interpretation:"), QStringLiteral("Subject:"),
                                    QStringLiteral("Date Issued:"), QStringLiteral("File:")};
    std::vector<std::pair<int, int>> ranges;
    for (const QString& word : words) {
        const qsizetype at = text.indexOf(word, 0, Qt::CaseSensitive);
        if (at < 0)
            continue;
        const qsizetype colon = text.indexOf(u':', at);
        ranges.emplace_back(static_cast<int>(at), static_cast<int>(colon - at));
    }
    return ranges;
}

bool startsWithNoticePair(int rowCount, const QString& secondRowText)
{
    return rowCount >= 2 && secondRowText == separatorRow;
}

int positionOffset(int rowCount, const QString& secondRowText)
{
    return startsWithNoticePair(rowCount, secondRowText) ? 2 : 0;
}

QString positionCaption(int selectedRow, int offset)
{
    const int position = selectedRow - offset;
    return position > 0 ? QString::number(position) : QStringLiteral("n/a");
}

NavigationStates navigationStates(int rowCount, int selectedRow)
{
    NavigationStates on;
    if (rowCount == 0 || (rowCount == 1 && selectedRow == 1))
        return on;
    if (selectedRow == 0) {
        on.first = on.last = true;
        return on;
    }
    on.first = on.previous = selectedRow > 1;
    on.next = on.last = selectedRow < rowCount;
    return on;
}

}  // namespace varnel
