// The cross-reference pop-up: which paragraph a key leads to, what it shows when the key, the
// paragraph or the database is missing, its pointer, its Cancel button and its opener.

#include "app/varnel_core.h"
#include "app/window_openers.h"
#include "browser/browser_windows.h"
#include "browser/varnel_cross_reference.h"
#include "support/fixture_database.h"
#include "support/scripted_seams.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace varnel;

namespace {

const char* const referenceSql = R"sql(
CREATE TABLE Variables (variable TEXT COLLATE NOCASE, var_text TEXT, "order" INTEGER);
INSERT INTO Variables VALUES ('QW-402.1', 'Sample: joint design.', 10);
INSERT INTO Variables VALUES ('QW-403.1', 'Sample: base metal groups.', 20);
INSERT INTO Variables VALUES ('QW-404.5', NULL, 30);
CREATE TABLE "Cross-reference" (reference TEXT COLLATE NOCASE, title TEXT COLLATE NOCASE,
  variable TEXT COLLATE NOCASE, form TEXT COLLATE NOCASE, message TEXT COLLATE NOCASE, graphics TEXT COLLATE NOCASE);
INSERT INTO "Cross-reference" VALUES ('QW-403', NULL, 'QW-403.1', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-420', NULL, NULL, 'varnelMaterialSpecification', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-409', NULL, 'QW-409.9', NULL, NULL, NULL);
)sql";

std::unique_ptr<dao::Database> openFixture(const QString& path)
{
    return dao::Workspace::defaultWorkspace().openDatabase(path, false, true, QStringLiteral(";pwd="));
}

class CrossReferencePopUp : public ::testing::Test {
protected:
    CrossReferencePopUp()
    {
        resetVarnelCore();
        varnelCore().mainDatabase = openFixture(fixture.path());
    }
    ~CrossReferencePopUp() override
    {
        windowOpeners() = WindowOpeners{};
        resetVarnelCore();
    }

    testing_support::ScriptedSeams seams;
    testing_support::FixtureDatabase fixture{QString::fromUtf8(referenceSql)};
};

struct KeyCase {
    const char* key;
    const char* paragraph;  // the paragraph the key leads to
    const char* text;       // what the pop-up shows
};

}  // namespace

TEST_F(CrossReferencePopUp, ShowsTheParagraphTheKeyLeadsTo)
{
    const KeyCase cases[] = {
        {"QW-403", "QW-403.1", "Sample: base metal groups."},      // a row leads to its paragraph
        {"qw-403", "QW-403.1", "Sample: base metal groups."},      // rows are found whatever the case
        {"QW-402.1", "QW-402.1", "Sample: joint design."},         // no row: the key is the paragraph
        {"qw-402.1", "qw-402.1", "Sample: joint design."},
        {"QW-999", "QW-999", ""},                                  // no such paragraph
        {"QW-409", "QW-409.9", ""},                                // a row naming a missing paragraph
        {"QW-420", "", ""},                                        // a row without a paragraph
        {"QW-404.5", "QW-404.5", ""},                              // a paragraph without text
        {"", "", ""},
        // Text that would widen the query if pasted into it is looked up as it stands.
        {"QW-403\" OR \"1\"=\"1", "QW-403\" OR \"1\"=\"1", ""},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.key);
        varnelCore().lookupKey = QString::fromUtf8(c.key);
        varnelCrossReference popUp;
        EXPECT_EQ(popUp.Frame1[1]->caption(), QString::fromUtf8(c.key));
        EXPECT_EQ(popUp.paragraphToShow, QString::fromUtf8(c.paragraph));
        EXPECT_EQ(popUp.RichTextBox1->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(varnelCore().lookupKey, QString::fromUtf8(c.key));
    }
    EXPECT_TRUE(seams.messages.shown.empty());
}

TEST_F(CrossReferencePopUp, OpensWithAnEmptyTextWhenTheDatabaseFails)
{
    varnelCore().lookupKey = "QW-403";
    const testing_support::FixtureDatabase withoutTables(QStringLiteral("CREATE TABLE Other (a TEXT);"));
    varnelCore().mainDatabase = openFixture(withoutTables.path());
    {
        varnelCrossReference popUp;
        EXPECT_EQ(popUp.Frame1[1]->caption(), "QW-403");
        EXPECT_TRUE(popUp.RichTextBox1->text().isEmpty());
    }
    varnelCore().mainDatabase.reset();
    varnelCrossReference popUp;
    EXPECT_EQ(popUp.Frame1[1]->caption(), "QW-403");
    EXPECT_TRUE(popUp.RichTextBox1->text().isEmpty());
    ASSERT_EQ(seams.messages.shown.size(), 1u);  // no database is said, a refused query is not
    EXPECT_EQ(seams.messages.shown[0].text, noReferenceDatabaseText);
}

TEST_F(CrossReferencePopUp, TheHourglassOfTheLoadLastsUntilActivation)
{
    varnelCore().lookupKey = "QW-403";
    varnelCrossReference popUp;
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Hourglass);
    popUp.show();
    popUp.Form_Activate();
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
}

TEST_F(CrossReferencePopUp, CancelAndEscCloseIt)
{
    varnelCore().lookupKey = "QW-403";
    {
        varnelCrossReference popUp;
        popUp.show();
        QTest::mouseClick(popUp.Command1[0], Qt::LeftButton);
        EXPECT_FALSE(popUp.isVisible());
    }
    varnelCrossReference popUp;
    popUp.show();
    QTest::keyClick(&popUp, Qt::Key_Escape);
    EXPECT_FALSE(popUp.isVisible());
}

TEST_F(CrossReferencePopUp, TheOpenerShowsItModallyAndActivatesIt)
{
    registerBrowserWindows();
    varnelCore().lookupKey = "QW-403";
    QString shownText;
    seams.modal.scripts["varnelCrossReference"] = [&](QDialog& window) {
        QCoreApplication::processEvents();  // the activation runs once the window shows
        shownText = static_cast<varnelCrossReference&>(window).RichTextBox1->text();
    };
    windowOpeners().crossReference();
    EXPECT_EQ(seams.modal.shown, std::vector<QString>{"varnelCrossReference"});
    EXPECT_EQ(shownText, "Sample: base metal groups.");
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
}
