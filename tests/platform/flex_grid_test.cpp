#include "platform/ui/flex_grid.h"
#include "platform/ui/twips.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using platform::ui::FlexGrid;
using Alignment = platform::ui::FlexGrid::Alignment;

namespace {

// A grid of `rows` x `cols` with one fixed row and column, every column 900 twips wide.
std::unique_ptr<FlexGrid> grid(int rows, int cols)
{
    auto g = std::make_unique<FlexGrid>();
    g->setRows(rows);
    g->setCols(cols);
    for (int c = 0; c < cols; ++c)
        g->setColWidth(c, 900);
    g->resize(platform::twips(900 * cols + 300), 200);
    return g;
}

}  // namespace

TEST(FlexGrid, TheFormatStringSetsAlignmentsAndHeadersAndAddsColumns)
{
    struct Case {
        QString format;
        int colsBefore;
        int colsAfter;
        std::vector<Alignment> alignments;
        QStringList headers;
    };
    const Case cases[] = {
        {"< |^Essential|>Right|Plain", 2, 4, {Alignment::Left, Alignment::Centre, Alignment::Right, Alignment::Left},
         {" ", "Essential", "Right", "Plain"}},
        // Fewer columns named than the grid has: the others keep their state.
        {"< |^GTAW GMAW PAW|^SMAW", 5, 5,
         {Alignment::Left, Alignment::Centre, Alignment::Centre, Alignment::Left, Alignment::Left},
         {" ", "GTAW GMAW PAW", "SMAW", "", ""}},
        {"^|^", 2, 2, {Alignment::Centre, Alignment::Centre}, {"", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format.toStdString());
        auto g = grid(3, c.colsBefore);
        g->setFormatString(c.format);
        EXPECT_EQ(g->formatString(), c.format);
        ASSERT_EQ(g->cols(), c.colsAfter);
        for (int col = 0; col < c.colsAfter; ++col) {
            EXPECT_EQ(g->colAlignment(col), c.alignments[col]) << col;
            EXPECT_EQ(g->textMatrix(0, col), c.headers[col]) << col;
        }
    }
}

TEST(FlexGrid, CellsOutsideTheGridAndImpossibleShapesAreRefused)
{
    // Each value at the end of what a 3 x 3 grid with one fixed row and column takes, and the
    // first value past it, which is refused and changes nothing.
    const struct {
        const char* what;
        std::function<void(FlexGrid&, int)> set;
        int last, past;
    } ends[] = {
        {"row of a cell", [](FlexGrid& g, int v) { g.setTextMatrix(v, 0, "x"); }, 2, 3},
        {"column of a cell", [](FlexGrid& g, int v) { g.setTextMatrix(0, v, "x"); }, 2, 3},
        {"column of a cell, before the first", [](FlexGrid& g, int v) { g.setTextMatrix(0, v, "x"); }, 0, -1},
        {"row of a read cell, before the first", [](FlexGrid& g, int v) { (void)g.textMatrix(v, 0); }, 0, -1},
        {"column of a cell's font", [](FlexGrid& g, int v) { g.setCellFont(0, v, "small fonts", 6); }, 2, 3},
        {"current row", [](FlexGrid& g, int v) { g.setRow(v); }, 2, 3},
        {"current row, a fixed one", [](FlexGrid& g, int v) { g.setRow(v); }, 1, 0},  // the current cell is a body cell
        {"current column", [](FlexGrid& g, int v) { g.setCol(v); }, 2, 3},
        {"fixed rows", [](FlexGrid& g, int v) { g.setFixedRows(v); }, 2, 3},  // one body row remains at least
        {"fixed columns", [](FlexGrid& g, int v) { g.setFixedCols(v); }, 2, 3},
        {"rows", [](FlexGrid& g, int v) { g.setRows(v); }, 2, 1},
        {"columns", [](FlexGrid& g, int v) { g.setCols(v); }, 2, 1},
    };
    const auto shape = [](const FlexGrid& g) {
        return std::vector<int>{g.rows(), g.cols(), g.fixedRows(), g.fixedCols(), g.row(), g.col()};
    };
    for (const auto& end : ends) {
        auto g = grid(3, 3);
        EXPECT_NO_THROW(end.set(*g, end.last)) << end.what;
        g = grid(3, 3);
        const std::vector<int> before = shape(*g);
        EXPECT_THROW(end.set(*g, end.past), std::out_of_range) << end.what;
        EXPECT_EQ(shape(*g), before) << end.what;
    }
}

TEST(FlexGrid, ReshapingKeepsTheCellsThatRemain)
{
    auto g = grid(4, 4);
    g->setTextMatrix(1, 1, "kept");
    g->setTextMatrix(2, 2, "last kept");
    g->setTextMatrix(3, 3, "dropped");
    g->setRowHeight(1, 500);
    g->setCellFont(2, 2, "small fonts", 6);
    g->setCellFont(3, 3, "small fonts", 6);
    g->setRow(3);
    g->setCol(3);

    g->setRows(3);
    g->setCols(3);
    EXPECT_EQ(g->row(), 2);  // the current cell moves into the grid
    EXPECT_EQ(g->col(), 2);
    g->setRows(5);
    g->setCols(5);
    EXPECT_EQ(g->textMatrix(1, 1), "kept");
    EXPECT_EQ(g->textMatrix(2, 2), "last kept");
    EXPECT_EQ(g->textMatrix(3, 3), "");
    EXPECT_EQ(g->rowHeight(1), 500);
    EXPECT_NE(g->cellFont(2, 2), g->font());
    EXPECT_EQ(g->cellFont(3, 3), g->font());
}

TEST(FlexGrid, EqualNeighboursOfAMergingRowShowAsOneCell)
{
    auto g = grid(3, 6);
    const QStringList row0{" ", "Groove", "Groove", "Groove", "Overlay", "Overlay"};
    for (int c = 0; c < 6; ++c) {
        g->setTextMatrix(0, c, row0[c]);
        g->setTextMatrix(1, c, c == 0 ? "same" : c < 3 ? "same" : "");
    }
    g->setTextMatrix(2, 1, "X");
    g->setTextMatrix(2, 2, "X");

    // Not merging yet.
    EXPECT_EQ(g->mergedColumns(0, 2), std::make_pair(2, 2));

    for (int r = 0; r < 3; ++r)
        g->setMergeRow(r, true);
    EXPECT_EQ(g->mergedColumns(0, 1), std::make_pair(1, 3));
    EXPECT_EQ(g->mergedColumns(0, 3), std::make_pair(1, 3));
    EXPECT_EQ(g->mergedColumns(0, 5), std::make_pair(4, 5));
    EXPECT_EQ(g->cellRect(0, 2), QRect(platform::twips(900), 0, 3 * platform::twips(900), g->cellRect(0, 2).height()));
    EXPECT_EQ(g->mergedColumns(1, 0), std::make_pair(0, 0));  // a fixed cell does not merge with a body cell
    EXPECT_EQ(g->mergedColumns(1, 1), std::make_pair(1, 2));
    EXPECT_EQ(g->mergedColumns(1, 4), std::make_pair(4, 4));  // empty cells stay apart
    EXPECT_EQ(g->mergedColumns(2, 2), std::make_pair(1, 2));

    g->setMergeRow(2, false);
    EXPECT_EQ(g->mergedColumns(2, 2), std::make_pair(2, 2));
}

TEST(FlexGrid, AMergedCellIsPaintedWithoutLinesBetweenItsColumns)
{
    auto g = grid(3, 4);
    FlexGrid::Colours colours = g->colours();
    colours.backFixed = QColor(231, 231, 231);
    colours.gridFixed = QColor(128, 128, 128);
    colours.back = QColor(Qt::white);
    colours.grid = QColor(192, 192, 192);
    colours.backBkg = QColor(0, 0, 255);
    g->setColours(colours);
    for (int c = 1; c < 4; ++c) {
        g->setTextMatrix(0, c, "Group");
        g->setTextMatrix(1, c, "Kind");
    }
    g->setMergeRow(0, true);
    g->setRowHeight(0, 600);

    const QImage image = g->grab().toImage();
    const int boundary = g->cellRect(1, 2).left() - 1;  // the line on the right of column 1
    const int inRow0 = g->cellRect(0, 1).top() + 3;      // above the header text
    const int inRow2 = g->cellRect(2, 1).center().y();
    EXPECT_EQ(image.pixelColor(boundary, inRow0), colours.backFixed);
    EXPECT_EQ(image.pixelColor(boundary, inRow2), colours.grid);
    EXPECT_EQ(image.pixelColor(g->cellRect(2, 0).right(), inRow2), colours.gridFixed);
    EXPECT_EQ(image.pixelColor(g->cellRect(2, 3).right() + 2, inRow2), colours.backBkg);
    EXPECT_EQ(image.pixelColor(g->cellRect(2, 3).left() + 2, inRow2), colours.back);
}

TEST(FlexGrid, RowsFollowTheFontUntilGivenAHeightAndWrapFromTwoLines)
{
    auto g = grid(3, 3);
    g->setFont(FlexGrid::designFont("MS Sans Serif", 8.25));
    const int standard = g->rowHeight(2);
    EXPECT_GT(standard, 0);
    g->setRowHeight(1, 360);
    g->setFont(FlexGrid::designFont("MS Sans Serif", 24));
    EXPECT_GT(g->rowHeight(2), standard);
    EXPECT_EQ(g->rowHeight(1), 360);
    g->setRowHeight(1, -1);
    EXPECT_EQ(g->rowHeight(1), g->rowHeight(2));
    EXPECT_EQ(g->cellRect(1, 1).height(), platform::twips(g->rowHeight(1)));

    // A cell wraps its text once it holds two lines of its font.
    const int line = QFontMetrics(g->cellFont(1, 1)).height();
    g->setRowHeight(1, platform::toTwips(2 * line + 1));
    ASSERT_EQ(g->cellTextArea(1, 1).height(), 2 * line);
    EXPECT_TRUE(g->cellWraps(1, 1));
    g->setRowHeight(1, platform::toTwips(2 * line));
    EXPECT_FALSE(g->cellWraps(1, 1));
}

TEST(FlexGrid, AClickMakesABodyCellCurrentAndIsReportedForEveryCell)
{
    auto g = grid(4, 4);
    g->show();
    int clicks = 0;
    std::pair<int, int> seen;
    g->click = [&] {
        ++clicks;
        seen = {g->row(), g->col()};
    };

    QTest::mouseClick(g.get(), Qt::LeftButton, {}, g->cellRect(2, 3).center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(seen, std::make_pair(2, 3));

    // A fixed cell and the area beyond the cells leave the current cell as it was.
    QTest::mouseClick(g.get(), Qt::LeftButton, {}, g->cellRect(0, 1).center());
    QTest::mouseClick(g.get(), Qt::LeftButton, {}, g->cellRect(3, 0).center());
    QTest::mouseClick(g.get(), Qt::LeftButton, {}, QPoint(g->width() - 2, g->height() - 2));
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(seen, std::make_pair(2, 3));

    QTest::mouseClick(g.get(), Qt::RightButton, {}, g->cellRect(1, 1).center());
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(std::make_pair(g->row(), g->col()), std::make_pair(2, 3));

    // A cell's first and last pixels are its own, the grid's last cell's too.
    for (const auto& cell : {std::make_pair(1, 1), std::make_pair(3, 3)}) {
        const QRect area = g->cellRect(cell.first, cell.second);
        for (const QPoint& at : {area.topLeft(), area.bottomRight()}) {
            QTest::mouseClick(g.get(), Qt::LeftButton, {}, at);
            EXPECT_EQ(std::make_pair(g->row(), g->col()), cell) << at.x() << "," << at.y();
        }
    }
}

TEST(FlexGrid, KeysMoveTheCurrentCellAmongTheCellsThatShowAndItReadsAsTheFocus)
{
    // One fixed row and column; the area shows rows 0 to 3 and columns 0 to 3 whole, and no more
    // than the first third of column 4, so the keys go no further.
    auto g = grid(6, 5);
    g->resize(platform::twips(900 * 4 + 300), platform::twips(4 * g->rowHeight(1)));
    g->show();
    g->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(g.get()));
    g->setFocus();
    QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(g.get());
    ASSERT_NE(reading->tableInterface(), nullptr);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int row, col;
    } keys[] = {
        {Qt::Key_Right, {}, 1, 2}, {Qt::Key_Right, {}, 1, 3}, {Qt::Key_Right, {}, 1, 3}, {Qt::Key_Down, {}, 2, 3},
        {Qt::Key_Home, {}, 2, 1}, {Qt::Key_Left, {}, 2, 1}, {Qt::Key_End, {}, 2, 3}, {Qt::Key_Up, {}, 1, 3},
        {Qt::Key_Up, {}, 1, 3}, {Qt::Key_PageDown, {}, 3, 3}, {Qt::Key_PageUp, {}, 1, 3},
        {Qt::Key_End, Qt::ControlModifier, 3, 3}, {Qt::Key_Home, Qt::ControlModifier, 1, 1},
    };
    for (const auto& k : keys) {
        QTest::keyClick(g.get(), k.key, k.modifiers);
        EXPECT_EQ(std::make_pair(g->row(), g->col()), std::make_pair(k.row, k.col)) << QTest::toString(k.key);
        EXPECT_EQ(reading->focusChild(), reading->tableInterface()->cellAt(k.row, k.col)) << QTest::toString(k.key);
    }
}
