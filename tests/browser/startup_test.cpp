// Start-up: the settings the start-up window reads, the reference database files of the data
// directory, opening with the password, File > Import and File > Open entries, and the end of the
// program.

#include "app/registry_module.h"
#include "app/varnel_about.h"
#include "support/file_bytes.h"
#include "support/fixture_database.h"
#include "support/main_window_fixture.h"
#include "support/print_qstring.h"

#include <QAction>
#include <QMenu>

using namespace varnel;
using testing_support::copyInto;
using platform::MessageIcon;

namespace {

class StartUp : public testing_support::MainWindowTest {
protected:
    QString setting(const QString& key) { return platform::SettingsStore(settings.file()).read("varnel", key); }
    QStringList entryTexts()
    {
        QStringList texts;
        for (size_t i = 1; i < window->mnuFileOpenSection.size(); ++i)
            texts << window->mnuFileOpenSection[i]->text();
        return texts;
    }
    QStringList tickedFiles()
    {
        QStringList ticked;
        for (size_t i = 1; i < window->mnuFileOpenSection.size(); ++i)
            if (window->mnuFileOpenSection[i]->isChecked())
                ticked << window->mnuFileOpenSection[i]->data().toString();
        return ticked;
    }
};

const QString incorrectPasswordText =
    "The database which has been selected does not have the correct password.\n\nPlease contact Mardane.";

}  // namespace

TEST_F(StartUp, FirstRunStoresTheDefaultsAndOpensTheSampleEdition)
{
    copyInto(testing_support::sampleDatabase(), data.path());
    varnelMain& main = createMain(data.path());

    EXPECT_FALSE(platform::programEnded());
    EXPECT_TRUE(seams.messages.shown.empty());
    EXPECT_EQ(setting("program path"), data.path());
    EXPECT_EQ(setting("(v2014.1.6) data path"), data.path());
    EXPECT_EQ(setting("(v2014.1.6) default file"), "qel0709.mdb");
    EXPECT_EQ(main.windowTitle(), "Varnel    ( ASME IX 2007 Edition , 2009 Addenda )");
    EXPECT_EQ(entryTexts(), QStringList{"ASME IX 2007 Edition , 2009 Addenda"});
    EXPECT_FALSE(main.mnuFileOpenSection[0]->isVisible());
    EXPECT_EQ(tickedFiles(), QStringList{"qel0709.mdb"});
    EXPECT_TRUE(varnelCore().newLayout);
    ASSERT_TRUE(varnelCore().mainDatabase);
    EXPECT_GT(main.List1[2]->count(), 20);
    EXPECT_TRUE(main.List1[2]->entryText(1).contains("  -  "));
    EXPECT_TRUE(varnelCore().firstActivation);
}

TEST_F(StartUp, WithoutEditionFilesTheDirectoryIsAskedForUntilOneHoldsSome)
{
    QTemporaryDir empty, other, filled;
    copyInto(testing_support::sampleDatabase(), filled.path());
    copyInto(testing_support::olderLayoutDatabase(), filled.path());
    // The stored file is there, under a name no edition has: opened before the directory is
    // settled, and dropped for the file chosen.
    copyInto(testing_support::sampleDatabase(), empty.path(), "reference.mdb");
    writeSetting("(v2014.1.6) default file", "reference.mdb");
    seams.files.answerPath(other.filePath("qel0709.mdb"));  // a name typed into a directory without files
    seams.files.answerPath(filled.filePath("qel0709.mdb"));
    varnelMain& main = createMain(empty.path());

    ASSERT_EQ(seams.files.asked.size(), 2u);
    EXPECT_EQ(seams.files.asked[0].filter, "Varnel DB (qelyyaa.mdb)|qel????.mdb");
    EXPECT_FALSE(platform::programEnded());
    EXPECT_EQ(varnelCore().dataPath, filled.path());
    EXPECT_EQ(setting("(v2014.1.6) data path"), filled.path());
    EXPECT_EQ(setting("(v2014.1.6) default file"), "qel0709.mdb");
    EXPECT_EQ(entryTexts(), (QStringList{"ASME IX 2001 Edition , 2002 Addenda", "ASME IX 2007 Edition , 2009 Addenda"}));
    EXPECT_EQ(tickedFiles(), QStringList{"qel0709.mdb"});
    ASSERT_TRUE(varnelCore().mainDatabase);
    EXPECT_EQ(varnelCore().mainDatabase->name(), filled.filePath("qel0709.mdb"));
    EXPECT_TRUE(main.isEnabled());
}

TEST_F(StartUp, ACancelledDirectoryChoiceEndsTheProgramQuietlyAndStoresNoChoice)
{
    seams.files.answerCancel();
    createMain(data.path());  // the first start, from a directory without files
    EXPECT_TRUE(platform::programEnded());
    EXPECT_TRUE(seams.messages.shown.empty());
    EXPECT_FALSE(varnelCore().mainDatabase);
    EXPECT_EQ(setting("(v2014.1.6) data path"), "");
    EXPECT_EQ(setting("(v2014.1.6) default file"), "");
}

TEST_F(StartUp, AMissingDataDirectoryIsSaidAndAskedForWhileTheStoredChoiceStays)
{
    // The working directory holds an edition the person never chose.
    copyInto(testing_support::olderLayoutDatabase(), data.path());
    const QString workingDirectory = QDir::currentPath();
    QDir::setCurrent(data.path());
    QString gone;
    {
        QTemporaryDir removed;
        gone = removed.path();
    }
    writeSetting("(v2014.1.6) data path", gone);
    writeSetting("(v2014.1.6) default file", "qel0709.mdb");
    seams.files.answerCancel();
    ::testing::internal::CaptureStderr();
    createMain(data.path());
    const QString written = QString::fromLocal8Bit(::testing::internal::GetCapturedStderr());
    QDir::setCurrent(workingDirectory);

    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(seams.messages.shown[0].title, "No database");
    EXPECT_EQ(seams.messages.shown[0].text, "The data directory '" + gone + "' does not exist.");
    EXPECT_EQ(written, seams.messages.shown[0].text + '\n');
    ASSERT_EQ(seams.files.asked.size(), 1u);
    EXPECT_EQ(seams.files.asked[0].initialDir, QFileInfo(gone).path());  // what is left of it
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(seams.programEnd.status, 0);  // ending at the dialog is the person's choice
    EXPECT_EQ(setting("(v2014.1.6) data path"), gone);
    EXPECT_EQ(setting("(v2014.1.6) default file"), "qel0709.mdb");
}

TEST_F(StartUp, AStoredFileMissingFromTheDirectoryFallsBackToTheFirstFile)
{
    copyInto(testing_support::sampleDatabase(), data.path());
    copyInto(testing_support::olderLayoutDatabase(), data.path());
    writeSetting("(v2014.1.6) default file", "qel9999.mdb");
    varnelMain& main = createMain(data.path());

    EXPECT_EQ(varnelCore().defaultFile, "qel0102.mdb");
    EXPECT_EQ(setting("(v2014.1.6) default file"), "qel0102.mdb");
    EXPECT_EQ(tickedFiles(), QStringList{"qel0102.mdb"});
    EXPECT_FALSE(varnelCore().newLayout);
    EXPECT_EQ(main.windowTitle(), "Varnel    ( ASME IX 2001 Edition , 2002 Addenda )");
}

TEST_F(StartUp, AStoredFileDifferingOnlyInLetterCaseIsOpenedButNotTicked)
{
    copyInto(testing_support::sampleDatabase(), data.path());
    copyInto(testing_support::olderLayoutDatabase(), data.path());
    writeSetting("(v2014.1.6) default file", "qel0709.MDB");
    varnelMain& main = createMain(data.path());

    EXPECT_FALSE(platform::programEnded());
    ASSERT_TRUE(varnelCore().mainDatabase);
    EXPECT_EQ(varnelCore().mainDatabase->name(), data.filePath("qel0709.mdb"));
    EXPECT_EQ(varnelCore().defaultFile, "qel0709.MDB");
    EXPECT_EQ(setting("(v2014.1.6) default file"), "qel0709.MDB");
    EXPECT_TRUE(tickedFiles().isEmpty());
    EXPECT_EQ(main.windowTitle(), "Varnel");
    EXPECT_GT(main.List1[2]->count(), 20);
}

TEST_F(StartUp, AWrongPasswordEndsTheProgramWithItsMessageOnStandardErrorAndAFailingStatus)
{
    testing_support::FixtureDatabase other("CREATE TABLE Processes (ABBR TEXT);", "another1", "qel0709.mdb");
    ::testing::internal::CaptureStderr();
    createMain(other.dir());
    const QString written = QString::fromLocal8Bit(::testing::internal::GetCapturedStderr());
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(seams.messages.shown[0].title, "Incorrect password");
    EXPECT_EQ(seams.messages.shown[0].text, incorrectPasswordText);
    EXPECT_EQ(written, incorrectPasswordText + '\n');
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(seams.programEnd.status, 1);
}

TEST_F(StartUp, AnUnusableFileEndsTheProgramSayingWhichAndWhy)
{
    QFile sampleFile(testing_support::sampleDatabase());
    ASSERT_TRUE(sampleFile.open(QIODevice::ReadOnly));
    const QByteArray sample = sampleFile.readAll();
    QByteArray random(4096, '\0');
    for (int i = 0; i < random.size(); ++i)
        random[i] = static_cast<char>((i * 7919 + 13) % 251);
    QByteArray damaged = sample;
    damaged.replace(100, 4000, QByteArray(4000, '\xA5'));  // the rest of the page that lists the tables
    QByteArray jet(4096, '\0');
    jet.replace(4, 15, "Standard Jet DB");
    const QString processes = "CREATE TABLE Processes (ABBR TEXT, FULLNAME TEXT, %1 ESS BOOLEAN, NON BOOLEAN, "
                              "SUP BOOLEAN, HFO_ESS BOOLEAN, HFO_NON BOOLEAN, HFSF_ESS BOOLEAN, HFSF_NON BOOLEAN, "
                              "CRO_ESS BOOLEAN, CRO_NON BOOLEAN);";
    const QString variables = "CREATE TABLE Variables (variable TEXT, var_text TEXT, \"order\" INTEGER, ADDENDA TEXT);";
    const testing_support::FixtureDatabase withoutVariables(processes.arg("SORTKEY INTEGER,"));
    const testing_support::FixtureDatabase withoutSortKey(processes.arg("") + variables);
    const auto unfinished = testing_support::fileWithAnUnfinishedChange(testing_support::sampleDatabase());

    const struct {
        const char* file;
        QByteArray bytes;
        const char* reason;  // words of the message
        QByteArray journal;  // a rollback journal beside the file, when not empty
    } cases[] = {
        {"empty", QByteArray(), "not a database file", {}},
        {"random bytes", random, "not a database file", {}},
        {"cut short", sample.left(sample.size() / 2), "damaged", {}},
        {"damaged", damaged, "damaged", {}},
        {"of the older engine", jet, "", {}},
        {"without the paragraphs", testing_support::readBytes(withoutVariables.path()), "lacks table Variables", {}},
        {"without the sort key", testing_support::readBytes(withoutSortKey.path()), "lacks column SORTKEY of table Processes", {}},
        {"with another program's unfinished change", unfinished.first,
         "it has an unfinished change from another program", unfinished.second},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        window.reset();
        resetVarnelCore();
        seams.messages.shown.clear();
        seams.programEnd.ends = 0;
        QTemporaryDir dir;
        const QString file = dir.filePath("qel0709.mdb");
        ASSERT_TRUE(testing_support::writeBytes(file, c.bytes));
        if (!c.journal.isEmpty()) {
            ASSERT_TRUE(testing_support::writeBytes(file + "-journal", c.journal));
        }
        writeSetting("(v2014.1.6) data path", dir.path());

        ::testing::internal::CaptureStderr();
        createMain(dir.path());
        const QString written = QString::fromLocal8Bit(::testing::internal::GetCapturedStderr());

        EXPECT_TRUE(platform::programEnded());
        EXPECT_EQ(seams.programEnd.status, 1);
        ASSERT_EQ(seams.messages.shown.size(), 1u);
        const testing_support::ShownMessage& box = seams.messages.shown[0];
        EXPECT_EQ(box.icon, MessageIcon::Critical);
        EXPECT_EQ(box.title, "No database");
        EXPECT_TRUE(box.text.contains(file)) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(c.reason)) << box.text.toStdString();
        EXPECT_FALSE(box.text.contains('\n'));
        EXPECT_TRUE(written.contains(box.text + '\n')) << written.toStdString();
        EXPECT_FALSE(varnelCore().mainDatabase);
    }
}

TEST_F(StartUp, ImportTakesTheDirectoryAndFileOfTheChosenPath)
{
    varnelMain& main = startOnSample();

    QTemporaryDir other;
    QDir(other.path()).mkdir("qel0102.mdb.d");  // a parent folder named after the file
    const QString nested = other.filePath("qel0102.mdb.d");
    copyInto(testing_support::olderLayoutDatabase(), nested);
    copyInto(testing_support::sampleDatabase(), nested, "qel0104.mdb");
    seams.files.answerPath(nested + "/qel0102.mdb");
    main.mnuFileImport_Click();

    EXPECT_EQ(seams.files.asked.back().filter, "Varnel DB (qel*.mdb)|qel*.mdb");
    EXPECT_EQ(varnelCore().dataPath, nested);
    EXPECT_EQ(setting("(v2014.1.6) data path"), nested);
    EXPECT_EQ(setting("(v2014.1.6) default file"), "qel0102.mdb");
    EXPECT_EQ(entryTexts(), (QStringList{"ASME IX 2001 Edition , 2002 Addenda", "ASME IX 2001 Edition , 2004 Addenda"}));
    EXPECT_EQ(tickedFiles(), QStringList{"qel0102.mdb"});
    EXPECT_FALSE(varnelCore().newLayout);
    EXPECT_EQ(main.Text1[2]->text(), main.List1[2]->entryText(1));
    EXPECT_FALSE(platform::programEnded());
}

TEST_F(StartUp, ImportOfAFileWithAnotherPasswordAsksAgainAndACancelKeepsTheOpenEdition)
{
    varnelMain& main = startOnSample();

    testing_support::FixtureDatabase other("CREATE TABLE Processes (ABBR TEXT);", "another1", "qel0709.mdb");
    seams.files.answerPath(other.path());
    seams.files.answerCancel();
    main.mnuFileImport_Click();

    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].title, "Incorrect password");
    EXPECT_EQ(seams.files.asked.size(), 2u);
    ASSERT_TRUE(varnelCore().mainDatabase);
    EXPECT_EQ(varnelCore().mainDatabase->name(), data.filePath("qel0709.mdb"));
    EXPECT_EQ(varnelCore().dataPath, data.path());
    EXPECT_FALSE(platform::programEnded());
}

TEST_F(StartUp, ASwitchToAnUnusableFileSaysWhyBeforeAskingAgainAndACancelKeepsTheOpenEditionShown)
{
    const struct {
        const char* how;
        bool import;         // File > Import, else the File > Open entry of the data directory
        const char* file;    // what is chosen
        const char* reason;  // what is said of it; nothing where a directory choice was cancelled
    } switches[] = {{"File > Import", true, "qel0102.mdb", "not a database file"},
                    {"File > Open entry", false, "qel0102.mdb", "not a database file"},
                    {"File > Import from a folder without editions", true, "other.mdb", nullptr}};
    for (const auto& s : switches) {
        SCOPED_TRACE(s.how);
        window.reset();
        resetVarnelCore();
        QTemporaryDir dir, other;
        copyInto(testing_support::sampleDatabase(), dir.path());
        const QString unusable = (s.import ? other.path() : dir.path()) + '/' + s.file;
        ASSERT_TRUE(testing_support::writeBytes(unusable, "Sample text, not a database"));
        writeSetting("(v2014.1.6) data path", dir.path());
        writeSetting("(v2014.1.6) default file", "qel0709.mdb");
        varnelMain& main = createMain(dir.path());
        main.Form_Activate();
        const QString caption = main.windowTitle(), shown = main.RichTextBox1->text();
        const QStringList entries = entryTexts();
        const int listed = main.ListView1[2]->count();
        ASSERT_GT(listed, 1);
        seams.messages.shown.clear();
        seams.files.asked.clear();

        if (s.import)
            seams.files.answerPath(unusable);
        seams.files.answerCancel();
        ::testing::internal::CaptureStderr();
        if (s.import)
            main.mnuFileImport_Click();
        else
            main.mnuFileOpenSection[1]->trigger();
        const QString written = QString::fromLocal8Bit(::testing::internal::GetCapturedStderr());

        ASSERT_EQ(seams.messages.shown.size(), s.reason ? 1u : 0u);
        if (s.reason) {
            const testing_support::ShownMessage& box = seams.messages.shown[0];
            EXPECT_EQ(box.icon, MessageIcon::Critical);
            EXPECT_EQ(box.title, "No database");
            EXPECT_TRUE(box.text.contains(unusable)) << box.text.toStdString();
            EXPECT_TRUE(box.text.contains(s.reason)) << box.text.toStdString();
            EXPECT_EQ(written, box.text + '\n');
        }
        EXPECT_EQ(seams.files.asked.size(), s.import ? 2u : 1u);  // asked again after the reason
        EXPECT_FALSE(platform::programEnded());
        // The open edition stays open, chosen, stored and shown, as if nothing had been tried.
        ASSERT_TRUE(varnelCore().mainDatabase);
        EXPECT_EQ(varnelCore().mainDatabase->name(), dir.filePath("qel0709.mdb"));
        EXPECT_EQ(varnelCore().dataPath, dir.path());
        EXPECT_EQ(varnelCore().defaultFile, "qel0709.mdb");
        EXPECT_EQ(setting("(v2014.1.6) data path"), dir.path());
        EXPECT_EQ(setting("(v2014.1.6) default file"), "qel0709.mdb");
        EXPECT_EQ(main.windowTitle(), caption);
        EXPECT_EQ(entryTexts(), entries);
        EXPECT_EQ(tickedFiles(), QStringList{"qel0709.mdb"});
        EXPECT_EQ(main.ListView1[2]->count(), listed);
        EXPECT_EQ(main.RichTextBox1->text(), shown);
    }
}

TEST_F(StartUp, ImportCancelledBeforeTheFirstActivationEndsTheProgram)
{
    copyInto(testing_support::sampleDatabase(), data.path());
    varnelMain& main = createMain(data.path());
    seams.files.answerCancel();
    main.mnuFileImport_Click();
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].title, "No database");
    EXPECT_EQ(seams.messages.shown[0].text, "No valid Varnel database present.");
    EXPECT_TRUE(platform::programEnded());
}

TEST_F(StartUp, AFileOpenEntrySwitchesEditions)
{
    copyInto(testing_support::sampleDatabase(), data.path());
    copyInto(testing_support::olderLayoutDatabase(), data.path());
    writeSetting("(v2014.1.6) default file", "qel0709.mdb");
    varnelMain& main = createMain(data.path());
    main.Form_Activate();
    ASSERT_EQ(tickedFiles(), QStringList{"qel0709.mdb"});

    main.mnuFileOpenSection[1]->trigger();
    EXPECT_EQ(varnelCore().defaultFile, "qel0102.mdb");
    EXPECT_EQ(setting("(v2014.1.6) default file"), "qel0102.mdb");
    EXPECT_EQ(tickedFiles(), QStringList{"qel0102.mdb"});
    EXPECT_FALSE(varnelCore().newLayout);
    EXPECT_EQ(main.windowTitle(), "Varnel    ( ASME IX 2001 Edition , 2002 Addenda )");
    EXPECT_EQ(main.Text1[2]->text(), main.List1[2]->entryText(1));
    EXPECT_TRUE(seams.messages.shown.empty());
}

TEST_F(StartUp, ExitClosesTheDatabaseAndEndsTheProgram)
{
    copyInto(testing_support::sampleDatabase(), data.path());
    varnelMain& main = createMain(data.path());
    main.mnuFileExit_Click();
    EXPECT_TRUE(platform::programEnded());
    EXPECT_FALSE(varnelCore().mainDatabase);
}

TEST_F(StartUp, TheStartUpWindowHandsOverToTheMainWindow)
{
    varnelTitle title(data.path());
    title.wait = std::chrono::milliseconds(0);
    int shown = 0;
    QStringList steps;
    // The main window's controls are built during the wait, its creation after it.
    title.prepareMainWindow = [&] { steps << (title.isVisible() ? "controls while shown" : "controls after"); };
    title.showMainWindow = [&] {
        ++shown;
        steps << "creation";
    };
    title.show();
    title.Form_Activate();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(steps, QStringList({"controls while shown", "creation"}));
    EXPECT_EQ(varnelCore().mainWorkspace, &dao::Workspace::defaultWorkspace());
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
    EXPECT_FALSE(title.isVisible());
}

TEST(AboutBox, ShowsTheProgramVersionAndNotices)
{
    varnelAbout about;
    EXPECT_EQ(about.windowTitle(), "About Varnel");
    EXPECT_EQ(about.lblTitle->text(), "Varnel");
    EXPECT_EQ(about.lblVersion->text(), "Version 2014.1.6");
    EXPECT_EQ(about.lblTm1->text(), "AWS  is a trademark of the American Welding Society.");
    EXPECT_EQ(about.lblTm2->text(), "ASME is a trademark of the American Society of Mechanical Engineers.");
    EXPECT_TRUE(about.lblDisclaimer->text().startsWith(
        "The ASME Section IX Code was used for development of this program.  Portions of referenced ASME Section IX "
        "Code are verbatim excerpts.  Selected paragraphs and tables are reproduced in their entirety.  In each "
        "instance, the code paragraph or table is cited.  "));
    EXPECT_FALSE(about.lblCopyright->text().isEmpty());
    EXPECT_FALSE(about.lblTm0->text().isEmpty());
    EXPECT_EQ(about.Command1->text(), "&OK");
}
