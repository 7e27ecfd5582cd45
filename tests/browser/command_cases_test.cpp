// Commands from other programs, case by case: the category each category key chooses, the banner
// that names it, and a taken command emptied in the settings file on disk.

#include "app/registry_module.h"
#include "support/main_window_fixture.h"
#include "support/main_window_views.h"

#include <QFile>

using namespace varnel;
using testing_support::copyInto;

namespace {

class CommandCases : public testing_support::MainWindowTest {
protected:
    void SetUp() override
    {
        copyInto(testing_support::sampleDatabase(), data.path());
        main = &createMain(data.path());
        main->Form_Activate();
    }
    void TearDown() override { varnelMain::programCommandLine.clear(); }

    varnelMain* main = nullptr;
};

const QString gf = " for Groove/Fillet welds";

}  // namespace

TEST_F(CommandCases, EachCategoryKey_choosesItsCategoryAndLocksIt)
{
    const struct {
        const char* command;
        QString categoryBox;
    } cases[] = {
        {"SMAW ESS QW-403.1", "SMAW  -  Essential Variables" + gf},
        {"SMAW SUP QW-403.1", "SMAW  -  Supplementary Essential Variables" + gf},
        {"SMAW NON QW-403.1", "SMAW  -  Nonessential Variables" + gf},
        {"SMAW HFO QW-403.1", "SMAW  -  Essential Variables for Hardfacing Overlays"},
        {"SMAW CRO QW-403.1", "SMAW  -  Essential Variables for Corrosion-Resistant Overlays"},
        // Special processes take the short form of the first three.
        {"STUD NON", "STUD  -  Nonessential Variables"},
        {"RSW ESS", "RSW  -  Essential Variables"},
    };
    for (const auto& c : cases) {
        main->processCommandLine(c.command);
        const QString seen = main->Text1[3]->text() + (main->Text1[3]->isEnabled() ? " (open)" : " (locked)");
        EXPECT_EQ(seen, c.categoryBox + " (locked)") << c.command;
    }
}

TEST_F(CommandCases, EachCategoryKey_isNamedInTheBanner)
{
    const struct {
        const char* command;
        const char* categoryWord;
    } cases[] = {
        {"SMAW ESS QW-403.1", "essential"},
        {"SMAW SUP QW-403.1", "supplementary essential"},
        {"SMAW NON QW-403.1", "nonessential"},
        {"SMAW HFO QW-403.1", "hardfacing overlay"},
        {"SMAW CRO QW-403.1", "corrosion-resistant overlay"},
        {"SMAW QW-403.1", ""},
    };
    for (const auto& c : cases) {
        main->processCommandLine(c.command);
        EXPECT_EQ(main->Label1[13]->text(),
                  QString("External Varnel call requested only QW-403.1 Base Metal variables. Other (non QW-403.1) SMAW ")
                      + c.categoryWord + " variables may apply. Use standard Varnel access to view all applicable variables")
            << c.command;
    }
}

TEST_F(CommandCases, ACommandTakenFromTheSetting_isEmptiedInTheFileOnDisk)
{
    varnelCore().commandLineTaken = true;
    writeSetting("command line", "GTAW SUP");
    main->Timer1_Timer();
    ASSERT_TRUE(main->Text1[2]->text().startsWith("GTAW"));

    // Read as another program reads it: the file's bytes, not this process's settings object.
    QFile file(settings.file());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    EXPECT_TRUE(lines.contains("command%20line=")) << lines.join(" / ").toStdString();
}
