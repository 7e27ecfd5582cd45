#pragma once
// A list view in report view with column headers: several rows can be selected (Ctrl+click),
// a click on a column header is reported, and the rows sort themselves by a sort key (a column
// counted from 0) in a sort order, comparing the column texts as text without regard to case.
// Rows keep their order among equals, so a sort by one column keeps the previous order within it.

#include "platform/ui/controls.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace platform::ui {

class SortableListView : public ListView {
    Q_OBJECT
public:
    SortableListView(const QStringList& headers, QWidget* parent = nullptr);

    // A click on a column header; the column counts from 1, as the column headers are indexed.
    std::function<void(int column)> columnClick;

    // Column widths in twips.
    void setColumnWidthTwips(int column, int twips);

    // While sorted is on, every sort() and every addRows() leaves the rows in key order.
    bool sorted() const { return sorted_; }
    void setSorted(bool sorted) { sorted_ = sorted; }
    int sortKey() const { return sortKey_; }
    void setSortKey(int column) { sortKey_ = column; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }
    void setSortOrder(Qt::SortOrder order) { sortOrder_ = order; }
    // Puts the rows in the order of the sort key and order; selection and current row stay.
    void sort();

    // Adds rows at once (the first text of each is the row's own text, the rest its sub-items),
    // each with the icon; then sorts them when sorted is on.
    void addRows(const std::vector<QStringList>& rows, const QIcon& icon = {});
    // The text of row `index` (1-based) in `column`: 0 the row's own text, 1.. its sub-items.
    QString subItem(int index, int column) const;
    // The selected rows (1-based) in list order.
    std::vector<int> selectedRows() const;
    // The first row whose own text equals `text`, ignoring case; 0 when none.
    int findItem(const QString& text) const;

private:
    bool sorted_ = false;
    int sortKey_ = 0;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace platform::ui
