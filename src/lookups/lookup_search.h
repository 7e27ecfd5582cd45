#pragma once
// The search windows over a table of specifications (base metals, filler metals): five criteria
// boxes, each with an arrow that drops the one pick list of the window under it, completion of
// the typed text from the pick list, a search after every change of a box, a results list that
// sorts by the clicked column, and the Print and Cancel buttons. Each window supplies the fill
// of the pick list (loadMenuList), the search (loadMaterialList) and its buttons.

#include "lookups/lookup_dialog.h"
#include "platform/ui/controls.h"
#include "platform/ui/list_view_sorting.h"

#include <QRect>
#include <array>
#include <functional>

namespace varnel {

class SpecificationSearch : public LookupDialog {
    Q_OBJECT
public:
    // ------------------------------------------------------------------ controls
    std::array<platform::ui::Frame*, 2> Frame1{};          // 0 criteria, 1 results
    std::array<platform::ui::TextBox*, 5> Text1{};         // the criteria boxes
    std::array<platform::ui::CommandButton*, 5> Command2{};  // their arrows
    std::array<platform::ui::ListView*, 4> List1{};        // 0 the pick list, 3 the results list
    std::array<platform::ui::CommandButton*, 2> Command1{};  // 0 Cancel, 1 Print

    // The pick list's tag: the box whose values it holds; -1 until a box loads it.
    int pickListTag = -1;
    // The last key in a box was an editing or cursor key: its change completes nothing.
    bool skipTypeAhead = false;

    platform::ui::SortableListView& results() const;
    // The texts of the criteria boxes, by box index.
    std::array<QString, 5> criteriaTexts() const;

    // ------------------------------------------------------------------ supplied by each window
    virtual void loadMaterialList() = 0;
    virtual void loadMenuList(const QString& field) = 0;
    virtual QString fieldOfBox(int index) const = 0;
    virtual void Command1_Click(int index) = 0;

    // ------------------------------------------------------------------ the pick list and the sort
    void Text1_GotFocus(int index);
    void Command2_Click(int index);
    void Text1_KeyDown(int index, int keyCode, int shift);
    void Text1_Change(int index);
    void List1_KeyUp(int index, int keyCode, int shift);
    void List1_MouseUp(int index);
    void List1_GotFocus(int index);
    void List1_ColumnClick(int index, int column);

protected:
    SpecificationSearch(const QString& name, QWidget* parent);

    // The search: rebuilds the results list and the count caption from the rows of `statement`,
    // one results row per recordset row as `rowOf` reads it, and selects the first row.
    void fillResults(const QString& statement, const std::function<QStringList(const dao::Recordset&)>& rowOf);

    // Creates criteria box `index` at `twips` inside Frame1(0), with its arrow at its right end.
    void createCriteriaBox(int index, const QRect& twips);
    // Creates the results list inside Frame1(1) and the hidden pick list on the window; wires the
    // handlers of the boxes, arrows and lists. Call once the boxes exist.
    void createLists(const QStringList& headers, const QRect& resultsTwips);

private:
    void placePickList(int index);
    void applyLoadingRule(int index);
    // Enter, Space or a click in the pick list: its selected entry goes into the box it serves.
    void takePickedEntry(bool restoreDefault);
};

}  // namespace varnel
