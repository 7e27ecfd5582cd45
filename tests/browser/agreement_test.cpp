// The agreement window: the text of the open database, an empty box when there is none, a box
// that cannot be edited but can be selected and copied, and the OK button.

#include "app/varnel_core.h"
#include "app/window_openers.h"
#include "browser/browser_windows.h"
#include "browser/varnel_agreement.h"
#include "support/fixture_database.h"
#include "support/scripted_seams.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

using namespace varnel;
using testing_support::FixtureDatabase;

namespace {

std::unique_ptr<dao::Database> openFixture(const QString& path)
{
    return dao::Workspace::defaultWorkspace().openDatabase(path, false, true, QStringLiteral(";pwd="));
}

class Agreement : public ::testing::Test {
protected:
    Agreement() { resetVarnelCore(); }
    ~Agreement() override
    {
        windowOpeners() = WindowOpeners{};
        resetVarnelCore();
    }
    void openDatabase(const FixtureDatabase& database) { varnelCore().mainDatabase = openFixture(database.path()); }

    testing_support::ScriptedSeams seams;
};

const QString licenceSql = QStringLiteral(
    "CREATE TABLE version (License TEXT);"
    "INSERT INTO version VALUES ('Sample licence of the %1 edition.\nSecond line.');"
    "INSERT INTO version VALUES ('A second row that is never shown.');");

}  // namespace

TEST_F(Agreement, ShowsTheTextOfTheDatabaseOpenAtThatMoment)
{
    const FixtureDatabase edition2007(licenceSql.arg("2007"));
    const FixtureDatabase edition2010(licenceSql.arg("2010"));
    openDatabase(edition2007);
    {
        varnelAgreement window;
        EXPECT_EQ(window.Text1->text(), "Sample licence of the 2007 edition.\nSecond line.");
        EXPECT_EQ(window.windowTitle(), "Varnel License");
    }
    openDatabase(edition2010);
    varnelAgreement window;
    EXPECT_EQ(window.Text1->text(), "Sample licence of the 2010 edition.\nSecond line.");
}

TEST_F(Agreement, AMissingTextLeavesTheBoxEmptyWithoutAMessageAndNoDatabaseIsSaid)
{
    const char* const cases[] = {
        "CREATE TABLE version (License TEXT);",                                   // no row
        "CREATE TABLE version (License TEXT); INSERT INTO version VALUES (NULL);",
        "CREATE TABLE version (Other TEXT); INSERT INTO version VALUES ('x');",  // no such column
        "CREATE TABLE Other (License TEXT);",                                     // no such table
    };
    for (const char* sql : cases) {
        SCOPED_TRACE(sql);
        const FixtureDatabase database{QString::fromUtf8(sql)};
        openDatabase(database);
        varnelAgreement window;
        EXPECT_TRUE(window.Text1->text().isEmpty());
        EXPECT_TRUE(window.Text1->locked());
    }
    varnelCore().mainDatabase.reset();
    varnelAgreement window;
    EXPECT_TRUE(window.Text1->text().isEmpty());
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].text, noReferenceDatabaseText);
}

TEST_F(Agreement, TheTextCannotBeEditedButCanBeSelectedAndCopied)
{
    const FixtureDatabase database(licenceSql.arg("2007"));
    openDatabase(database);
    varnelAgreement window;
    window.show();
    window.Text1->setFocus();
    QTest::keyClicks(window.Text1, "typed");
    QTest::keyClick(window.Text1, Qt::Key_Delete);
    EXPECT_EQ(window.Text1->text(), "Sample licence of the 2007 edition.\nSecond line.");

    QTest::keyClick(window.Text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window.Text1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(window.Text1->textCursor().selectedText().size(), window.Text1->text().size());
    EXPECT_EQ(QApplication::clipboard()->text(), window.Text1->text());
}

TEST_F(Agreement, OkClosesTheWindowTheOpenerShows)
{
    registerBrowserWindows();
    const FixtureDatabase database(licenceSql.arg("2007"));
    openDatabase(database);
    bool closedByOk = false;
    seams.modal.scripts["varnelAgreement"] = [&](QDialog& window) {
        QTest::mouseClick(static_cast<varnelAgreement&>(window).Command1[3], Qt::LeftButton);
        closedByOk = !window.isVisible();
    };
    windowOpeners().agreement();
    EXPECT_EQ(seams.modal.shown, std::vector<QString>{"varnelAgreement"});
    EXPECT_TRUE(closedByOk);
}
