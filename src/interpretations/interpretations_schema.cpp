#include "interpretations/interpretations_schema.h"

#include "data/required_tables.h"
#include "interpretations/interpretation_query.h"
#include "platform/dao/dao.h"

namespace varnel {

void checkInterpretationTables(dao::Database& database)
{
    const QString sectionsTable = QStringLiteral("AuthorizedTablesTab");
    const QString title = QStringLiteral("UsertableName"), tableName = QStringLiteral("dbtableName");
    requireTables(database, {{sectionsTable, {title, tableName}, {}}});

    std::vector<RequiredTable> sections;
    auto rows = database.openRecordset(QStringLiteral("SELECT * FROM [%1]").arg(sectionsTable));
    for (; !rows->eof(); rows->moveNext()) {
        const QString table = rows->field(tableName).toString();
        const QString owner = QStringLiteral("of section '%1'").arg(rows->field(title).toString());
        sections.push_back({table, {QStringLiteral("INTER_STR"), QStringLiteral("INTER_TEXT"), QStringLiteral("vol")}, owner});
        sections.push_back({indexTableName(table),
                            {QStringLiteral("Reference"), QStringLiteral("INTER_STR"), QStringLiteral("section")},
                            owner});
    }
    rows->close();
    requireTables(database, sections);
}

}  // namespace varnel
