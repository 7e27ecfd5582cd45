#pragma once
// The applicability grids: for the paragraph selected in the main window's paragraph list, one
// row per welding process and one column per variable category, with "X" where the paragraph is
// a variable of that process in that category. One window per category layout of the reference
// database; both run the same steps and differ only in the shape and headers of their grid.

#include "platform/ui/controls.h"
#include "platform/ui/flex_grid.h"

#include <QDialog>
#include <QScrollArea>
#include <QStringList>
#include <optional>

namespace dao {
class Recordset;
}

namespace varnel {

// What differs between the two grid windows. Places and sizes are in twips.
struct ApplicabilityLayout {
    const char* objectName;
    int clientWidth;
    int clientHeight;
    QRect gridPlace;
    int rows;
    int fixedRows;
    QStringList categories;  // category codes of columns 1, 2, ...
    QString formatString;
    QRect cancelPlace;
};

// The processes of the grids, in the order of their rows; the program's own list, not the
// reference database's.
const QStringList& gridProcesses();

class ApplicabilityGrid : public QDialog {
    Q_OBJECT
public:
    platform::ui::FlexGrid* MSFlexGrid1 = nullptr;
    platform::ui::CommandButton* Command1 = nullptr;  // "&Cancel"

    // Centres the window, sizes the header row and the columns, and fills the grid.
    void Form_Load();
    // Each time the window is shown: the default pointer comes back.
    virtual void Form_Activate();
    // The caption, the one query and the cells for the paragraph selected in the main window.
    void loadRule();
    void Command1_Click();

protected:
    ApplicabilityGrid(const ApplicabilityLayout& layout, QWidget* parent);
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The text of the main window's selected paragraph; none when nothing is selected.
    static std::optional<QString> selectedParagraph();
    // Column 0 of every process row that the grid has; with a row of [Variables], the marks.
    void writeProcessRows(const dao::Recordset* paragraph);

    const ApplicabilityLayout& layout_;
    QScrollArea* gridArea = nullptr;  // the grid's place, in which it scrolls when the window is smaller
};

// The grid of the newer layout: nine categories under two header rows.
class varnelshowAllProcesses2004 final : public ApplicabilityGrid {
    Q_OBJECT
public:
    explicit varnelshowAllProcesses2004(QWidget* parent = nullptr);
    void Form_Activate() override;
    // The group headings of row 0, merged across their columns, and the kinds in row 1.
    void InitiateGrid();
};

// The grid of the older layout: five categories under one header row, the first 18 processes.
class varnelshowAllProcesses final : public ApplicabilityGrid {
    Q_OBJECT
public:
    explicit varnelshowAllProcesses(QWidget* parent = nullptr);
};

}  // namespace varnel
