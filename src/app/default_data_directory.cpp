#include "app/default_data_directory.h"

#include <QDir>

namespace varnel {

namespace {

bool holdsFileOf(const QString& directory, const QStringList& patterns)
{
    return !QDir(directory).entryList(patterns, QDir::Files | QDir::Readable).isEmpty();
}

}  // namespace

QString defaultDataDirectory(const QString& programDirectory, const QStringList& patterns)
{
    if (programDirectory.isEmpty() || holdsFileOf(programDirectory, patterns))
        return programDirectory;
    const QString installed =
        QDir::cleanPath(QDir(programDirectory).filePath(QStringLiteral(VARNEL_DATA_DIR_FROM_PROGRAM)));
    return holdsFileOf(installed, patterns) ? installed : programDirectory;
}

}  // namespace varnel
