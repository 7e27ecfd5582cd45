#include "interpretations/start_string.h"

#include "platform/vb.h"

namespace varnel {

namespace {

// The value behind `keyword` in `command`, up to `delimiter`; empty when either is missing.
QString valueAfter(const QString& command, const QString& keyword, QChar delimiter)
{
    const qsizetype at = command.indexOf(keyword);
    if (at < 0)
        return {};
    const qsizetype start = at + keyword.size();
    const qsizetype end = command.indexOf(delimiter, start);
    if (end < 0)
        return {};
    return vb::Trim(command.mid(start, end - start));
}

QString keywordValue(const QString& command, const QString& withBlank, const QString& withoutBlank, QChar delimiter)
{
    if (command.contains(withBlank))
        return valueAfter(command, withBlank, delimiter);
    return valueAfter(command, withoutBlank, delimiter);
}

}  // namespace

StartString parseStartString(const QString& query)
{
    // The blank behind the last value closes it.
    const QString command = query + u' ';
    StartString result;
    if (query.isEmpty())
        return result;
    result.section = keywordValue(command, QStringLiteral("SECT "), QStringLiteral("SECT"), u' ');
    result.paragraph = keywordValue(command, QStringLiteral("PARA "), QStringLiteral("PARA"), u' ');
    result.text = keywordValue(command, QStringLiteral("TEXT {"), QStringLiteral("TEXT{"), u'}');
    result.condition = keywordValue(command, QStringLiteral("COND "), QStringLiteral("COND"), u' ');
    return result;
}

QString sectionNumberText(const QString& tableName)
{
    const QString rest = tableName.mid(3);
    qsizetype digits = 0;
    while (digits < rest.size() && rest[digits] >= u'0' && rest[digits] <= u'9')
        ++digits;
    QString number = rest.left(digits);
    while (number.size() > 1 && number.startsWith(u'0'))
        number.remove(0, 1);
    return number.isEmpty() ? QStringLiteral("0") : number;
}

}  // namespace varnel
