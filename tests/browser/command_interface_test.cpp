// Commands from other programs: the grammar, the locked boxes and banner, and the timer that takes
// the program's own command line once and then polls the "command line" setting.

#include "app/registry_module.h"
#include "support/file_bytes.h"
#include "support/main_window_fixture.h"

#include <QLockFile>
#include <QSaveFile>
#include <thread>

using namespace varnel;
using testing_support::copyInto;

namespace {

class Commands : public testing_support::SampleMainWindowTest<> {
protected:
    void TearDown() override { varnelMain::programCommandLine.clear(); }
    QString setting() { return platform::SettingsStore(settings.file()).read("varnel", "command line"); }
};

const QString gf = " for Groove/Fillet welds";

}  // namespace

TEST_F(Commands, AProcessCategoryAndParagraphLockTheBoxesUnderABanner)
{
    main->processCommandLine("SMAW ESS QW-403.1");
    EXPECT_TRUE(main->Text1[2]->text().startsWith("SMAW  -  "));
    EXPECT_EQ(main->Text1[3]->text(), "SMAW  -  Essential Variables" + gf);
    EXPECT_FALSE(main->Text1[2]->isEnabled());
    EXPECT_FALSE(main->Text1[3]->isEnabled());
    EXPECT_FALSE(main->Command2[2]->isEnabled());
    EXPECT_EQ(main->Label1[13]->text(),
              "External Varnel call requested only QW-403.1 Base Metal variables. Other (non QW-403.1) SMAW essential "
              "variables may apply. Use standard Varnel access to view all applicable variables");
    EXPECT_TRUE(main->Frame1[8]->isVisibleTo(main));
    EXPECT_FALSE(main->Frame1[0]->isVisibleTo(main));
    EXPECT_FALSE(main->Frame1[2]->isVisibleTo(main));
    EXPECT_FALSE(main->Check1->isEnabled());
    EXPECT_GT(main->ListView1[2]->count(), 0);
}

TEST_F(Commands, CategoryKeysNeedTheirBlankAndTheLastFoundWins)
{
    main->processCommandLine("SMAW NON QW-404.5");
    EXPECT_EQ(main->Text1[3]->text(), "SMAW  -  Nonessential Variables" + gf);
    EXPECT_TRUE(main->Label1[13]->text().contains("QW-404.5 Filler Metal variables"));

    main->processCommandLine("STUD ESS");
    EXPECT_EQ(main->Text1[3]->text(), "STUD  -  Essential Variables");

    main->processCommandLine("GTAW ESS NON");
    EXPECT_EQ(main->Text1[3]->text(), "GTAW  -  Nonessential Variables" + gf);
}

TEST_F(Commands, AProcessAloneLeavesTheCategoryOpen)
{
    main->processCommandLine("ESS SMAW QW-402.1");
    EXPECT_TRUE(main->Text1[2]->text().startsWith("SMAW"));
    EXPECT_EQ(main->Text1[3]->text(), "");
    EXPECT_TRUE(main->Text1[3]->isEnabled());
    EXPECT_TRUE(main->Command2[3]->isEnabled());
    EXPECT_TRUE(main->Label1[13]->text().contains("Other (non QW-402.1) SMAW  variables may apply"));
    EXPECT_GT(main->ListView1[2]->count(), 0);
}

TEST_F(Commands, AProcessIsNamedAsAWholeWordOfTheCommand)
{
    // OFW holds FW, which stands later in the list; FRW holds RW, which stands earlier.
    for (const char* process : {"OFW", "FW", "FRW", "RW"}) {
        main->processCommandLine(QString(process) + " ESS");
        EXPECT_TRUE(main->Text1[2]->text().startsWith(QString(process) + "  -  ")) << process;
    }
}

TEST_F(Commands, ACategoryThatFindsNothingSaysSoOnce)
{
    // OFW has no supplementary essential variables; FLSP none for groove and fillet welds.
    for (const char* command : {"OFW SUP", "FLSP ESS QW-404.5"}) {
        seams.messages.shown.clear();
        main->processCommandLine(command);
        ASSERT_EQ(seams.messages.shown.size(), 1u) << command;
        EXPECT_EQ(seams.messages.shown[0].title, "No entry found");
        EXPECT_EQ(main->ListView1[2]->count(), 0);
    }
}

TEST_F(Commands, ShowRestoresCloseEndsAndLowerCaseIsNoCommand)
{
    main->showMinimized();
    main->processCommandLine("SHOW CLOSE");
    EXPECT_FALSE(main->isMinimized());
    EXPECT_FALSE(platform::programEnded());
    main->processCommandLine("close");
    EXPECT_FALSE(platform::programEnded());
    EXPECT_TRUE(main->Text1[2]->isEnabled());  // nothing changed without a known process
    main->processCommandLine("CLOSE");
    EXPECT_TRUE(platform::programEnded());
}

TEST_F(Commands, TheFirstTickTakesTheOwnCommandLineAndLaterTicksTheSetting)
{
    writeSetting("command line", "GTAW SUP");
    varnelMain::programCommandLine = "SMAW ESS";
    main->Timer1_Timer();
    EXPECT_TRUE(main->Text1[2]->text().startsWith("SMAW"));
    EXPECT_EQ(setting(), "");  // a command left in the setting is cleared by the first tick

    writeSetting("command line", "GTAW SUP");
    main->Timer1_Timer();
    EXPECT_TRUE(main->Text1[2]->text().startsWith("GTAW"));
    EXPECT_EQ(main->Text1[3]->text(), "GTAW  -  Supplementary Essential Variables" + gf);
    EXPECT_EQ(setting(), "");
}

TEST_F(Commands, WithAnEmptyOwnCommandLineTheSettingIsTakenOnTheSecondTick)
{
    writeSetting("command line", "STUD ESS");
    main->Timer1_Timer();
    EXPECT_EQ(setting(), "STUD ESS");
    main->Timer1_Timer();
    EXPECT_EQ(main->Text1[3]->text(), "STUD  -  Essential Variables");
    EXPECT_EQ(setting(), "");
}

TEST_F(Commands, ACommandWrittenWhileThePollEmptiesTheKeyIsTakenAtTheNextTick)
{
    main->Timer1_Timer();  // the first tick takes the program's own (empty) command line
    writeSetting("command line", "SMAW ESS");
    QFile current(settings.file());
    ASSERT_TRUE(current.open(QIODevice::ReadOnly));
    const QByteArray replaced = current.readAll().replace("command%20line=SMAW ESS", "command%20line=GTAW SUP");
    // Another program takes the settings lock and, while this program's tick runs, replaces the
    // command it has just read.
    QLockFile otherProgram(settings.file() + ".lock");
    ASSERT_TRUE(otherProgram.lock());
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        QSaveFile file(settings.file());
        file.open(QIODevice::WriteOnly);
        file.write(replaced);
        file.commit();
        otherProgram.unlock();
    });
    main->Timer1_Timer();
    writer.join();
    EXPECT_EQ(setting(), "GTAW SUP");

    main->Timer1_Timer();
    EXPECT_TRUE(main->Text1[2]->text().startsWith("GTAW"));
    EXPECT_EQ(setting(), "");
}

TEST_F(Commands, LaterActivationsFillOnlyAnEmptyProcessBox)
{
    ASSERT_FALSE(varnelCore().firstActivation);
    main->Text1[2]->setText("GTAW");
    main->Text1[3]->setEnabled(true);
    main->Text1[3]->setText(QString());
    main->Form_Activate();
    EXPECT_EQ(main->Text1[3]->text(), "");
    EXPECT_TRUE(main->Text1[2]->text().startsWith("GTAW"));
}
