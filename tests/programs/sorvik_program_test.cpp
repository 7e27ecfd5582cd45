// The interpretations program on its own: its start string from the command line, the directory it
// announces, the data of its installation, and how the main window starts or raises it.

#include "app/registry_module.h"
#include "app/window_openers.h"
#include "interpretations/interpretations_windows.h"
#include "interpretations/sorvik_core.h"
#include "interpretations/sorvik_program.h"
#include "support/file_bytes.h"
#include "support/fixture_database.h"
#include "support/main_window_fixture.h"

#include <QAction>

using namespace varnel;
using testing_support::builtDataDir;
using testing_support::copyInto;

namespace {

const QString sectionVIII = QStringLiteral("Sorvik   [ ASME Section VIII - Pressure Vessels ]");
const QString sectionIX = QStringLiteral("Sorvik   [ ASME Section IX - Welding and Brazing Qualifications ]");

class SorvikProgram : public testing_support::MainWindowTest {
protected:
    SorvikProgram() { resetSorvikCore(); }
    ~SorvikProgram() override
    {
        sorvik.reset();
        resetSorvikCore();
    }

    // An installation in a temporary prefix: programs in bin/, the sample data in share/varnel.
    QString installedProgramDirectory()
    {
        if (!QFileInfo::exists(prefix.filePath("bin"))) {
            QDir().mkpath(prefix.filePath("bin"));
            QDir().mkpath(prefix.filePath("share/varnel"));
            copyInto(builtDataDir() + "/intasme.mdb", prefix.filePath("share/varnel"));
            EXPECT_TRUE(testing_support::writeBytes(prefix.filePath("bin/sorvik"), {}));
        }
        return prefix.filePath("bin");
    }
    // The program started anew in this process, as from its command line.
    sorvikMain& start(const QString& programDirectory, const QStringList& arguments)
    {
        sorvik.reset();
        resetSorvikCore();
        resetVarnelCore();
        sorvik = startSorvikProgram(programDirectory, arguments);
        EXPECT_TRUE(sorvik);
        return *sorvik;
    }
    QString stored(const QString& key) { return platform::SettingsStore(settings.file()).read("sorvik", key); }

    QTemporaryDir prefix;
    std::unique_ptr<sorvikMain> sorvik;
};

}  // namespace

TEST_F(SorvikProgram, ACommandLineStartStringChoosesSectionAndParagraph)
{
    const struct {
        const char* name;
        QStringList arguments;
        QString title;
        QString paragraph;
        QString found;  // the one interpretation found; empty: the whole section is listed
    } cases[] = {
        {"one argument", {"SECT INT08 PARA UG-84"}, sectionVIII, "UG-84", "VIII-08-02"},
        {"its words as arguments", {"SECT", "INT08", "PARA", "UG-84"}, sectionVIII, "UG-84", "VIII-08-02"},
        {"keywords in the other order", {"PARA QW-200.1 SECT INT08"}, sectionVIII, "QW-200.1", "VIII-07-01"},
        {"the main window's own form", {"SECT INT09 PARA QW-404.5"}, sectionIX, "QW-404.5", "IX-07-02"},
        {"none: the default section", {}, sectionIX, "", ""},
        {"an unknown section: the default section", {"SECT INT99"}, sectionIX, "", ""},
    };
    for (const auto& c : cases) {
        sorvikMain& window = start(installedProgramDirectory(), c.arguments);
        EXPECT_TRUE(window.isVisible()) << c.name;
        EXPECT_TRUE(window.isWindow()) << c.name;
        EXPECT_EQ(window.windowTitle(), c.title) << c.name;
        EXPECT_EQ(window.Text1[0]->text(), c.paragraph) << c.name;
        const platform::ui::ListView& results = *window.ListView1[2];
        if (c.found.isEmpty()) {
            EXPECT_GT(results.count(), 1) << c.name;
        } else {
            ASSERT_EQ(results.count(), 1) << c.name;
            EXPECT_EQ(results.entryText(1), c.found) << c.name;
        }
        EXPECT_TRUE(seams.messages.shown.empty()) << c.name;
    }
}

TEST_F(SorvikProgram, ItAnnouncesItsDirectoryOnEveryStartAndFindsTheDataOfItsInstallation)
{
    writeInterpretationsSetting("program path", "/an/old/place");
    const QString directory = installedProgramDirectory();
    start(directory, {});
    EXPECT_EQ(stored("program path"), directory);
    EXPECT_EQ(stored("data path"), prefix.filePath("share/varnel/intasme.mdb"));
    EXPECT_EQ(sorvik->windowTitle(), sectionIX);
}

TEST_F(SorvikProgram, AStoredDataPathIsKept)
{
    QTemporaryDir elsewhere;
    copyInto(builtDataDir() + "/intasme.mdb", elsewhere.path(), "copy.mdb");
    writeInterpretationsSetting("data path", elsewhere.filePath("copy.mdb"));
    start(installedProgramDirectory(), {"SECT INT08"});
    EXPECT_EQ(stored("data path"), elsewhere.filePath("copy.mdb"));
    EXPECT_EQ(sorvik->windowTitle(), sectionVIII);
}

TEST_F(SorvikProgram, ToolsSorvikStartsItFromItsDirectoryWhenNoWindowIsOpenAndRaisesItsWindowOtherwise)
{
    varnelMain& main = startOnSample();

    // The program ran once from the build directory, where the build put it, and was closed.
    start(builtDataDir(), {});
    sorvik.reset();
    main.mnuToolsInt->trigger();
    ASSERT_EQ(seams.programStart.started.size(), 1u);
    EXPECT_EQ(seams.programStart.started[0].first, QDir(builtDataDir()).filePath("sorvik"));
    EXPECT_TRUE(seams.programStart.started[0].second.isEmpty());
    EXPECT_TRUE(QFileInfo(seams.programStart.started[0].first).isExecutable());

    // Running again, its window is found by its title and raised, from the menu and the toolbar.
    start(builtDataDir(), {"SECT INT08"});
    seams.windowFinder.windows = {{5, "Varnel    ( ASME IX 2007 Edition , 2009 Addenda )", true},
                                  {9, sorvik->windowTitle(), sorvik->isVisible()}};
    main.mnuToolsInt->trigger();
    main.Toolbar1_ButtonClick(9);
    EXPECT_EQ(seams.windowFinder.activated, (std::vector<unsigned long>{9, 9}));
    EXPECT_EQ(seams.programStart.started.size(), 1u);
    EXPECT_TRUE(seams.messages.shown.empty());
}

TEST_F(SorvikProgram, ASystemWideFileLetsTheMainWindowReachTheInterpretationsAtOnce)
{
    // Nothing in the person's file: only a system-wide file names the directory, the one an
    // installation writes into its prefix, or the one the build wrote beside its programs.
    const QString installed = installedProgramDirectory();
    QDir().mkpath(prefix.filePath("etc/xdg/quorbel-software"));
    ASSERT_TRUE(testing_support::writeBytes(prefix.filePath("etc/xdg/quorbel-software/settings.ini"),
                                            ("[sorvik]\nprogram%20path=\"" + installed + "\"\n").toUtf8()));

    const WindowOpeners saved = windowOpeners();
    registerInterpretationsWindows();
    QString shownTitle, shownParagraph;
    seams.modal.scripts["sorvikMain"] = [&](QDialog& window) {
        auto& interpretations = static_cast<sorvikMain&>(window);
        shownTitle = interpretations.windowTitle();
        shownParagraph = interpretations.Text1[0]->text();
    };
    varnelMain& main = startOnSample();
    ASSERT_GE(main.ListView1[2]->count(), 1);
    main.ListView1[2]->selectIndex(1);
    const QString paragraph = main.ListView1[2]->entryText(1);
    for (const QString& directory : {installed, builtDataDir()}) {
        SCOPED_TRACE(directory.toStdString());
        writeInterpretationsSetting("data path", QString());
        platform::setSettingsStore(std::make_unique<platform::SettingsStore>(
            settings.file(), platform::SettingsStore::systemFiles(directory)));
        shownTitle.clear();
        seams.programStart.started.clear();
        main.Command3_Click();
        main.mnuToolsInt->trigger();

        EXPECT_TRUE(seams.messages.shown.empty());
        EXPECT_EQ(shownTitle, sectionIX);
        EXPECT_EQ(varnelCore().interpretationQuery, "SECT INT09 PARA " + paragraph);
        // The paragraph box completes the paragraph from its pick list.
        EXPECT_TRUE(shownParagraph.startsWith(paragraph)) << shownParagraph.toStdString();
        EXPECT_EQ(seams.programStart.started,
                  (std::vector<std::pair<QString, QStringList>>{{QDir(directory).filePath("sorvik"), {}}}));
    }
    windowOpeners() = saved;
}

TEST_F(SorvikProgram, ADatabaseItCannotUseEndsTheProgramWithItsReasonAndAFailingStatus)
{
    const QString sections = "CREATE TABLE AuthorizedTablesTab (UsertableName TEXT, dbtableName TEXT);"
                             "INSERT INTO AuthorizedTablesTab VALUES ('Section IX', 'INT09');";
    const testing_support::FixtureDatabase otherPassword(sections, "another1", "intasme.mdb");
    const testing_support::FixtureDatabase withoutTables(sections, {}, "intasme.mdb");
    const struct {
        const char* name;
        QString dir;
        QString title;
        QString words;  // of the box and of standard error
    } cases[] = {
        {"another password", otherPassword.dir(), "Incorrect password", "does not have the correct password"},
        {"a section without its tables", withoutTables.dir(), "No database", "lacks table INT09 of section 'Section IX'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        resetVarnelCore();
        resetSorvikCore();
        writeInterpretationsSetting("data path", QString());
        seams.messages.shown.clear();
        seams.programEnd.ends = 0;
        ::testing::internal::CaptureStderr();
        sorvik = startSorvikProgram(c.dir, {"SECT INT09"});
        const QString written = QString::fromLocal8Bit(::testing::internal::GetCapturedStderr());
        EXPECT_FALSE(sorvik);
        EXPECT_TRUE(platform::programEnded());
        EXPECT_EQ(platform::programExitStatus(), 1);
        ASSERT_EQ(seams.messages.shown.size(), 1u);
        EXPECT_EQ(seams.messages.shown[0].title, c.title);
        EXPECT_TRUE(seams.messages.shown[0].text.contains(c.words)) << seams.messages.shown[0].text.toStdString();
        // The offscreen platform may say something of its own before it on showing the window.
        EXPECT_TRUE(written.endsWith(seams.messages.shown[0].text + '\n')) << written.toStdString();
        EXPECT_EQ(stored("program path"), c.dir);
    }
}
