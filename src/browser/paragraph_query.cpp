#include "browser/paragraph_query.h"

#include "platform/dao/dao.h"
#include "platform/vb.h"

namespace varnel {

QString processEntryText(const QString& abbreviation, const QString& fullName)
{
    return vb::Trim(abbreviation) + QStringLiteral("  -  ") + vb::Trim(fullName);
}

const std::vector<CategoryColumn>& categoryColumns(bool newLayout)
{
    static const QString gf = QStringLiteral(" for Groove/Fillet welds");
    static const std::vector<CategoryColumn> common = {
        {QStringLiteral("ESS"), QStringLiteral("  -  Essential Variables") + gf, QStringLiteral("  -  Essential Variables")},
        {QStringLiteral("NON"), QStringLiteral("  -  Nonessential Variables") + gf, QStringLiteral("  -  Nonessential Variables")},
        {QStringLiteral("SUP"), QStringLiteral("  -  Supplementary Essential Variables") + gf,
         QStringLiteral("  -  Supplementary Essential Variables")},
    };
    auto same = [](const QString& column, const QString& suffix) { return CategoryColumn{column, suffix, suffix}; };
    static const std::vector<CategoryColumn> newer = [&] {
        std::vector<CategoryColumn> v = common;
        v.push_back(same(QStringLiteral("HFO_ESS"), QStringLiteral("  -  Essential Variables for Hardfacing Overlays")));
        v.push_back(same(QStringLiteral("HFO_NON"), QStringLiteral("  -  Nonessential Variables for Hardfacing Overlays")));
        v.push_back(same(QStringLiteral("HFSF_ESS"), QStringLiteral("  -  Essential Variables for Hardfacing Spray Fuse")));
        v.push_back(same(QStringLiteral("HFSF_NON"), QStringLiteral("  -  Nonessential Variables for Hardfacing Spray Fuse")));
        v.push_back(same(QStringLiteral("CRO_ESS"), QStringLiteral("  -  Essential Variables for Corrosion-Resistant Overlays")));
        v.push_back(same(QStringLiteral("CRO_NON"), QStringLiteral("  -  Nonessential Variables for Corrosion-Resistant Overlays")));
        return v;
    }();
    static const std::vector<CategoryColumn> older = [&] {
        std::vector<CategoryColumn> v = common;
        v.push_back(same(QStringLiteral("HFO"), QStringLiteral("  -  Essential Variables for Hardfacing Overlays")));
        v.push_back(same(QStringLiteral("CRO"), QStringLiteral("  -  Essential Variables for Corrosion-Resistant Overlays")));
        return v;
    }();
    return newLayout ? newer : older;
}

QString categorySuffix(const CategoryColumn& category, bool specialProcess)
{
    return specialProcess ? category.shortSuffix : category.longSuffix;
}

QString categoryCode(const QString& categoryText, bool newLayout)
{
    using Phrase = std::pair<const char*, const char*>;
    static const Phrase newer[] = {
        {"Essential", "ESS"},
        {"Nonessential", "NON"},
        {"Supplementary", "SUP"},
        {"Essential Variables for Hardfacing Overlays", "HFO_ESS"},
        {"Nonessential Variables for Hardfacing Overlays", "HFO_NON"},
        {"Essential Variables for Hardfacing Spray", "HFSF_ESS"},
        {"Nonessential Variables for Hardfacing Spray", "HFSF_NON"},
        {"Essential Variables for Corrosion-Resistant Overlays", "CRO_ESS"},
        {"Nonessential Variables for Corrosion-Resistant Overlays", "CRO_NON"},
    };
    static const Phrase older[] = {
        {"Essential", "ESS"},
        {"Nonessential", "NON"},
        {"Supplementary", "SUP"},
        {"Hardfacing Overlays", "HFO"},
        {"Corrosion-Resistant Overlays", "CRO"},
    };
    QString code;
    auto test = [&](const auto& phrases) {
        for (const Phrase& p : phrases)
            if (categoryText.contains(QLatin1String(p.first), Qt::CaseSensitive))
                code = QLatin1String(p.second);
    };
    if (newLayout)
        test(newer);
    else
        test(older);
    return code;
}

QString likeCondition(const QString& word)
{
    return QStringLiteral(" [var_text] LIKE ") + dao::literal(u'*' + word + u'*');
}

namespace {

// The processes's code: the first four characters of a box of six characters or more, trimmed.
QString processCode(const ParagraphSearch& s)
{
    return s.processBox.size() >= 6 ? vb::Trim(vb::Left(s.processBox, 4)) : QString();
}

bool hasCategoryClause(const ParagraphSearch& s) { return s.categoryBox.size() >= 6; }

// " WHERE w1 AND w2" / " WHERE (w1 OR w2)" / " WHERE phrase", of the search words; empty when
// the text holds none (blanks only).
QString wordClause(const QString& words, SearchType type)
{
    const QStringList pieces = searchWords(words, type);
    if (pieces.isEmpty())
        return {};
    if (type == SearchType::Phrase || type == SearchType::None)
        return QStringLiteral(" WHERE") + likeCondition(pieces.constFirst());
    const bool isAnd = type == SearchType::And;
    QStringList conditions;
    for (const QString& piece : pieces)
        conditions << likeCondition(piece);
    const QString joined = conditions.join(isAnd ? QStringLiteral(" AND ") : QStringLiteral(" OR "));
    return isAnd ? QStringLiteral(" WHERE ") + joined : QStringLiteral(" WHERE (") + joined + u')';
}

}  // namespace

bool needsProcessColumns(const ParagraphSearch& search)
{
    return search.byProcess && !hasCategoryClause(search) && !processCode(search).isEmpty();
}

namespace {

QString query(const QString& selected, const ParagraphSearch& search, const QStringList& variablesColumns)
{
    const QString process = processCode(search);
    QString filter;
    if (hasCategoryClause(search)) {
        filter = QStringLiteral(" [") + process + u'_' + categoryCode(search.categoryBox, search.newLayout)
                 + QStringLiteral("] = TRUE");
    } else if (!process.isEmpty()) {
        QStringList matching;
        for (const QString& column : variablesColumns)
            if (vb::Like(column, process + u'*'))
                matching << column + QStringLiteral(" = TRUE");
        filter = u'(' + matching.join(QStringLiteral(" OR ")) + u')';
    }
    if (!search.byProcess)
        filter.clear();

    const QString words = wordClause(search.words, search.type);
    const QString select = QStringLiteral("SELECT ") + selected + QStringLiteral(" FROM variables");
    QString sql = words.isEmpty() ? select : select + u' ' + words;
    if (search.byProcess && !filter.isEmpty())
        sql += (sql.contains(QStringLiteral("WHERE")) ? QStringLiteral(" AND ") : QStringLiteral(" WHERE ")) + filter;
    return sql + QStringLiteral(" ORDER BY [order]");
}

}  // namespace

QString paragraphQuery(const ParagraphSearch& search, const QStringList& variablesColumns)
{
    return query(QStringLiteral("*"), search, variablesColumns);
}

QString paragraphNamesQuery(const ParagraphSearch& search, const QStringList& variablesColumns)
{
    return query(QStringLiteral("[variable]"), search, variablesColumns);
}

QString allParagraphNamesQuery() { return QStringLiteral("SELECT [variable] FROM [Variables] ORDER BY [order]"); }

QStringList paragraphNames(dao::Recordset& rows)
{
    QStringList names;
    names.reserve(rows.recordCount());
    for (; !rows.eof(); rows.moveNext())
        names.append(rows.field(0).toString());
    return names;
}

namespace {

struct GroupNames {
    const char* prefix;
    const char* plural;
    const char* singular;
};

const GroupNames groups[] = {
    {"QW-402", "Joints", "Joint"},
    {"QW-403", "Base Metals", "Base Metal"},
    {"QW-404", "Filler Metals", "Filler Metal"},
    {"QW-405", "Position", "Position"},
    {"QW-406", "Preheat", "Preheat"},
    {"QW-407", "PWHT", "PWHT"},
    {"QW-408", "Gas", "Gas"},
    {"QW-409", "Electrical Characteristics", "Electrical Characteristic"},
    {"QW-410", "Technique", "Technique"},
};

const GroupNames* groupOf(const QString& paragraph)
{
    const QString prefix = vb::Left(paragraph, 6);
    for (const GroupNames& g : groups)
        if (prefix == QLatin1String(g.prefix))
            return &g;
    return nullptr;
}

}  // namespace

QString variableGroup(const QString& paragraph)
{
    const GroupNames* g = groupOf(paragraph);
    return g ? QLatin1String(g->plural) : QString();
}

QString variableGroupSingular(const QString& paragraph)
{
    const GroupNames* g = groupOf(paragraph);
    return g ? QLatin1String(g->singular) : QString();
}

QString addendaMark(const QString& addenda)
{
    if (addenda.isEmpty())
        return {};
    static const std::pair<QChar, const char*> words[] = {
        {u'r', " revised"}, {u'd', " deleted"}, {u'c', " errata"}, {u'a', " added"}};
    for (const auto& w : words)
        if (addenda.back() == w.first)
            return u'\'' + addenda.left(addenda.size() - 1) + QLatin1String(w.second);
    return {};
}

QString definitionsTerm(const QString& paragraph)
{
    if (paragraph == QLatin1String("QW-492") || paragraph == QLatin1String("QW/QB-492"))
        return QStringLiteral("ASME IX-98   QW/QB-492 Welding");
    if (paragraph == QLatin1String("QG-109"))
        return QStringLiteral("ASME IX-2013   QG-109 Definitions");
    return {};
}

QStringList searchWords(const QString& searchText, SearchType type)
{
    if (searchText.isEmpty())
        return {};
    if (type == SearchType::Phrase || type == SearchType::None)
        return {searchText};
    return searchText.split(u' ', Qt::SkipEmptyParts);
}

std::vector<std::pair<int, int>> hitRanges(const QString& text, const QString& word)
{
    std::vector<std::pair<int, int>> hits;
    if (word.isEmpty())
        return hits;
    qsizetype from = 0;
    while (true) {
        const qsizetype at = text.indexOf(word, from, Qt::CaseInsensitive);
        if (at < 0)
            break;
        hits.emplace_back(static_cast<int>(at), static_cast<int>(word.size()));
        from = at + word.size();
    }
    return hits;
}

}  // namespace varnel
