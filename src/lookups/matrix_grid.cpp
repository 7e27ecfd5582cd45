#include "lookups/matrix_grid.h"

#include "platform/ui/twips.h"

#include <QHeaderView>

namespace varnel {

MatrixGrid::MatrixGrid(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(true);
    // The grid is sized for its contents; a column beyond the right edge stays there.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QTableWidget::cellClicked, this, [this](int r, int c) {
        setCurrentCell(r, c);
        if (click)
            click();
    });
}

void MatrixGrid::setRows(int rows)
{
    setRowCount(rows);
    rowHeights_.resize(static_cast<std::size_t>(rows), -1);
    for (int r = 0; r < rows; ++r)
        setRowHeight(r, rowHeights_[static_cast<std::size_t>(r)]);
    paintCells();
}

void MatrixGrid::setCols(int cols)
{
    setColumnCount(cols);
    colWidths_.resize(static_cast<std::size_t>(cols), 960);
    alignments_.resize(static_cast<std::size_t>(cols), Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < cols; ++c)
        setColWidth(c, colWidths_[static_cast<std::size_t>(c)]);
    paintCells();
}

void MatrixGrid::setFixedRows(int fixedRows)
{
    fixedRows_ = fixedRows;
    paintCells();
}

void MatrixGrid::setFixedCols(int fixedCols)
{
    fixedCols_ = fixedCols;
    paintCells();
}

QTableWidgetItem* MatrixGrid::cell(int row, int col)
{
    QTableWidgetItem* item = QTableWidget::item(row, col);
    if (!item) {
        item = new QTableWidgetItem;
        setItem(row, col, item);
    }
    return item;
}

QString MatrixGrid::textMatrix(int row, int col) const
{
    const QTableWidgetItem* item = QTableWidget::item(row, col);
    return item ? item->text() : QString();
}

void MatrixGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        return;
    cell(row, col)->setText(text);
}

void MatrixGrid::setFormatString(const QString& format)
{
    const QStringList columns = format.split(u'|');
    if (columns.size() > columnCount())
        setCols(static_cast<int>(columns.size()));
    for (int c = 0; c < columns.size(); ++c) {
        QString text = columns[c];
        Qt::Alignment alignment = Qt::AlignLeft;
        if (text.startsWith(u'<'))
            text.remove(0, 1);
        else if (text.startsWith(u'^')) {
            alignment = Qt::AlignHCenter;
            text.remove(0, 1);
        } else if (text.startsWith(u'>')) {
            alignment = Qt::AlignRight;
            text.remove(0, 1);
        }
        alignments_[static_cast<std::size_t>(c)] = alignment | Qt::AlignVCenter;
        if (rowCount() > 0)
            cell(0, c)->setText(text);
    }
    paintCells();
}

Qt::Alignment MatrixGrid::colAlignment(int col) const { return alignments_.at(static_cast<std::size_t>(col)); }

int MatrixGrid::standardRowHeight() const { return platform::toTwips(fontMetrics().height() + 3); }

int MatrixGrid::rowHeight(int row) const
{
    const int height = rowHeights_.at(static_cast<std::size_t>(row));
    return height < 0 ? standardRowHeight() : height;
}

void MatrixGrid::setRowHeight(int row, int twips)
{
    rowHeights_.at(static_cast<std::size_t>(row)) = twips;
    QTableWidget::setRowHeight(row, platform::twips(rowHeight(row)));
}

int MatrixGrid::colWidth(int col) const { return colWidths_.at(static_cast<std::size_t>(col)); }

void MatrixGrid::setColWidth(int col, int twips)
{
    colWidths_.at(static_cast<std::size_t>(col)) = twips;
    setColumnWidth(col, platform::twips(twips));
}

void MatrixGrid::setColours(const Colours& colours)
{
    colours_ = colours;
    paintCells();
}

void MatrixGrid::paintCells()
{
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem* item = cell(r, c);
            const bool fixed = r < fixedRows_ || c < fixedCols_;
            const QColor fore = fixed ? colours_.foreFixed : colours_.fore;
            const QColor back = fixed ? colours_.backFixed : colours_.back;
            if (fore.isValid())
                item->setForeground(fore);
            if (back.isValid())
                item->setBackground(back);
            item->setTextAlignment(alignments_[static_cast<std::size_t>(c)]);
        }
}

}  // namespace varnel
