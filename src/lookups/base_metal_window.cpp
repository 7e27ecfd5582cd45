#include "lookups/base_metal_window.h"

#include "app/image_list.h"
#include "app/varnel_core.h"
#include "app/window_openers.h"
#include "data/read_failures.h"
#include "lookups/base_metal_query.h"
#include "lookups/lookup_report.h"
#include "lookups/type_ahead.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"
#include "platform/vb.h"

namespace varnel {

using namespace platform::ui;
using platform::twipsRect;

varnelMaterialSpecification::varnelMaterialSpecification(QWidget* parent)
    : SpecificationSearch(QStringLiteral("varnelMaterialSpecification"), parent)
{
    createControls();
    Form_Load();
}

void varnelMaterialSpecification::createControls()
{
    setWindowTitle(QStringLiteral("Base Metals - Table QW/QB-422"));
    setFixedSize(platform::twips(11790), platform::twips(6450));

    Frame1[0] = new Frame(QStringLiteral("Selection criteria"), this);
    Frame1[0]->setGeometry(twipsRect(30, 30, 11700, 855));
    Frame1[0]->setToolTip(QStringLiteral(" Filter the number of records to display,  or  clear all entries to see all "
                                         "records in the database. "));
    struct Box {
        int index;
        const char* caption;
        int left, width;
    };
    const Box boxes[] = {{4, "Product form", 120, 3195},
                         {0, "Material specification", 3360, 2595},
                         {3, "Type or grade*", 6000, 2595},
                         {2, "UNS", 8640, 1455},
                         {1, "P-no. or S-no.", 10140, 1455}};
    for (const Box& box : boxes) {
        Label1[box.index] = new Label(QString::fromLatin1(box.caption), Frame1[0]);
        Label1[box.index]->setGeometry(twipsRect(box.left, 225, box.width, 210));
        createCriteriaBox(box.index, QRect(box.left, 450, box.width, 330));
    }
    Label1[3]->setToolTip(QStringLiteral("  Use of wild search characters (*) is not necessary for Type or Grade.   "));

    Frame1[1] = new Frame(QStringLiteral("List of matching materials"), this);
    Frame1[1]->setGeometry(twipsRect(30, 930, 11685, 4695));
    Frame1[1]->setToolTip(QStringLiteral(" Clicking column titles toggles between ascending and descending alpha-numeric "
                                         "sort order.  "));
    const QString beforeFirst = QStringLiteral(" See     ");
    const QString beforeSecond = beforeFirst + QStringLiteral("QW-420.1    and     ");
    Label2 = new Label(beforeSecond + QStringLiteral("QW-424.1     for requirements and use of P-numbers, S-numbers "
                                                     "and UNS numbers used for Procedure Qualification. "),
                       Frame1[1]);
    Label2->setGeometry(twipsRect(90, 4410, 10485, 255));
    Command3[0] = new CommandButton(QStringLiteral("QW-420"), Frame1[1]);
    Command3[0]->setGeometry(twipsRect(510, 4350, 1005, 315));
    Command3[0]->setToolTip(QStringLiteral(" Material groupings based on P-Numbers, S-numbers  and UNS numbers. "));
    Command3[1] = new CommandButton(QStringLiteral("QW-424.1"), Frame1[1]);
    Command3[1]->setGeometry(twipsRect(1950, 4350, 1005, 315));
    Command3[1]->setToolTip(QStringLiteral(" Qualified base metal(s) based on base metal(s) used for procedure "
                                           "qualification.  "));
    placeOverText(*Command3[0], *Label2, beforeFirst, QStringLiteral("QW-420.1"));
    placeOverText(*Command3[1], *Label2, beforeSecond, QStringLiteral("QW-424.1"));
    for (int i = 0; i < 2; ++i)
        Command3[i]->click = guarded([this, i] { Command3_Click(i); });

    Command1[1] = new CommandButton(QStringLiteral("&Print"), this);
    Command1[1]->setGeometry(twipsRect(10710, 5730, 1000, 315));
    Command1[1]->setToolTip(printButtonTip());
    Command1[1]->setDefault(true);
    Command1[0] = new CommandButton(QStringLiteral("&Cancel"), this);
    Command1[0]->setGeometry(twipsRect(10710, 6060, 1000, 315));

    createLists({QStringLiteral("Spec."), QStringLiteral("Grade"), QStringLiteral("Addenda"), QStringLiteral("UNS"),
                 QStringLiteral("Condition"), QStringLiteral("P"), QStringLiteral("G"), QStringLiteral("S"),
                 QStringLiteral("SG"), QStringLiteral("KSI"), QStringLiteral("Nominal composition"),
                 QStringLiteral("Product form")},
                QRect(90, 300, 11475, 4050));

    QWidget::setTabOrder(List1[3], Text1[4]);
    QWidget::setTabOrder(Text1[4], Text1[0]);
    QWidget::setTabOrder(Text1[0], Text1[3]);
    QWidget::setTabOrder(Text1[3], Text1[2]);
    QWidget::setTabOrder(Text1[2], Text1[1]);
    QWidget::setTabOrder(Text1[1], Command3[0]);
    QWidget::setTabOrder(Command3[0], Command3[1]);
    QWidget::setTabOrder(Command3[1], Command1[1]);
    QWidget::setTabOrder(Command1[1], Command1[0]);
    QWidget::setTabOrder(Command1[0], List1[0]);
    QWidget::setTabOrder(List1[0], Command2[0]);
    for (int i = 1; i < 5; ++i)
        QWidget::setTabOrder(Command2[i - 1], Command2[i]);
    List1[3]->setFocus();
}

QString varnelMaterialSpecification::fieldOfBox(int index) const
{
    static const std::array<QString, 5> fields = {QStringLiteral("Spec_No"), QStringLiteral("P_"), QStringLiteral("UNS"),
                                                  QStringLiteral("Grade"), QStringLiteral("Product_FM")};
    return fields.at(static_cast<std::size_t>(index));
}

void varnelMaterialSpecification::Form_Load()
{
    centreOnScreen(*this);
    Hourglass busy;
    List1[0]->clearEntries();
    List1[3]->clearEntries();
    // Empty pick list: "Plate" completes nothing.
    Text1[4]->setText(QStringLiteral("Plate"));
    const int widths[] = {1330, 1135, 959, 750, 1000, 500, 500, 500, 500, 500, 2200, 4000};
    for (int column = 0; column < 12; ++column)
        results().setColumnWidthTwips(column, widths[column]);
    results().setSorted(true);
    loadMaterialList();
}

void varnelMaterialSpecification::loadMaterialList()
{
    fillResults(basemetal::listStatement(criteriaTexts()), [](const dao::Recordset& rs) {
        return QStringList{trimmedField(rs, QStringLiteral("Spec_No")),
                           trimmedField(rs, QStringLiteral("Grade")),
                           basemetal::addendaText(rs.field(QStringLiteral("ADDENDA"))),
                           trimmedField(rs, QStringLiteral("UNS")),
                           trimmedField(rs, QStringLiteral("Condition")),
                           basemetal::pNumberText(nullToEmpty(rs.field(QStringLiteral("P_")))),
                           trimmedField(rs, QStringLiteral("G_")),
                           trimmedField(rs, QStringLiteral("S_")),
                           trimmedField(rs, QStringLiteral("SG_")),
                           trimmedField(rs, QStringLiteral("Min_KSI")),
                           trimmedField(rs, QStringLiteral("Nom_compos")),
                           trimmedField(rs, QStringLiteral("Product_FM")) + u' '
                               + trimmedField(rs, QStringLiteral("Thickrange"))};
    });
}

void varnelMaterialSpecification::loadMenuList(const QString& field)
{
    ListView& list = *List1[0];
    list.clearEntries();
    const QStringList passes = field == QLatin1String("P_") ? QStringList{QStringLiteral("P_"), QStringLiteral("S_")}
                                                            : QStringList{field};
    const basemetal::Boxes boxes = criteriaTexts();
    for (const QString& f : passes) {
        if (f == QLatin1String("Product_FM"))
            appendPickEntries(list, {QStringLiteral("All"), QStringLiteral("Plate"), QStringLiteral("Pipe/Tube"),
                                     QStringLiteral("Stud")}, newImageList(69));
        try {
            auto rs = openSnapshot(basemetal::menuStatement(f, boxes));
            QStringList values;
            for (; !rs->eof(); rs->moveNext())
                if (const QString value = trimmedField(*rs, f); !value.isEmpty())
                    values << value;
            appendPickEntries(list, values, newImageList(1));
            rs->close();
        } catch (const dao::Error& error) {
            // A pass whose statement fails adds nothing; a damaged file is said.
            sayReferenceDamage(error);
        }
    }
    sizePickList(list);
}

void varnelMaterialSpecification::Command1_Click(int index)
{
    if (index == 0)
        close();
    else
        printLookupReport(baseMetalReport(results()));
}

void varnelMaterialSpecification::Command3_Click(int index)
{
    varnelCore().lookupKey = Command3[index]->text();
    openWindow(windowOpeners().crossReference);
}

}  // namespace varnel
