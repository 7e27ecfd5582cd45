#include "platform/ui/flex_grid.h"

#include "platform/ui/colours.h"
#include "platform/ui/form_font.h"
#include "platform/ui/twips.h"

#include <QAccessible>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace platform::ui {

namespace {

constexpr int defaultColWidth = 960;  // twips
constexpr int textMargin = 2;         // pixels between a cell's edge and its text

Qt::Alignment qtAlignment(FlexGrid::Alignment alignment)
{
    switch (alignment) {
    case FlexGrid::Alignment::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case FlexGrid::Alignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case FlexGrid::Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

[[noreturn]] void refuse(const char* what, int value, int limit)
{
    throw std::out_of_range(std::string("flex grid: ") + what + " " + std::to_string(value) + " is outside 0.."
                            + std::to_string(limit - 1));
}

}  // namespace

QFont FlexGrid::designFont(const QString& name, double points) { return platform::ui::designFont(name, points); }

FlexGrid::FlexGrid(QWidget* parent) : QWidget(parent)
{
    const QPalette& p = palette();
    colours_ = {p.color(QPalette::Text),   p.color(QPalette::Base),  p.color(QPalette::ButtonText),
                p.color(QPalette::Button), QColor(192, 192, 192),   QColor(Qt::black),
                QColor(128, 128, 128)};
    fixedRows_ = 1;
    fixedCols_ = 1;
    reshape(2, 2);
    // The grid takes the focus, by Tab as by a click, so that a person reaches it with the
    // keyboard and a screen reader reads it; the current cell shows the focus.
    setFocusPolicy(Qt::StrongFocus);
}

// ---------------------------------------------------------------------------------------- shape

void FlexGrid::checkRow(int row) const
{
    if (row < 0 || row >= rows_)
        refuse("row", row, rows_);
}

void FlexGrid::checkCol(int col) const
{
    if (col < 0 || col >= cols_)
        refuse("column", col, cols_);
}

void FlexGrid::reshape(int rows, int cols)
{
    std::vector<QString> texts(static_cast<std::size_t>(rows) * cols);
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            texts[static_cast<std::size_t>(r) * cols + c] = std::move(texts_[static_cast<std::size_t>(r) * cols_ + c]);
    texts_ = std::move(texts);
    rowHeights_.resize(rows, -1);
    mergeRows_.resize(rows, false);
    colWidths_.resize(cols, defaultColWidth);
    alignments_.resize(cols, Alignment::Left);
    std::erase_if(cellFonts_, [&](const auto& font) { return font.first.first >= rows || font.first.second >= cols; });
    rows_ = rows;
    cols_ = cols;
    row_ = std::clamp(row_, fixedRows_, rows_ - 1);
    col_ = std::clamp(col_, fixedCols_, cols_ - 1);
    update();
}

void FlexGrid::setRows(int rows)
{
    if (rows <= fixedRows_)
        throw std::out_of_range("flex grid: rows must outnumber the fixed rows");
    reshape(rows, cols_);
}

void FlexGrid::setCols(int cols)
{
    if (cols <= fixedCols_)
        throw std::out_of_range("flex grid: columns must outnumber the fixed columns");
    reshape(rows_, cols);
}

void FlexGrid::setFixedRows(int fixedRows)
{
    if (fixedRows < 0 || fixedRows >= rows_)
        refuse("fixed rows", fixedRows, rows_);
    fixedRows_ = fixedRows;
    row_ = std::max(row_, fixedRows_);
    update();
}

void FlexGrid::setFixedCols(int fixedCols)
{
    if (fixedCols < 0 || fixedCols >= cols_)
        refuse("fixed columns", fixedCols, cols_);
    fixedCols_ = fixedCols;
    col_ = std::max(col_, fixedCols_);
    update();
}

// ---------------------------------------------------------------------------------------- texts

QString FlexGrid::textMatrix(int row, int col) const
{
    checkRow(row);
    checkCol(col);
    return texts_[static_cast<std::size_t>(row) * cols_ + col];
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    checkRow(row);
    checkCol(col);
    texts_[static_cast<std::size_t>(row) * cols_ + col] = text;
    update();
}

void FlexGrid::setFormatString(const QString& format)
{
    const QStringList columns = format.split(u'|');
    if (columns.size() > cols_)
        setCols(static_cast<int>(columns.size()));
    for (int c = 0; c < columns.size(); ++c) {
        QString header = columns[c];
        if (header.startsWith(u'<') || header.startsWith(u'^') || header.startsWith(u'>')) {
            const QChar mark = header[0];
            alignments_[c] = mark == u'<' ? Alignment::Left : mark == u'^' ? Alignment::Centre : Alignment::Right;
            header.remove(0, 1);
        }
        setTextMatrix(0, c, header);
    }
    formatString_ = format;
}

FlexGrid::Alignment FlexGrid::colAlignment(int col) const
{
    checkCol(col);
    return alignments_[col];
}

void FlexGrid::setColAlignment(int col, Alignment alignment)
{
    checkCol(col);
    alignments_[col] = alignment;
    update();
}

void FlexGrid::setWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    update();
}

// ---------------------------------------------------------------------------------------- sizes

// A row holds one line of the grid's font and three pixels. The line is as high as the design's
// faces make it, 1.2 ems (13 pixels at 8.25 points, a 240-twip row), or higher where the face at
// hand needs more.
int FlexGrid::standardRowHeight() const
{
    const double ems = QFontInfo(font()).pointSizeF() * 96 / 72;
    const int line = std::max(QFontMetrics(font()).height(), static_cast<int>(std::lround(ems * 1.2)));
    return toTwips(line + 3);
}

int FlexGrid::rowHeight(int row) const
{
    checkRow(row);
    return rowHeights_[row] < 0 ? standardRowHeight() : rowHeights_[row];
}

void FlexGrid::setRowHeight(int row, int twips)
{
    checkRow(row);
    rowHeights_[row] = std::max(twips, -1);
    update();
}

int FlexGrid::colWidth(int col) const
{
    checkCol(col);
    return colWidths_[col];
}

void FlexGrid::setColWidth(int col, int twips)
{
    checkCol(col);
    colWidths_[col] = twips < 0 ? defaultColWidth : twips;
    update();
}

int FlexGrid::rowTop(int row) const
{
    int top = 0;
    for (int r = 0; r < row; ++r)
        top += twips(rowHeight(r));
    return top;
}

int FlexGrid::colLeft(int col) const
{
    int left = 0;
    for (int c = 0; c < col; ++c)
        left += twips(colWidths_[c]);
    return left;
}

// ---------------------------------------------------------------------------------------- merging

bool FlexGrid::mergeRow(int row) const
{
    checkRow(row);
    return mergeRows_[row];
}

void FlexGrid::setMergeRow(int row, bool merge)
{
    checkRow(row);
    mergeRows_[row] = merge;
    update();
}

std::pair<int, int> FlexGrid::mergedColumns(int row, int col) const
{
    const QString text = textMatrix(row, col);
    if (!mergeRows_[row] || text.isEmpty())
        return {col, col};
    const auto mergesWith = [&](int neighbour) {
        return neighbour >= 0 && neighbour < cols_ && isFixed(row, neighbour) == isFixed(row, col)
               && textMatrix(row, neighbour) == text;
    };
    int first = col;
    while (mergesWith(first - 1))
        --first;
    int last = col;
    while (mergesWith(last + 1))
        ++last;
    return {first, last};
}

// ---------------------------------------------------------------------------------------- look

QFont FlexGrid::cellFont(int row, int col) const
{
    checkRow(row);
    checkCol(col);
    const auto own = cellFonts_.find({row, col});
    return own != cellFonts_.end() ? own->second : font();
}

void FlexGrid::setCellFont(int row, int col, const QString& name, double points)
{
    checkRow(row);
    checkCol(col);
    cellFonts_[{row, col}] = designFont(name, points);
    update();
}

void FlexGrid::setColours(const Colours& colours)
{
    colours_ = colours;
    colours_.fore = readableOn(colours.back, colours.fore);
    colours_.foreFixed = readableOn(colours.backFixed, colours.foreFixed);
    update();
}

// ---------------------------------------------------------------------------------------- current cell

void FlexGrid::setRow(int row)
{
    if (row < fixedRows_ || row >= rows_)
        throw std::out_of_range("flex grid: the current row must be a body row");
    row_ = row;
    currentChanged();
}

void FlexGrid::setCol(int col)
{
    if (col < fixedCols_ || col >= cols_)
        throw std::out_of_range("flex grid: the current column must be a body column");
    col_ = col;
    currentChanged();
}

void FlexGrid::currentChanged()
{
    update();
    if (!hasFocus())
        return;
    // The grid's reading for assistive technology has its cells as children, row after row.
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(row_ * cols_ + col_);
    QAccessible::updateAccessibility(&focus);
}

void FlexGrid::moveCurrent(int row, int col)
{
    row_ = row;
    col_ = col;
    // The grid lies in a scroll area's viewport when its window is smaller than its design.
    auto* area = parentWidget() ? qobject_cast<QScrollArea*>(parentWidget()->parentWidget()) : nullptr;
    if (area && area->widget() == this) {
        const QRect cell = cellRect(row, col);
        // The margins reach from the middle to either edge, the last pixel included.
        const int halfWidth = cell.width() / 2;
        const int halfHeight = cell.height() / 2;
        area->ensureVisible(cell.left() + halfWidth, cell.top() + halfHeight, cell.width() - halfWidth,
                            cell.height() - halfHeight);
    }
    currentChanged();
}

int FlexGrid::lastShownRow() const
{
    int last = fixedRows_;
    for (int r = fixedRows_ + 1, top = rowTop(r); r < rows_ && top + twips(rowHeight(r)) / 2 < height(); ++r) {
        last = r;
        top += twips(rowHeight(r));
    }
    return last;
}

int FlexGrid::lastShownCol() const
{
    int last = fixedCols_;
    for (int c = fixedCols_ + 1, left = colLeft(c); c < cols_ && left + twips(colWidths_[c]) / 2 < width(); ++c) {
        last = c;
        left += twips(colWidths_[c]);
    }
    return last;
}

int FlexGrid::pageRows() const
{
    const QRect shown = isVisible() ? visibleRegion().boundingRect() : rect();
    int rows = 0;
    for (int r = fixedRows_, top = rowTop(r); r < rows_; top += twips(rowHeight(r)), ++r)
        if (top >= shown.top() && top + twips(rowHeight(r)) <= shown.bottom() + 1)
            ++rows;
    return std::max(rows, 1);
}

void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    const bool toCorner = event->modifiers() & Qt::ControlModifier;
    int row = row_;
    int col = col_;
    switch (event->key()) {
    case Qt::Key_Left: --col; break;
    case Qt::Key_Right: ++col; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_PageUp: row -= pageRows(); break;
    case Qt::Key_PageDown: row += pageRows(); break;
    case Qt::Key_Home:
        col = fixedCols_;
        row = toCorner ? fixedRows_ : row;
        break;
    case Qt::Key_End:
        col = cols_;
        row = toCorner ? rows_ : row;
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    moveCurrent(std::clamp(row, fixedRows_, lastShownRow()), std::clamp(col, fixedCols_, lastShownCol()));
}

void FlexGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    currentChanged();
}

QRect FlexGrid::cellRect(int row, int col) const
{
    const auto [first, last] = mergedColumns(row, col);
    const int left = colLeft(first);
    return QRect(left, rowTop(row), colLeft(last + 1) - left, twips(rowHeight(row)));
}

std::pair<int, int> FlexGrid::cellAt(const QPoint& point) const
{
    int row = -1;
    for (int r = 0, top = 0; r < rows_ && row < 0; ++r) {
        top += twips(rowHeight(r));
        if (point.y() >= 0 && point.y() < top)
            row = r;
    }
    int col = -1;
    for (int c = 0, left = 0; c < cols_ && col < 0; ++c) {
        left += twips(colWidths_[c]);
        if (point.x() >= 0 && point.x() < left)
            col = c;
    }
    if (row < 0 || col < 0)
        return {-1, -1};
    return {row, col};
}

void FlexGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const auto [row, col] = cellAt(event->position().toPoint());
        mouseRow_ = row;
        mouseCol_ = col;
        if (row >= fixedRows_ && col >= fixedCols_)
            moveCurrent(row, col);
    }
    QWidget::mousePressEvent(event);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && click)
        click();
}

// ---------------------------------------------------------------------------------------- painting

QRect FlexGrid::cellTextArea(int row, int col) const
{
    return cellRect(row, col).adjusted(textMargin, 0, -textMargin - 1, -1);
}

// A cell's text wraps at word boundaries where the grid wraps, and in a cell that holds two lines
// of its font (a header row made taller for its headings).
bool FlexGrid::cellWraps(int row, int col) const
{
    return wordWrap_ || cellTextArea(row, col).height() >= 2 * QFontMetrics(cellFont(row, col)).height();
}

// A text that does not fit its cell is drawn smaller, then cut, as every caption is.
CaptionFit FlexGrid::cellFit(int row, int col) const
{
    return fitCaption(textMatrix(row, col), cellFont(row, col), cellTextArea(row, col).size(), cellWraps(row, col));
}

void FlexGrid::paintCell(QPainter& painter, int row, int col, const QRect& area) const
{
    const bool fixed = isFixed(row, col);
    painter.fillRect(area, fixed ? colours_.backFixed : colours_.back);

    const QString text = textMatrix(row, col);
    if (!text.isEmpty()) {
        painter.save();
        painter.setClipRect(area);
        const CaptionFit fit = cellFit(row, col);
        painter.setFont(fit.font);
        painter.setPen(fixed ? colours_.foreFixed : colours_.fore);
        const QRect textArea = area.adjusted(textMargin, 0, -textMargin - 1, -1);
        const int flags = qtAlignment(alignments_[col]) | (cellWraps(row, col) ? Qt::TextWordWrap : 0);
        painter.drawText(textArea, flags, fit.text);
        painter.restore();
    }

    // Each cell carries the line on its right and bottom edge.
    painter.setPen(fixed ? colours_.gridFixed : colours_.grid);
    painter.drawLine(area.topRight(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.bottomRight());
}

void FlexGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colours_.backBkg);
    int top = 0;
    for (int r = 0; r < rows_ && top < height(); ++r) {
        const int rowPixels = twips(rowHeight(r));
        int left = 0;
        for (int c = 0; c < cols_ && left < width();) {
            const int last = mergedColumns(r, c).second;
            int cellPixels = 0;
            for (int m = c; m <= last; ++m)
                cellPixels += twips(colWidths_[m]);
            paintCell(painter, r, c, QRect(left, top, cellPixels, rowPixels));
            left += cellPixels;
            c = last + 1;
        }
        top += rowPixels;
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = cellRect(row_, col_).adjusted(1, 1, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace platform::ui
