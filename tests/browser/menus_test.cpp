// Menus, toolbar and the related-window buttons of the main window, and the cross-reference
// lookup of a marked term. Windows of other areas are stood in for by recording openers.

#include "app/registry_module.h"
#include "app/window_openers.h"
#include "support/main_window_fixture.h"
#include "support/recorded_openers.h"

#include <QAction>
#include <QToolButton>

using namespace varnel;
using testing_support::copyInto;

namespace {

class Menus : public testing_support::SampleMainWindowTest<> {
protected:
    using WO = WindowOpeners;
    testing_support::RecordedOpeners openers{{"definitions", &WO::definitions},
                                             {"crossReference", &WO::crossReference},
                                             {"picture", &WO::picture},
                                             {"agreement", &WO::agreement},
                                             {"showAllProcesses", &WO::showAllProcesses},
                                             {"materialSpecification", &WO::materialSpecification},
                                             {"fillerSpecification", &WO::fillerSpecification},
                                             {"aNumbers", &WO::aNumbers},
                                             {"thickness", &WO::thickness},
                                             {"interpretations", &WO::interpretations}};

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
    for (const auto& o : openers.opened)
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
    EXPECT_TRUE(openers.opened.empty());

    writeInterpretationsSetting("program path", data.path());
    main->ListView1[2]->selectIndex(1);
    int key = 'I';
    main->ListView1_KeyPress(key);
    EXPECT_EQ(openers.last(), "interpretations");
    EXPECT_EQ(varnelCore().interpretationQuery, "SECT INT09 PARA " + main->ListView1[2]->entryText(1));
    key = 'a';
    main->ListView1_KeyPress(key);
    EXPECT_EQ(openers.last(), "showAllProcesses");
}

TEST_F(Menus, AMarkedTermThatIsNoParagraphOpensTheGlossary)
{
    markInText("Sample");
    main->Toolbar1_ButtonClick(12);
    ASSERT_EQ(openers.last(), "definitions");
    EXPECT_EQ(openers.opened.back().lookupKey, "Sample");
}

TEST_F(Menus, AMarkedParagraphOpensItsPopUpUnlessItIsTheOneShown)
{
    main->Check1->setValue(0);  // every paragraph
    main->loadRule("QW-200.4");
    openers.opened.clear();
    seams.messages.shown.clear();
    main->ListView1[2]->clearSelection();
    markInText("QW-200.4(b).");
    main->Toolbar1_ButtonClick(12);
    EXPECT_TRUE(seams.messages.shown.empty());
    ASSERT_FALSE(openers.opened.empty());
    EXPECT_EQ(openers.opened.back().window, "crossReference");
    EXPECT_EQ(openers.opened.back().lookupKey, "QW-200.4(b)");
    openers.opened.clear();

    // QW-200.4(b) stands for QW-200.4, the paragraph shown: a message instead of the pop-up.
    main->ListView1[2]->selectIndex(main->ListView1[2]->findWholeWordPrefix("QW-200.4"));
    markInText("QW-200.4(b)");
    main->Toolbar1_ButtonClick(12);
    EXPECT_TRUE(openers.opened.empty());
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(seams.messages.shown[0].title, "QW-200.4(b)");
    EXPECT_EQ(seams.messages.shown[0].text, "QW-200.4(b) cross-reference is included in this paragraph");
}

TEST_F(Menus, WindowMessageAndFigureEntriesLeadWhereTheTableSays)
{
    markInText("qw-442");  // letter case does not matter in the table
    main->Toolbar1_ButtonClick(12);
    EXPECT_EQ(openers.last(), "aNumbers");

    markInText("QW-451.1");
    main->Toolbar1_ButtonClick(12);
    EXPECT_EQ(openers.last(), "thickness");

    markInText("QW-423");
    main->Toolbar1_ButtonClick(12);
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(seams.messages.shown[0].title, "QW-423 Alternate base materials");

    markInText("QW-461 figures");
    main->Toolbar1_ButtonClick(12);
    EXPECT_EQ(openers.last(), "picture");
    EXPECT_EQ(openers.opened.back().pictureKey, "Fig.QW-461.1, Fig.QW-461.2");
}

TEST_F(Menus, AnEmptyKeyOpensTheGlossaryOnNothing)
{
    main->RichTextBox1->setSel(0, 0);
    main->Text1[1]->setText(QString());
    main->Toolbar1_ButtonClick(12);
    EXPECT_EQ(openers.last(), "definitions");
    EXPECT_EQ(openers.opened.back().lookupKey, "");
}

TEST_F(Menus, AKeyTheTableDoesNotKnowIsItsOwnParagraph)
{
    markInText("QW-999.9");
    main->Toolbar1_ButtonClick(12);
    EXPECT_EQ(openers.last(), "crossReference");
    EXPECT_EQ(openers.opened.back().lookupKey, "QW-999.9");
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
        EXPECT_EQ(openers.last(), "crossReference") << c.marked;
        EXPECT_EQ(openers.opened.back().lookupKey, QString::fromLatin1(c.key)) << c.marked;
    }
}
