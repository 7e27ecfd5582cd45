#include "app/varnel_core.h"

namespace varnel {

VarnelCore& varnelCore()
{
    static VarnelCore core;
    return core;
}

void resetVarnelCore()
{
    VarnelCore& core = varnelCore();
    if (core.searchRecordset)
        core.searchRecordset->close();
    if (core.mainDatabase)
        core.mainDatabase->close();
    core = VarnelCore{};
}

dao::Database& referenceDatabase()
{
    VarnelCore& core = varnelCore();
    if (!core.mainDatabase)
        throw dao::Error(dao::ObjectNotSet, noReferenceDatabaseText);
    return *core.mainDatabase;
}

QString nullToEmpty(const dao::Value& value) { return value.isNull() ? QString() : value.toString(); }

}  // namespace varnel
