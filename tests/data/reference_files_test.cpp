#include "data/password.h"
#include "data/reference_files.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace varnel;

TEST(ReferenceFiles, EditionTextsFollowTheFileName)
{
    const struct { const char* file; const char* text; } cases[] = {
        {"qel0709.mdb", "ASME IX 2007 Edition , 2009 Addenda"},
        {"qel0104.mdb", "ASME IX 2001 Edition , 2004 Addenda"},
        {"qel98nn.mdb", "ASME IX 1998 Edition "},
        {"qel98NN.mdb", "ASME IX 1998 Edition , 20NN Addenda"},
        {"qel9899.mdb", "ASME IX 1998 Edition , 1999 Addenda"},
        {"qel.mdb", "ASME IX 20.m Edition , 20db Addenda"},
        {"qel6061.mdb", "ASME IX 2060 Edition , 1961 Addenda"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(editionText(c.file), QString::fromLatin1(c.text)) << c.file;
}

TEST(ReferenceFiles, TheLayoutFollowsTheNumberInTheName)
{
    const struct { const char* file; double number; bool newLayout; } cases[] = {
        {"qel0709.mdb", 709, true}, {"qel0102.mdb", 102, false}, {"qel0103.mdb", 103, true},
        {"QEL0709.mdb", 0, false},  {"qel0709.MDB", 709, true},  {"qel98nn.mdb", 98, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(editionNumber(c.file), c.number) << c.file;
        EXPECT_EQ(isNewLayout(c.file), c.newLayout) << c.file;
    }
}

TEST(ReferenceFiles, TheDirectoryOfAChosenFileIsItsParent)
{
    EXPECT_EQ(directoryOf("/data/qel0709.mdb"), "/data");
    // A parent folder whose name holds the file's name must not cut the path short.
    EXPECT_EQ(directoryOf("/data/qel0709.mdb.d/qel0709.mdb"), "/data/qel0709.mdb.d");
    EXPECT_EQ(directoryOf("/qel0709.mdb"), "/");
}

TEST(ReferenceFiles, TheFileListShowsReferenceFilesInNameOrder)
{
    QTemporaryDir dir;
    for (const char* name : {"qel98nn.mdb", "qel0709.mdb", "qel0104.mdb", "QEL0102.mdb", "notes.txt",
                             "qel0709.ldb", "other.mdb"}) {
        ASSERT_TRUE(testing_support::writeBytes(dir.filePath(QString::fromLatin1(name)), {}));
    }
    QDir(dir.path()).mkdir("qel9999.mdb");  // a directory is no file
    DataDirectoryFileList list;
    ASSERT_TRUE(list.setPath(dir.path()));
    const QStringList files = list.files();
    ASSERT_EQ(files.size(), 4);
    EXPECT_EQ(files[0], "QEL0102.mdb");
    EXPECT_EQ(files[1], "qel0104.mdb");
    EXPECT_EQ(files[2], "qel0709.mdb");
    EXPECT_EQ(files[3], "qel98nn.mdb");
}

TEST(ReferenceFiles, AMissingDirectoryLeavesTheListWhereItWas)
{
    QTemporaryDir dir;
    DataDirectoryFileList list;
    ASSERT_TRUE(list.setPath(dir.path()));
    EXPECT_FALSE(list.setPath(dir.filePath("missing")));
    EXPECT_EQ(list.path(), QDir(dir.path()).absolutePath());
    EXPECT_TRUE(list.files().isEmpty());
}

TEST(ReferenceFiles, AStoredNameFindsItsFileWhateverTheLetterCase)
{
    QTemporaryDir dir;
    for (const char* name : {"qel0709.mdb", "QEL0102.mdb", "qel0102.mdb"}) {
        ASSERT_TRUE(testing_support::writeBytes(dir.filePath(name), {}));
    }
    QDir(dir.path()).mkdir("qel9999.mdb");
    const struct { const char* stored; const char* onDisk; } cases[] = {
        {"qel0709.mdb", "qel0709.mdb"},
        {"QEL0709.MDB", "qel0709.mdb"},
        {"QEL0102.mdb", "QEL0102.mdb"},  // the exact name first where both spellings exist
        {"qel0102.mdb", "qel0102.mdb"},
        {"qel0104.mdb", ""},
        {"qel9999.mdb", ""},             // a directory is no file
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fileNameOnDisk(dir.path(), c.stored), QString::fromLatin1(c.onDisk)) << c.stored;
}

TEST(Password, UnscramblingTwiceGivesTheTextBack)
{
    for (const QString& text : {QStringLiteral("Kx4Tq9Wm"), QStringLiteral(""), QStringLiteral("abcdefghijklmnop")}) {
        const QString scrambled = unscrambleString(text);
        EXPECT_EQ(scrambled.size(), text.size());
        EXPECT_EQ(unscrambleString(scrambled), text);
    }
    // Position 1 is XORed with 253, position 2 with 251.
    EXPECT_EQ(unscrambleString(QString(QChar(0))).at(0).unicode(), 253);
    EXPECT_EQ(unscrambleString(QStringLiteral("AA")).at(1).unicode(), 'A' ^ 251);
    EXPECT_TRUE(databaseConnectString().startsWith(";pwd="));
    EXPECT_EQ(databaseConnectString().size(), 5 + 8);
}
