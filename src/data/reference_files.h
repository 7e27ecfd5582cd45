#pragma once
// The reference database files of a data directory: which files count, their edition texts, the
// layout their number selects, and the directory of a chosen file.

#include <QString>
#include <QStringList>

namespace varnel {

// "qel0709.mdb" reads "ASME IX 2007 Edition , 2009 Addenda"; "qel98nn.mdb" "ASME IX 1998 Edition ".
QString editionText(const QString& fileName);

// The number of a file name: the name less every "qel" and ".mdb" (case-sensitive), read as a
// number as far as it goes (qel0709.mdb gives 709; QEL0709.mdb gives 0).
double editionNumber(const QString& fileName);

// True when the file uses the newer set of category columns (its number is above 102).
bool isNewLayout(const QString& fileName);

// The directory part of a chosen file's full path, without the separator before the name.
QString directoryOf(const QString& fullPath);

// The name under which `directory` holds the file `name`: the name itself when that file exists,
// otherwise a file's name that differs from it only in letter case (file names of the original
// platform ignore case); empty when there is neither.
QString fileNameOnDisk(const QString& directory, const QString& name);

// The data directory's file list: the files matching "qel*.mdb" (letter case ignored, as the file
// list of the original platform did), in ascending order of name.
class DataDirectoryFileList {
public:
    DataDirectoryFileList();
    // Points the list at a directory; a directory that does not exist leaves the list where it
    // was and returns false.
    bool setPath(const QString& directory);
    QString path() const { return path_; }
    QStringList files() const;

private:
    QString path_;
};

}  // namespace varnel
