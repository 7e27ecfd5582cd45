#pragma once
// A grid of text cells as the windows were designed with: fixed (header) rows at the top and
// fixed columns at the left, cell texts written by row and column, a column format string, equal
// neighbouring texts of a row shown as one cell where that row merges, fonts of single cells, row
// heights and column widths in twips, and the current cell that a click sets.
//
// Rows and columns count from 0, the fixed ones first. The grid shows what fits in its area and
// does not scroll: the windows size it for their contents. A row or column outside the grid is
// refused with std::out_of_range.

#include "platform/ui/caption_fit.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace platform::ui {

class FlexGrid : public QWidget {
    Q_OBJECT
public:
    enum class Alignment { Left, Centre, Right };

    struct Colours {
        QColor fore;       // text of body cells
        QColor back;       // background of body cells
        QColor foreFixed;  // text of fixed cells
        QColor backFixed;  // background of fixed cells
        QColor grid;       // lines between body cells
        QColor gridFixed;  // lines between fixed cells
        QColor backBkg;    // the area beyond the last row and column
    };

    explicit FlexGrid(QWidget* parent = nullptr);

    // Runs after every click in the grid, once a click on a body cell has made it the current one.
    std::function<void()> click;

    // A font as the designs give it: a face name and a size in points on the design screen, where
    // 15 twips make one pixel (96 pixels to the inch).
    static QFont designFont(const QString& name, double points);

    // ------------------------------------------------------------------ shape
    // Changing the number of rows or columns keeps the cells that remain, with their texts, sizes
    // and fonts. At least one row and one column are body cells: fewer rows or columns than that,
    // or more fixed ones, are refused with std::out_of_range.
    int rows() const { return rows_; }
    void setRows(int rows);
    int cols() const { return cols_; }
    void setCols(int cols);
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int fixedRows);
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int fixedCols);

    // ------------------------------------------------------------------ texts
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // Columns separated by "|"; each may begin with its alignment, "<" left, "^" centred or ">"
    // right, and the rest is its header text in row 0 (so "< " gives column 0 the header " ").
    // Sets the alignment of the columns it names and writes their headers; adds columns when it
    // names more than the grid has.
    QString formatString() const { return formatString_; }
    void setFormatString(const QString& format);
    Alignment colAlignment(int col) const;
    void setColAlignment(int col, Alignment alignment);

    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);

    // ------------------------------------------------------------------ sizes, in twips
    // A row never given a height has the standard height for the grid's font; a negative height
    // gives the row the standard height again. A negative width gives the default width.
    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    int colWidth(int col) const;
    void setColWidth(int col, int twips);

    // ------------------------------------------------------------------ merging
    // In a merging row, neighbouring cells with the same text that is not empty show as one cell;
    // fixed and body cells never merge with each other.
    bool mergeRow(int row) const;
    void setMergeRow(int row, bool merge);
    // The first and the last column of the cell that (row, col) shows as.
    std::pair<int, int> mergedColumns(int row, int col) const;

    // ------------------------------------------------------------------ look
    // The grid's own font unless the cell was given one.
    QFont cellFont(int row, int col) const;
    void setCellFont(int row, int col, const QString& name, double points);
    // The colours the grid draws in: those set, but a text colour that would not stand out from
    // its cells' background is drawn as readableOn (colours.h) makes it.
    Colours colours() const { return colours_; }
    void setColours(const Colours& colours);

    // ------------------------------------------------------------------ current cell
    // A body cell; (fixed rows, fixed columns) until a click, a key or the program moves it. The
    // arrow keys move it by one cell, Home and End to the first and last column of its row (with
    // Ctrl, to the first and last cell), Page Up and Page Down by the rows that show. Keys keep it
    // among the cells whose middle lies within the grid's area, and a scroll area that holds the
    // grid scrolls to it. While the grid has the focus, each move is told to assistive technology
    // as the focus going to that cell.
    int row() const { return row_; }
    void setRow(int row);
    int col() const { return col_; }
    void setCol(int col);

    // The cell under the mouse at the last press, fixed cells included; -1 beyond the cells.
    int mouseRow() const { return mouseRow_; }
    int mouseCol() const { return mouseCol_; }

    // Where a cell shows, in the grid's pixels, across the cells it merges with.
    QRect cellRect(int row, int col) const;
    // Where a cell's text is drawn within it, and the text and font it is drawn in.
    QRect cellTextArea(int row, int col) const;
    CaptionFit cellFit(int row, int col) const;
    bool cellWraps(int row, int col) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void checkRow(int row) const;
    void checkCol(int col) const;
    void reshape(int rows, int cols);
    bool isFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }
    int standardRowHeight() const;
    int rowTop(int row) const;   // pixels
    int colLeft(int col) const;  // pixels
    // The cell under a point, or (-1, -1).
    std::pair<int, int> cellAt(const QPoint& point) const;
    void paintCell(QPainter& painter, int row, int col, const QRect& area) const;
    // The last row and column whose middle lies within the grid's area; the keys go no further.
    int lastShownRow() const;
    int lastShownCol() const;
    // How many body rows show at once, in the grid's area or in the scroll area that holds it.
    int pageRows() const;
    // Makes a body cell current, as a click or a key does: a scroll area that holds the grid
    // scrolls to it.
    void moveCurrent(int row, int col);
    // The current cell is drawn anew and, while the grid has the focus, told to assistive
    // technology.
    void currentChanged();

    int mouseRow_ = -1;
    int mouseCol_ = -1;
    int rows_ = 0;
    int cols_ = 0;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    std::vector<QString> texts_;       // row after row
    std::vector<int> rowHeights_;      // twips; negative: the standard height
    std::vector<int> colWidths_;       // twips
    std::vector<Alignment> alignments_;
    std::vector<bool> mergeRows_;
    std::map<std::pair<int, int>, QFont> cellFonts_;
    QString formatString_;
    bool wordWrap_ = false;
    Colours colours_;
    int row_ = 0;
    int col_ = 0;
};

}  // namespace platform::ui
