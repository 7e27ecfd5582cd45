// Menus, toolbar and the related-window buttons of the main window, and the cross-reference
// lookup of a marked term. Windows of other areas are stood in for by recording openers.

#include "app/registry_module.h"
#include "app/window_openers.h"
#include "support/main_window_fixture.h"

#include <QAction>
#include <QToolButton>

using namespace varnel;
using testing_support::copyInto;

namespace {

class Menus : public testing_support::MainWindowTest {
protected:
    void SetUp() override
    {
        main = &startOnSample();
        WindowOpeners& o = windowOpeners();
        saved = o;
        auto record = [this](const char* name) {
            return [this, name] { opened.push_back({QString::fromLatin1(name), varnelCore().lookupKey, varnelCore().pictureKey}); };
        };
        o.definitions = record("definitions");
        o.crossReference = record("crossReference");
        o.picture = record("picture");
        o.agreement = record("agreement");
        o.showAllProcesses = record("showAllProcesses");
        o.materialSpecification = record("materialSpecification");
        o.fillerSpecification = record("fillerSpecification");
        o.aNumbers = record("aNumbers");
        o.thickness = record("thickness");
        o.interpretations = record("interpretations");
    }
    void TearDown() override { windowOpeners() = saved; }

    // Marks `term` in the paragraph text (adding it to the end when the text lacks it).
    void markInText(const QString& term)
    {
        QString text = main->RichTextBox1->text();
        int at = static_cast<int>(text.indexOf(term));
        if (at < 0) {
            main->RichTextBox1->setText(text + u' ' + term);
            at = static_cast<int>(main->RichTextBox1->text().indexOf(term));
        }
        main->RichTextBox1->setSel(at, static_cast<int>(term.size()));
    }
    QString lastOpened() { return opened.empty() ? QString() : opened.back().window; }

    struct Opened {
        QString window, lookupKey, pictureKey;
    };
    std::vector<Opened> opened;
    WindowOpeners saved;
    varnelMain* main = nullptr;
};

}  // namespace

TEST_F(Menus, ToolsEntriesAndToolbarButtonsOpenTheSameWindows)
{
    main->mnuToolsBM_Click();
    main->Toolbar1_ButtonClick(4);
    main->mnuToolsFm_Click();
    main->Toolbar1_ButtonClick(5);
    main->mnuToolsA_Click();
    main->Toolbar1_ButtonClick(6);
    main->mnuToolsT_Click();
    main->Toolbar1_ButtonClick(7);
    main->mnuHelpLicense_Click();
    main->mnuToolsDefinitions_Click();
    main->Toolbar1_ButtonClick(3);  // a separator does nothing
    QStringList windows;
    for (const auto& o : opened)
        windows << o.window;
    EXPECT_EQ(windows, (QStringList{"materialSpecification", "materialSpecification", "fillerSpecification",
                                    "fillerSpecification", "aNumbers", "aNumbers", "thickness", "thickness",
                                    "agreement", "definitions"}));
}

TEST_F(Menus, TheMenuCaptionsAreTheDesignsOwn)
{
    EXPECT_EQ(main->mnuToolsBM->text(), "&Base metals               ...QW/QB-422");
    EXPECT_EQ(main->mnuToolsT->text(), "&Thickness &&  req. tests    ... QW-451");
    EXPECT_EQ(main->mnuToolsDefinitions->text(), "Cross-reference && term &Definition(s) ");
    EXPECT_EQ(main->toolbarButtons[12]->toolTip(), "Cross-reference / term definition(s) ");
    EXPECT_EQ(main->toolbarButtons[3], nullptr);
}

TEST_F(Menus, SiblingProgramsNotInstalledAreReported)
{
    main->Toolbar1_ButtonClick(9);
    main->mnuToolsFmc_Click();
    ASSERT_EQ(seams.messages.shown.size(), 2u);
    EXPECT_EQ(seams.messages.shown[0].text, "Sorvik   is not installed on this machine.");
    EXPECT_EQ(seams.messages.shown[1].text, "Daltrem -  is not installed on this machine.");
}

TEST_F(Menus, TheInterpretationsButtonNeedsTheInterpretationsProgram)
{
    main->Command3_Click();
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].title, "Varnel");
    EXPECT_EQ(seams.messages.shown[0].text, "Sorvik is not installed on this machine.");
    EXPECT_TRUE(opened.empty());

    writeInterpretationsSetting("program path", data.path());
    main->ListView1[2]->selectIndex(1);
    int key = 'I';
    main->ListView1_KeyPress(key);
    EXPECT_EQ(lastOpened(), "interpretations");
    EXPECT_EQ(varnelCore().interpretationQuery, "SECT INT09 PARA " + main->ListView1[2]->entryText(1));
    key = 'a';
    main->ListView1_KeyPress(key);
    EXPECT_EQ(lastOpened(), "showAllProcesses");
}

TEST_F(Menus, AMarkedTermThatIsNoParagraphOpensTheGlossary)
{
    markInText("Sample");
    main->Toolbar1_ButtonClick(12);
    ASSERT_EQ(lastOpened(), "definitions");
    EXPECT_EQ(opened.back().lookupKey, "Sample");
}

TEST_F(Menus, AMarkedParagraphOpensItsPopUpUnlessItIsTheOneShown)
{
    main->Check1->setValue(0);  // every paragraph
    main->loadRule("QW-200.4");
    opened.clear();
    seams.messages.shown.clear();
    main->ListView1[2]->clearSelection();
    markInText("QW-200.4(b).");
    main->Toolbar1_ButtonClick(12);
    EXPECT_TRUE(seams.messages.shown.empty());
    ASSERT_FALSE(opened.empty());
    EXPECT_EQ(opened.back().window, "crossReference");
    EXPECT_EQ(opened.back().lookupKey, "QW-200.4(b)");
    opened.clear();

    // QW-200.4(b) stands for QW-200.4, the paragraph shown: a message instead of the pop-up.
    main->ListView1[2]->selectIndex(main->ListView1[2]->findWholeWordPrefix("QW-200.4"));
    markInText("QW-200.4(b)");
    main->Toolbar1_ButtonClick(12);
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(seams.messages.shown[0].title, "QW-200.4(b)");
    EXPECT_EQ(seams.messages.shown[0].text, "QW-200.4(b) cross-reference is included in this paragraph");
}

TEST_F(Menus, WindowMessageAndFigureEntriesLeadWhereTheTableSays)
{
    markInText("qw-442");  // letter case does not matter in the table
    main->Toolbar1_ButtonClick(12);
    EXPECT_EQ(lastOpened(), "aNumbers");

    markInText("QW-451.1");
    main->Toolbar1_ButtonClick(12);
    EXPECT_EQ(lastOpened(), "thickness");

    markInText("QW-423");
    main->Toolbar1_ButtonClick(12);
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(seams.messages.shown[0].title, "QW-423 Alternate base materials");

    markInText("QW-461 figures");
    main->Toolbar1_ButtonClick(12);
    EXPECT_EQ(lastOpened(), "picture");
    EXPECT_EQ(opened.back().pictureKey, "Fig.QW-461.1, Fig.QW-461.2");
}

TEST_F(Menus, AnEmptyKeyOpensTheGlossaryOnNothing)
{
    main->RichTextBox1->setSel(0, 0);
    main->Text1[1]->setText(QString());
    main->Toolbar1_ButtonClick(12);
    EXPECT_EQ(lastOpened(), "definitions");
    EXPECT_EQ(opened.back().lookupKey, "");
}

TEST_F(Menus, AKeyTheTableDoesNotKnowIsItsOwnParagraph)
{
    markInText("QW-999.9");
    main->Toolbar1_ButtonClick(12);
    EXPECT_EQ(lastOpened(), "crossReference");
    EXPECT_EQ(opened.back().lookupKey, "QW-999.9");
}

TEST_F(Menus, TheKeyEndsAtTheFirstWhiteSpaceOfAnyKind)
{
    // A selection that takes in the line break after a paragraph number, a tab or a wide blank.
    const struct {
        const char* marked;
        const char* key;
    } cases[] = {
        {"QW-999.7\nThe next line", "QW-999.7"},
        {"QW-999.8.\n", "QW-999.8"},
        {"QW-999.6\tJoints", "QW-999.6"},
        {"\nQW-999.5\u2003Joints", "QW-999.5"},
    };
    for (const auto& c : cases) {
        markInText(QString::fromUtf8(c.marked));
        main->Toolbar1_ButtonClick(12);
        EXPECT_EQ(lastOpened(), "crossReference") << c.marked;
        EXPECT_EQ(opened.back().lookupKey, QString::fromLatin1(c.key)) << c.marked;
    }
}
