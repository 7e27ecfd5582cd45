#pragma once
// Where the build put what the tests read: the built sample databases and tools, and the sources.

#include <QString>

namespace testing_support {

inline QString builtDataDir() { return QStringLiteral(VARNEL_BUILT_DATA_DIR); }
inline QString sourceDir() { return QStringLiteral(VARNEL_SOURCE_DIR); }

}  // namespace testing_support
