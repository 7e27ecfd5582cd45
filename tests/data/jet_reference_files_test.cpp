// Jet files as the program's reference databases: the data directory lists them by name as it
// lists ours, and the program's own password opens them or gives the wrong-password error.

#include "data/password.h"
#include "data/reference_files.h"
#include "platform/dao/password.h"
#include "support/jet_samples.h"
#include "support/scripted_seams.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testing_support;

TEST(JetReferenceFiles, TheDataDirectoryListsAndOpensAJetEdition)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(jetSample("nwind.mdb"), dir.filePath("qel0709.mdb")));
    QByteArray locked = readBytes(jetSample("DateTestDatabase.mdb"));
    setJetPassword(locked, dao::password::fromConnect(varnel::databaseConnectString()));
    ASSERT_TRUE(writeBytes(dir.filePath("qel0102.mdb"), locked));
    QByteArray other = readBytes(jetSample("nwind.mdb"));
    setJetPassword(other, "another1");
    ASSERT_TRUE(writeBytes(dir.filePath("qel98nn.mdb"), other));

    varnel::DataDirectoryFileList list;
    ASSERT_TRUE(list.setPath(dir.path()));
    EXPECT_EQ(list.files(), QStringList({"qel0102.mdb", "qel0709.mdb", "qel98nn.mdb"}));

    // Without a password in its header the file opens with the program's password.
    EXPECT_EQ(varnel::openProductDatabase(dir.filePath("qel0709.mdb"))->tableNames().size(), 9);
    EXPECT_EQ(varnel::openProductDatabase(dir.filePath("qel0102.mdb"))->tableNames(), QStringList({"DateTest"}));
    try {
        varnel::openProductDatabase(dir.filePath("qel98nn.mdb"));
        ADD_FAILURE() << "a file with another password opened";
    } catch (const dao::Error& e) {
        EXPECT_EQ(e.number(), dao::WrongPassword);
    }
}

// A first opening converts the file, so the pointer shows the wait and is restored after it,
// whether the file opened or not.
TEST(JetReferenceFiles, ThePointerShowsTheWaitWhileAFileOpens)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(jetSample("nwind.mdb"), dir.filePath("qel0709.mdb")));
    ASSERT_TRUE(writeBytes(dir.filePath("qel0102.mdb"), readBytes(jetSample("nwind.mdb")).left(4096)));
    for (const char* name : {"qel0709.mdb", "qel0102.mdb"}) {
        SCOPED_TRACE(name);
        ScriptedSeams seams;
        try {
            varnel::openProductDatabase(dir.filePath(name));
        } catch (const dao::Error&) {
        }
        EXPECT_EQ(seams.pointer.history,
                  std::vector<platform::Pointer>({platform::Pointer::Hourglass, platform::Pointer::Default}));
    }
}
