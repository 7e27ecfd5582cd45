#pragma once
// The data directory a program of the family takes when none is stored. In the build tree the
// data files lie beside the executable; an installation keeps the programs in bin/ and the data
// in share/varnel of the same prefix.

#include <QString>
#include <QStringList>

namespace varnel {

// The name patterns of the files that make a directory a data directory for this program
// ("qel*.mdb") and for the interpretations browser ("intasme.mdb"); letter case is ignored.
inline const QStringList referenceFilePatterns{QStringLiteral("qel*.mdb")};
inline const QStringList interpretationsFilePatterns{QStringLiteral("intasme.mdb")};

// `programDirectory` when it holds a file of `patterns`; otherwise share/varnel of the program's
// installation prefix when that holds one; otherwise `programDirectory` again (an empty one stays
// empty), where the person is then asked for the data.
QString defaultDataDirectory(const QString& programDirectory, const QStringList& patterns);

}  // namespace varnel
