// The A-number window on the sample table: worked analyses, the colours of the boxes and rows,
// the key filter, the sliders, Reset and the QW-404.5 button.

#include "lookups/lookup_fixture.h"
#include "lookups/varnel_anumbers.h"
#include "support/desktop_keys.h"
#include "support/fixture_database.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

using namespace varnel;
using lookups_testing::LookupWindowTest;

namespace {

class ANumbers : public LookupWindowTest<varnelAnumbers> {
protected:
    void SetUp() override
    {
        LookupWindowTest::SetUp();
        open();
    }
    // Types an analysis as the person would, each box emptied first.
    void analyse(const std::array<QString, 6>& values)
    {
        for (int i = 0; i < 6; ++i) {
            window->txtElement[i]->selectAll();
            QTest::keyClick(window->txtElement[i], Qt::Key_Backspace);
            QTest::keyClicks(window->txtElement[i], values[static_cast<std::size_t>(i)]);
        }
    }
    QString result() const { return window->lblAnumber->caption(); }
    std::vector<int> marked() const
    {
        std::vector<int> rows;
        for (int n = 1; n <= 12; ++n)
            if (window->rowColourOf(n) == varnelAnumbers::rowColour(true))
                rows.push_back(n);
        return rows;
    }
    QColor boxColour(int i) const { return window->txtElement[i]->backColor(); }
};

// Opens the box's own menu as a right click does and chooses the entry whose caption, less its
// ampersand and shortcut, is `entry`.
void chooseFromMenu(QWidget& box, const QString& entry)
{
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), box.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&box, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().remove(u'&').section(u'\t', 0, 0) == entry)
            chosen = action;
    ASSERT_NE(chosen, nullptr) << entry.toStdString();
    EXPECT_TRUE(chosen->isEnabled()) << entry.toStdString();
    menu->close();
    chosen->trigger();
}

}  // namespace

TEST_F(ANumbers, OpensEmptyWithTheTableMaxima)
{
    EXPECT_EQ(result(), "A-number determination");
    EXPECT_TRUE(marked().empty());
    EXPECT_TRUE(window->Label2->isHidden());
    EXPECT_EQ(window->tableMax, (std::array<double, 6>{0.3, 30, 6, 37, 2.5, 3}));
    EXPECT_EQ(window->Slider[3]->maximum(), 3700);
    EXPECT_EQ(window->Slider[3]->pageStep(), 250);
    EXPECT_EQ(window->Slider[3]->singleStep(), 50);
    EXPECT_EQ(window->Slider[0]->maximum(), 30);
    EXPECT_TRUE(window->aNumberSnapshot != nullptr);
    const QString row8 = window->lblElement[8]->caption();
    EXPECT_TRUE(row8.startsWith("  8   Chromium - Nickel ")) << row8.toStdString();
    EXPECT_EQ(row8.simplified(), "8 Chromium - Nickel 0.15 14.50 - 30.00 4.00 7.50 - 15.00 2.50 1.00");
}

TEST_F(ANumbers, WorkedAnalysesGiveTheirANumbers)
{
    struct Case {
        std::array<QString, 6> values;  // C, Cr, Mo, Ni, Mn, Si
        QString result;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {{"0.10", "", "", "", "", ""}, "A-number: 1", {1}},
        {{"0.10", "18.5", "", "9-11", "", ""}, "A-number: 8", {8}},
        {{"0.10", "18.5", "", "11-9", "", ""}, "A-number: 8", {8}},
        {{"0.10", "20", "", "15", "", ""}, "A-number: 8 or 9", {8, 9}},
        {{"0.10", "", "0.5", "", "", ""}, "A-number: 2", {2}},
        {{"", "", "", "40", "", ""}, "No matching A-number(s)", {}},
        {{"", "", "", "", "", ""}, "A-number determination", {}},
        {{"0", "0.00", "", "0-0.5", "", ""}, "A-number determination", {}},
    };
    for (const Case& c : cases) {
        analyse(c.values);
        EXPECT_EQ(result(), c.result) << QStringList(c.values.begin(), c.values.end()).join('|').toStdString();
        EXPECT_EQ(marked(), c.rows) << QStringList(c.values.begin(), c.values.end()).join('|').toStdString();
    }
}

TEST_F(ANumbers, BoxesAreColouredAgainstTheTableMaximum)
{
    analyse({"0.30", "18.5", "", "40", "", ""});
    EXPECT_EQ(boxColour(0), varnelAnumbers::boxColour(anumber::BoxColour::Yellow));
    EXPECT_EQ(window->txtElement[0]->toolTip(), " YELLOW: maximum ");
    EXPECT_EQ(boxColour(1), varnelAnumbers::boxColour(anumber::BoxColour::Green));
    EXPECT_EQ(window->txtElement[1]->toolTip(), " GREEN: within range ");
    EXPECT_EQ(boxColour(2), varnelAnumbers::boxColour(anumber::BoxColour::White));
    EXPECT_EQ(window->txtElement[2]->toolTip(), " WHITE: minimum ");
    EXPECT_EQ(boxColour(3), varnelAnumbers::boxColour(anumber::BoxColour::Red));
    EXPECT_EQ(window->txtElement[3]->toolTip(), " RED: out of range ");
    EXPECT_EQ(result(), "No matching A-number(s)");
}

TEST_F(ANumbers, APastedValueTooLargeForANumberMatchesNothing)
{
    const QString huge = QString(309, u'9');
    const std::array<QString, 6> cases[] = {
        {"0.10", huge, "", "", "", ""},
        {"0.10", "", "", "9-" + huge, "", ""},
    };
    for (const auto& values : cases) {
        for (int i = 0; i < 6; ++i)
            window->txtElement[i]->setText(values[static_cast<std::size_t>(i)]);
        EXPECT_EQ(result(), "No matching A-number(s)");
        EXPECT_TRUE(marked().empty());
        const int pasted = values[1].isEmpty() ? 3 : 1;
        EXPECT_EQ(boxColour(pasted), varnelAnumbers::boxColour(anumber::BoxColour::Red));
        EXPECT_EQ(window->txtElement[pasted]->toolTip(), " RED: out of range ");
    }
}

TEST_F(ANumbers, KeyFilterRefusesASecondDashLettersAndBlanks)
{
    QTest::keyClicks(window->txtElement[3], "9-11-x %'1.2.3");
    EXPECT_EQ(window->txtElement[3]->text(), "9-111.2.3");
    // The determination ran at the last key release.
    EXPECT_EQ(result(), "No matching A-number(s)");
    QTest::keyClick(window->txtElement[3], Qt::Key_Backspace);
    EXPECT_EQ(window->txtElement[3]->text(), "9-111.2.");
}

TEST_F(ANumbers, EditsByCtrlVAndTheBoxMenuPassTheKeyFilterAndDetermine)
{
    analyse({"", "20", "", "15", "", ""});
    EXPECT_EQ(result(), "A-number: 8 or 9");
    const struct {
        int box;
        const char* pasted;  // by Ctrl+V over the whole text; none: the menu entry alone
        const char* menuEntry;
        const char* text;
        const char* result;
    } cases[] = {
        {0, " 0.25", nullptr, "", "A-number: 8 or 9"},  // a blank is refused: typed, it would not have gone in either
        {0, "0.25%", nullptr, "", "A-number: 8 or 9"},
        {0, "0.25", nullptr, "0.25", "A-number: 9"},
        {3, "1-2-3", nullptr, "15", "A-number: 9"},  // one dash only
        {3, "15-37", "Paste", "15-37", "A-number: 9"},
        {3, nullptr, "Undo", "15", "A-number: 9"},
        {0, nullptr, "Delete", "", "A-number: 8 or 9"},
    };
    for (const auto& c : cases) {
        auto* box = window->txtElement[c.box];
        box->selectAll();
        if (c.pasted)
            QApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
        if (c.menuEntry)
            chooseFromMenu(*box, c.menuEntry);
        else
            testing_support::pressPaste(box);
        EXPECT_EQ(box->text(), QLatin1String(c.text)) << c.pasted << ' ' << c.menuEntry;
        EXPECT_EQ(result(), c.result) << c.pasted << ' ' << c.menuEntry;
    }
}

TEST_F(ANumbers, AMissingTableIsSaidAndMarksNoBoxOutOfRange)
{
    window.reset();
    testing_support::FixtureDatabase withoutTable(QStringLiteral("CREATE TABLE Other (a TEXT);"));
    varnelCore().mainDatabase = dao::Workspace::defaultWorkspace().openDatabase(withoutTable.path(), false, false, QString());
    window = std::make_unique<varnelAnumbers>();
    window->show();
    EXPECT_EQ(result(), "The table [A Numbers] is missing from the database.");
    EXPECT_TRUE(window->lblAnumber->captionFit().whole) << "the result line shows it whole";
    analyse({"0.10", "18.5", "", "", "", ""});
    EXPECT_EQ(result(), "The table [A Numbers] is missing from the database.");
    EXPECT_EQ(boxColour(0), varnelAnumbers::boxColour(anumber::BoxColour::White));
    EXPECT_EQ(window->txtElement[1]->toolTip(), window->txtElement[2]->toolTip());
    EXPECT_TRUE(marked().empty());
}

TEST_F(ANumbers, SlidersWriteTheirValueAndDetermineAtOnce)
{
    window->Slider[3]->setValue(925);
    EXPECT_EQ(window->txtElement[3]->text(), "9.25");
    EXPECT_EQ(result(), "No matching A-number(s)");  // Ni alone: every row with Ni that high has a Cr minimum
    window->Slider[0]->setValue(10);
    EXPECT_EQ(window->txtElement[0]->text(), "0.10");
    window->Slider[1]->setValue(1850);
    EXPECT_EQ(window->txtElement[1]->text(), "18.50");
    EXPECT_EQ(result(), "A-number: 8");
}

TEST_F(ANumbers, ResetAndEscClearTheAnalysis)
{
    window->Slider[0]->setValue(10);
    window->txtElement[1]->setText("18.5");
    EXPECT_EQ(result(), "A-number: 7");
    QTest::keyClick(window.get(), Qt::Key_Escape);  // Esc presses Reset, not Cancel
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(result(), "A-number determination");
    EXPECT_TRUE(marked().empty());
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(window->Slider[i]->value(), 0);
        EXPECT_EQ(anumber::leadingNumber(window->txtElement[i]->text()), 0) << i;
        EXPECT_EQ(boxColour(i), varnelAnumbers::boxColour(anumber::BoxColour::White)) << i;
    }
    window->Command1[0]->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->aNumberSnapshot, nullptr);
}

TEST_F(ANumbers, QW4045ButtonShowsTheParagraph)
{
    window->cmdComposition->click();
    ASSERT_EQ(openers.opened.size(), 1u);
    EXPECT_EQ(openers.opened[0].window, "crossReference");
    EXPECT_EQ(openers.opened[0].lookupKey, "QW-404.5");
}

TEST_F(ANumbers, WithoutADatabaseTheWindowSaysSoInPlaceOfAnAnswer)
{
    window.reset();
    varnelCore().mainDatabase.reset();
    window = std::make_unique<varnelAnumbers>();
    window->show();
    EXPECT_EQ(window->Slider[1]->maximum(), 30);
    analyse({"0.10", "", "", "", "", ""});
    EXPECT_EQ(result(), noReferenceDatabaseText);
    EXPECT_TRUE(marked().empty());
}
