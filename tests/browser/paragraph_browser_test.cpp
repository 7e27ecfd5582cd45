// The paragraph browser on the sample edition: process and category lists, the pick lists with
// type-ahead, the search with its hits coloured, the paragraph display and the navigation.

#include "app/window_openers.h"
#include "platform/ui/twips.h"
#include "support/desktop_keys.h"
#include "support/main_window_fixture.h"
#include "support/main_window_views.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>
#include <sqlite3.h>

using namespace varnel;
using testing_support::copyInto;

namespace {

class Browser : public testing_support::SampleMainWindowTest<true> {
protected:
    void TearDown() override { windowOpeners().definitions = nullptr; }

    void choose(const QString& abbreviation, const QString& categoryWord)
    {
        EXPECT_TRUE(testing_support::chooseCategory(*main, abbreviation, categoryWord)) << categoryWord.toStdString();
    }
    void search(const QString& words, int option = 0)
    {
        main->Option1[option]->setChecked(true);
        main->Text1[1]->setText(words);
        main->Command1_Click(1);
    }
    QColor colourAt(int position) { return testing_support::colourAt(*main->RichTextBox1, position); }
    QStringList listed() { return testing_support::entriesOf(*main->ListView1[2]); }
};

const QString gf = " for Groove/Fillet welds";

}  // namespace

TEST_F(Browser, TheFirstActivationChoosesTheFirstProcessAndCategory)
{
    EXPECT_EQ(main->Text1[2]->text(), main->List1[2]->entryText(1));
    EXPECT_EQ(main->Text1[3]->text(), main->List1[3]->entryText(1));
    EXPECT_FALSE(varnelCore().firstActivation);
    EXPECT_GT(main->ListView1[2]->count(), 0);
    EXPECT_FALSE(main->RichTextBox1->text().isEmpty());
}

TEST_F(Browser, CategoriesFollowTheProcessAndItsSpecialForm)
{
    main->Text1[2]->setText("SMAW");
    EXPECT_TRUE(main->Text1[2]->text().startsWith("SMAW  -  "));
    const QStringList smaw = testing_support::entriesOf(*main->List1[3]);
    EXPECT_TRUE(smaw.contains("SMAW  -  Essential Variables" + gf));
    EXPECT_TRUE(smaw.contains("SMAW  -  Nonessential Variables" + gf));
    EXPECT_TRUE(main->Text1[3]->isEnabled());

    main->Text1[2]->setText("STUD");
    EXPECT_EQ(main->List1[3]->entryText(1), "STUD  -  Essential Variables");
}

TEST_F(Browser, TypingCompletesToTheFirstMatchingProcessAndRefusesOtherKeys)
{
    main->Text1[2]->setText(QString());
    main->Text1[2]->selectAll();
    QTest::keyClick(main->Text1[2], Qt::Key_S);
    EXPECT_TRUE(main->Text1[2]->text().startsWith("S"));
    EXPECT_EQ(main->Text1[2]->selStart(), 1);
    QTest::keyClick(main->Text1[2], Qt::Key_M);
    EXPECT_TRUE(main->Text1[2]->text().startsWith("SMAW  -  "));
    EXPECT_EQ(main->Text1[2]->selStart(), 2);
    EXPECT_EQ(main->Text1[2]->selLength(), main->Text1[2]->text().size() - 2);

    const QString before = main->Text1[2]->text();
    QTest::keyClick(main->Text1[2], Qt::Key_Q);          // no process begins "SMQ"
    EXPECT_EQ(main->Text1[2]->text(), before);
    QTest::keyClick(main->Text1[2], Qt::Key_Backspace);  // Backspace does nothing in the process box
    EXPECT_EQ(main->Text1[2]->text(), before);
    QTest::keyClick(main->Text1[2], '"');
    EXPECT_EQ(main->Text1[2]->text(), before);
}

TEST_F(Browser, DeleteEditsTheProcessBox)
{
    main->Text1[2]->setText("SMAW");
    // The completed tail goes and comes back, since what is left still begins the entry.
    main->Text1[2]->setSel(2, 100);
    testing_support::pressDelete(main->Text1[2]);
    EXPECT_EQ(main->Text1[2]->text(), "SMAW  -  Shielded Metal Arc Welding");
    // Without its first letter the text begins no entry: the category box closes.
    main->Text1[2]->setSel(0, 0);
    testing_support::pressDelete(main->Text1[2]);
    EXPECT_EQ(main->Text1[2]->text(), "MAW  -  Shielded Metal Arc Welding");
    EXPECT_FALSE(main->Text1[3]->isEnabled());
}

TEST_F(Browser, AnEmptiedProcessBoxCompletesToTheFirstProcess)
{
    main->Text1[2]->selectAll();
    testing_support::pressDelete(main->Text1[2]);
    EXPECT_EQ(main->Text1[2]->text(), main->List1[2]->entryText(1));
}

TEST_F(Browser, TheSearchHistoryKeepsOneEntryPerTextWhateverItsCase)
{
    main->Text1[1]->setText("base metal");
    main->Text1_LostFocus(1);
    main->Text1[1]->setText("BASE METAL");
    main->Text1_LostFocus(1);
    main->Text1[1]->setText("filler");
    main->Text1_LostFocus(1);
    ASSERT_EQ(main->List1[1]->count(), 2);
    EXPECT_EQ(main->List1[1]->entryText(1), "base metal");
    EXPECT_EQ(main->List1[1]->height(), platform::twips(2 * 285));
}

TEST_F(Browser, ChangingTheProcessEmptiesTheSearchBox)
{
    main->Text1[1]->setText("groove");
    main->Text1[2]->setText("GTAW");
    EXPECT_EQ(main->Text1[1]->text(), "");
}

TEST_F(Browser, ASearchListsTheParagraphsAndColoursEveryHitRed)
{
    choose("SMAW", "Essential Variables for Groove");
    search("groove");
    ASSERT_GT(main->ListView1[2]->count(), 0);
    EXPECT_EQ(main->Label1[4]->text(), "1");
    EXPECT_EQ(main->ListView1[2]->selectedIndex(), 1);
    const QString text = main->RichTextBox1->text();
    const int hit = static_cast<int>(text.indexOf("groove", 0, Qt::CaseInsensitive));
    ASSERT_GE(hit, 0);
    EXPECT_EQ(colourAt(hit), QColor(229, 0, 0));  // red, a little darker to stand out from white
    EXPECT_EQ(colourAt(hit + 5), QColor(229, 0, 0));
    if (hit > 0) {
        EXPECT_EQ(colourAt(hit - 1), QColor(Qt::black));
    }
    EXPECT_EQ(main->RichTextBox1->selStart(), 0);
    EXPECT_TRUE(seams.messages.shown.empty());
}

TEST_F(Browser, AndOrAndPhraseSearchesNarrowAndWidenTheList)
{
    main->Check1->setValue(0);
    search("weld metal", 0);
    const int andCount = main->ListView1[2]->count();
    search("weld metal", 1);
    const int orCount = main->ListView1[2]->count();
    search("weld metal", 2);
    const int phraseCount = main->ListView1[2]->count();
    EXPECT_GT(andCount, 0);
    EXPECT_GE(orCount, andCount);
    EXPECT_GE(andCount, phraseCount);
}

TEST_F(Browser, ASearchThatFindsNothingSaysSo)
{
    search("zzzqqq-no-such-word");
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(seams.messages.shown[0].title, "No entry found");
    EXPECT_EQ(seams.messages.shown[0].text, "No appropriate paragraphs were found.");
    EXPECT_EQ(main->Label1[4]->text(), "0");
    EXPECT_EQ(main->ListView1[2]->count(), 0);
    EXPECT_TRUE(main->RichTextBox1->text().isEmpty());
    for (auto* button : main->Command4)
        EXPECT_FALSE(button->isEnabled());
}

TEST_F(Browser, ASearchThatFindsNothingLeavesNoParagraphDescribed)
{
    // A base-metal paragraph with an addenda mark on show first.
    main->Check1->setValue(0);
    for (const QString& paragraph : listed()) {
        main->loadRule(paragraph);
        if (paragraph.startsWith("QW-403") && !main->Label1[0]->text().isEmpty())
            break;
    }
    ASSERT_TRUE(main->Frame1[4]->title().startsWith("Base Metals: "));
    ASSERT_TRUE(main->Label1[0]->isVisibleTo(main));

    main->Text1[1]->setText("zzzqqq");
    main->Text1_KeyUp(1, platform::ui::keys::Enter, 0);
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(main->Label1[4]->text(), "0");
    EXPECT_EQ(main->Label1[6]->text(), "n/a");
    EXPECT_EQ(main->Frame1[4]->title(), "Paragraph/Variable");
    EXPECT_FALSE(main->Label1[0]->isVisibleTo(main));
}

TEST_F(Browser, ChoosingAnotherProcessLeavesNoParagraphDescribed)
{
    choose("SMAW", "Essential Variables for Groove");
    ASSERT_GT(main->ListView1[2]->count(), 0);
    ASSERT_NE(main->Frame1[4]->title(), "Paragraph/Variable");
    main->Text1[2]->setText("GTAW");
    EXPECT_EQ(main->ListView1[2]->count(), 0);
    EXPECT_EQ(main->Label1[4]->text(), "n/a");
    EXPECT_EQ(main->Label1[6]->text(), "n/a");
    EXPECT_EQ(main->Frame1[4]->title(), "Paragraph/Variable");
}

TEST_F(Browser, SearchesOfMoreThanAThousandWordsFindWhatTheyMatch)
{
    main->Check1->setValue(0);
    const struct {
        int option;
        QString word;
        QString filler;  // repeated before the word
    } cases[] = {{0, "groove", "sample"}, {1, "groove", "zzqx"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        search(c.word, c.option);
        const QStringList few = listed();
        ASSERT_GT(few.size(), 0);
        QStringList many;
        for (int i = 0; i < 1200; ++i)
            many << c.filler + (c.option == 1 ? QString::number(i) : QString());
        many << c.word;
        seams.messages.shown.clear();
        search(many.join(' '), c.option);
        EXPECT_EQ(listed(), few);
        EXPECT_TRUE(seams.messages.shown.empty());
    }
}

// Another program changes the open database's file in place, its header counting the change so
// that no page read before is trusted: the garbage, the missing pages or the lost end of a long
// paragraph (which the engine gives as NUL, without an error) are said as damage, once for all
// the reads of one doing and again for the person's next search.
TEST_F(Browser, ADatabaseDamagedUnderTheWindowIsSaidAsDamageOncePerDoing)
{
    const struct {
        const char* what;
        std::function<void(QByteArray&)> damage;
        const char* word = "weld";
    } cases[] = {
        {"rewritten", [](QByteArray& bytes) {
             for (qsizetype i = 100; i < bytes.size(); ++i)
                 bytes[i] = static_cast<char>(0xA5 ^ (i * 7));
         }},
        {"cut short", [](QByteArray& bytes) { bytes.truncate(3 * 4096); }},
        {"the last page of QW-100 zeroed", [](QByteArray& bytes) {
             const qsizetype at = bytes.indexOf("here ends the sample paragraph QW-100");
             bytes.replace(at - at % 1024, 1024, QByteArray(1024, '\0'));  // the builder's 1 KB pages
         }, "sentence"},  // a word of the lost page alone
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        window.reset();
        resetVarnelCore();  // as a new start of the program
        QFile::remove(data.path() + "/qel0709.mdb");
        SetUp();
        main->Check1->setValue(0);  // every paragraph is searched

        QFile file(data.path() + "/qel0709.mdb");
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        c.damage(bytes);
        bytes[27] = static_cast<char>(bytes[27] + 1);
        file.resize(0);
        file.write(bytes);
        file.close();

        seams.messages.shown.clear();
        search(c.word);
        ASSERT_EQ(seams.messages.shown.size(), 1u);
        EXPECT_EQ(seams.messages.shown[0].icon, platform::MessageIcon::Critical);
        EXPECT_TRUE(seams.messages.shown[0].text.contains("damaged")) << seams.messages.shown[0].text.toStdString();
        EXPECT_TRUE(seams.messages.shown[0].text.contains(QDir::toNativeSeparators(file.fileName())));
        EXPECT_EQ(main->ListView1[2]->count(), 0);

        search("metal", 1);
        main->Check1->setValue(1);
        main->Check1->setValue(0);
        EXPECT_EQ(seams.messages.shown.size(), 1u);
        QTest::keyClicks(main->Text1[1], "weld");
        QTest::keyClick(main->Text1[1], Qt::Key_Return);
        EXPECT_EQ(seams.messages.shown.size(), 2u);
    }
}

TEST_F(Browser, QuotesNeverReachTheSearchAndWildcardsKeepTheirMeaning)
{
    QTest::keyClick(main->Text1[1], '"');
    EXPECT_EQ(main->Text1[1]->text(), "");
    main->Text1[1]->setText("QW-1\"OR\"1\"=\"1");  // pasted: the quotes go
    EXPECT_EQ(main->Text1[1]->text(), "QW-1OR1=1");

    main->Check1->setValue(0);
    search("*", 2);  // matches every paragraph with a text
    EXPECT_GT(main->ListView1[2]->count(), 100);
    // Words the engine cannot take as written are refused with the reason, not as nothing found.
    const struct {
        QString words;
        const char* reason;
    } cases[] = {
        {"[", "a \"[\" has no \"]\" to end its set of characters (to find \"[\" itself, write \"[[]\")"},
        {"metal[", "a \"[\" has no \"]\""},
        {"[QW-451]", "the set \"[QW-451]\" holds the range \"W-4\", whose first character comes after its last (to "
                     "find \"[\" itself, write \"[[]\")"},
        {"[[]QW-451]", nullptr},
        {QStringLiteral("we") + QChar(0) + QStringLiteral("ld"), "they hold the character NUL (code 0)"},
    };
    for (const auto& c : cases) {
        seams.messages.shown.clear();
        search(c.words, 2);
        EXPECT_EQ(main->ListView1[2]->count(), 0);
        ASSERT_EQ(seams.messages.shown.size(), 1u);
        if (!c.reason) {  // written as the engine takes it: searched, and nothing found
            EXPECT_EQ(seams.messages.shown[0].title, "No entry found");
            continue;
        }
        EXPECT_EQ(seams.messages.shown[0].icon, platform::MessageIcon::Exclamation);
        EXPECT_EQ(seams.messages.shown[0].title, "Varnel");
        EXPECT_TRUE(seams.messages.shown[0].text.startsWith(QStringLiteral("The words cannot be searched as written: ")
                                                              + QString::fromUtf8(c.reason)))
            << seams.messages.shown[0].text.toStdString();
    }
}

TEST_F(Browser, AnEmptySearchBoxRunsNoSearchButWarns)
{
    main->Text1[1]->setText("");
    main->Command1_Click(1);
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(seams.messages.shown[0].title, "Varnel");
    EXPECT_EQ(seams.messages.shown[0].text,
              "There is nothing to search for.  Type something in the Text search box and try again. ");
    seams.messages.shown.clear();
    main->Text1_KeyUp(1, platform::ui::keys::Enter, 0);
    main->Option1[1]->setValue(true);
    EXPECT_TRUE(seams.messages.shown.empty());
}

TEST_F(Browser, TheParagraphDisplayShowsGroupAddendaAndPosition)
{
    main->Check1->setValue(0);
    main->loadRule("QW-404.5");
    EXPECT_EQ(main->Frame1[4]->title(), "Filler Metals: QW-404.5");
    EXPECT_TRUE(main->Command5->isEnabled());
    EXPECT_EQ(main->ListView1[2]->selectedText(), "QW-404.5");
    EXPECT_EQ(main->Label1[4]->text(), QString::number(main->ListView1[2]->selectedIndex()));
    EXPECT_EQ(main->Label1[6]->text(), QString::number(main->ListView1[2]->count()));

    main->loadRule("QW-200.1");
    EXPECT_EQ(main->Frame1[4]->title(), "Paragraph: QW-200.1");
    EXPECT_FALSE(main->Command5->isEnabled());
    EXPECT_FALSE(main->Label1[2]->isEnabled());

    const QString shown = main->RichTextBox1->text();
    main->loadRule("QW-999.9");  // not in the table: the text stays, the mark goes
    EXPECT_EQ(main->RichTextBox1->text(), shown);
    EXPECT_TRUE(main->Label1[0]->text().isEmpty());
    EXPECT_FALSE(main->Label1[0]->isVisibleTo(main));
}

TEST_F(Browser, AnAddendaMarkShowsOnlyWhileItHasACaption)
{
    main->Check1->setValue(0);
    const QStringList paragraphs = listed();
    for (const QString& paragraph : paragraphs) {
        main->loadRule(paragraph);
        if (!main->Label1[0]->text().isEmpty()) {
            EXPECT_TRUE(main->Label1[0]->isVisibleTo(main));
            EXPECT_TRUE(main->Label1[0]->text().startsWith("'"));
            return;
        }
    }
    FAIL() << "the sample holds no paragraph with an addenda mark";
}

TEST_F(Browser, TheDefinitionsParagraphsOpenTheGlossaryOnTheirTerm)
{
    QString opened;
    windowOpeners().definitions = [&] { opened = varnelCore().lookupKey; };
    main->Check1->setValue(0);
    main->loadRule("QW-492");
    EXPECT_EQ(opened, "ASME IX-98   QW/QB-492 Welding");
    main->loadRule("QG-109");
    EXPECT_EQ(opened, "ASME IX-2013   QG-109 Definitions");
}

TEST_F(Browser, NavigationStepsThroughTheListAndFollowsItsEnds)
{
    main->Check1->setValue(0);
    const int count = main->ListView1[2]->count();
    ASSERT_GT(count, 3);
    main->Command4_Click(0);
    EXPECT_EQ(main->ListView1[2]->selectedIndex(), 1);
    EXPECT_FALSE(main->Command4[0]->isEnabled());
    EXPECT_FALSE(main->Command4[1]->isEnabled());
    EXPECT_TRUE(main->Command4[2]->isEnabled());
    main->Command4_Click(2);
    main->Command4_Click(2);
    EXPECT_EQ(main->ListView1[2]->selectedIndex(), 3);
    EXPECT_EQ(main->Label1[4]->text(), "3");
    EXPECT_EQ(main->RichTextBox1->text().isEmpty(), false);
    for (auto* button : main->Command4)
        EXPECT_TRUE(button->isEnabled());
    main->Command4_Click(3);
    EXPECT_EQ(main->ListView1[2]->selectedIndex(), count);
    EXPECT_EQ(main->Label1[4]->text(), QString::number(count));
    EXPECT_FALSE(main->Command4[2]->isEnabled());
    EXPECT_FALSE(main->Command4[3]->isEnabled());
    EXPECT_TRUE(main->Label1[7]->isEnabled());
    EXPECT_FALSE(main->Label1[10]->isEnabled());
    main->Command4_Click(2);  // past the end: nothing moves
    EXPECT_EQ(main->ListView1[2]->selectedIndex(), count);
    EXPECT_EQ(main->Frame1[4]->title().endsWith(main->ListView1[2]->entryText(count)), true);
}

TEST_F(Browser, UntickingSearchByProcessListsEveryParagraph)
{
    main->Check1->setValue(0);
    EXPECT_FALSE(main->Text1[2]->isVisibleTo(main));
    EXPECT_FALSE(main->Command2[3]->isVisibleTo(main));
    EXPECT_EQ(main->Frame1[3]->title(), "ASME IX Paragraphs:");
    EXPECT_EQ(main->Label1[3]->text(), "Paragraph:");
    EXPECT_GT(main->ListView1[2]->count(), 250);

    main->Check1->setValue(1);
    EXPECT_TRUE(main->Text1[2]->isVisibleTo(main));
    EXPECT_EQ(main->Frame1[3]->title(), "Applicable Variables:");
    EXPECT_EQ(main->Label1[3]->text(), "Variable:");
}

TEST_F(Browser, UntickingAndSwitchingEditionsOpenNoGlossaryUnasked)
{
    // As in a real edition, the first paragraph is QW-100, not a glossary paragraph.
    copyInto(testing_support::olderLayoutDatabase(), data.path());
    main->buildMenuList();
    int opened = 0;
    windowOpeners().definitions = [&] { ++opened; };
    for (const char* words : {"", "weld"}) {
        main->Check1->setValue(1);
        main->Text1[1]->setText(words);
        main->Check1->setValue(0);
        EXPECT_EQ(main->ListView1[2]->entryText(1), "QW-100") << words;
    }
    main->Check1->setValue(1);
    for (int entry : {2, 1, 2})
        main->mnuFileOpenSection[entry]->trigger();
    EXPECT_EQ(opened, 0);
}

namespace {

// A copy of the sample edition whose first paragraph is the glossary paragraph QW-492.
class GlossaryFirst : public testing_support::MainWindowTest {
protected:
    void SetUp() override
    {
        copyInto(testing_support::sampleDatabase(), data.path());
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(data.filePath("qel0709.mdb")).constData(), &db), SQLITE_OK);
        const int rc = sqlite3_exec(db, "UPDATE Variables SET \"order\" = 0 WHERE variable = 'QW-492'", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        ASSERT_EQ(rc, SQLITE_OK);
        main = &createMain(data.path());
        main->Form_Activate();
        windowOpeners().definitions = [this] { ++opened; };
    }
    void TearDown() override { windowOpeners().definitions = nullptr; }

    varnelMain* main = nullptr;
    int opened = 0;
};

}  // namespace

TEST_F(GlossaryFirst, UntickingShowsTheFirstParagraphOnceWhateverTheSearchBoxHeld)
{
    for (const char* words : {"", "weld"}) {
        main->Check1->setValue(1);
        main->Text1[1]->setText(words);
        opened = 0;
        main->Check1->setValue(0);
        EXPECT_EQ(main->ListView1[2]->entryText(1), "QW-492");
        EXPECT_EQ(opened, 1) << words;
    }
}

TEST_F(Browser, DropDownListsOpenOneAtATimeAndTakeAnEntry)
{
    main->Command2_Click(2);
    EXPECT_TRUE(main->List1[2]->isVisible());
    main->Command2_Click(3);
    EXPECT_FALSE(main->List1[2]->isVisible());
    EXPECT_TRUE(main->List1[3]->isVisible());
    main->Command2_Click(3);
    EXPECT_FALSE(main->List1[3]->isVisible());

    main->Command2_Click(2);
    main->List1[2]->selectIndex(2);
    main->List1_KeyUp(2, platform::ui::keys::Enter, 0);
    EXPECT_EQ(main->Text1[2]->text(), main->List1[2]->entryText(2));
    EXPECT_FALSE(main->List1[2]->isVisible());

    main->List1[2]->setGhosted(3, true);
    main->List1[2]->selectIndex(3);
    main->List1_KeyUp(2, platform::ui::keys::Space, 0);
    EXPECT_EQ(main->Text1[2]->text(), main->List1[2]->entryText(2));
}

TEST_F(Browser, ListHeightsFollowTheNumberOfEntries)
{
    main->List1[1]->clearEntries();
    main->setListHeight(1);
    EXPECT_EQ(main->List1[1]->height(), platform::twips(285));
    for (int n = 1; n <= 12; ++n) {
        main->List1[1]->addEntry(QString::number(n));
        main->setListHeight(1);
        EXPECT_EQ(main->List1[1]->height(), platform::twips(n >= 10 ? 2850 : n * 285)) << n;
    }
}
