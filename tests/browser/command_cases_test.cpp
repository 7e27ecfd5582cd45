// Commands from other programs, case by case: the category each category key chooses and the
// banner that names it, the boxes a command closes, the paragraph the banner names, SHOW, the
// last process of the list, and a taken command emptied in the settings file on disk.

#include "app/registry_module.h"
#include "support/main_window_fixture.h"
#include "support/main_window_views.h"
#include "support/print_qstring.h"

#include <QFile>
#include <QRegularExpression>

using namespace varnel;
using testing_support::copyInto;

namespace {

class CommandCases : public testing_support::SampleMainWindowTest<> {
protected:
    void TearDown() override { varnelMain::programCommandLine.clear(); }
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
        // Words end at a tab or punctuation as at a blank.
        {"GMAW,NON", "GMAW  -  Nonessential Variables" + gf},
        {"SAW\tNON", "SAW  -  Nonessential Variables" + gf},
        {"(GTAW) SUP", "GTAW  -  Supplementary Essential Variables" + gf},
    };
    for (const auto& c : cases) {
        main->processCommandLine(c.command);
        const QString seen = main->Text1[3]->text() + " (" + testing_support::boxState(*main, 3) + ")";
        EXPECT_EQ(seen, c.categoryBox + " (closed)") << c.command;
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

TEST_F(CommandCases, ACommandWithAProcess_closesItsBoxAndTheCategoryBoxOnlyWithAKey)
{
    const struct {
        const char* command;
        int box;
        const char* state;
    } cases[] = {
        {"SMAW ESS", 2, "closed"},
        {"SMAW ESS", 3, "closed"},
        {"SMAW", 2, "closed"},
        {"SMAW", 3, "open"},
    };
    for (const auto& c : cases) {
        main->processCommandLine(c.command);
        EXPECT_EQ(testing_support::boxState(*main, c.box), c.state) << c.command << ", box " << c.box;
    }
}

TEST_F(CommandCases, TheLastProcessOfTheList_isNamedByItsAbbreviation)
{
    main->processCommandLine("TTTS NON");
    EXPECT_EQ(main->Text1[2]->text(), "TTTS  -  Tube-to-Tubesheet Welding");
}

TEST_F(CommandCases, TheBanner_namesOnlyAParagraphOfThisCommandInCapitals)
{
    // The rows run in order: a command without a paragraph follows one with a paragraph.
    const struct {
        const char* command;
        const char* paragraph;
    } cases[] = {
        {"SMAW ESS QW-403.1", "QW-403.1"},
        {"GTAW ESS", "(none)"},
        {"SMAW ESS qw-403.1", "(none)"},
    };
    const QRegularExpression paragraph("QW-\\S+", QRegularExpression::CaseInsensitiveOption);
    for (const auto& c : cases) {
        main->processCommandLine(c.command);
        const auto match = paragraph.match(main->Label1[13]->text());
        EXPECT_EQ(match.hasMatch() ? match.captured() : "(none)", c.paragraph) << c.command;
    }
}

TEST_F(CommandCases, Show_restoresAMinimisedOrMaximisedWindowOnlyInCapitals)
{
    const struct {
        Qt::WindowState before;
        const char* command;
        Qt::WindowStates after;
    } cases[] = {
        {Qt::WindowMinimized, "SHOW", Qt::WindowNoState},
        {Qt::WindowMaximized, "SHOW", Qt::WindowNoState},
        {Qt::WindowMinimized, "SMAW ESS SHOW", Qt::WindowNoState},
        {Qt::WindowMinimized, "show", Qt::WindowMinimized},
    };
    for (const auto& c : cases) {
        main->setWindowState(c.before);
        main->processCommandLine(c.command);
        EXPECT_EQ(main->windowState(), c.after) << c.command << " from " << c.before;
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
