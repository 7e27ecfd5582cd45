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

QString unusedFileName(const QString& path)
{
    const QFileInfo file(path);
    const QString suffix = file.suffix().isEmpty() ? QString() : u'.' + file.suffix();
    QString name = path;
    for (int number = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++number)
        name = file.dir().filePath(file.completeBaseName() + u'-' + QString::number(number) + suffix);
    return name;
}

QString newFileObstacle(const QString& path)
{
    const QFileInfo folder(QFileInfo(path).path());
    const QString name = QDir::toNativeSeparators(folder.filePath());
    // A link is followed: a link to nothing is no folder, and says where it leads.
    if (folder.isSymLink() && !folder.exists())
        return QStringLiteral("the folder \"%1\" is a link to \"%2\", which is not there").arg(name, folder.symLinkTarget());
    if (!folder.exists())
        return QStringLiteral("the folder \"%1\" is not there").arg(name);
    if (!folder.isDir())
        return QStringLiteral("\"%1\" is not a folder").arg(name);
    // A file is made in a folder that may be written and searched.
    if (!folder.isWritable() || !folder.isExecutable())
        return QStringLiteral("the folder \"%1\" cannot be written to").arg(name);
    return {};
}

}  // namespace platform
