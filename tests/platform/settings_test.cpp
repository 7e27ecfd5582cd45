#include "platform/settings.h"
#include "support/file_bytes.h"
#include "support/print_qstring.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <thread>

using platform::SettingsStore;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("settings.ini")); }
    QByteArray bytes() const { return testing_support::readBytes(file()); }
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

TEST_F(SettingsStoreTest, AValueTheFileHoldsIsNotWrittenAgain)
{
    SettingsStore store(file());
    store.write("varnel", "program path", "/opt/varnel");
    // Every write replaces the file by a new one (a new file number); a write that would change
    // nothing leaves it.
    const auto fileNumber = [&] {
        struct stat status {};
        return ::stat(QFile::encodeName(file()).constData(), &status) == 0 ? status.st_ino : 0;
    };
    const auto before = fileNumber();
    EXPECT_TRUE(store.write("varnel", "program path", "/opt/varnel"));
    EXPECT_EQ(fileNumber(), before);
    EXPECT_TRUE(store.write("varnel", "program path", "/usr/bin"));
    EXPECT_EQ(SettingsStore(file()).read("varnel", "program path"), "/usr/bin");
    // An empty value the file holds is no reason to leave out a first real one.
    store.write("varnel", "data path", "");
    EXPECT_TRUE(store.write("varnel", "data path", "/data"));
    EXPECT_EQ(SettingsStore(file()).read("varnel", "data path"), "/data");
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

// A program that is killed runs no destructors: whatever its store holds in the temporary
// directory between reads and writes would stay there for good.
TEST_F(SettingsStoreTest, StoresBetweenTheirReadsAndWritesHoldNothingInTheTemporaryDirectory)
{
    QTemporaryDir temporary;
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    {
        SettingsStore poller(file());
        SettingsStore other(file());
        poller.write("varnel", "data path", "/data");
        other.write("varnel", "command line", "SMAW ESS SHOW");
        EXPECT_EQ(poller.read("varnel", "command line"), "SMAW ESS SHOW");
        EXPECT_EQ(poller.read("varnel", "data path"), "/data");
        EXPECT_EQ(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join(u','), QString());
    }
    qputenv("TMPDIR", previous);
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

TEST_F(SettingsStoreTest, AFileReplacedByAnotherOfTheSameSizeAndTimeIsReadAgain)
{
    // Another program renames a new file over the old one within the same instant: nothing in its
    // size or time stamp tells the two apart.
    const auto replace = [&](const QByteArray& content, const QDateTime& modified) {
        QFile next(file() + ".next");
        ASSERT_TRUE(next.open(QIODevice::WriteOnly));
        next.write(content);
        next.setFileTime(modified, QFileDevice::FileModificationTime);
        next.close();
        ASSERT_EQ(std::rename(QFile::encodeName(next.fileName()).constData(), QFile::encodeName(file()).constData()), 0);
    };
    const QDateTime instant = QDateTime::currentDateTime();
    replace("[varnel]\ncommand%20line=SMAW ESS\n", instant);
    SettingsStore poller(file());
    EXPECT_EQ(poller.read("varnel", "command line"), "SMAW ESS");
    replace("[varnel]\ncommand%20line=GTAW SUP\n", instant);
    EXPECT_EQ(poller.read("varnel", "command line"), "GTAW SUP");
    EXPECT_TRUE(poller.replaceIfUnchanged("varnel", "command line", "GTAW SUP", ""));
    EXPECT_EQ(SettingsStore(file()).read("varnel", "command line"), "");
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
    ASSERT_TRUE(testing_support::writeBytes(file(), "[varnel]\ncommand%20line=SMAW, ESS SHOW\n"));
    EXPECT_EQ(SettingsStore(file()).read("varnel", "command line"), "SMAW, ESS SHOW");
}

namespace {

// The file as a complete run of the program leaves it, and as another program's rewrite in place
// leaves it for a moment.
const QByteArray completeFile = "[sorvik]\nprogram%20path=/opt/sorvik\n\n"
                                "[varnel]\nprogram%20path=/opt/varnel\n%28v2014.1.6%29%20data%20path=/data\n";
const QByteArray varnelGroupNotYetWritten = "[sorvik]\nprogram%20path=/opt/sorvik\n";

void writeInPlace(const QString& file, const QByteArray& bytes) { ASSERT_TRUE(testing_support::writeBytes(file, bytes)); }

}  // namespace

TEST_F(SettingsStoreTest, EmptyingTheCommandKeepsACommandWrittenSinceItWasRead)
{
    SettingsStore poller(file());
    SettingsStore other(file());
    other.write("varnel", "command line", "SMAW ESS");
    const QString taken = poller.read("varnel", "command line");
    other.write("varnel", "command line", "GTAW SUP");
    EXPECT_FALSE(poller.replaceIfUnchanged("varnel", "command line", taken, ""));
    EXPECT_EQ(SettingsStore(file()).read("varnel", "command line"), "GTAW SUP");
    EXPECT_TRUE(poller.replaceIfUnchanged("varnel", "command line", "GTAW SUP", ""));
    EXPECT_EQ(SettingsStore(file()).read("varnel", "command line"), "");
}

TEST_F(SettingsStoreTest, AWriteWaitsForTheProgramHoldingTheSettingsLock)
{
    // Other programs serialise their writes with "<file>.lock", the lock file of Qt's settings
    // class; a write made while one of them holds it must come after theirs, not under it.
    writeInPlace(file(), completeFile);
    QLockFile held(file() + ".lock");
    ASSERT_TRUE(held.lock());
    std::thread other([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        QSaveFile f(file());
        f.open(QIODevice::WriteOnly);
        f.write(completeFile + "command%20line=SMAW ESS\n");
        f.commit();
        held.unlock();
    });
    SettingsStore store(file());
    const bool written = store.write("varnel", "default file", "qel0709.mdb");
    other.join();
    EXPECT_TRUE(written);
    SettingsStore after(file());
    EXPECT_EQ(after.read("varnel", "command line"), "SMAW ESS");
    EXPECT_EQ(after.read("varnel", "default file"), "qel0709.mdb");
    EXPECT_EQ(after.read("sorvik", "program path"), "/opt/sorvik");
}

TEST_F(SettingsStoreTest, APollOfAFileCaughtInARewriteWritesNothingBack)
{
    const struct {
        const char* state;
        QByteArray bytes;
    } cases[] = {
        {"emptied", QByteArray()},
        {"without the program's group", varnelGroupNotYetWritten},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        writeInPlace(file(), completeFile);
        SettingsStore poller(file());
        EXPECT_EQ(poller.read("varnel", "program path"), "/opt/varnel");

        writeInPlace(file(), c.bytes);
        EXPECT_EQ(poller.readWithDefault("varnel", "command line", ""), "");
        EXPECT_EQ(bytes().toStdString(), c.bytes.toStdString());
        // The next poll, after the rewrite ended, sees every key and stores the empty command.
        writeInPlace(file(), completeFile);
        EXPECT_EQ(poller.readWithDefault("varnel", "command line", ""), "");
        SettingsStore after(file());
        EXPECT_EQ(after.read("varnel", "(v2014.1.6) data path"), "/data");
        EXPECT_EQ(after.read("sorvik", "program path"), "/opt/sorvik");
        EXPECT_TRUE(after.contains("varnel", "command line"));
    }
}

TEST_F(SettingsStoreTest, ARewriteThatEndsWithinAMomentIsReadWhole)
{
    const struct {
        const char* access;
        std::function<void(SettingsStore&)> run;
        const char* key;
        const char* expected;
    } cases[] = {
        {"poll", [](SettingsStore& s) { EXPECT_EQ(s.readWithDefault("varnel", "command line", ""), "SMAW ESS"); },
         "command line", "SMAW ESS"},
        {"write", [](SettingsStore& s) { EXPECT_TRUE(s.write("varnel", "default file", "qel0102.mdb")); },
         "default file", "qel0102.mdb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.access);
        writeInPlace(file(), completeFile);
        SettingsStore store(file());
        EXPECT_EQ(store.read("varnel", "program path"), "/opt/varnel");
        writeInPlace(file(), QByteArray());
        std::thread other([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            writeInPlace(file(), completeFile + "command%20line=SMAW ESS\n");
        });
        c.run(store);
        other.join();
        SettingsStore after(file());
        EXPECT_EQ(after.read("varnel", c.key), c.expected);
        EXPECT_EQ(after.read("varnel", "(v2014.1.6) data path"), "/data");
        EXPECT_EQ(after.read("sorvik", "program path"), "/opt/sorvik");
    }
}

TEST_F(SettingsStoreTest, AGroupRemovedForGoodStopsCountingAfterAMoment)
{
    writeInPlace(file(), completeFile);
    SettingsStore poller(file());
    EXPECT_EQ(poller.read("sorvik", "program path"), "/opt/sorvik");
    // Another program removes its group and leaves a command.
    writeInPlace(file(), "[varnel]\nprogram%20path=/opt/varnel\ncommand%20line=SMAW ESS\n");
    EXPECT_EQ(poller.readWithDefault("varnel", "command line", ""), "SMAW ESS");
    EXPECT_TRUE(poller.replaceIfUnchanged("varnel", "command line", "SMAW ESS", ""));
    EXPECT_EQ(SettingsStore(file()).read("varnel", "command line"), "");
    EXPECT_EQ(SettingsStore(file()).read("varnel", "program path"), "/opt/varnel");
}

TEST_F(SettingsStoreTest, AReplacementThatComesInWhileThePollEmptiesTheCommandIsKept)
{
    // Another program puts its file in place, keeping the command, while the store's new file lies
    // ready: the store reads the file again and starts over, also on a file system that cannot
    // exchange two files. A writer that keeps doing so makes the poll give up after a few rounds,
    // leaving the command for its next tick.
    const struct {
        const char* what;
        bool exchange;
        int replacements;
        bool emptied;
        int rounds;
    } cases[] = {
        {"with the exchange", true, 1, true, 2},
        {"on a file system without the exchange", false, 1, true, 2},
        {"a writer that keeps replacing the file", true, 1000, false, 3},
    };
    const QByteArray withCommand = completeFile + "command%20line=SMAW ESS\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeInPlace(file(), withCommand);
        SettingsStore poller(file());
        int rounds = 0;
        poller.setReplaceSeam({c.exchange, [&] {
                                   if (rounds++ >= c.replacements)
                                       return;
                                   writeInPlace(file() + ".other", withCommand + "[other]\ntick=" + QByteArray::number(rounds) + '\n');
                                   std::rename(QFile::encodeName(file() + ".other").constData(), QFile::encodeName(file()).constData());
                               }});
        EXPECT_EQ(poller.replaceIfUnchanged("varnel", "command line", "SMAW ESS", ""), c.emptied);
        EXPECT_EQ(rounds, c.rounds);
        SettingsStore after(file());
        EXPECT_EQ(after.read("varnel", "command line"), c.emptied ? "" : "SMAW ESS");
        EXPECT_EQ(after.read("other", "tick"), QString::number(std::min(rounds, c.replacements)));
    }
}

TEST_F(SettingsStoreTest, AFastWriterThatReplacesTheFileWithoutTheLockHasNoCommandErasedUnread)
{
    // The main window's poll: read the command, and empty it only while it still holds what was
    // read; another program writes its commands as fast as they are taken.
    SettingsStore store(file());
    ASSERT_TRUE(store.write("varnel", "command line", QString()));
    constexpr int commands = 100;
    const auto line = [](int n) { return QByteArray("command%20line=SMAW ESS QW-403.") + QByteArray::number(n) + '\n'; };

    // The other program reads the file, puts its command in place of the key's line and puts its
    // whole new file in place of the old one in one step, without the lock. (It exchanges the two,
    // which is the rename of an atomic replace that also shows it the file it replaced: whether
    // its last command was still in it, unread.) Every other command it writes while the store
    // empties the last one, at the worst moment: when the store's new file with the key emptied
    // lies ready beside the settings file; the others once the last one is taken.
    const auto replacementReady = [&] {
        for (const QString& name : QDir(dir.path()).entryList({"settings.ini.*"}, QDir::Files | QDir::Hidden))
            if (!name.startsWith("settings.ini.lock") && name != "settings.ini.writer")
                return true;
        return false;
    };
    std::atomic<bool> done = false, abandoned = false;
    std::vector<int> replacedByTheWriter;  // still in the file, unread, when the next one came
    std::thread writer([&] {
        const QByteArray target = QFile::encodeName(file()), next = QFile::encodeName(file() + ".writer");
        for (int n = 1; n <= commands && !abandoned; ++n) {
            QByteArray content = bytes();
            const qsizetype at = content.indexOf("command%20line=");
            content.replace(at, content.indexOf('\n', at) + 1 - at, line(n));
            if (!testing_support::writeBytes(QFile::decodeName(next), content))
                break;
            if (renameat2(AT_FDCWD, next.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) != 0)
                break;
            QFile replaced(QFile::decodeName(next));
            if (replaced.open(QIODevice::ReadOnly) && n > 1 && replaced.readAll().contains(line(n - 1)))
                replacedByTheWriter.push_back(n - 1);
            replaced.remove();
            while (!abandoned && bytes().contains(line(n)) && !(n % 2 == 1 && replacementReady()))
                std::this_thread::yield();
        }
        done = true;
    });

    // The polls run back to back. A command that stays in the file over many polls is one the
    // store does not see.
    std::set<int> taken;
    QString pending, unseen;
    for (int sameCommand = 0; !done || !pending.isEmpty();) {
        const QString now = store.read("varnel", "command line");
        if (!now.isEmpty() && store.replaceIfUnchanged("varnel", "command line", now, QString()))
            taken.insert(now.section(u'.', -1).toInt());
        sameCommand = !now.isEmpty() && now == pending ? sameCommand + 1 : 0;
        pending = store.read("varnel", "command line");
        if (sameCommand > 2000) {
            unseen = now;
            break;
        }
    }
    abandoned = true;
    writer.join();
    EXPECT_TRUE(unseen.isEmpty()) << unseen.toStdString() << " stays in the file untaken";

    // Each command was taken, or replaced by the writer's own next one before it was read.
    std::vector<int> erasedUnread;
    for (int n = 1; n <= commands; ++n)
        if (!taken.count(n) && std::find(replacedByTheWriter.begin(), replacedByTheWriter.end(), n) == replacedByTheWriter.end())
            erasedUnread.push_back(n);
    RecordProperty("taken", static_cast<int>(taken.size()));
    RecordProperty("replaced_by_the_writer", static_cast<int>(replacedByTheWriter.size()));
    EXPECT_TRUE(erasedUnread.empty()) << erasedUnread.size() << " of " << commands << " commands erased unread";
    EXPECT_TRUE(taken.count(commands));
}
