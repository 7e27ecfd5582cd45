#include "data/reference_files.h"

#include "platform/vb.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace varnel {

QString editionText(const QString& fileName)
{
    const QString yy = vb::Mid(fileName, 4, 2);
    const QString aa = vb::Mid(fileName, 6, 2);
    QString text = vb::Val(yy) > 60 ? QStringLiteral("ASME IX 19") : QStringLiteral("ASME IX 20");
    text += yy + QStringLiteral(" Edition ");
    if (aa == QLatin1String("nn"))
        return text;
    text += vb::Val(aa) > 60 ? QStringLiteral(", 19") : QStringLiteral(", 20");
    return text + aa + QStringLiteral(" Addenda");
}

double editionNumber(const QString& fileName)
{
    return vb::Val(vb::Replace(vb::Replace(fileName, QStringLiteral("qel"), {}), QStringLiteral(".mdb"), {}));
}

bool isNewLayout(const QString& fileName) { return editionNumber(fileName) > 102; }

QString directoryOf(const QString& fullPath)
{
    const QString path = QDir::fromNativeSeparators(fullPath);
    const auto slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return {};
    if (slash == 0)
        return QStringLiteral("/");
    return QDir::toNativeSeparators(path.left(slash));
}

QString fileNameOnDisk(const QString& directory, const QString& name)
{
    if (name.isEmpty())
        return {};
    const QDir dir(directory);
    if (QFileInfo(dir.filePath(name)).isFile())
        return name;
    for (const QString& file : dir.entryList(QDir::Files, QDir::Name))
        if (file.compare(name, Qt::CaseInsensitive) == 0)
            return file;
    return {};
}

DataDirectoryFileList::DataDirectoryFileList() : path_(QDir::currentPath()) {}

bool DataDirectoryFileList::setPath(const QString& directory)
{
    const QFileInfo info(directory);
    if (directory.isEmpty() || !info.isDir())
        return false;
    path_ = info.absoluteFilePath();
    return true;
}

QStringList DataDirectoryFileList::files() const
{
    // The pattern is matched without regard to letter case, so QEL0709.mdb is listed too.
    QStringList names;
    for (const QFileInfo& info : QDir(path_).entryInfoList(QDir::Files)) {
        if (vb::Like(info.fileName().toLower(), QStringLiteral("qel*.mdb")))
            names << info.fileName();
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

}  // namespace varnel
