#include "browser/reference_schema.h"

#include "browser/paragraph_query.h"
#include "platform/dao/dao.h"

namespace varnel {

namespace {

QStringList columnsOf(dao::Database& database, const QString& table)
{
    auto columns = database.openRecordset(QStringLiteral("SELECT * FROM [%1] WHERE FALSE").arg(table));
    QStringList names;
    for (int i = 0; i < columns->fieldCount(); ++i)
        names << columns->fieldName(i);
    columns->close();
    return names;
}

QString lacking(const dao::Database& database, const QString& what)
{
    return QStringLiteral("The database '%1' lacks %2.").arg(database.name(), what);
}

}  // namespace

void checkReferenceTables(dao::Database& database, bool newLayout)
{
    QStringList processColumns = {QStringLiteral("ABBR"), QStringLiteral("FULLNAME"), QStringLiteral("SORTKEY")};
    for (const CategoryColumn& category : categoryColumns(newLayout))
        processColumns << category.column;
    const struct {
        QString table;
        QStringList columns;
    } required[] = {
        {QStringLiteral("Processes"), processColumns},
        {QStringLiteral("Variables"),
         {QStringLiteral("variable"), QStringLiteral("var_text"), QStringLiteral("order"), QStringLiteral("ADDENDA")}},
    };
    const QStringList tables = database.tableNames();
    for (const auto& r : required) {
        if (!tables.contains(r.table, Qt::CaseInsensitive))
            throw dao::Error(dao::TableNotFound, lacking(database, QStringLiteral("table ") + r.table));
        const QStringList present = columnsOf(database, r.table);
        for (const QString& column : r.columns)
            if (!present.contains(column, Qt::CaseInsensitive))
                throw dao::Error(dao::ItemNotFound,
                                 lacking(database, QStringLiteral("column %1 of table %2").arg(column, r.table)));
    }
}

}  // namespace varnel
