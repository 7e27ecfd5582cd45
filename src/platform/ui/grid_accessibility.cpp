#include "platform/ui/grid_accessibility.h"

#include "platform/ui/flex_grid.h"

#include <QAccessibleWidget>
#include <algorithm>
#include <map>

namespace platform::ui {

namespace {

class GridTable;

// One cell; it lives as long as its table's reading and reads the grid as it is now.
class GridCell final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCell(GridTable& table, int row, int col) : table_(table), row_(row), col_(col) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    // The grid has no selection beyond its current cell, which is the focus.
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override;
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    GridTable& table_;
    int row_;
    int col_;
};

// The grid as a table of all its rows and columns, the fixed ones included, so that a screen
// reader steps from cell to cell and says each cell's headers.
class GridTable final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridTable(FlexGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridTable() override
    {
        for (const auto& [place, id] : cells_)
            QAccessible::deleteAccessibleInterface(id);
    }

    FlexGrid* grid() const { return static_cast<FlexGrid*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    // ------------------------------------------------------------------ children: cells by rows
    int childCount() const override { return grid()->rows() * grid()->cols(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return cell(index / grid()->cols(), index % grid()->cols());
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [place, id] : cells_)
            if (QAccessible::accessibleInterface(id) == child)
                return place.first * grid()->cols() + place.second;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = grid()->mapFromGlobal(QPoint(x, y));
        for (int r = 0; r < grid()->rows(); ++r)
            for (int c = 0; c < grid()->cols(); ++c)
                if (grid()->cellRect(r, c).contains(at))
                    return cellAt(r, c);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return grid()->hasFocus() ? cell(grid()->row(), grid()->col()) : nullptr;
    }

    // ------------------------------------------------------------------ table
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    int rowCount() const override { return grid()->rows(); }
    int columnCount() const override { return grid()->cols(); }
    // A cell that a merge shows as part of its left neighbours reads as the merged cell.
    QAccessibleInterface* cellAt(int row, int col) const override
    {
        if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
            return nullptr;
        return cell(row, grid()->mergedColumns(row, col).first);
    }
    QString columnDescription(int col) const override { return texts(columnHeaders(col, grid()->fixedRows())); }
    QString rowDescription(int row) const override { return texts(rowHeaders(row, grid()->fixedCols())); }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The cells read the grid afresh whenever they are asked.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // The cells of the first `rows` rows of a column, and of the first `cols` columns of a row,
    // that hold a text.
    QList<QAccessibleInterface*> columnHeaders(int col, int rows) const
    {
        QList<QAccessibleInterface*> headers;
        for (int r = 0; r < rows; ++r)
            if (QAccessibleInterface* header = cellAt(r, col); header && !header->text(QAccessible::Name).isEmpty())
                headers << header;
        return headers;
    }
    QList<QAccessibleInterface*> rowHeaders(int row, int cols) const
    {
        QList<QAccessibleInterface*> headers;
        for (int c = 0; c < cols; ++c)
            if (QAccessibleInterface* header = cellAt(row, c); header && !header->text(QAccessible::Name).isEmpty())
                headers << header;
        return headers;
    }

    QAccessibleInterface* cell(int row, int col) const
    {
        auto found = cells_.find({row, col});
        if (found == cells_.end()) {
            auto* reading = new GridCell(*const_cast<GridTable*>(this), row, col);
            found = cells_.emplace(std::make_pair(row, col), QAccessible::registerAccessibleInterface(reading)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

private:
    static QString texts(const QList<QAccessibleInterface*>& cells)
    {
        QStringList texts;
        for (const QAccessibleInterface* cell : cells)
            texts << cell->text(QAccessible::Name);
        return texts.join(u' ');
    }

    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

bool GridCell::isValid() const
{
    return table_.isValid() && row_ < table_.grid()->rows() && col_ < table_.grid()->cols();
}

QWindow* GridCell::window() const { return table_.window(); }

QAccessibleInterface* GridCell::parent() const { return &table_; }

QString GridCell::text(QAccessible::Text t) const
{
    return t == QAccessible::Name && isValid() ? table_.grid()->textMatrix(row_, col_).simplified() : QString();
}

QRect GridCell::rect() const
{
    if (!isValid())
        return {};
    const QRect place = table_.grid()->cellRect(row_, col_);
    return QRect(table_.grid()->mapToGlobal(place.topLeft()), place.size());
}

QAccessible::Role GridCell::role() const
{
    if (isValid() && row_ < table_.grid()->fixedRows())
        return QAccessible::ColumnHeader;
    if (isValid() && col_ < table_.grid()->fixedCols())
        return QAccessible::RowHeader;
    return QAccessible::Cell;
}

QAccessible::State GridCell::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    if (!isValid())
        return state;
    const FlexGrid& grid = *table_.grid();
    const bool body = row_ >= grid.fixedRows() && col_ >= grid.fixedCols();
    // A cell that a merge shows as part of its left neighbours is not shown itself.
    state.invisible = !grid.isVisible() || !grid.rect().intersects(grid.cellRect(row_, col_))
                      || grid.mergedColumns(row_, col_).first != col_;
    state.focusable = body;
    state.focused = body && grid.hasFocus() && row_ == grid.row() && col_ == grid.col();
    return state;
}

// The fixed rows above the cell and the fixed columns before it: all of them for a body cell.
QList<QAccessibleInterface*> GridCell::columnHeaderCells() const
{
    if (!isValid())
        return {};
    return table_.columnHeaders(col_, std::min(row_, table_.grid()->fixedRows()));
}

QList<QAccessibleInterface*> GridCell::rowHeaderCells() const
{
    if (!isValid())
        return {};
    return table_.rowHeaders(row_, std::min(col_, table_.grid()->fixedCols()));
}

int GridCell::columnExtent() const
{
    if (!isValid())
        return 1;
    const auto [first, last] = table_.grid()->mergedColumns(row_, col_);
    return last - first + 1;
}

QAccessibleInterface* GridCell::table() const { return &table_; }

QAccessibleInterface* gridReading(const QString&, QObject* object)
{
    if (auto* grid = qobject_cast<FlexGrid*>(object))
        return new GridTable(grid);
    return nullptr;
}

}  // namespace

void readGridsAsTables() { QAccessible::installFactory(gridReading); }

}  // namespace platform::ui
