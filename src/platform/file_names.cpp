#include "platform/file_names.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace platform {

QString existingPathIgnoringCase(const QString& directory, const QString& relative)
{
    QString path = directory;
    for (const QString& name : relative.split(u'/', Qt::SkipEmptyParts)) {
        const QDir dir(path);
        if (QFileInfo::exists(dir.filePath(name))) {
            path = dir.filePath(name);
            continue;
        }
        QString found;
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& entry : entries)
            if (entry.compare(name, Qt::CaseInsensitive) == 0) {
                found = entry;
                break;
            }
        if (found.isEmpty())
            return {};
        path = dir.filePath(found);
    }
    return path;
}

}  // namespace platform
