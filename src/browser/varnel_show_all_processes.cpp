#include "browser/varnel_show_all_processes.h"

#include "app/varnel_core.h"
#include "browser/varnel_main.h"
#include "data/read_failures.h"
#include "platform/dao/dao.h"
#include "platform/ui/cancel_button.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/seams.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"
#include "platform/vb.h"

#include <QHash>
#include <QScrollArea>

namespace varnel {

using platform::twips;
using platform::twipsRect;
using platform::ui::FlexGrid;

namespace {

QRect onScreen(const QRect& twipsPlace)
{
    return twipsRect(twipsPlace.x(), twipsPlace.y(), twipsPlace.width(), twipsPlace.height());
}

const ApplicabilityLayout& newerLayout()
{
    static const ApplicabilityLayout layout{
        "varnelshowAllProcesses2004", 9480, 6930, QRect(90, 60, 9350, 6415), 23, 2,
        {"ESS", "NON", "SUP", "CRO_ESS", "CRO_NON", "HFO_ESS", "HFO_NON", "HFSF_ESS", "HFSF_NON"},
        QStringLiteral("< |^Essential|^Non-essential|^Supplementary essential|^Essential|^Non-essential|^Essential"
                       "|^Non-essential|^Essential|^Non-essential"),
        QRect(8160, 6550, 1000, 315)};
    return layout;
}

const ApplicabilityLayout& olderLayout()
{
    static const ApplicabilityLayout layout{
        "varnelshowAllProcesses", 7485, 5790, QRect(90, 60, 7305, 5295), 19, 1,
        {"ESS", "NON", "SUP", "HFO", "CRO"},
        QStringLiteral("< |^Essential|^Non-essential|^Supplementary essential|^Essential Hard Facing Overlay"
                       "|^Essential Corrosion Resistant Overlay"),
        QRect(6360, 5430, 1000, 315)};
    return layout;
}

}  // namespace

const QStringList& gridProcesses()
{
    static const QStringList processes{"OFW", "SMAW", "SAW",  "GMAW", "FCAW", "GTAW", "PAW",
                                       "ESW", "EGW",  "EBW",  "STUD", "FRW",  "RW",   "LBW",
                                       "FW",  "DFW",  "FLSP", "PSP",  "TBW",  "TTTS", "FSW"};
    return processes;
}

// ---------------------------------------------------------------------------------------- both grids

ApplicabilityGrid::ApplicabilityGrid(const ApplicabilityLayout& layout, QWidget* parent)
    : QDialog(parent), layout_(layout)
{
    setObjectName(QString::fromLatin1(layout.objectName));
    setWindowTitle(QStringLiteral("Applicable Variables"));
    // No button of the window is its cancel button: Esc does nothing.
    platform::ui::setCancelButton(*this, nullptr);
    // The window is of its design size, or smaller on a screen too small for it: then the grid
    // scrolls in its place and Cancel keeps its corner (resizeEvent).
    const QSize design(twips(layout.clientWidth), twips(layout.clientHeight));
    setMaximumSize(design);
    setMinimumSize(design.boundedTo(QSize(twips(4000), twips(3000))));
    resize(design);

    gridArea = new QScrollArea(this);
    gridArea->setFrameShape(QFrame::NoFrame);
    gridArea->setFocusPolicy(Qt::NoFocus);  // the grid takes the focus, not its place
    gridArea->setGeometry(onScreen(layout.gridPlace));
    MSFlexGrid1 = new FlexGrid;
    MSFlexGrid1->resize(onScreen(layout.gridPlace).size());
    gridArea->setWidget(MSFlexGrid1);
    MSFlexGrid1->setRows(layout.rows);
    MSFlexGrid1->setCols(static_cast<int>(layout.categories.size()) + 1);
    MSFlexGrid1->setFixedRows(layout.fixedRows);
    MSFlexGrid1->setFixedCols(1);
    MSFlexGrid1->setFont(FlexGrid::designFont(QStringLiteral("MS Sans Serif"), 8.25));
    MSFlexGrid1->setWordWrap(true);
    FlexGrid::Colours colours = MSFlexGrid1->colours();
    colours.fore = QColor(128, 0, 0);
    colours.foreFixed = QColor(0, 0, 128);
    colours.backFixed = QColor(231, 231, 231);
    colours.grid = QColor(192, 192, 192);
    colours.gridFixed = QColor(128, 128, 128);
    colours.backBkg = QColor(128, 128, 128);
    MSFlexGrid1->setColours(colours);
    MSFlexGrid1->setFormatString(layout.formatString);

    Command1 = new platform::ui::CommandButton(QStringLiteral("&Cancel"), this);
    Command1->setGeometry(onScreen(layout.cancelPlace));
    Command1->click = platform::ui::guarded([this] { Command1_Click(); });

    Form_Load();
}

void ApplicabilityGrid::Form_Load()
{
    platform::ui::centreOnScreen(*this);
    platform::setPointer(platform::Pointer::Hourglass);
    MSFlexGrid1->setRowHeight(0, MSFlexGrid1->rowHeight(0) * 4);
    // Every column, the fixed one included, takes an equal share of the grid's width as it stands.
    const int columns = MSFlexGrid1->cols();
    const int share = vb::CLng((platform::toTwips(MSFlexGrid1->width()) - 15) / static_cast<double>(columns));
    for (int c = 0; c < columns; ++c)
        MSFlexGrid1->setColWidth(c, share);
    loadRule();
}

void ApplicabilityGrid::Form_Activate() { platform::setPointer(platform::Pointer::Default); }

void ApplicabilityGrid::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    platform::ui::guarded([this] { Form_Activate(); })();
}

void ApplicabilityGrid::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!Command1)
        return;  // still being built
    const QSize lacking = QSize(twips(layout_.clientWidth), twips(layout_.clientHeight)) - size();
    const QSize place = onScreen(layout_.gridPlace).size() - lacking;
    // Scroll bars only while the grid does not fit; a bar left from a smaller size would hide rows.
    const Qt::ScrollBarPolicy bars =
        place.expandedTo(MSFlexGrid1->size()) == place ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    gridArea->setHorizontalScrollBarPolicy(bars);
    gridArea->setVerticalScrollBarPolicy(bars);
    gridArea->resize(place);
    Command1->move(onScreen(layout_.cancelPlace).topLeft() - QPoint(lacking.width(), lacking.height()));
}

void ApplicabilityGrid::Command1_Click() { close(); }

std::optional<QString> ApplicabilityGrid::selectedParagraph()
{
    const varnelMain* main = varnelMain::instance();
    if (!main || !main->ListView1[2] || main->ListView1[2]->selectedIndex() == 0)
        return std::nullopt;
    return main->ListView1[2]->selectedText();
}

void ApplicabilityGrid::loadRule()
{
    const std::optional<QString> paragraph = selectedParagraph();
    if (paragraph)
        setWindowTitle(QStringLiteral("Applicability of ") + *paragraph + QStringLiteral(" variable"));

    // A paragraph that [Variables] does not hold leaves the grid with its headers alone; without a
    // paragraph or an answer the process names stand without marks.
    if (paragraph) {
        try {
            auto row = referenceDatabase().openRecordset(QStringLiteral("SELECT * FROM [Variables] WHERE [variable] = ")
                                               + dao::literal(*paragraph));
            if (!row->eof())
                writeProcessRows(row.get());
            row->close();
            return;
        } catch (const std::exception& error) {
            // A refused query marks nothing; nor does a damaged file, which is said.
            sayReferenceDamage(error);
        }
    }
    writeProcessRows(nullptr);
}

void ApplicabilityGrid::writeProcessRows(const dao::Recordset* paragraph)
{
    // The category columns of the row, by name regardless of case; a column the table lacks
    // leaves its cell empty.
    QHash<QString, int> fields;
    for (int i = 0; paragraph && i < paragraph->fieldCount(); ++i)
        fields.insert(paragraph->fieldName(i).toUpper(), i);

    const QStringList& processes = gridProcesses();
    for (int i = 1; i <= processes.size(); ++i) {
        const int row = layout_.fixedRows + i - 1;
        if (row >= MSFlexGrid1->rows())
            break;  // the older grid has no rows for the newest processes
        MSFlexGrid1->setTextMatrix(row, 0, processes[i - 1]);
        for (int j = 1; j <= layout_.categories.size(); ++j) {
            MSFlexGrid1->setTextMatrix(row, j, QString());
            const int field = fields.value((processes[i - 1] + u'_' + layout_.categories[j - 1]).toUpper(), -1);
            if (field >= 0 && paragraph->field(field).toBool())
                MSFlexGrid1->setTextMatrix(row, j, QStringLiteral("X"));
        }
    }
}

// ---------------------------------------------------------------------------------------- newer grid

varnelshowAllProcesses2004::varnelshowAllProcesses2004(QWidget* parent) : ApplicabilityGrid(newerLayout(), parent) {}

void varnelshowAllProcesses2004::Form_Activate()
{
    InitiateGrid();
    ApplicabilityGrid::Form_Activate();
}

void varnelshowAllProcesses2004::InitiateGrid()
{
    static const QStringList groups{"Groove/Fillet", "Groove/Fillet", "Groove/Fillet",
                                    "Corrosion-Resistant Overlays", "Corrosion-Resistant Overlays",
                                    "Hardfacing Overlays", "Hardfacing Overlays",
                                    "Hardfacing Spray Fuse", "Hardfacing Spray Fuse"};
    static const QStringList kinds{"Essential", "Non essential", "Supplementary essential",
                                   "Essential", "Non essential", "Essential", "Non essential",
                                   "Essential", "Non essential"};
    for (int c = 1; c <= 9; ++c)
        MSFlexGrid1->setTextMatrix(0, c, groups[c - 1]);
    MSFlexGrid1->setMergeRow(0, true);
    for (int c = 1; c <= 9; ++c)
        MSFlexGrid1->setTextMatrix(1, c, kinds[c - 1]);
    MSFlexGrid1->setRowHeight(1, 360);
    MSFlexGrid1->resize(MSFlexGrid1->width(), twips(6405));
    for (int c = 1; c <= 9; ++c)
        MSFlexGrid1->setCellFont(1, c, QStringLiteral("small fonts"), 6);
}

// ---------------------------------------------------------------------------------------- older grid

varnelshowAllProcesses::varnelshowAllProcesses(QWidget* parent) : ApplicabilityGrid(olderLayout(), parent) {}

}  // namespace varnel
