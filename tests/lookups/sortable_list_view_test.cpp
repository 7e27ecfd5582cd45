// The results list view: sorting by a column as text in either order, keeping the selection and
// the order among equals; the selected rows, sub-items and the find of a row by its text; the
// header click.

#include "platform/ui/list_view_sorting.h"
#include "support/control_views.h"

#include <QHeaderView>
#include <QTest>
#include <gtest/gtest.h>

using platform::ui::SortableListView;
using testing_support::columnOf;

TEST(SortableListView, SortsByTheKeyColumnAsTextIgnoringCaseAndKeepsEqualsInOrder)
{
    SortableListView list({"Name", "Value"});
    list.addRows({{"b", "10"}, {"A", "9"}, {"c", "10"}, {"a", "100"}});
    EXPECT_EQ(columnOf(list, 0), (QStringList{"b", "A", "c", "a"})) << "unsorted until asked";

    list.setSortKey(1);
    list.setSortOrder(Qt::AscendingOrder);
    list.sort();
    EXPECT_EQ(columnOf(list, 1), (QStringList{"10", "10", "100", "9"}));
    EXPECT_EQ(columnOf(list, 0), (QStringList{"b", "c", "a", "A"}));
    list.setSortOrder(Qt::DescendingOrder);
    list.sort();
    EXPECT_EQ(columnOf(list, 1), (QStringList{"9", "100", "10", "10"}));
    EXPECT_EQ(columnOf(list, 0), (QStringList{"A", "a", "b", "c"}));

    list.setSortKey(0);
    list.setSortOrder(Qt::AscendingOrder);
    list.sort();
    EXPECT_EQ(columnOf(list, 0), (QStringList{"A", "a", "b", "c"}));

    // While sorted is on, added rows take their places.
    list.setSorted(true);
    list.addRows({{"B", "1"}, {"0", "2"}});
    EXPECT_EQ(columnOf(list, 0), (QStringList{"0", "A", "a", "b", "B", "c"}));

    // Two rows are as much a list to sort as more.
    SortableListView two({"Name"});
    two.addRows({{"b"}, {"a"}});
    two.sort();
    EXPECT_EQ(columnOf(two, 0), (QStringList{"a", "b"}));
}

TEST(SortableListView, SelectionSurvivesASortAndRowsAreFoundByText)
{
    SortableListView list({"Name"});
    list.addRows({{"delta"}, {"alpha"}, {"charlie"}, {"bravo"}});
    list.topLevelItem(0)->setSelected(true);  // delta
    list.topLevelItem(2)->setSelected(true);  // charlie
    EXPECT_EQ(list.selectedRows(), (std::vector<int>{1, 3}));
    list.sort();
    EXPECT_EQ(list.selectedRows(), (std::vector<int>{3, 4}));
    EXPECT_EQ(list.findItem("CHARLIE"), 3);
    EXPECT_EQ(list.findItem("char"), 0);
    EXPECT_EQ(list.subItem(9, 0), "");
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST(SortableListView, HeaderClickReportsTheColumnFromOne)
{
    SortableListView list({"A", "B", "C"});
    list.resize(300, 200);
    list.show();
    std::vector<int> clicked;
    list.columnClick = [&](int column) { clicked.push_back(column); };
    QHeaderView* header = list.header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
    EXPECT_EQ(clicked, std::vector<int>{3});
    list.setColumnWidthTwips(1, 1500);
    EXPECT_EQ(list.columnWidth(1), 100);
}
