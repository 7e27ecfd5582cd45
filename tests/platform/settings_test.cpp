#include "platform/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::SettingsStore;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("settings.ini")); }
    QByteArray bytes() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

}  // namespace

TEST_F(SettingsStoreTest, KeysKeepBlanksAndParenthesesAndSectionsStayApart)
{
    SettingsStore store(file());
    store.write("varnel", "(v2014.1.6) data path", "/data/a");
    store.write("sorvik", "(v2014.1.6) data path", "/data/b");
    EXPECT_EQ(store.read("varnel", "(v2014.1.6) data path"), "/data/a");
    EXPECT_EQ(store.read("sorvik", "(v2014.1.6) data path"), "/data/b");
    EXPECT_EQ(store.read("varnel", "(v2014.1.5) data path"), "");
    EXPECT_FALSE(store.contains("varnel", "never written"));
}

TEST_F(SettingsStoreTest, ReadWithDefaultStoresTheDefaultForAnEmptyOrMissingValue)
{
    SettingsStore store(file());
    EXPECT_EQ(store.readWithDefault("varnel", "default file", "qel0709.mdb"), "qel0709.mdb");
    EXPECT_EQ(SettingsStore(file()).read("varnel", "default file"), "qel0709.mdb");

    store.write("varnel", "data path", "");
    EXPECT_EQ(store.readWithDefault("varnel", "data path", "/opt/varnel"), "/opt/varnel");
    EXPECT_EQ(SettingsStore(file()).read("varnel", "data path"), "/opt/varnel");

    store.write("varnel", "data path", "/home/x");
    EXPECT_EQ(store.readWithDefault("varnel", "data path", "/opt/varnel"), "/home/x");
}

TEST_F(SettingsStoreTest, AnEmptyDefaultCreatesAMissingKeyButNeverRewritesAPresentOne)
{
    SettingsStore store(file());
    EXPECT_EQ(store.readWithDefault("varnel", "command line", ""), "");
    EXPECT_TRUE(SettingsStore(file()).contains("varnel", "command line"));

    const QByteArray before = bytes();
    EXPECT_EQ(store.readWithDefault("varnel", "command line", ""), "");
    EXPECT_EQ(bytes(), before);
}

TEST_F(SettingsStoreTest, AWriteThroughAnotherStoreIsSeenByTheNextRead)
{
    SettingsStore poller(file());
    SettingsStore other(file());
    EXPECT_EQ(poller.readWithDefault("varnel", "command line", ""), "");
    other.write("varnel", "command line", "SMAW ESS SHOW");
    EXPECT_EQ(poller.read("varnel", "command line"), "SMAW ESS SHOW");
    other.write("varnel", "command line", "CLOSE");
    EXPECT_EQ(poller.readWithDefault("varnel", "command line", ""), "CLOSE");
}

TEST_F(SettingsStoreTest, APollOfTheEmptyCommandDoesNotLoseACommandWrittenMeanwhile)
{
    // The poller reads the empty key; another program writes a command before the poller
    // would have written the empty value back. The command must survive the poll.
    SettingsStore poller(file());
    SettingsStore other(file());
    other.write("varnel", "command line", "");
    EXPECT_EQ(poller.readWithDefault("varnel", "command line", ""), "");
    other.write("varnel", "command line", "GTAW SUP");
    EXPECT_EQ(poller.readWithDefault("varnel", "command line", ""), "GTAW SUP");
    EXPECT_EQ(SettingsStore(file()).read("varnel", "command line"), "GTAW SUP");
}

TEST_F(SettingsStoreTest, TheStandardFileFollowsXdgConfigHome)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    EXPECT_EQ(SettingsStore::standardFile(), dir.path() + "/Quorbel software/settings.ini");
    qputenv("XDG_CONFIG_HOME", saved);
}

TEST_F(SettingsStoreTest, AnUnquotedCommaWrittenByAnotherProgramStaysOneText)
{
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[varnel]\ncommand%20line=SMAW, ESS SHOW\n");
    f.close();
    EXPECT_EQ(SettingsStore(file()).read("varnel", "command line"), "SMAW, ESS SHOW");
}
