// The installed tree: this build installed with `cmake --install` into a temporary prefix, its
// programs started there on the sample data as a person on a fresh machine would start them, and
// its desktop entries, metainfo and manual pages checked against their validators and the programs.

#include "platform/settings.h"
#include "support/print_qstring.h"
#include "support/program_run.h"
#include "support/test_paths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using platform::SettingsStore;
using testing_support::Finished;
using testing_support::runToEnd;

namespace {

class InstalledTree : public ::testing::Test {
protected:
    // One installation per test process (CTest runs every case in a process of its own).
    static void SetUpTestSuite()
    {
        prefix_ = new QTemporaryDir;
        install_ = runToEnd(QStringLiteral(VARNEL_CMAKE_COMMAND),
                            {"--install", QStringLiteral(VARNEL_BUILD_DIR), "--prefix", prefix_->path()}, 60);
    }
    static void TearDownTestSuite()
    {
        delete prefix_;
        prefix_ = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(install_.ended && install_.exitCode == 0) << install_.output.toStdString();
    }

    static QString installed(const QString& relative) { return prefix_->filePath(relative); }

    // A person's session on a fresh machine: a configuration directory of their own and no
    // system-wide settings other than the installation's.
    QProcessEnvironment session() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", home.path());
        environment.insert("XDG_CONFIG_DIRS", home.filePath("no-system-files"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        return environment;
    }
    QString stored(const QString& section, const QString& key) const
    {
        return SettingsStore(home.filePath("Quorbel software/settings.ini")).read(section, key);
    }
    // The value of `key` in a desktop entry's lines.
    static QString entryValue(const QString& file, const QString& key)
    {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n'))
            if (line.startsWith(key + u'='))
                return line.mid(key.size() + 1);
        return {};
    }

    QTemporaryDir home;
    static inline QTemporaryDir* prefix_ = nullptr;
    static inline Finished install_;
};

}  // namespace

TEST_F(InstalledTree, ProgramsDataAndDesktopFilesLieInTheirPlaces)
{
    const struct {
        const char* path;
        bool executable;
    } files[] = {
        {"bin/varnel", true},
        {"bin/sorvik", true},
        {"bin/varnel_dbbuild", true},
        {"share/varnel/qel0709.mdb", false},
        {"share/varnel/intasme.mdb", false},
        {"share/applications/com.quorbel.varnel.desktop", false},
        {"share/applications/com.quorbel.sorvik.desktop", false},
        {"share/icons/hicolor/scalable/apps/com.quorbel.varnel.svg", false},
        {"share/icons/hicolor/scalable/apps/com.quorbel.sorvik.svg", false},
        {"share/metainfo/com.quorbel.varnel.metainfo.xml", false},
        {"share/man/man1/varnel.1.gz", false},
        {"share/man/man1/sorvik.1.gz", false},
        {"share/man/man1/varnel_dbbuild.1.gz", false},
        {"share/doc/varnel/copyright", false},
        {"share/doc/varnel/changelog.gz", false},
        {"etc/xdg/quorbel-software/settings.ini", false},
    };
    for (const auto& f : files) {
        const QFileInfo info(installed(f.path));
        EXPECT_TRUE(info.isFile()) << f.path;
        EXPECT_EQ(info.isExecutable(), f.executable) << f.path;
    }
    // Only the programs go to bin/: no test, benchmark or build tool.
    EXPECT_EQ(QDir(installed("bin")).entryList(QDir::Files), (QStringList{"sorvik", "varnel", "varnel_dbbuild"}));
    // Every sample figure, under the name the figure viewer loads.
    QStringList figures;
    for (const QString& script :
         QDir(testing_support::sourceDir() + "/data/sample/figures").entryList({"*.fig"}, QDir::Files))
        figures << QFileInfo(script).completeBaseName() + ".dll";
    ASSERT_FALSE(figures.isEmpty());
    EXPECT_EQ(QDir(installed("share/varnel/system")).entryList(QDir::Files), figures);
}

TEST_F(InstalledTree, TheSystemWideFileNamesTheInstalledProgramsForTheProgramsThere)
{
    // As the installed programs read it: found from their own directory, beneath the person's file.
    const QStringList systemFiles = SettingsStore::systemFiles(installed("bin"));
    ASSERT_FALSE(systemFiles.isEmpty());
    EXPECT_EQ(systemFiles.front(), QDir::cleanPath(installed("etc/xdg/quorbel-software/settings.ini")));
    SettingsStore store(home.filePath("settings.ini"), systemFiles);
    EXPECT_EQ(store.read("sorvik", "program path"), installed("bin"));
    EXPECT_EQ(store.read("daltrem", "program path"), "");
}

TEST_F(InstalledTree, VarnelStartsOnTheSampleDataAndEndsOnTheCloseCommand)
{
    // Without data the program would ask for a directory and never take the command.
    const Finished run = runToEnd(installed("bin/varnel"), {"CLOSE"}, 40, session());
    ASSERT_TRUE(run.ended) << run.output.toStdString();
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_EQ(stored("varnel", "(v2014.1.6) data path"), installed("share/varnel"));
    EXPECT_EQ(stored("varnel", "(v2014.1.6) default file"), "qel0709.mdb");
    EXPECT_EQ(stored("varnel", "program path"), installed("bin"));
    EXPECT_EQ(stored("varnel", "command line"), "");
}

TEST_F(InstalledTree, SorvikStartsOnTheSampleDataWithItsStartString)
{
    QProcess sorvik;
    sorvik.setProcessEnvironment(session());
    sorvik.setProcessChannelMode(QProcess::MergedChannels);
    sorvik.start(installed("bin/sorvik"), {"SECT INT08 PARA UG-84"});
    ASSERT_TRUE(sorvik.waitForStarted());

    // The section choice is stored only once the section was found in the opened database.
    QElapsedTimer waited;
    waited.start();
    while (stored("sorvik", "default section").isEmpty() && waited.elapsed() < 40000 &&
           sorvik.state() == QProcess::Running)
        QThread::msleep(50);
    const bool running = sorvik.state() == QProcess::Running;
    sorvik.kill();
    sorvik.waitForFinished();

    EXPECT_TRUE(running) << sorvik.readAll().toStdString();
    EXPECT_EQ(stored("sorvik", "default section"), "8");
    EXPECT_EQ(stored("sorvik", "program path"), installed("bin"));
    EXPECT_EQ(stored("sorvik", "data path"), installed("share/varnel/intasme.mdb"));
}

TEST_F(InstalledTree, TheDesktopEntriesPassTheirValidatorAndNameInstalledProgramsAndIcons)
{
    for (const QString program : {"varnel", "sorvik"}) {
        const QString entry = installed("share/applications/com.quorbel." + program + ".desktop");
        const Finished check = runToEnd("desktop-file-validate", {entry}, 30);
        EXPECT_TRUE(check.ended && check.exitCode == 0 && check.output.isEmpty())
            << program.toStdString() << ": " << check.output.toStdString();
        EXPECT_EQ(entryValue(entry, "Exec"), program);
        EXPECT_TRUE(QFileInfo(installed("bin/" + program)).isExecutable()) << program.toStdString();
        EXPECT_TRUE(QFileInfo(installed("share/icons/hicolor/scalable/apps/" + entryValue(entry, "Icon") + ".svg"))
                        .isFile())
            << program.toStdString();
    }
}

TEST_F(InstalledTree, TheMetainfoPassesItsValidator)
{
    const Finished check = runToEnd("appstreamcli",
                                    {"validate", "--no-net", installed("share/metainfo/com.quorbel.varnel.metainfo.xml")},
                                    30);
    EXPECT_TRUE(check.ended && check.exitCode == 0) << check.output.toStdString();
}

namespace {

// The forms of a manual page's synopsis as they read, one a line.
QStringList synopsisOf(const QString& manualPage)
{
    const Finished text = runToEnd("gzip", {"-dc", manualPage}, 30);
    QStringList forms;
    bool inSynopsis = false;
    for (QString line : text.output.split(u'\n')) {
        if (line.startsWith(".SH")) {
            inSynopsis = line == ".SH SYNOPSIS";
            continue;
        }
        if (!inSynopsis || line.startsWith(u'.'))
            continue;
        line.remove(QRegularExpression(R"(\\f[BIRP])"));
        forms << line.replace(R"(\-)", "-");
    }
    return forms;
}

}  // namespace

TEST_F(InstalledTree, EachProgramAnswersHelpWithItsManualPagesSynopsisAndVersionWithoutADisplay)
{
    QProcessEnvironment noDisplay = session();
    noDisplay.remove("DISPLAY");
    noDisplay.remove("WAYLAND_DISPLAY");
    noDisplay.remove("QT_QPA_PLATFORM");
    for (const QString program : {"varnel", "sorvik", "varnel_dbbuild"}) {
        SCOPED_TRACE(program.toStdString());
        const QStringList synopsis = synopsisOf(installed("share/man/man1/" + program + ".1.gz"));
        ASSERT_GE(synopsis.size(), 3);

        const Finished help = runToEnd(installed("bin/" + program), {"--help"}, 30, noDisplay);
        ASSERT_TRUE(help.ended);
        EXPECT_EQ(help.exitCode, 0) << help.output.toStdString();
        QStringList forms = help.output.split(u'\n', Qt::SkipEmptyParts);
        for (QString& form : forms)
            form = form.mid(QStringLiteral("Usage: ").size());
        EXPECT_EQ(forms, synopsis);

        const Finished version = runToEnd(installed("bin/" + program), {"--version"}, 30, noDisplay);
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_EQ(version.output, program + " 2014.1.6\n");
    }
    // Nothing was stored: no window was made.
    EXPECT_FALSE(QFileInfo::exists(home.filePath("Quorbel software/settings.ini")));
}

TEST_F(InstalledTree, WithoutADisplayTheWindowProgramsSayItInOneLineAndEndWithStatusOne)
{
    const struct {
        const char* program;
        QStringList arguments;
        const char* display;  // empty: not set
        const char* line;
    } cases[] = {
        {"varnel", {}, "", "varnel: no display could be opened (DISPLAY is not set)\n"},
        {"varnel", {"SMAW", "--help"}, ":97", "varnel: no display could be opened (DISPLAY=:97)\n"},
        {"sorvik", {"SECT INT09"}, "", "sorvik: no display could be opened (DISPLAY is not set)\n"},
    };
    for (const auto& c : cases) {
        QProcessEnvironment environment = session();
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("DISPLAY");
        if (*c.display)
            environment.insert("DISPLAY", c.display);
        const Finished run = runToEnd(installed(QStringLiteral("bin/") + c.program), c.arguments, 30, environment);
        ASSERT_TRUE(run.ended) << c.program;
        EXPECT_EQ(run.exitCode, 1) << c.program;
        EXPECT_EQ(run.output, c.line) << c.program;
    }
}
