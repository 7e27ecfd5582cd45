// The filler-metal window on the sample edition: the preset from the main window, the criteria of
// its boxes, the SFA titles in its pick list, the SFA matrix that picks a specification into it,
// the A-number button and its report.

#include "lookups/lookup_fixture.h"
#include "lookups/lookup_report.h"
#include "lookups/varnel_filler_matrix.h"
#include "lookups/filler_metal_window.h"
#include "platform/ui/seams.h"
#include "support/fixture_database.h"
#include "support/main_window_views.h"

#include <QAccessible>
#include <QHeaderView>

using namespace varnel;
using lookups_testing::LookupWindowTest;
using testing_support::columnOf;
using testing_support::entriesOf;

namespace {

class FillerSpecification : public LookupWindowTest<varnelFillerSpecification> {
protected:
    // Chooses a process and a category in the main window, as its pick lists would.
    void choose(const QString& abbreviation, const QString& categoryWord)
    {
        main->Text1[2]->setText(abbreviation);
        main->Text1[3]->setText(QString());
        testing_support::chooseCategory(*main, {}, categoryWord);
    }
    QString caption() const { return window->Frame1[1]->caption(); }
    void setBoxes(const QStringList& texts)
    {
        window->List1[0]->clearEntries();
        for (int i = 0; i < 5; ++i)
            window->Text1[i]->setText(texts[i]);
        window->loadMaterialList();
    }
    QString title(int n) const { return window->specificationTitles.at(static_cast<std::size_t>(n)); }
};

// Clicks a cell of the matrix as the person would.
void clickCell(varnelFillerMatrix& matrix, int row, int col)
{
    platform::ui::FlexGrid& grid = *matrix.MSFlexGrid2;
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(row, col).center());
}

}  // namespace

TEST_F(FillerSpecification, OpensPresetFromTheMainWindowsFirstProcess)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Filler Metals - Table QW-432  F-NUMBERS");
    ASSERT_EQ(window->specificationTitles.size(), 33u);
    EXPECT_EQ(title(1), "5.1   Carbon steel covered electrodes for shielded metal arc welding");
    EXPECT_EQ(title(32), "5.34   Nickel-alloy electrodes for flux cored arc welding");
    EXPECT_EQ(window->ListSpecTitle[0]->entryText(18), title(18));
    // OFW with its essential variables: SFA 5.2.
    EXPECT_EQ(window->Text1[4]->text(), title(2));
    EXPECT_EQ(caption(), "2 matching materials");
    EXPECT_EQ(columnOf(window->results(), 0), (QStringList{"RG45", "RG60"}));
    EXPECT_EQ(window->results().selectedRows(), std::vector<int>{1});
    EXPECT_EQ(window->pickListTag, -1);
}

TEST_F(FillerSpecification, PresetFollowsProcessAndCategoryOrNothingWhenNotSearchingByProcess)
{
    struct Case {
        QString process, category;
        int title;
    };
    const Case cases[] = {{"SMAW", "Corrosion", 11}, {"SMAW", "Hardfacing", 13}, {"SMAW", "Essential", 1},
                          {"GTAW", "Essential", 18}, {"FCAW", "Hardfacing", 22}, {"ESW", "Corrosion", 9},
                          {"EGW", "Essential", 26}};
    for (const Case& c : cases) {
        choose(c.process, c.category);
        open();
        EXPECT_EQ(window->Text1[4]->text(), title(c.title)) << c.process.toStdString() << " " << c.category.toStdString();
    }
    choose("STUD", "Essential");
    open();
    EXPECT_EQ(window->Text1[4]->text(), "");
    main->Check1->setValue(0);
    choose("SMAW", "Essential");
    open();
    EXPECT_EQ(window->Text1[4]->text(), "");
    EXPECT_EQ(caption(), "58 matching materials");
}

TEST_F(FillerSpecification, CriteriaOfTheBoxesGiveTheKnownRows)
{
    open();
    struct Case {
        QStringList boxes;  // AWS, A-no., UNS, F-no., specification
        QString caption;
    };
    const Case cases[] = {
        {{"", "", "", "", ""}, "58 matching materials"},
        {{"E70", "", "", "", ""}, "4 matching materials"},      // anywhere in the classification
        {{"", "", "K10726", "", ""}, "2 matching materials"},   // the whole UNS number
        {{"", "", "K107", "", ""}, "No matching materials found."},
        {{"", "", "K107*", "", ""}, "2 matching materials"},
        {{"", "", "", "6", ""}, "23 matching materials"},
        {{"", "8", "", "6", ""}, "7 matching materials"},
        {{"", "", "", "", "5.1   Carbon steel covered electrodes"}, "5 matching materials"},  // not 5.10 or 5.11
        {{"", "", "", "", "5.18   Carbon steel electrodes"}, "2 matching materials"},
        {{"", "", "", "", "5.*"}, "58 matching materials"},
        {{"", "", "", "", "5.12 and more"}, "2 matching materials"},
        {{"ER70S-6", "", "", "", ""}, "1 matching materials"},
    };
    for (const Case& c : cases) {
        setBoxes(c.boxes);
        EXPECT_EQ(caption(), c.caption) << c.boxes.join('|').toStdString();
    }
    setBoxes({"ER70S-6", "", "", "", ""});
    const platform::ui::SortableListView& list = window->results();
    EXPECT_EQ((QStringList{list.subItem(1, 0), list.subItem(1, 1), list.subItem(1, 2), list.subItem(1, 3),
                           list.subItem(1, 4), list.subItem(1, 5)}),
              (QStringList{"ER70S-6", "5.18", "6", "1", "K11140", "High manganese and silicon wire"}));
    EXPECT_EQ(list.selectedRows(), std::vector<int>{1});
}

TEST_F(FillerSpecification, NumbersInAnEditionsNumericColumnsMatchInTheirTextForm)
{
    // An edition that keeps the SFA, F- and A-numbers as numbers: a pattern matches a number's
    // text as the old runtime writes it, "1" for a whole 1 and "5.18" for a Single 5.18.
    testing_support::FixtureDatabase numeric(QStringLiteral(R"sql(
CREATE TABLE "Filler metals" (AWS_Class TEXT COLLATE NOCASE, SFA REAL, F_NO REAL, A_NO REAL, UNS TEXT COLLATE NOCASE,
  Comment TEXT COLLATE NOCASE);
INSERT INTO "Filler metals" VALUES ('E6010', 5.1, 3, 1, 'W06010', 'x'), ('ER70S-6', 5.18, 6, 1, 'K11140', 'x'),
  ('E308-16', 5.4, 5, 8, 'W30810', 'x'), ('ER2209', 5.9, 6.0, 0.25, 'S39209', 'x');
CREATE TABLE "Filler Metal Specifications" (SFA REAL, DESIGNATION TEXT COLLATE NOCASE, "ORDER" INTEGER);
INSERT INTO "Filler Metal Specifications" VALUES (5.1, 'Carbon steel covered electrodes', 1), (5.18, 'Carbon steel electrodes', 2);
)sql"));
    varnelCore().mainDatabase = dao::Workspace::defaultWorkspace().openDatabase(numeric.path(), false, false, QString());
    open();
    const struct {
        QStringList boxes;  // AWS, A-no., UNS, F-no., specification
        const char* caption;
    } cases[] = {
        {{"", "1", "", "", ""}, "2 matching materials"},
        {{"", "8", "", "5", ""}, "1 matching materials"},
        {{"", "", "", "6", ""}, "2 matching materials"},
        {{"", "0.25", "", "", ""}, "1 matching materials"},
        {{"", "", "", "", "5.18   Carbon steel electrodes"}, "1 matching materials"},
        {{"", "", "", "", "5.1   Carbon steel covered electrodes"}, "1 matching materials"},
        {{"", "1.0", "", "", ""}, "No matching materials found."},
    };
    for (const auto& c : cases) {
        setBoxes(c.boxes);
        EXPECT_EQ(caption(), QString::fromLatin1(c.caption)) << c.boxes.join('|').toStdString();
    }
}

TEST_F(FillerSpecification, SpecificationPickListHoldsTheTitlesTheOtherBoxesAllow)
{
    open();
    setBoxes({"E", "", "", "", ""});
    window->Text1_GotFocus(4);
    const QStringList titles = entriesOf(*window->List1[0]);
    QStringList numbers;
    for (const QString& t : titles)
        numbers << t.section(u' ', 0, 0);
    EXPECT_EQ(numbers, (QStringList{"5.1",  "5.3",  "5.4",  "5.5",  "5.6",  "5.7",  "5.9",  "5.10", "5.11", "5.12",
                                    "5.13", "5.14", "5.15", "5.16", "5.17", "5.18", "5.19", "5.20", "5.21", "5.22",
                                    "5.23", "5.24", "5.25", "5.26", "5.28", "5.29", "5.34"}));
    EXPECT_EQ(titles.front(), title(1));

    // The other fields are listed in their own order, without empty values.
    window->Text1_GotFocus(1);
    EXPECT_EQ(entriesOf(*window->List1[0]), (QStringList{"1", "10", "2", "3", "4", "8"}));

    // Type-ahead in the specification box completes to a whole title and searches its number.
    setBoxes({"", "", "", "", ""});
    window->Text1_GotFocus(4);
    QTest::keyClicks(window->Text1[4], "5.1");
    EXPECT_EQ(window->Text1[4]->text(), title(1));
    EXPECT_EQ(window->Text1[4]->selStart(), 3);
    EXPECT_EQ(caption(), "5 matching materials");
    QTest::keyClick(window->Text1[4], Qt::Key_8);
    EXPECT_EQ(window->Text1[4]->text(), title(18));
    EXPECT_EQ(caption(), "2 matching materials");
}

TEST_F(FillerSpecification, WithAnEmptyPickListTypingCompletesNothingAndSearches)
{
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const struct {
        QStringList boxes;  // AWS, A-no., UNS, F-no., specification
        int box;
        const char* typed;
    } cases[] = {
        {{"ZZZ", "", "", "", ""}, 4, "5.1"},
        {{"4043", "", "", "", ""}, 1, "1"},  // aluminium wires have no A-number
    };
    for (const auto& c : cases) {
        setBoxes(c.boxes);
        window->Text1[c.box]->setFocus();
        EXPECT_EQ(window->List1[0]->count(), 0);
        QTest::keyClicks(window->Text1[c.box], c.typed);
        EXPECT_EQ(window->Text1[c.box]->text(), c.typed);
        EXPECT_EQ(caption(), "No matching materials found.") << c.typed;
    }
}

TEST_F(FillerSpecification, MatrixPicksASpecificationIntoTheWindowAndCloses)
{
    open();
    setBoxes({"E", "1", "", "6", ""});
    struct Case {
        int row, col;
        int title;  // 0: nothing picked
        QString caption;
    };
    const Case cases[] = {{1, 1, 18, "2 matching materials"},   // carbon steel, GTAW: 5.18
                          {5, 4, 32, "1 matching materials"},   // nickel alloys, FCAW: 5.34
                          {1, 8, 8, "2 matching materials"},    // brazing "5.8, 5.31": 5.8
                          {3, 1, 9, "4 matching materials"},    // "5.9, 5.22": 5.9
                          {3, 3, 0, ""},                        // stainless steel, OFW: empty
                          {0, 2, 0, ""},                        // a header
                          {2, 0, 0, ""}};                       // a material name
    for (const Case& c : cases) {
        window->Text1[0]->setText("E");
        bool stillOpen = false;
        seams.modal.scripts["varnelFillerMatrix"] = [&](QDialog& dialog) {
            auto& matrix = static_cast<varnelFillerMatrix&>(dialog);
            clickCell(matrix, c.row, c.col);
            stillOpen = matrix.isVisible();
        };
        const QString before = window->Text1[4]->text();
        window->cmdApplicability->click();
        if (c.title == 0) {
            EXPECT_TRUE(stillOpen) << c.row << "," << c.col;
            EXPECT_EQ(window->Text1[4]->text(), before);
            EXPECT_EQ(window->Text1[0]->text(), "E");
            continue;
        }
        EXPECT_FALSE(stillOpen);
        EXPECT_EQ(window->Text1[4]->text(), title(c.title)) << c.row << "," << c.col;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(window->Text1[i]->text(), "");
        EXPECT_EQ(caption(), c.caption) << c.row << "," << c.col;
        // Back in the window: the pick list is hidden and holds the titles, ready for the specification box.
        EXPECT_EQ(window->pickListTag, 4);
        EXPECT_TRUE(window->List1[0]->isHidden());
        EXPECT_EQ(window->List1[0]->count(), 31);  // every title with a filler metal, now that no box narrows
    }
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
}

TEST_F(FillerSpecification, MatrixLayoutAndCancel)
{
    open();
    varnelFillerMatrix matrix(*window);
    matrix.show();
    const platform::ui::FlexGrid& grid = *matrix.MSFlexGrid2;
    EXPECT_EQ(grid.rows(), 15);
    EXPECT_EQ(grid.cols(), 10);
    EXPECT_EQ(grid.colWidth(1), 894);
    EXPECT_EQ(grid.colWidth(0), 1788);
    EXPECT_EQ(grid.colWidth(9), 894);
    EXPECT_EQ(grid.rowHeight(0), 4 * grid.rowHeight(1));
    EXPECT_EQ(grid.textMatrix(0, 1), "GTAW GMAW PAW");
    EXPECT_EQ(grid.textMatrix(0, 8), "Brazing");
    EXPECT_EQ(grid.textMatrix(0, 0), " ");
    EXPECT_EQ(grid.colAlignment(0), platform::ui::FlexGrid::Alignment::Left);
    EXPECT_EQ(grid.colAlignment(3), platform::ui::FlexGrid::Alignment::Centre);
    EXPECT_EQ(grid.textMatrix(14, 0), "Consumable Inserts");
    EXPECT_EQ(grid.textMatrix(13, 2), "5.13");
    EXPECT_EQ(grid.textMatrix(12, 8), "5.8, 5.31");
    EXPECT_EQ(grid.colours().fore, QColor(128, 0, 0));
    EXPECT_EQ(grid.colours().foreFixed, QColor(0, 0, 128));
    EXPECT_EQ(grid.colours().backFixed, QColor(231, 231, 231));
    // End stops at the last column that shows, which a screen reader hears with its material and
    // process.
    QTest::keyClick(matrix.MSFlexGrid2, Qt::Key_End);
    EXPECT_EQ(grid.col(), 8);
    const QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(matrix.MSFlexGrid2)->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnDescription(8) + '|' + table->rowDescription(1), "Brazing|Carbon Steel");
    // Esc presses Cancel: the matrix closes and the window is as it was.
    const QString before = window->Text1[4]->text();
    QTest::keyClick(&matrix, Qt::Key_Escape);
    EXPECT_FALSE(matrix.isVisible());
    EXPECT_EQ(window->Text1[4]->text(), before);
}

TEST_F(FillerSpecification, ANumberButtonOpensTheDeterminationAndEscCancels)
{
    open();
    window->cmdAnumbers->click();
    ASSERT_FALSE(seams.modal.shown.empty());
    EXPECT_EQ(seams.modal.shown.back(), "varnelAnumbers");
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FillerSpecification, QuotesInBoxesAreSearchedSafely)
{
    open();
    for (const QString& text : {QStringLiteral("E\"70"), QStringLiteral("\""), QStringLiteral("[E")}) {
        for (int box = 0; box < 5; ++box) {
            QStringList boxes(5);
            boxes[box] = text;
            setBoxes(boxes);
            // A criterion that cannot be searched as written says why in place of the count.
            EXPECT_EQ(caption(), text.startsWith(u'[') ? QStringLiteral("The words cannot be searched as written: a \"[\" has no "
                                                                       "\"]\" to end its set of characters (to find \"[\" itself, "
                                                                       "write \"[[]\").")
                                                       : QStringLiteral("No matching materials found."))
                << box << " " << text.toStdString();
        }
        window->Text1[0]->setText(text);
        window->pickListTag = -1;
        window->Text1_GotFocus(4);  // the SFA pick list under a box holding a quote
        EXPECT_EQ(window->List1[0]->count(), 0);
        window->Text1[0]->setText(QString());
    }
    EXPECT_TRUE(seams.messages.shown.empty());
}

TEST_F(FillerSpecification, PrintGathersAtMostFiftySelectedRows)
{
    open();
    setBoxes({"", "", "", "", ""});
    window->List1_ColumnClick(3, 1);  // re-sorted: the report follows the new order
    window->results().selectAll();
    const LookupReport report = fillerMetalReport(window->results());
    EXPECT_EQ(report.orientation, 1);
    EXPECT_EQ(report.subtitle, "Filler metal report");
    ASSERT_EQ(report.rows.size(), 50u);
    EXPECT_EQ(report.rows[0][0], window->results().subItem(1, 0));
    EXPECT_EQ(report.rows[49][5], window->results().subItem(50, 5));
    EXPECT_EQ(report.columns.size(), 6u);
}
