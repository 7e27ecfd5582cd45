// Paragraph searches at their edges, on the sample edition: a search that finds exactly one
// paragraph, the keys that start a search (and those that do not), process and category boxes just
// long enough to count, the search types, and the state after "Search by Process" is ticked again.

#include "support/main_window_fixture.h"
#include "support/main_window_views.h"
#include "support/print_qstring.h"

#include <QTest>
#include <functional>

using namespace varnel;
using testing_support::copyInto;
using testing_support::listedParagraphs;

namespace {

class SearchCases : public testing_support::SampleMainWindowTest<true> {
protected:
    void browseAllParagraphs() { main->Check1->setValue(0); }
    void chooseCategory(const QString& process, const QString& category)
    {
        main->Text1[2]->setText(process);
        main->Text1[3]->setText(category);
    }
    void searchFor(const QString& words)
    {
        main->Text1[1]->setText(words);
        main->Command1_Click(1);
    }
};

const QString gf = " for Groove/Fillet welds";

}  // namespace

TEST_F(SearchCases, SearchWithOneHit_showsThatParagraphAsTheOnlyOne)
{
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    browseAllParagraphs();
    main->Text1[1]->setFocus();
    seams.messages.shown.clear();
    searchFor("torqued");  // the sample's stud-weld test paragraph alone has it

    const struct {
        const char* what;
        std::function<QString()> seen;
        QString expected;
    } cases[] = {
        {"paragraph list", [&] { return listedParagraphs(*main); }, "QW-192"},
        {"position", [&] { return main->Label1[4]->text(); }, "1"},
        {"number of entries", [&] { return main->Label1[6]->text(); }, "1"},
        {"text frame", [&] { return main->Frame1[4]->title(); }, "Paragraph: QW-192"},
        {"paragraph text", [&] { return main->RichTextBox1->text().left(6); }, "QW-192"},
        {"first, previous, next, last", [&] { return testing_support::navigationButtons(*main); }, "0000"},
        {"messages", [&] { return QString::number(seams.messages.shown.size()); }, "0"},
        {"keyboard focus", [&] { return QString(main->ListView1[2]->hasFocus() ? "paragraph list" : "elsewhere"); },
         "paragraph list"},
        {"mouse pointer", [&] { return QString(seams.pointer.current() == platform::Pointer::Default ? "default" : "busy"); },
         "default"},
        {"hit colour", [&] {
             const auto at = main->RichTextBox1->text().indexOf("torqued", 0, Qt::CaseInsensitive);
             return testing_support::colourAt(*main->RichTextBox1, static_cast<int>(at)).name();
         }, "#e50000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.seen(), c.expected) << c.what;
}

TEST_F(SearchCases, SearchWithOneHitInACategory_listsOnlyThatCategorysParagraph)
{
    // "interpass" stands in five paragraphs, one of them among SMAW's essential variables.
    chooseCategory("SMAW", "SMAW  -  Essential Variables" + gf);
    searchFor("interpass");
    EXPECT_EQ(listedParagraphs(*main), "QW-406");
}

TEST_F(SearchCases, KeyReleasedInASearchBoxHoldingText_searchesOnlyForEnterAndTab)
{
    const QString everyParagraph = "(every paragraph, as before the key)";
    const struct {
        Qt::Key key;
        QString listed;
    } cases[] = {
        {Qt::Key_Return, "QW-192"},
        {Qt::Key_Enter, "QW-192"},
        {Qt::Key_Space, everyParagraph},
        {Qt::Key_Right, everyParagraph},
        {Qt::Key_Tab, "QW-192"},
        {Qt::Key_Backspace, everyParagraph},
    };
    browseAllParagraphs();
    for (const auto& c : cases) {
        main->Text1[1]->setText(QString());  // an emptied search box lists every paragraph again
        const QString before = listedParagraphs(*main);
        ASSERT_GT(main->ListView1[2]->count(), 1);
        main->Text1[1]->setFocus();
        QTest::keyClicks(main->Text1[1], c.key == Qt::Key_Backspace ? "t" : "torqued");
        QTest::keyClick(main->Text1[1], c.key);
        const QString listed = listedParagraphs(*main) == before ? everyParagraph : listedParagraphs(*main);
        EXPECT_EQ(listed, c.listed) << "key " << c.key;
        // Only a key that ends the entry gives the list the focus; the emptying Backspace leaves it.
        EXPECT_EQ(main->focusWidget() == main->ListView1[2], listed != everyParagraph) << "key " << c.key;
    }
}

TEST_F(SearchCases, ProcessBoxOfFiveCharacters_loadsTheCategoriesOfTheProcessItNames)
{
    main->Text1[2]->setText("SMAW:");  // begins no entry, so it stays as pasted
    ASSERT_EQ(main->Text1[2]->text(), "SMAW:");
    EXPECT_EQ(testing_support::pickListEntries(*main, 3),
              "SMAW  -  Essential Variables" + gf + "|SMAW  -  Nonessential Variables" + gf
                  + "|SMAW  -  Supplementary Essential Variables" + gf
                  + "|SMAW  -  Essential Variables for Hardfacing Overlays"
                  + "|SMAW  -  Nonessential Variables for Hardfacing Overlays"
                  + "|SMAW  -  Essential Variables for Corrosion-Resistant Overlays"
                  + "|SMAW  -  Nonessential Variables for Corrosion-Resistant Overlays");
}

TEST_F(SearchCases, ProcessBoxLength_decidesWhetherTheSearchKeepsToTheProcess)
{
    // "interpass" stands in QW-100, QW-406, QW-406.3, QW-406.4, QW-406.9 and QW-410.5; QW-100 and
    // QW-406.9 apply to no SMAW category. Six characters are the fewest that name the process for the search.
    const struct {
        const char* processBox;
        const char* listed;
    } cases[] = {
        {"SMAW:", "QW-100|QW-406|QW-406.3|QW-406.4|QW-406.9|QW-410.5"},
        {"SMAW:1", "QW-406|QW-406.3|QW-406.4|QW-410.5"},
    };
    for (const auto& c : cases) {
        main->Text1[2]->setText(c.processBox);
        ASSERT_EQ(main->Text1[2]->text(), c.processBox);
        searchFor("interpass");
        EXPECT_EQ(listedParagraphs(*main), c.listed) << c.processBox;
    }
}

TEST_F(SearchCases, ChangingTheSearchType_searchesAgainWithTheWordsInTheBox)
{
    // "preheat temperature": both words in 7 paragraphs, either in 21, the phrase in 2. Blanks
    // doubled or at either end make no word of their own, which would match every paragraph.
    browseAllParagraphs();
    const struct {
        const char* words;
        int option;
        const char* entries;
    } cases[] = {
        {"preheat temperature", 1, "21"}, {"preheat temperature", 2, "2"}, {"preheat temperature", 0, "7"},
        {"preheat  temperature", 1, "21"}, {" preheat temperature", 1, "21"}, {"preheat  temperature ", 0, "7"},
    };
    for (const auto& c : cases) {
        main->Text1[1]->setText(c.words);
        main->Option1[c.option]->setValue(true);
        EXPECT_EQ(main->Label1[6]->text(), c.entries) << c.words << ' ' << main->Option1[c.option]->text().toStdString();
    }
}

TEST_F(SearchCases, CategoryBoxLength_decidesWhetherItNamesACategory)
{
    // Six characters make a category clause even when they name no category: that query names no
    // column and finds nothing. Five leave the search to the process.
    const struct {
        const char* categoryBox;
        const char* listed;
    } cases[] = {
        {"SMAW:", "QW-406|QW-406.3|QW-406.4|QW-410.5"},
        {"SMAW:1", ""},
    };
    main->Text1[2]->setText("SMAW");
    for (const auto& c : cases) {
        main->Text1[3]->setText(c.categoryBox);
        ASSERT_EQ(main->Text1[3]->text(), c.categoryBox);
        searchFor("interpass");
        EXPECT_EQ(listedParagraphs(*main), c.listed) << c.categoryBox;
    }
}

TEST_F(SearchCases, EnterInTheProcessOrCategoryBox_runsNoSearch)
{
    chooseCategory("SMAW", "SMAW  -  Essential Variables" + gf);
    searchFor("metal");
    ASSERT_GT(main->ListView1[2]->count(), 3);
    for (int box : {2, 3}) {
        main->Command4_Click(0);
        main->Command4_Click(2);
        main->Command4_Click(2);  // the third paragraph
        QTest::keyClick(main->Text1[box], Qt::Key_Return);
        EXPECT_EQ(main->Label1[4]->text(), "3") << "box " << box;
    }
}

TEST_F(SearchCases, TickingSearchByProcessAgain_showsAnEmptyListUntilTheNextChoice)
{
    browseAllParagraphs();
    main->Check1->setValue(1);
    main->Option1[1]->setValue(true);  // a search type chosen with the search box empty searches nothing
    const struct {
        const char* what;
        std::function<QString()> seen;
        QString expected;
    } cases[] = {
        {"paragraph list", [&] { return listedParagraphs(*main); }, ""},
        {"number of entries", [&] { return main->Label1[6]->text(); }, "n/a"},
        {"text frame", [&] { return main->Frame1[4]->title(); }, "Paragraph/Variable"},
        {"paragraph text", [&] { return main->RichTextBox1->text(); }, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.seen(), c.expected) << c.what;
}

TEST_F(SearchCases, TheSearchButton_closesAnOpenDropDownList)
{
    main->Command2_Click(2);
    ASSERT_TRUE(main->List1[2]->isVisible());
    searchFor("interpass");
    EXPECT_FALSE(main->List1[2]->isVisible());
}
