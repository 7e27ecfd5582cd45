// What the pick lists and boxes show: the process list opens at the height its entries need
// with its entries in sight, no list scrolls sideways, a box without the
// focus shows the start of its text, and a hidden default button draws nothing.

#include "interpretations/sorvik_main.h"
#include "platform/ui/twips.h"
#include "interpretations/sorvik_fixture.h"
#include "support/main_window_fixture.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTest>

using namespace varnel;
using testing_support::copyInto;

namespace {

using ListsAndBoxes = testing_support::SampleMainWindowTest<true>;

// Every entry of `list` is drawn whole: the list does not scroll sideways and each entry, icon
// and text, takes no more than its row's width.
void expectEntriesWhole(const platform::ui::ListView& list, const char* name)
{
    QApplication::processEvents();
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible()) << name;
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.font = list.font();
    option.decorationSize = list.iconSize();
    option.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    for (int i = 0; i < list.count(); ++i) {
        const QModelIndex index = list.model()->index(i, 0);
        const int needed = list.itemDelegate()->sizeHint(option, index).width();
        EXPECT_LE(needed, list.header()->sectionSize(0)) << name << ": " << list.entryText(i + 1).toStdString();
    }
}

}  // namespace

TEST_F(ListsAndBoxes, TheProcessListOpensAtTheHeightOfItsEntriesWithEveryEntryWhole)
{
    platform::ui::ListView& list = *main->List1[2];
    ASSERT_GE(list.count(), 10);
    main->Command2_Click(2);
    ASSERT_TRUE(list.isVisible());
    QApplication::processEvents();  // the list lays its rows and scroll bars out when shown
    EXPECT_EQ(list.height(), platform::twips(2850));
    // The first entries show in the list's window and can be clicked.
    const QRect first = list.visualItemRect(list.topLevelItem(0));
    EXPECT_TRUE(list.viewport()->rect().contains(first));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(main->Text1[2]->text(), list.entryText(1));
    // The list keeps its designed width: a process name longer than that is cut, not scrolled to.
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
}

TEST_F(ListsAndBoxes, CategoryAndHistoryEntriesShowWholeWhenTheyFit)
{
    main->Text1[2]->setText(QStringLiteral("SMAW"));
    ASSERT_GT(main->List1[3]->count(), 0);
    main->Command2_Click(3);
    expectEntriesWhole(*main->List1[3], "category list");
    main->Text1[1]->setText(QStringLiteral("heat input"));
    main->Text1_LostFocus(1);
    main->Command2_Click(1);
    expectEntriesWhole(*main->List1[1], "search history");
}

TEST_F(ListsAndBoxes, ABoxWithoutTheFocusShowsTheStartOfItsTextAndKeepsItsSelection)
{
    // The process box completes "SM" to its entry with the completed tail selected.
    platform::ui::TextBox& box = *main->Text1[2];
    main->ListView1[2]->setFocus();
    box.setText(QStringLiteral("SM"));
    ASSERT_TRUE(box.text().startsWith("SMAW  -  "));
    const int start = box.selStart();
    const int length = box.selLength();
    EXPECT_EQ(box.cursorPosition(), 0);  // what Qt scrolls to: the start
    EXPECT_EQ(start + length, box.text().size());

    // With the focus the selection comes back.
    box.setFocus();
    QApplication::processEvents();
    if (box.hasFocus()) {
        EXPECT_EQ(box.selStart(), start);
        EXPECT_EQ(box.selectionStart(), start);
        EXPECT_EQ(box.selectedText().size(), length);
    }
}

TEST_F(ListsAndBoxes, TheInterpretationsWindowsHiddenDefaultButtonDrawsNothing)
{
    testing_support::installInterpretations(data.path());
    {
        sorvikMain window;
        window.show();
        window.Form_Activate();
        ASSERT_TRUE(window.Command3->isVisible());
        const QRect place(window.Command3->mapTo(&window, QPoint()), window.Command3->size());
        const QImage withButton = window.grab(place).toImage();
        window.Command3->hide();
        const QImage withoutButton = window.grab(place).toImage();
        window.Command3->show();
        EXPECT_TRUE(withButton == withoutButton);
    }
    resetSorvikCore();
}
