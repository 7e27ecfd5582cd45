#include "lookups/varnel_filler_matrix.h"


#include "lookups/filler_metal_window.h"
#include "platform/ui/cancel_button.h"
#include "platform/ui/form_font.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"
#include "platform/vb.h"

#include <QApplication>

namespace varnel {

using namespace platform::ui;
using platform::twipsRect;

namespace {

// The matrix by rows: the material, then the specifications of GTAW GMAW PAW, SMAW, OFW, FCAW,
// SAW, ESW, EGW and brazing ("" where none applies).
const char* const matrix[14][9] = {
    {"Carbon Steel", "5.18", "5.1", "5.2", "5.20", "5.17", "5.25", "5.26", "5.8, 5.31"},
    {"Low-Alloy Steel", "5.28", "5.5", "5.2", "5.29", "5.23", "5.25", "5.26", "5.8, 5.31"},
    {"Stainless Steel", "5.9, 5.22", "5.4", "", "5.22", "5.9", "5.9", "5.9", "5.8, 5.31"},
    {"Cast Iron", "5.15", "5.15", "5.15", "5.15", "", "", "", "5.8, 5.31"},
    {"Nickel Alloys", "5.14", "5.11", "", "5.34", "5.14", "", "", "5.8, 5.31"},
    {"Aluminium Alloys", "5.10", "5.3", "", "", "", "", "", "5.8, 5.31"},
    {"Copper Alloys", "5.7", "5.6", "", "", "", "", "", "5.8, 5.31"},
    {"Titanium Alloys", "5.16", "", "", "", "", "", "", "5.8, 5.31"},
    {"Zirconium Alloys", "5.24", "", "", "", "", "", "", "5.8, 5.31"},
    {"Magnesium Alloys", "5.19", "", "", "", "", "", "", "5.8, 5.31"},
    {"Tungsten Electrodes", "5.12", "", "", "", "", "", "", ""},
    {"Brazing Alloys & Fluxes", "", "", "", "", "", "", "", "5.8, 5.31"},
    {"Surfacing Alloys", "5.21", "5.13", "5.21", "5.21", "5.21", "", "", ""},
    {"Consumable Inserts", "5.30", "", "", "", "", "", "", ""},
};

}  // namespace

varnelFillerMatrix::varnelFillerMatrix(varnelFillerSpecification& filler, QWidget* parent)
    : LookupDialog(QStringLiteral("varnelFillerMatrix"), parent), filler_(filler)
{
    setWindowTitle(QStringLiteral("SFA filler metal specifications applicability by material and welding process"));
    setFixedSize(platform::twips(9045), platform::twips(5415));

    MSFlexGrid2 = new platform::ui::FlexGrid(this);
    MSFlexGrid2->setGeometry(twipsRect(30, 30, 8955, 4335));
    MSFlexGrid2->setFont(platform::ui::designFont(QStringLiteral("MS Sans Serif"), 8.25));
    MSFlexGrid2->setRows(15);
    MSFlexGrid2->setCols(10);
    MSFlexGrid2->setFixedRows(1);
    MSFlexGrid2->setFixedCols(1);
    platform::ui::FlexGrid::Colours colours = MSFlexGrid2->colours();
    colours.fore = QColor(128, 0, 0);
    colours.back = QApplication::palette().color(QPalette::Base);
    colours.foreFixed = QColor(0, 0, 128);
    colours.backFixed = QColor(231, 231, 231);
    MSFlexGrid2->setColours(colours);
    MSFlexGrid2->setFormatString(QStringLiteral("< |^GTAW GMAW PAW|^SMAW|^OFW|^FCAW|^SAW|^ESW|^EGW|^Brazing"));
    MSFlexGrid2->click = guarded([this] { MSFlexGrid2_Click(); });

    Label1 = new Label(QStringLiteral(" Select SFA specification number from the matrix by clicking the applicable cell.  "),
                       this);
    Label1->setGeometry(twipsRect(90, 4440, 8955, 225));
    setForeColor(*Label1, QApplication::palette().color(QPalette::Highlight));

    Command1 = new CommandButton(QStringLiteral("&Cancel"), this);
    Command1->setGeometry(twipsRect(7980, 5010, 1000, 315));
    Command1->click = guarded([this] { Command1_Click(); });
    platform::ui::setCancelButton(*this, Command1);

    Form_Load();
}

void varnelFillerMatrix::Form_Load()
{
    centreOnScreen(*this);
    Hourglass busy;
    platform::ui::FlexGrid& grid = *MSFlexGrid2;
    grid.setRowHeight(0, grid.rowHeight(0) * 4);
    const int width = vb::CLng((platform::toTwips(grid.width()) - 15) / static_cast<double>(grid.cols()));
    for (int c = 0; c < grid.cols(); ++c)
        grid.setColWidth(c, width);
    grid.setColWidth(0, grid.colWidth(1) * 2);
    for (int r = 0; r < 14; ++r)
        for (int c = 0; c < 9; ++c)
            grid.setTextMatrix(r + 1, c, QString::fromLatin1(matrix[r][c]));
}

int varnelFillerMatrix::titleNumberOfCell(const QString& text)
{
    const int n = static_cast<int>(vb::Val(vb::Trim(vb::Mid(text, 3, 2))));
    return n == 34 ? 32 : n;
}

void varnelFillerMatrix::MSFlexGrid2_Click()
{
    // Only a click on a body cell picks: a header cell leaves the current cell where it was, and
    // that cell is no choice the person made.
    if (MSFlexGrid2->mouseRow() < MSFlexGrid2->fixedRows() || MSFlexGrid2->mouseCol() < MSFlexGrid2->fixedCols())
        return;
    const int n = titleNumberOfCell(MSFlexGrid2->textMatrix(MSFlexGrid2->row(), MSFlexGrid2->col()));
    if (n <= 0)
        return;
    // An empty pick list makes the box writes below complete nothing.
    filler_.List1[0]->clearEntries();
    // A title list without entry n leaves the specification box as it was.
    if (n <= filler_.ListSpecTitle[0]->count())
        filler_.Text1[4]->setText(filler_.ListSpecTitle[0]->entryText(n));
    for (int i = 0; i < 4; ++i)
        filler_.Text1[i]->setText(QString());
    try {
        filler_.loadMaterialList();
    } catch (const std::exception&) {
        // The matrix closes whatever the search met; the search says its own failures.
    }
    close();
}

void varnelFillerMatrix::Command1_Click() { close(); }

}  // namespace varnel
