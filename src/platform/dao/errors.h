#pragma once
// The engine's errors that more than one part of the database layer raises.

#include "platform/dao/dao.h"

namespace dao::detail {

Error tableNotFound(const QString& table);

}  // namespace dao::detail
