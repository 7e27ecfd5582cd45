#include "lookups/lookup_search.h"

#include "app/image_list.h"
#include "data/read_failures.h"
#include "lookups/type_ahead.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/twips.h"

namespace varnel {

using namespace platform::ui;
using platform::twips;
using platform::twipsRect;

SpecificationSearch::SpecificationSearch(const QString& name, QWidget* parent) : LookupDialog(name, parent) {}

SortableListView& SpecificationSearch::results() const { return *static_cast<SortableListView*>(List1[3]); }

std::array<QString, 5> SpecificationSearch::criteriaTexts() const
{
    std::array<QString, 5> texts;
    for (std::size_t i = 0; i < Text1.size(); ++i)
        texts[i] = Text1[i]->text();
    return texts;
}

void SpecificationSearch::fillResults(const QString& statement,
                                      const std::function<QStringList(const dao::Recordset&)>& rowOf)
{
    Hourglass busy;
    SortableListView& list = results();
    list.clearEntries();
    std::vector<QStringList> rows;
    try {
        auto rs = openSnapshot(statement);
        rows.reserve(static_cast<std::size_t>(rs->recordCount()));
        for (; !rs->eof(); rs->moveNext())
            rows.push_back(rowOf(*rs));
        rs->close();
    } catch (const std::exception& error) {
        // Criteria that cannot be searched as written say why, and a damaged file says so, in
        // place of the count; a criterion the engine refuses otherwise matches nothing.
        const QString unsearchable = unsearchableWordsText(error);
        if (!unsearchable.isEmpty())
            Frame1[1]->setCaption(unsearchable);
        else if (sayReferenceDamage(error))
            Frame1[1]->setCaption(unreadableReferenceText(error));
        else
            Frame1[1]->setCaption(matchCountCaption(0));
        return;
    }
    Frame1[1]->setCaption(matchCountCaption(static_cast<int>(rows.size())));
    list.addRows(rows, newImageList(1));
    if (list.count() >= 1)
        list.selectIndex(1);
}

void SpecificationSearch::createCriteriaBox(int index, const QRect& box)
{
    Text1[index] = new TextBox(Frame1[0]);
    Text1[index]->setGeometry(twipsRect(box.x(), box.y(), box.width(), box.height()));
    Command2[index] = newArrowButton(Frame1[0]);
    Command2[index]->setGeometry(twipsRect(box.x() + box.width() - 255, box.y() + 30, 225, 270));
}

void SpecificationSearch::createLists(const QStringList& headers, const QRect& resultsArea)
{
    auto* resultsList = new SortableListView(headers, Frame1[1]);
    resultsList->setGeometry(twipsRect(resultsArea.x(), resultsArea.y(), resultsArea.width(), resultsArea.height()));
    List1[3] = resultsList;
    List1[0] = new DropDownList(this);
    List1[0]->hide();

    for (int i = 0; i < static_cast<int>(Text1.size()); ++i) {
        Text1[i]->change = guarded([this, i] { Text1_Change(i); });
        Text1[i]->handlers.gotFocus = guarded([this, i] { Text1_GotFocus(i); });
        Text1[i]->handlers.keyDown = guarded([this, i](int keyCode, int shift) { Text1_KeyDown(i, keyCode, shift); });
        Command2[i]->click = guarded([this, i] { Command2_Click(i); });
    }
    for (int i : {0, 3}) {
        List1[i]->keyUp = guarded([this, i](int keyCode, int shift) { List1_KeyUp(i, keyCode, shift); });
        List1[i]->mouseUp = guarded([this, i] { List1_MouseUp(i); });
        List1[i]->gotFocus = guarded([this, i] { List1_GotFocus(i); });
    }
    resultsList->columnClick = guarded([this](int column) { List1_ColumnClick(3, column); });
    for (int i = 0; i < static_cast<int>(Command1.size()); ++i)
        Command1[i]->click = guarded([this, i] { Command1_Click(i); });
}

void SpecificationSearch::placePickList(int index)
{
    const TextBox* box = Text1[index];
    ListView* list = List1[0];
    list->move(Frame1[0]->x() + box->x(), Frame1[0]->y() + box->y() + box->height());
    list->resize(box->width(), list->height());
    list->setColumnWidth(0, box->width() - twips(300));
}

void SpecificationSearch::applyLoadingRule(int index)
{
    if (pickListTag == index)
        return;
    pickListTag = index;
    loadMenuList(fieldOfBox(index));
}

void SpecificationSearch::Command2_Click(int index)
{
    ListView* list = List1[0];
    placePickList(index);
    if (list->isHidden())
        applyLoadingRule(index);
    list->setVisible(list->isHidden());
    if (!list->isHidden()) {
        Command1[1]->setDefault(false);
        list->raise();
        list->setFocus();
    } else {
        Command1[1]->setDefault(true);
        giveFocus(*Text1[index]);
    }
}

void SpecificationSearch::Text1_GotFocus(int index)
{
    List1[0]->hide();
    applyLoadingRule(index);
}

void SpecificationSearch::Text1_KeyDown(int, int keyCode, int)
{
    skipTypeAhead = keyCode == keys::Delete || keyCode == keys::Backspace || keyCode == keys::Left
                    || keyCode == keys::Right;
}

void SpecificationSearch::Text1_Change(int index)
{
    // The results follow every box as it reads: a box whose pick list is empty (its field holds
    // no value under the other boxes' criteria) completes nothing, and is searched all the same.
    const ListView& list = *List1[0];
    if (list.count() > 0 && !skipTypeAhead) {
        TextBox* box = Text1[index];
        const QString typed = box->text();
        if (const int entry = completionEntry(list, typed); entry > 0) {
            const QString completed = list.entryText(entry);
            // A change of the box itself: the nested run completes to the same entry and searches.
            box->setText(completed);
            box->setSel(static_cast<int>(typed.size()), static_cast<int>(completed.size() - typed.size()));
        }
    }
    loadMaterialList();
}

void SpecificationSearch::takePickedEntry(bool restoreDefault)
{
    const ListView& list = *List1[0];
    const int selected = list.selectedIndex();
    if (selected == 0 || pickListTag < 0 || pickListTag >= static_cast<int>(Text1.size()))
        return;
    TextBox* box = Text1[pickListTag];
    if (list.count() >= 1)
        box->setText(list.entryText(selected));
    if (restoreDefault)
        Command1[1]->setDefault(true);
    giveFocus(*box);
    List1[0]->hide();
}

void SpecificationSearch::List1_KeyUp(int index, int keyCode, int)
{
    if (index != 3 && (keyCode == keys::Enter || keyCode == keys::Space))
        takePickedEntry(true);
}

void SpecificationSearch::List1_MouseUp(int index)
{
    if (index != 3)
        takePickedEntry(false);
}

void SpecificationSearch::List1_GotFocus(int index)
{
    if (index == 3)
        List1[0]->hide();
}

void SpecificationSearch::List1_ColumnClick(int index, int column)
{
    if (index != 3)
        return;
    SortableListView& list = results();
    list.setSortKey(column - 1);
    list.setSortOrder(list.sortOrder() == Qt::DescendingOrder ? Qt::AscendingOrder : Qt::DescendingOrder);
    list.setSorted(true);
    list.sort();
}

}  // namespace varnel
