#pragma once
// The grid of the SFA applicability matrix: text cells by row and column, one fixed (header) row
// and one fixed column shown in their own colours, a column format string, row heights and
// column widths in twips, and the current cell that a click sets. It offers the part of a flex
// grid's interface that the matrix uses, under the same names, so that the matrix can move to the
// shared flex-grid control unchanged.

#include <QColor>
#include <QTableWidget>
#include <functional>
#include <vector>

namespace varnel {

class MatrixGrid : public QTableWidget {
    Q_OBJECT
public:
    struct Colours {
        QColor fore;       // text of body cells
        QColor back;       // background of body cells
        QColor foreFixed;  // text of fixed cells
        QColor backFixed;  // background of fixed cells
    };

    explicit MatrixGrid(QWidget* parent = nullptr);

    // Runs after every click on a cell, once the click has made that cell the current one.
    std::function<void()> click;

    int rows() const { return rowCount(); }
    void setRows(int rows);
    int cols() const { return columnCount(); }
    void setCols(int cols);
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int fixedRows);
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int fixedCols);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // Columns separated by "|", each beginning with its alignment ("<" left, "^" centred, ">"
    // right) followed by its header text in row 0.
    void setFormatString(const QString& format);
    Qt::Alignment colAlignment(int col) const;

    // Sizes in twips; a row never given a height has the standard height for the grid's font.
    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    int colWidth(int col) const;
    void setColWidth(int col, int twips);

    Colours colours() const { return colours_; }
    void setColours(const Colours& colours);

    // The current cell.
    int row() const { return currentRow(); }
    int col() const { return currentColumn(); }

private:
    QTableWidgetItem* cell(int row, int col);
    void paintCells();
    int standardRowHeight() const;

    int fixedRows_ = 0;
    int fixedCols_ = 0;
    std::vector<int> rowHeights_;  // twips; negative: the standard height
    std::vector<int> colWidths_;   // twips
    std::vector<Qt::Alignment> alignments_;
    Colours colours_;
};

}  // namespace varnel
