// The interpretations window on the sample database: opening and sections, the start string, the
// searches and their counts, the display with its colours, and the navigation.

#include "sorvik_fixture.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

using namespace varnel;
using namespace testing_support;

namespace {

class Sorvik : public SorvikTest {
protected:
    void SetUp() override { installSample(); }
};

const QString notice = QStringLiteral("  Sorvik Notice");
const QString separator = QStringLiteral("    ******************");

}  // namespace

TEST_F(Sorvik, OpensOnTheNinthSectionWithItsNoticeInterpretationsAndParagraphs)
{
    sorvikMain& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Sorvik   [ ASME ") + sectionIX + QStringLiteral(" ]"));
    EXPECT_EQ(sorvikCore().sectionTableCount(), 12);
    EXPECT_EQ(sorvikCore().currentSectionTable, QStringLiteral("INT09"));
    EXPECT_EQ(readInterpretationsSetting(QStringLiteral("data path"), QString()), QDir::cleanPath(databasePath()));

    const QStringList listed = results();
    ASSERT_EQ(listed.size(), 20);
    EXPECT_EQ(listed[0], notice);
    EXPECT_EQ(listed[1], separator);
    EXPECT_EQ(listed[2], QStringLiteral("IX-07-01"));
    EXPECT_EQ(w.Label1[6]->caption(), QStringLiteral("18"));  // the notice pair is no interpretation

    // The notice is shown and selected; the position label keeps its first caption.
    EXPECT_EQ(w.ListView1[2]->selectedIndex(), 1);
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("Sorvik Notice"));
    EXPECT_TRUE(w.RichTextBox1->text().startsWith(QStringLiteral("Sample text. Notice")));
    EXPECT_EQ(w.Label1[4]->caption(), QStringLiteral("n/a"));
    EXPECT_FALSE(w.Command4[0]->isEnabled());
    EXPECT_FALSE(w.Command4[1]->isEnabled());
    EXPECT_TRUE(w.Command4[2]->isEnabled());
    EXPECT_TRUE(w.Label1[10]->isEnabled());

    // Each paragraph of the index once, sorted.
    const QStringList paras = paragraphs();
    EXPECT_EQ(paras.first(), QStringLiteral("QW-192"));
    EXPECT_EQ(paras.count(QStringLiteral("QW-451.1")), 1);
    QStringList sorted = paras;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(paras, sorted);
    EXPECT_TRUE(seams.messages.shown.empty());
    EXPECT_TRUE(w.Text1[0]->text().isEmpty());
    EXPECT_TRUE(w.Option1[0]->value());
}

TEST_F(Sorvik, EachFormOfTheStartString)
{
    const struct {
        const char* query;
        const char* title;       // the section on show afterwards
        const char* paragraph;   // the paragraph box
        const char* words;       // the text-search box
        int option;
        QStringList listed;      // empty: the section's own listing
        QStringList messages;
    } cases[] = {
        // The main window's string: the paragraph completes from the section's paragraphs.
        {"SECT INT09 PARA QW-200", "Section IX - Welding and Brazing Qualifications", "QW-200.1", "", 0,
         {"B31.1-08-01", "IX-07-03"}, {"Interpretation not present"}},
        {"PARA QW-451.1 SECT INT09", "Section IX - Welding and Brazing Qualifications", "QW-451.1", "", 0,
         {"IX-07-01", "IX-07-04", "IX-08-06"}, {}},
        // "And" finds nothing, then "Or" searches again.
        {"TEXT {impact PWHT} COND or", "Section IX - Welding and Brazing Qualifications", "", "impact PWHT", 1,
         {"IX-07-01", "IX-07-03", "IX-08-03"}, {"No entry found"}},
        {"TEXT{impact tests} COND Phrase", "Section IX - Welding and Brazing Qualifications", "", "impact tests", 2,
         {"IX-07-01", "IX-08-03"}, {}},
        {"COND AND TEXT {sample text. notice}", "Section IX - Welding and Brazing Qualifications", "", "sample text. notice", 0,
         {"  Sorvik Notice", "    ******************"}, {}},
        {"TEXT {impact PWHT", "Section IX - Welding and Brazing Qualifications", "", "", 0, {}, {}},
        {"SECTINT11 PARA QW-290", "Section XI - Inservice Inspection", "QW-290", "", 0, {"XI-07-01"}, {}},
        {"SECT int11", "Section IX - Welding and Brazing Qualifications", "", "", 0, {}, {}},
        {"", "Section IX - Welding and Brazing Qualifications", "", "", 0, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        resetSorvikCore();
        seams.messages.shown.clear();
        sorvikMain& w = open(QString::fromLatin1(c.query));
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Sorvik   [ ASME ") + QLatin1String(c.title) + QStringLiteral(" ]"));
        EXPECT_EQ(w.Text1[0]->text(), QLatin1String(c.paragraph));
        EXPECT_EQ(w.Text1[1]->text(), QLatin1String(c.words));
        EXPECT_TRUE(w.Option1[c.option]->value());
        if (c.listed.isEmpty()) {
            EXPECT_EQ(results().first(), notice);
        } else {
            EXPECT_EQ(results(), c.listed);
        }
        EXPECT_EQ(messageTitles(), c.messages);
    }
    EXPECT_EQ(readInterpretationsSetting(QStringLiteral("default section"), QString()), QStringLiteral("11"));
}

TEST_F(Sorvik, ASectionChosenByTheStartStringComesFirstAtTheNextOpening)
{
    open(QStringLiteral("SECT INT11"));
    window.reset();
    sorvikMain& w = open(QString());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Sorvik   [ ASME Section XI - Inservice Inspection ]"));
    EXPECT_EQ(results(), QStringList({"XI-07-01", "XI-09-01"}));
}

TEST_F(Sorvik, SearchCountsLeaveTheNoticeRowsOut)
{
    sorvikMain& w = open();
    const struct {
        const char* paragraph;
        const char* words;
        int option;
        QStringList listed;
        const char* count;
    } cases[] = {
        {"", "sample", 0, {}, "18"},                                  // every row, the notice pair first
        {"", "impact test", 0, {"IX-07-01", "IX-08-03"}, "2"},
        {"", "impact  PWHT", 1, {"IX-07-01", "IX-07-03", "IX-08-03"}, "3"},  // two blanks make no empty word
        {"", " impact  test", 0, {"IX-07-01", "IX-08-03"}, "2"},
        {"", "impact  test ", 0, {"IX-07-01", "IX-08-03"}, "2"},
        {"", "metal thickness", 2, {"IX-07-01", "IX-08-02"}, "2"},
        {"", "manufacturer's certificate", 2, {"IX-07-02"}, "1"},
        {"QW-451.1", "thin", 0, {"IX-07-01", "IX-07-04", "IX-08-06"}, "3"},
        {"QW-403.6", "", 0, {"IX-07-01", "VIII-07-02"}, "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.paragraph) + "|" + c.words);
        search(QString::fromLatin1(c.paragraph), QString::fromLatin1(c.words), c.option);
        if (!c.listed.isEmpty()) {
            EXPECT_EQ(results(), c.listed);
        }
        EXPECT_EQ(w.Label1[6]->caption(), QLatin1String(c.count));
        EXPECT_EQ(w.Label1[4]->caption(), QStringLiteral("1"));
        EXPECT_TRUE(seams.messages.shown.empty());
        EXPECT_EQ(w.ListView1[2]->selectedIndex(), 0);  // the first hit is shown, not selected
    }
    search(QString(), QStringLiteral("sample"));
    EXPECT_EQ(results().mid(0, 2), QStringList({notice, separator}));
}

TEST_F(Sorvik, ASearchThatFindsNothingSaysSoAndEmptiesTheText)
{
    sorvikMain& w = open();
    // Words that cannot be searched as written are said as such, not as nothing found.
    const struct {
        QString words;
        const char* title;
        QString text;
        platform::MessageIcon icon;
    } cases[] = {
        {"no such word", "No entry found", "No appropriate interpretations were found.", platform::MessageIcon::Information},
        {"[unclosed", "Sorvik",
         "The words cannot be searched as written: a \"[\" has no \"]\" to end its set of characters (to find \"[\" "
         "itself, write \"[[]\").",
         platform::MessageIcon::Exclamation},
        {QStringLiteral("we") + QChar(0) + QStringLiteral("ld"), "Sorvik",
         "The words cannot be searched as written: they hold the character NUL (code 0).", platform::MessageIcon::Exclamation},
    };
    for (const auto& c : cases) {
        search(QString(), c.words);
        ASSERT_EQ(seams.messages.shown.size(), 1u) << c.title;
        EXPECT_EQ(seams.messages.shown[0].title, QString::fromLatin1(c.title));
        EXPECT_EQ(seams.messages.shown[0].text, c.text);
        EXPECT_EQ(seams.messages.shown[0].icon, c.icon);
        EXPECT_TRUE(results().isEmpty());
        EXPECT_TRUE(w.RichTextBox1->text().isEmpty());
        EXPECT_EQ(w.Label1[4]->caption(), QStringLiteral("0"));
        EXPECT_EQ(w.Label1[6]->caption(), QStringLiteral("0"));
    }
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);

    // A button still enabled from before empties the display and disables every button.
    w.Command4[3]->setEnabled(true);
    w.Command4_Click(3);
    EXPECT_TRUE(w.Label1[0]->caption().isEmpty());
    EXPECT_TRUE(w.Label1[2]->caption().isEmpty());
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(w.Command4[i]->isEnabled()) << i;
}

TEST_F(Sorvik, HeaderWordsDarkBlueAndSearchWordsRed)
{
    sorvikMain& w = open();
    const QColor blue(0, 0, 0x80), red(0xE5, 0, 0), black(0, 0, 0);  // red as it stands out from white
    search(QString(), QStringLiteral("impact welded"), 1);
    ASSERT_EQ(w.Label1[0]->caption(), QStringLiteral("IX-07-01"));
    const QString text = w.RichTextBox1->text();
    EXPECT_EQ(colourAt(0), blue);                                  // "Interpretation"
    EXPECT_EQ(colourAt(text.indexOf(QStringLiteral("Date Issued")) + 10), blue);
    EXPECT_EQ(colourAt(text.indexOf(QStringLiteral("File:")) + 4), black);   // the colon stays black
    EXPECT_EQ(colourAt(text.indexOf(QStringLiteral("Impact Tests"))), red);  // any letter case
    EXPECT_EQ(colourAt(text.indexOf(QStringLiteral("welded")) + 5), red);
    EXPECT_EQ(colourAt(text.indexOf(QStringLiteral("welded")) + 6), black);
    EXPECT_EQ(colourAt(text.indexOf(QStringLiteral("impact tests"))), red);    // not only the first hit
    EXPECT_EQ(colourAt(text.indexOf(QStringLiteral("Sample"))), black);
    EXPECT_TRUE(w.RichTextBox1->isVisible());

    // The words in the box when an interpretation is shown are the ones coloured.
    w.Text1[1]->setText(QStringLiteral("reply"));
    w.Command4_Click(3);
    const QString last = w.RichTextBox1->text();
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("IX-09-01"));
    EXPECT_EQ(colourAt(last.indexOf(QStringLiteral("welded"))), black);
    EXPECT_EQ(colourAt(last.indexOf(QStringLiteral("Reply"))), red);
    EXPECT_EQ(colourAt(last.indexOf(QStringLiteral("Subject"))), blue);
}

TEST_F(Sorvik, StepsThroughTheNoticePairAndTheInterpretations)
{
    sorvikMain& w = open();
    const auto state = [&] { return navigationButtons(); };
    w.Command4_Click(2);  // to the separator: the notice again
    EXPECT_EQ(w.ListView1[2]->selectedIndex(), 2);
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("Sorvik Notice"));
    EXPECT_EQ(w.Label1[4]->caption(), QStringLiteral("n/a"));
    EXPECT_EQ(state(), QStringLiteral("1111"));
    w.Command4_Click(2);
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("IX-07-01"));
    EXPECT_EQ(w.Label1[2]->caption(), QStringLiteral("56"));
    EXPECT_EQ(w.Label1[4]->caption(), QStringLiteral("1"));
    w.Command4_Click(3);
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("IX-09-06"));
    EXPECT_EQ(w.Label1[4]->caption(), QStringLiteral("18"));
    EXPECT_EQ(state(), QStringLiteral("1100"));
    w.Command4_Click(1);
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("IX-09-05"));
    w.Command4_Click(0);
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("Sorvik Notice"));
    EXPECT_EQ(state(), QStringLiteral("0011"));

    // A click on the separator shows the notice; a click on the row on show reloads nothing.
    QTreeWidgetItem* separatorItem = w.ListView1[2]->topLevelItem(1);
    w.ListView1[2]->setCurrentItem(separatorItem);
    emit w.ListView1[2]->itemClicked(separatorItem, 0);
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("Sorvik Notice"));
    EXPECT_EQ(w.Label1[4]->caption(), QStringLiteral("n/a"));

    QTreeWidgetItem* third = w.ListView1[2]->topLevelItem(2);
    w.ListView1[2]->setCurrentItem(third);
    emit w.ListView1[2]->itemClicked(third, 0);
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("IX-07-01"));
    w.Text1[1]->setText(QStringLiteral("coupon"));
    emit w.ListView1[2]->itemClicked(third, 0);
    EXPECT_NE(colourAt(w.RichTextBox1->text().indexOf(QStringLiteral("coupon"))), QColor(0xFF, 0, 0));

    // One row, selected: every button off.
    search(QStringLiteral("QW-442"), QString());
    w.Command4_Click(0);
    EXPECT_EQ(results(), QStringList({"IX-07-02"}));
    EXPECT_EQ(state(), QStringLiteral("0000"));
}

TEST_F(Sorvik, ClickingAHitAfterASearchSetsTheButtonsForThatRow)
{
    sorvikMain& w = open();
    const auto state = [&] { return navigationButtons(); };
    const struct {
        int row;
        const char* shown;
        const char* position;
        const char* buttons;
    } clicks[] = {
        {1, "IX-07-01", "1", "0011"},  // the hit on show: not loaded again, yet selected
        {3, "IX-08-03", "3", "1100"},
        {2, "IX-07-03", "2", "1111"},
    };
    search(QString(), QStringLiteral("impact PWHT"), 1);
    ASSERT_EQ(results(), QStringList({"IX-07-01", "IX-07-03", "IX-08-03"}));
    EXPECT_EQ(state(), QStringLiteral("1001"));  // shown, not selected
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.row);
        QTreeWidgetItem* item = w.ListView1[2]->topLevelItem(c.row - 1);
        w.ListView1[2]->setCurrentItem(item);
        emit w.ListView1[2]->itemClicked(item, 0);
        EXPECT_EQ(w.Label1[0]->caption(), QLatin1String(c.shown));
        EXPECT_EQ(w.Label1[4]->caption(), QLatin1String(c.position));
        EXPECT_EQ(state(), QLatin1String(c.buttons));
    }
}

TEST_F(Sorvik, TheHistoryTakesATextOnlyWhenTheFocusMovesWithinTheWindow)
{
    sorvikMain& w = open();
    QApplication::setActiveWindow(&w);
    w.Text1[1]->setFocus();
    ASSERT_TRUE(w.Text1[1]->hasFocus());

    // A message box that comes up over the window takes the focus for as long as it is shown.
    QDialog* box = nullptr;
    seams.messages.onShow = [&](const ShownMessage&) {
        box = new QDialog(&w);
        box->show();
        QApplication::setActiveWindow(box);
        box->close();
    };
    w.Text1[1]->setText(QStringLiteral("no such word"));
    QTest::keyClick(w.Text1[1], Qt::Key_Return);
    ASSERT_EQ(messageTitles(), QStringList({"No entry found"}));
    ASSERT_NE(box, nullptr);
    delete box;
    QApplication::setActiveWindow(&w);
    EXPECT_EQ(w.ListView1[1]->count(), 0);

    // So does the File menu while it is open.
    w.ListView1[1]->clearEntries();
    w.Text1[1]->setFocus();
    w.mnuFile->popup(w.mapToGlobal(QPoint(0, 0)));
    EXPECT_TRUE(w.mnuFile->isVisible());
    w.mnuFile->close();
    QApplication::setActiveWindow(&w);
    EXPECT_EQ(w.ListView1[1]->count(), 0);

    // Moving on to another control of the window leaves the box.
    w.Text1[0]->setFocus();
    ASSERT_EQ(w.ListView1[1]->count(), 1);
    EXPECT_EQ(w.ListView1[1]->entryText(1), QStringLiteral("no such word"));
}

TEST_F(Sorvik, InterpretationsOfOtherSectionsThroughTheParagraphIndex)
{
    sorvikMain& w = open();
    search(QStringLiteral("QW-403.6"), QString());
    w.Command4_Click(3);
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("VIII-07-02"));
    EXPECT_TRUE(w.RichTextBox1->text().startsWith(QStringLiteral("Interpretation: VIII-07-02")));
    EXPECT_FALSE(w.Label1[2]->caption().isEmpty());
    EXPECT_EQ(w.Label1[4]->caption(), QStringLiteral("2"));
    EXPECT_TRUE(seams.messages.shown.empty());

    // Section 31 is not among the sections the database authorises.
    search(QStringLiteral("QW-200.1"), QString());
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].title, QStringLiteral("Interpretation not present"));
    EXPECT_EQ(seams.messages.shown[0].text,
              QStringLiteral("The interpretation you have selected references a section which you do not have access to."));
    EXPECT_EQ(seams.messages.shown[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("B31.1-08-01"));
    EXPECT_TRUE(w.RichTextBox1->text().isEmpty());
    EXPECT_TRUE(w.Label1[2]->caption().isEmpty());
    EXPECT_TRUE(w.Command4[3]->isEnabled());

    // Every interpretation the index names, other sections' included.
    search(QString(), QString());
    EXPECT_EQ(w.Label1[6]->caption(), QStringLiteral("23"));
    EXPECT_EQ(results().first(), QStringLiteral("B31.1-08-01"));

    // A number that neither the table nor the index holds: empty, without a message.
    seams.messages.shown.clear();
    w.loadInterpretation(QStringLiteral("IX-99-99"));
    EXPECT_TRUE(seams.messages.shown.empty());
    EXPECT_TRUE(w.RichTextBox1->text().isEmpty());
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("IX-99-99"));
}

TEST_F(Sorvik, ExitClosesTheDatabase)
{
    sorvikMain& w = open();
    ASSERT_TRUE(sorvikCore().interpretationsDatabase);
    w.Command1_Click(0);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(sorvikCore().interpretationsDatabase);
    EXPECT_EQ(sorvikCore().currentSectionTable, QStringLiteral("INT09"));  // kept for the next opening
}
