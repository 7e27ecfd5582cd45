#include "interpretations/sorvik_core.h"

namespace varnel {

void SorvikCore::closeDatabase()
{
    try {
        if (interpretationsDatabase)
            interpretationsDatabase->close();
    } catch (const std::exception&) {
        // The handle goes whatever the close reports; nothing shown comes from it.
    }
    interpretationsDatabase.reset();
}

std::unique_ptr<dao::Recordset> SorvikCore::openRecordset(const QString& sql) const
{
    if (!interpretationsDatabase)
        throw dao::Error(dao::ObjectNotSet, QStringLiteral("The interpretations database is not open."));
    return interpretationsDatabase->openRecordset(sql);
}

int SorvikCore::sectionRowOfTable(const QString& tableName) const
{
    int found = 0;
    for (int row = 1; row <= sectionTableCount(); ++row)
        if (sectionTable[row - 1].tableName == tableName)
            found = row;
    return found;
}

QString SorvikCore::sectionTitle(int row) const
{
    return row >= 1 && row <= sectionTableCount() ? sectionTable[row - 1].title : QString();
}

SorvikCore& sorvikCore()
{
    static SorvikCore core;
    return core;
}

void resetSorvikCore()
{
    SorvikCore& core = sorvikCore();
    core.closeDatabase();
    core = SorvikCore{};
}

}  // namespace varnel
