#include "interpretations/interpretation_query.h"

#include "platform/dao/dao.h"

namespace varnel {

QString validateText(const QString& text)
{
    QString cleaned = text;
    return cleaned.remove(u'"');
}

QString bracketedTable(const QString& name)
{
    if (name.isEmpty() || name.contains(u'[') || name.contains(u']'))
        throw dao::Error(dao::SyntaxError, QStringLiteral("Invalid table name: ") + name);
    return u'[' + name + u']';
}

QString indexTableName(const QString& sectionTable) { return QStringLiteral("INX") + sectionTable.mid(3); }

QString sectionListQuery(const QString& sectionTable)
{
    return QStringLiteral("SELECT [INTER_STR] FROM ") + bracketedTable(sectionTable)
           + QStringLiteral(" ORDER BY [INTER_STR]");
}

QString paragraphListQuery(const QString& sectionTable)
{
    return QStringLiteral("SELECT DISTINCT [Reference] FROM ") + bracketedTable(indexTableName(sectionTable))
           + QStringLiteral(" ORDER BY [Reference]");
}

QString interpretationRowQuery(const QString& table, const QString& number)
{
    return QStringLiteral("SELECT * FROM ") + bracketedTable(table) + QStringLiteral(" WHERE [INTER_STR] = ")
           + dao::literal(number);
}

QStringList searchWords(const QString& text, SearchOption option)
{
    if (text.isEmpty())
        return {};
    if (option == SearchOption::Phrase)
        return {text};
    return text.split(u' ', Qt::SkipEmptyParts);
}

namespace {

QString likeCondition(const QString& word)
{
    return QStringLiteral(" [INTER_TEXT] LIKE ") + dao::literal(u'*' + word + u'*');
}

QString textPart(const InterpretationSearch& search)
{
    QStringList conditions;
    for (const QString& word : searchWords(search.words, search.option))
        conditions << likeCondition(word);
    if (conditions.isEmpty())
        return {};
    const QString from = QStringLiteral("FROM ") + bracketedTable(search.sectionTable) + QStringLiteral(" WHERE");
    switch (search.option) {
    case SearchOption::And: return from + conditions.join(QStringLiteral(" AND"));
    case SearchOption::Or: return from + QStringLiteral(" (") + conditions.join(QStringLiteral(" OR")) + u')';
    case SearchOption::Phrase: return from + conditions.constFirst();
    }
    return {};
}

}  // namespace

QString interpretationSearchQuery(const InterpretationSearch& search)
{
    const QString index = bracketedTable(indexTableName(search.sectionTable));
    const QString paragraphPart = search.paragraph.isEmpty()
                                      ? QString()
                                      : QStringLiteral("FROM ") + index + QStringLiteral(" WHERE [Reference] = ")
                                            + dao::literal(search.paragraph);
    const QString text = textPart(search);
    const QString select = QStringLiteral("SELECT DISTINCT [INTER_STR] ");
    QString query;
    if (!text.isEmpty() && !paragraphPart.isEmpty())
        query = select + paragraphPart + QStringLiteral(" AND [INTER_STR] IN (SELECT [INTER_STR] ") + text + u')';
    else if (!text.isEmpty())
        query = select + text;
    else if (!paragraphPart.isEmpty())
        query = select + paragraphPart;
    else
        query = select + QStringLiteral("FROM ") + index;
    return query + QStringLiteral(" ORDER BY [INTER_STR]");
}

}  // namespace varnel
