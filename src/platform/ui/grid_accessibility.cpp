#include "platform/ui/grid_accessibility.h"

#include "platform/ui/flex_grid.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

namespace platform::ui {

namespace {

class GridTable;

// One cell; it lives as long as its table's reading and reads the grid as it is now.
class GridCell final : public QAccessibleInterface {
public:
    GridCell(GridTable& table, int row, int col) : table_(table), row_(row), col_(col) {}

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

private:
    GridTable& table_;
    int row_;
    int col_;
};

class GridTable final : public QAccessibleWidget {
public:
    explicit GridTable(FlexGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridTable() override
    {
        for (const auto& [place, id] : cells_)
            QAccessible::deleteAccessibleInterface(id);
    }

    FlexGrid* grid() const { return static_cast<FlexGrid*>(widget()); }

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
                    return cell(r, c);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return grid()->hasFocus() ? cell(grid()->row(), grid()->col()) : nullptr;
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
    state.invisible = !grid.isVisible() || !grid.rect().intersects(grid.cellRect(row_, col_));
    state.focused = grid.hasFocus() && row_ == grid.row() && col_ == grid.col();
    return state;
}

QAccessibleInterface* gridReading(const QString&, QObject* object)
{
    if (auto* grid = qobject_cast<FlexGrid*>(object))
        return new GridTable(grid);
    return nullptr;
}

}  // namespace

void readGridsAsTables()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(gridReading);
}

}  // namespace platform::ui
