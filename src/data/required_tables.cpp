#include "data/required_tables.h"

#include "platform/dao/dao.h"

namespace varnel {

QStringList tableColumns(dao::Database& database, const QString& table)
{
    auto columns = database.openRecordset(QStringLiteral("SELECT * FROM [%1] WHERE FALSE").arg(table));
    QStringList names;
    for (int i = 0; i < columns->fieldCount(); ++i)
        names << columns->fieldName(i);
    columns->close();
    return names;
}

void requireTables(dao::Database& database, const std::vector<RequiredTable>& tables)
{
    const QStringList present = database.tableNames();
    for (const RequiredTable& required : tables) {
        QString table = QStringLiteral("table ") + required.table;
        if (!required.owner.isEmpty())
            table += u' ' + required.owner;
        const auto lacking = [&](const QString& what) {
            return QStringLiteral("The database '%1' lacks %2.").arg(database.name(), what);
        };
        // A name that could not stand between brackets names no table the file can hold.
        if (required.table.isEmpty() || required.table.contains(u'[') || required.table.contains(u']')
            || !present.contains(required.table, Qt::CaseInsensitive))
            throw dao::Error(dao::TableNotFound, lacking(table));
        const QStringList columns = tableColumns(database, required.table);
        for (const QString& column : required.columns)
            if (!columns.contains(column, Qt::CaseInsensitive))
                throw dao::Error(dao::ItemNotFound, lacking(QStringLiteral("column %1 of %2").arg(column, table)));
    }
}

}  // namespace varnel
