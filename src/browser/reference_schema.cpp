#include "browser/reference_schema.h"

#include "browser/paragraph_query.h"
#include "data/required_tables.h"

namespace varnel {

void checkReferenceTables(dao::Database& database, bool newLayout)
{
    QStringList processColumns = {QStringLiteral("ABBR"), QStringLiteral("FULLNAME"), QStringLiteral("SORTKEY")};
    for (const CategoryColumn& category : categoryColumns(newLayout))
        processColumns << category.column;
    requireTables(database,
                  {{QStringLiteral("Processes"), processColumns, {}},
                   {QStringLiteral("Variables"),
                    {QStringLiteral("variable"), QStringLiteral("var_text"), QStringLiteral("order"),
                     QStringLiteral("ADDENDA")},
                    {}}});
}

}  // namespace varnel
