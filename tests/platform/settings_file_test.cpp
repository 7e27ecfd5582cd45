// The settings store as another program of the family sees it: every value written, and every
// default stored, is in the INI file's bytes at once, in its group, while the store is still open.

#include "platform/settings.h"
#include "support/print_qstring.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using platform::SettingsStore;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("settings.ini")); }

    // The lines of one group of the file, read from disk as another program reads them.
    QStringList groupLines(const QString& group) const
    {
        QFile f(file());
        if (!f.open(QIODevice::ReadOnly))
            return {QStringLiteral("(no file)")};
        QStringList lines;
        bool inGroup = false;
        for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n')) {
            if (line.startsWith(u'['))
                inGroup = line == u'[' + group + u']';
            else if (inGroup && !line.isEmpty())
                lines << line;
        }
        return lines;
    }
};

}  // namespace

TEST_F(SettingsFile, AValueWrittenOrADefaultStored_isInTheFileWhileTheStoreIsOpen)
{
    SettingsStore store(file());
    const struct {
        const char* what;
        std::function<void()> act;
        const char* group;
        const char* line;
    } cases[] = {
        {"command", [&] { store.write("varnel", "command line", "SMAW ESS SHOW"); }, "varnel",
         "command%20line=SMAW ESS SHOW"},
        {"command taken", [&] { store.write("varnel", "command line", ""); }, "varnel", "command%20line="},
        {"versioned key", [&] { store.write("varnel", "(v2014.1.6) data path", "/data/a"); }, "varnel",
         "%28v2014.1.6%29%20data%20path=/data/a"},
        {"other program's group", [&] { store.write("sorvik", "program path", "/opt/sorvik"); }, "sorvik",
         "program%20path=/opt/sorvik"},
        {"text with a comma", [&] { store.write("varnel", "program path", "/opt/a,b"); }, "varnel",
         "program%20path=\"/opt/a,b\""},
        {"default stored for a missing key", [&] { store.readWithDefault("varnel", "(v2014.1.6) default file", "qel0709.mdb"); },
         "varnel", "%28v2014.1.6%29%20default%20file=qel0709.mdb"},
        {"default stored for an empty value",
         [&] {
             store.write("varnel", "(v2014.1.6) data path", "");
             store.readWithDefault("varnel", "(v2014.1.6) data path", "/opt/varnel");
         },
         "varnel", "%28v2014.1.6%29%20data%20path=/opt/varnel"},
        {"empty default for a missing key", [&] { store.readWithDefault("sorvik", "command line", ""); }, "sorvik",
         "command%20line="},
    };
    for (const auto& c : cases) {
        c.act();
        EXPECT_TRUE(groupLines(c.group).contains(c.line)) << c.what << ": " << groupLines(c.group).join(" / ").toStdString();
    }
}

TEST_F(SettingsFile, AValueWrittenAgain_replacesItsLineInTheFile)
{
    SettingsStore store(file());
    store.write("varnel", "command line", "GTAW SUP");
    store.write("varnel", "command line", "CLOSE");
    EXPECT_EQ(groupLines("varnel"), QStringList{"command%20line=CLOSE"});
}
