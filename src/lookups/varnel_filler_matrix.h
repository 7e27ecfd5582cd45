#pragma once
// The SFA applicability matrix: which filler-metal specification (SFA 5.x) applies to which
// material and welding process. A click on a specification sets it as the only criterion of the
// filler-metal window waiting underneath, runs its search and closes the matrix.

#include "lookups/lookup_dialog.h"
#include "platform/ui/flex_grid.h"

namespace varnel {

class varnelFillerSpecification;

class varnelFillerMatrix : public LookupDialog {
    Q_OBJECT
public:
    explicit varnelFillerMatrix(varnelFillerSpecification& filler, QWidget* parent = nullptr);

    platform::ui::FlexGrid* MSFlexGrid2 = nullptr;
    platform::ui::Label* Label1 = nullptr;
    platform::ui::CommandButton* Command1 = nullptr;

    void Form_Load();
    void MSFlexGrid2_Click();
    void Command1_Click();

    // The title number a cell picks: the number of SFA 5.n at the start of the cell's text, with
    // 5.34 as title 32; 0 for an empty cell, a header or a material name.
    static int titleNumberOfCell(const QString& text);

private:
    varnelFillerSpecification& filler_;
};

}  // namespace varnel
