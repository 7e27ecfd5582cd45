#include "platform/ui/list_view_sorting.h"

#include "platform/ui/twips.h"

#include <QHeaderView>
#include <algorithm>

namespace platform::ui {

SortableListView::SortableListView(const QStringList& headers, QWidget* parent)
    : ListView(parent, static_cast<int>(headers.size()))
{
    setHeaderLabels(headers);
    setHeaderHidden(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (columnClick)
            columnClick(section + 1);
    });
}

void SortableListView::setColumnWidthTwips(int column, int twips)
{
    setColumnWidth(column, platform::twips(twips));
}

void SortableListView::sort()
{
    const int n = topLevelItemCount();
    if (n < 2)
        return;
    QTreeWidgetItem* current = currentItem();
    std::vector<QTreeWidgetItem*> selected;
    for (QTreeWidgetItem* item : selectedItems())
        selected.push_back(item);

    QList<QTreeWidgetItem*> items = invisibleRootItem()->takeChildren();
    const int key = sortKey_;
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    std::stable_sort(items.begin(), items.end(), [key, descending](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        const int c = a->text(key).compare(b->text(key), Qt::CaseInsensitive);
        return descending ? c > 0 : c < 0;
    });
    addTopLevelItems(items);

    for (QTreeWidgetItem* item : selected)
        item->setSelected(true);
    if (current)
        setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    header()->setSortIndicator(key, sortOrder_);
    header()->setSortIndicatorShown(true);
}

void SortableListView::addRows(const std::vector<QStringList>& rows, const QIcon& icon)
{
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const QStringList& cells : rows) {
        auto* item = new QTreeWidgetItem(cells);
        if (!icon.isNull())
            item->setIcon(0, icon);
        items.append(item);
    }
    addTopLevelItems(items);
    if (sorted_)
        sort();
}

QString SortableListView::subItem(int index, int column) const
{
    const QTreeWidgetItem* item = topLevelItem(index - 1);
    return item ? item->text(column) : QString();
}

std::vector<int> SortableListView::selectedRows() const
{
    std::vector<int> indexes;
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->isSelected())
            indexes.push_back(i + 1);
    return indexes;
}

int SortableListView::findItem(const QString& text) const
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->text(0).compare(text, Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

}  // namespace platform::ui
