// The default data directory: the program's own directory in the build tree, share/varnel of the
// prefix in an installation.

#include "app/default_data_directory.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace varnel;

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(testing_support::writeBytes(path, {}));
}

}  // namespace

TEST(DefaultDataDirectory, TheProgramsDirectoryWinsWhenItHoldsAFileElseTheInstalledDataDirectory)
{
    const struct {
        const char* name;
        QStringList files;  // relative to a prefix whose bin/ is the program's directory
        QStringList patterns;
        const char* expected;  // relative to the prefix
    } cases[] = {
        {"build tree", {"bin/qel0709.mdb"}, referenceFilePatterns, "bin"},
        {"both hold one", {"bin/qel0102.mdb", "share/varnel/qel0709.mdb"}, referenceFilePatterns, "bin"},
        {"installed", {"share/varnel/qel0709.mdb"}, referenceFilePatterns, "share/varnel"},
        {"letter case ignored", {"share/varnel/QEL0709.MDB"}, referenceFilePatterns, "share/varnel"},
        {"neither", {"share/varnel/readme.txt", "bin/intasme.mdb"}, referenceFilePatterns, "bin"},
        {"interpretations installed", {"share/varnel/intasme.mdb", "bin/qel0709.mdb"}, interpretationsFilePatterns,
         "share/varnel"},
        {"interpretations beside", {"bin/intasme.mdb"}, interpretationsFilePatterns, "bin"},
    };
    for (const auto& c : cases) {
        QTemporaryDir prefix;
        QDir().mkpath(prefix.filePath("bin"));
        for (const QString& file : c.files)
            touch(prefix.filePath(file));
        EXPECT_EQ(defaultDataDirectory(prefix.filePath("bin"), c.patterns), prefix.filePath(c.expected)) << c.name;
    }
}

TEST(DefaultDataDirectory, AFileNamedLikeAReferenceFileButADirectoryDoesNotCount)
{
    QTemporaryDir prefix;
    QDir().mkpath(prefix.filePath("bin/qel0709.mdb"));
    touch(prefix.filePath("share/varnel/qel0709.mdb"));
    EXPECT_EQ(defaultDataDirectory(prefix.filePath("bin"), referenceFilePatterns), prefix.filePath("share/varnel"));
}

TEST(DefaultDataDirectory, AnEmptyProgramDirectoryStaysEmptyWhereverTheProcessRuns)
{
    // An empty directory is no directory: not the working directory, nor a directory beside it.
    QTemporaryDir prefix;
    QDir().mkpath(prefix.filePath("bin"));
    touch(prefix.filePath("share/varnel/qel0709.mdb"));
    const QString saved = QDir::currentPath();
    QDir::setCurrent(prefix.filePath("bin"));
    const QString found = defaultDataDirectory(QString(), referenceFilePatterns);
    QDir::setCurrent(saved);
    EXPECT_EQ(found, QString());
}
