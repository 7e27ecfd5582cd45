// The system-wide settings files beneath the person's own: which files a program consults, and
// how their values show through keys the person's file leaves empty.

#include "platform/settings.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::SettingsStore;

namespace {

class SystemSettingsFiles : public ::testing::Test {
protected:
    QString user() const { return dir.filePath(QStringLiteral("user/settings.ini")); }
    // Writes INI text into <dir>/<directory>/<folder>/settings.ini and returns its path.
    QString systemFile(const QString& directory, const QByteArray& text,
                       const QString& folder = QStringLiteral("quorbel-software"))
    {
        const QString path = dir.filePath(directory + u'/' + folder + QStringLiteral("/settings.ini"));
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(testing_support::writeBytes(path, text));
        return path;
    }
    QByteArray bytes(const QString& path) const { return testing_support::readBytes(path); }
    QTemporaryDir dir;
};

// Restores an environment variable when the test ends.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : name_(name), saved_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (wasSet_)
            qputenv(name_, saved_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray saved_;
    bool wasSet_;
};

}  // namespace

TEST_F(SystemSettingsFiles, AKeyThePersonLeavesEmptyIsReadFromTheFirstSystemFileThatHoldsIt)
{
    const QString first = systemFile("first", "[sorvik]\nprogram%20path=/opt/first/bin\ndata%20path=\n");
    const QString second = systemFile("second", "[sorvik]\nprogram%20path=/usr/bin\ndata%20path=/usr/share/x.mdb\n"
                                                "[daltrem]\nprogram%20path=/usr/bin\n");
    SettingsStore store(user(), {first, second});
    store.write("varnel", "program path", "/home/me/bin");
    store.write("sorvik", "default section", "");

    const struct {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"sorvik", "program path", "/opt/first/bin"},        // the first file wins
        {"sorvik", "data path", "/usr/share/x.mdb"},         // an empty value there lets the next show
        {"daltrem", "program path", "/usr/bin"},
        {"varnel", "program path", "/home/me/bin"},          // only the person's file has it
        {"sorvik", "default section", ""},                   // in no file
        {"sorvik", "never written", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(store.read(c.section, c.key), c.expected) << c.section << "/" << c.key;
        EXPECT_EQ(store.readWithDefault(c.section, c.key, ""), c.expected) << c.section << "/" << c.key;
    }
}

TEST_F(SystemSettingsFiles, ThePersonsOwnValueOverridesTheSystemValue)
{
    const QString system = systemFile("etc", "[sorvik]\nprogram%20path=/usr/bin\n");
    SettingsStore store(user(), {system});
    store.write("sorvik", "program path", "/home/me/sorvik");
    EXPECT_EQ(store.read("sorvik", "program path"), "/home/me/sorvik");
    EXPECT_EQ(store.readWithDefault("sorvik", "program path", "/default"), "/home/me/sorvik");

    // Emptied again, the system value shows through once more.
    store.write("sorvik", "program path", "");
    EXPECT_EQ(store.read("sorvik", "program path"), "/usr/bin");
}

TEST_F(SystemSettingsFiles, ASystemValueIsNeitherStoredInThePersonsFileNorEverWritten)
{
    const QString system = systemFile("etc", "[sorvik]\nprogram%20path=/usr/bin\n");
    const QByteArray systemBefore = bytes(system);
    SettingsStore store(user(), {system});

    EXPECT_EQ(store.readWithDefault("sorvik", "program path", "/default"), "/usr/bin");
    EXPECT_FALSE(SettingsStore(user()).contains("sorvik", "program path"));

    // A default still fills a key that no file holds, in the person's file only.
    EXPECT_EQ(store.readWithDefault("sorvik", "data path", "/usr/bin/intasme.mdb"), "/usr/bin/intasme.mdb");
    EXPECT_EQ(SettingsStore(user()).read("sorvik", "data path"), "/usr/bin/intasme.mdb");
    store.write("sorvik", "program path", "/home/me/sorvik");
    EXPECT_EQ(bytes(system), systemBefore);
}

TEST_F(SystemSettingsFiles, AStoreOverAFileAloneSeesNoSystemValues)
{
    systemFile("etc", "[sorvik]\nprogram%20path=/usr/bin\n");
    EXPECT_EQ(SettingsStore(user()).read("sorvik", "program path"), "");
}

TEST_F(SystemSettingsFiles, TheInstallationsOwnFileComesFirstThenTheXdgDirectoriesThatHoldOne)
{
    const QString prefixFile = systemFile("prefix/etc/xdg", "");
    const QString adminFile = systemFile("admin", "");
    // Under the person's folder name, as earlier installations wrote it: after the file without
    // the blank in the same directory.
    const QString earlierAdminFile = systemFile("admin", "", "Quorbel software");
    const QString vendorFile = systemFile("vendor", "", "Quorbel software");
    QDir().mkpath(dir.filePath("prefix/bin"));
    QDir().mkpath(dir.filePath("empty"));

    ScopedEnvironment dirs("XDG_CONFIG_DIRS",
                           (dir.filePath("admin") + ":" + dir.filePath("empty") + "::" + dir.filePath("vendor") + ":" +
                            dir.filePath("admin"))
                               .toLocal8Bit());
    EXPECT_EQ(SettingsStore::systemFiles(dir.filePath("prefix/bin")),
              (QStringList{prefixFile, adminFile, earlierAdminFile, vendorFile}));
    // A program with neither a build tree's nor an installation's file has XDG's files only.
    EXPECT_EQ(SettingsStore::systemFiles(dir.filePath("empty")), (QStringList{adminFile, earlierAdminFile, vendorFile}));
    EXPECT_EQ(SettingsStore::systemFiles(QString()), (QStringList{adminFile, earlierAdminFile, vendorFile}));
}
