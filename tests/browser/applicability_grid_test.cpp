// The applicability grids of both category layouts, opened as the main window opens them: which
// cells hold a mark for known paragraphs, the headers and merged headings, and the paragraphs and
// tables that leave cells empty.

#include "app/window_openers.h"
#include "browser/browser_windows.h"
#include "browser/varnel_show_all_processes.h"
#include "platform/ui/twips.h"
#include "support/fixture_database.h"
#include "support/main_window_fixture.h"

#include <QAccessible>
#include <QTest>
#include <algorithm>

using namespace varnel;
using platform::ui::FlexGrid;
using testing_support::copyInto;

namespace {

const char* const newerGrid = "varnelshowAllProcesses2004";
const char* const olderGrid = "varnelshowAllProcesses";

struct KnownParagraph {
    QString paragraph;
    std::string marks;
};

class Grids : public testing_support::MainWindowTest {
protected:
    void TearDown() override { windowOpeners().showAllProcesses = nullptr; }

    void start(const QString& database)
    {
        copyInto(database, data.path());
        main = &createMain(data.path());
        main->show();
        main->Form_Activate();
        registerBrowserWindows();
    }
    // The paragraph list holds `paragraph` alone, selected; an empty text leaves nothing selected.
    void select(const QString& paragraph)
    {
        main->ListView1[2]->clearEntries();
        if (!paragraph.isEmpty()) {
            main->ListView1[2]->addEntry(paragraph);
            main->ListView1[2]->selectIndex(1);
        }
    }
    // Opens the grid as the all-processes button does and runs `check` while it is shown.
    void withGrid(const std::function<void(ApplicabilityGrid&)>& check)
    {
        bool shown = false;
        const auto script = [&](QDialog& shownWindow) {
            shown = true;
            check(dynamic_cast<ApplicabilityGrid&>(shownWindow));
        };
        seams.modal.scripts[newerGrid] = script;
        seams.modal.scripts[olderGrid] = script;
        windowOpeners().showAllProcesses();
        EXPECT_TRUE(shown);
    }
    // "SMAW:1 GTAW:1": every body cell that holds "X", row after row; any other text in a body cell
    // fails the test.
    static std::string marks(const FlexGrid& grid)
    {
        QStringList found;
        for (int r = grid.fixedRows(); r < grid.rows(); ++r)
            for (int c = 1; c < grid.cols(); ++c) {
                const QString text = grid.textMatrix(r, c);
                if (text == "X")
                    found << grid.textMatrix(r, 0) + ":" + QString::number(c);
                else
                    EXPECT_EQ(text, "") << r << "," << c;
            }
        return found.join(' ').toStdString();
    }
    // Opens the grid of `gridName` on each paragraph in turn: its caption, marks and process names.
    void expectMarks(std::initializer_list<KnownParagraph> known, const char* gridName, const QStringList& processes)
    {
        for (const KnownParagraph& k : known) {
            SCOPED_TRACE(k.paragraph.toStdString());
            select(k.paragraph);
            withGrid([&](ApplicabilityGrid& dialog) {
                EXPECT_EQ(dialog.windowTitle(), "Applicability of " + k.paragraph + " variable");
                EXPECT_EQ(marks(*dialog.MSFlexGrid1), k.marks);
                EXPECT_EQ(processColumn(*dialog.MSFlexGrid1), processes);
            });
            EXPECT_EQ(seams.modal.shown.back(), gridName);
            EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
        }
    }
    static QStringList processColumn(const FlexGrid& grid)
    {
        QStringList names;
        for (int r = grid.fixedRows(); r < grid.rows(); ++r)
            names << grid.textMatrix(r, 0);
        return names;
    }

    varnelMain* main = nullptr;
};

}  // namespace

TEST_F(Grids, TheNewerGridMarksEveryProcessAndCategoryOfAParagraph)
{
    start(testing_support::sampleDatabase());
    // Columns: 1 ESS, 2 NON, 3 SUP, 4 CRO_ESS, 5 CRO_NON, 6 HFO_ESS, 7 HFO_NON, 8 HFSF_ESS, 9 HFSF_NON.
    expectMarks({{"QW-405.4", "OFW:6 SMAW:4 SMAW:6 SAW:4 SAW:6 GMAW:4 GMAW:6 FCAW:4 FCAW:6 "
                              "GTAW:4 GTAW:6 PAW:4 PAW:6 ESW:4 LBW:4 LBW:6"},
                 {"QW-402.17", "FLSP:8 PSP:8"},
                 {"QW-404.45", "FLSP:9 PSP:9"},
                 {"QW-404.12", "SMAW:3 SAW:3 GMAW:3 FCAW:3"},
                 {"QW-402.20", "FSW:1"},
                 {"QW-402.2", "EBW:1 LBW:1"}},  // the database's own LLBW is not a row of the grid
                newerGrid, gridProcesses());
    EXPECT_NE(std::find(seams.pointer.history.begin(), seams.pointer.history.end(), platform::Pointer::Hourglass),
              seams.pointer.history.end());
}

TEST_F(Grids, TheNewerGridHasTwoHeaderRowsWithMergedGroupHeadings)
{
    start(testing_support::sampleDatabase());
    select("QW-402.1");
    withGrid([&](ApplicabilityGrid& dialog) {
        const FlexGrid& g = *dialog.MSFlexGrid1;
        ASSERT_EQ(g.rows(), 23);
        ASSERT_EQ(g.cols(), 10);
        EXPECT_EQ(g.fixedRows(), 2);
        EXPECT_EQ(g.fixedCols(), 1);
        const QStringList groups{"Groove/Fillet", "Groove/Fillet", "Groove/Fillet", "Corrosion-Resistant Overlays",
                                 "Corrosion-Resistant Overlays", "Hardfacing Overlays", "Hardfacing Overlays",
                                 "Hardfacing Spray Fuse", "Hardfacing Spray Fuse"};
        const QStringList kinds{"Essential", "Non essential", "Supplementary essential", "Essential", "Non essential",
                                "Essential", "Non essential", "Essential", "Non essential"};
        for (int c = 1; c <= 9; ++c) {
            EXPECT_EQ(g.textMatrix(0, c), groups[c - 1]);
            EXPECT_EQ(g.textMatrix(1, c), kinds[c - 1]);
            EXPECT_EQ(g.cellFont(1, c).family(), "small fonts");
            EXPECT_EQ(g.cellFont(1, c).pointSizeF(), 6);
        }
        EXPECT_EQ(g.textMatrix(0, 0).trimmed(), "");
        EXPECT_EQ(g.textMatrix(1, 0), "");
        const std::pair<int, int> headings[] = {{1, 3}, {1, 3}, {1, 3}, {4, 5}, {4, 5}, {6, 7}, {6, 7}, {8, 9}, {8, 9}};
        for (int c = 1; c <= 9; ++c)
            EXPECT_EQ(g.mergedColumns(0, c), headings[c - 1]) << c;
        EXPECT_EQ(g.mergedColumns(1, 4), std::make_pair(4, 4));

        EXPECT_EQ(g.rowHeight(2), 240);  // the standard row of the grid's 8.25 points
        EXPECT_EQ(g.rowHeight(0), 4 * g.rowHeight(2));
        EXPECT_EQ(g.rowHeight(1), 360);
        EXPECT_EQ(g.height(), platform::twips(6405));
        for (int c = 0; c < 10; ++c)
            EXPECT_EQ(g.colWidth(c), 933) << c;  // (9345 - 15) / 10 on a grid 623 pixels wide
        EXPECT_LT(g.cellRect(22, 9).bottom(), g.height());
        EXPECT_LT(g.cellRect(22, 9).right(), g.width());

        // A screen reader reads a table: a heading once over its columns, each cell with its
        // headings and process. Keys move the current cell, and on a screen too small for the
        // window the grid scrolls to it.
        FlexGrid* grid = dialog.MSFlexGrid1;
        QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid)->tableInterface();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(std::make_pair(table->rowCount(), table->columnCount()), std::make_pair(23, 10));
        EXPECT_EQ(table->cellAt(0, 5), table->cellAt(0, 4));
        EXPECT_EQ(table->cellAt(0, 5)->tableCellInterface()->columnExtent(), 2);
        EXPECT_EQ(table->columnDescription(5), "Corrosion-Resistant Overlays Non essential");
        dialog.resize(dialog.minimumSize());
        QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(std::make_pair(grid->row(), grid->col()), std::make_pair(22, 9));
        EXPECT_TRUE(grid->visibleRegion().boundingRect().contains(grid->cellRect(22, 9)));
        QStringList heard{table->cellAt(22, 9)->text(QAccessible::Name)};
        for (const QAccessibleInterface* header : table->cellAt(22, 9)->tableCellInterface()->columnHeaderCells()
                                                      + table->cellAt(22, 9)->tableCellInterface()->rowHeaderCells())
            heard << header->text(QAccessible::Name);
        EXPECT_EQ(heard.join('|'), "|Hardfacing Spray Fuse|Non essential|FSW");

        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
}

TEST_F(Grids, TheOlderGridShowsFiveCategoriesOfTheFirstEighteenProcesses)
{
    start(testing_support::olderLayoutDatabase());
    // Columns: 1 ESS, 2 NON, 3 SUP, 4 HFO, 5 CRO.
    // DFW, FW, FLSP and PSP have no columns in this table: their rows hold the name alone.
    expectMarks({{"QW-405.4", "OFW:4 SMAW:4 SMAW:5 SAW:4 SAW:5 GMAW:4 GMAW:5 FCAW:4 FCAW:5 "
                              "GTAW:4 GTAW:5 PAW:4 PAW:5 ESW:5 LBW:4 LBW:5"},
                 {"QW-403.8", "OFW:1 SMAW:1 SAW:1 GMAW:1 FCAW:1 GTAW:1 PAW:1 ESW:1 EGW:1"},
                 {"QW-402.13", "RW:1"}},
                olderGrid, gridProcesses().mid(0, 18));

    select("QW-402.1");
    withGrid([&](ApplicabilityGrid& dialog) {
        const FlexGrid& g = *dialog.MSFlexGrid1;
        EXPECT_EQ(dialog.windowTitle(), "Applicability of QW-402.1 variable");
        ASSERT_EQ(g.rows(), 19);
        ASSERT_EQ(g.cols(), 6);
        const QStringList headers{" ", "Essential", "Non-essential", "Supplementary essential",
                                  "Essential Hard Facing Overlay", "Essential Corrosion Resistant Overlay"};
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(g.textMatrix(0, c), headers[c]);
        EXPECT_FALSE(g.mergeRow(0));
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(g.colWidth(c), 1215) << c;
        EXPECT_EQ(g.rowHeight(1), 240);
        EXPECT_EQ(g.rowHeight(0), 4 * g.rowHeight(1));
        EXPECT_LT(g.cellRect(18, 5).bottom(), g.height());
        EXPECT_EQ(g.height(), platform::twips(5295));
        QTest::keyClick(dialog.MSFlexGrid1, Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(std::make_pair(g.row(), g.col()), std::make_pair(18, 5));
    });
}

TEST_F(Grids, AParagraphWithoutARowKeepsTheHeadersAloneAndNoSelectionListsTheProcesses)
{
    start(testing_support::sampleDatabase());
    select("QW-999.9");
    withGrid([&](ApplicabilityGrid& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Applicability of QW-999.9 variable");
        EXPECT_EQ(marks(*dialog.MSFlexGrid1), "");
        EXPECT_EQ(processColumn(*dialog.MSFlexGrid1), QStringList(21, QString()));
        EXPECT_EQ(dialog.MSFlexGrid1->textMatrix(1, 1), "Essential");
    });

    select(QString());
    withGrid([&](ApplicabilityGrid& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Applicable Variables");
        EXPECT_EQ(marks(*dialog.MSFlexGrid1), "");
        EXPECT_EQ(processColumn(*dialog.MSFlexGrid1), gridProcesses());
    });
}

TEST_F(Grids, MissingColumnsNullsQuotesAndRepeatedParagraphsOfATable)
{
    start(testing_support::sampleDatabase());
    // No FSW column at all; SAW_NON may be Null.
    const testing_support::FixtureDatabase table(R"(
        CREATE TABLE "Variables" ("variable" TEXT COLLATE NOCASE, "order" INTEGER, "SMAW_ESS" BOOLEAN,
                                  "GTAW_ESS" BOOLEAN, "GTAW_HFSF_ESS" BOOLEAN, "SAW_NON" BOOLEAN);
        INSERT INTO "Variables" VALUES ('QW-1', 1, -1, -1, 0, 0);
        INSERT INTO "Variables" VALUES ('QW-"2"', 2, -1, 0, 0, 0);
        INSERT INTO "Variables" VALUES ('QW-3', 3, 0, -1, 0, 0);
        INSERT INTO "Variables" VALUES ('QW-3', 4, -1, 0, 0, 0);
        INSERT INTO "Variables" VALUES ('QW-4', 5, 0, 0, -1, NULL);
    )");
    varnelCore().mainDatabase = dao::Workspace::defaultWorkspace().openDatabase(table.path(), false, true, ";pwd=");

    expectMarks({{"QW-1", "SMAW:1 GTAW:1"},
                 {"QW-\"2\"", "SMAW:1"},  // the quotes reach the query as a literal, not as SQL
                 {"QW-3", "GTAW:1"},      // the first of two rows counts
                 {"QW-4", "GTAW:8"}},     // Hardfacing Spray Fuse, Essential; the Null leaves SAW empty
                newerGrid, gridProcesses());  // FSW has no columns: its row holds the name alone
    varnelCore().mainDatabase.reset();  // closed before the table's directory goes
}
