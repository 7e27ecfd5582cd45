#include "lookups/filler_metal_window.h"

#include "app/image_list.h"
#include "app/varnel_core.h"
#include "browser/varnel_main.h"
#include "data/read_failures.h"
#include "lookups/filler_metal_query.h"
#include "lookups/lookup_report.h"
#include "lookups/type_ahead.h"
#include "lookups/varnel_anumbers.h"
#include "lookups/varnel_filler_matrix.h"
#include "platform/ui/cancel_button.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"
#include "platform/vb.h"

namespace varnel {

using namespace platform::ui;
using platform::twipsRect;

varnelFillerSpecification::varnelFillerSpecification(QWidget* parent)
    : SpecificationSearch(QStringLiteral("varnelFillerSpecification"), parent)
{
    createControls();
    Form_Load();
}

void varnelFillerSpecification::createControls()
{
    setWindowTitle(QStringLiteral("Filler Metals - Table QW-432  F-NUMBERS"));
    setFixedSize(platform::twips(8565), platform::twips(6420));
    QFont arial = font();
    arial.setFamily(QStringLiteral("Arial"));

    Frame1[0] = new Frame(QStringLiteral("Selection criteria"), this);
    Frame1[0]->setGeometry(twipsRect(30, 30, 8490, 1635));
    Frame1[0]->setToolTip(QStringLiteral(" Filter the number of records to display,  or  clear all entries to see all "
                                         "records in the database. "));
    struct Box {
        int index, label;
        const char* caption;
        QRect labelArea, boxArea;
    };
    const Box boxes[] = {{4, 42, "AWS/SFA specification", {150, 270, 1695, 210}, {150, 570, 8205, 330}},
                         {0, 0, "AWS classification*", {120, 990, 1410, 195}, {150, 1230, 1965, 330}},
                         {3, 4, "F-no.", {2190, 990, 360, 195}, {2190, 1230, 1395, 330}},
                         {1, 1, "A-no.", {3630, 1020, 375, 195}, {3630, 1230, 1395, 330}},
                         {2, 2, "UNS", {5070, 990, 345, 195}, {5070, 1230, 1395, 330}}};
    for (const Box& box : boxes) {
        Label* label = new Label(QString::fromLatin1(box.caption), Frame1[0]);
        const QRect& l = box.labelArea;
        label->setGeometry(twipsRect(l.x(), l.y(), l.width(), l.height()));
        Label1[static_cast<std::size_t>(box.label)] = label;
        createCriteriaBox(box.index, box.boxArea);
        Text1[box.index]->setFont(arial);
    }
    Text1[4]->setBackColor(QColor(0xFF, 0xFF, 0xFF));
    Label1[0]->setToolTip(QStringLiteral("  Use of wild search characters (*) is not necessary for AWS classification.   "));
    cmdApplicability = new CommandButton(QStringLiteral("Applicability"), Frame1[0]);
    cmdApplicability->setGeometry(twipsRect(6600, 1230, 1725, 315));
    cmdApplicability->setToolTip(QStringLiteral(" Base metal / welding process matrix for SFA specification applicability. "));
    cmdApplicability->click = guarded([this] { cmdApplicability_Click(); });

    Frame1[1] = new Frame(QStringLiteral("Matching materials"), this);
    Frame1[1]->setGeometry(twipsRect(30, 1680, 8475, 3975));
    Frame1[1]->setToolTip(QStringLiteral(" Clicking column titles toggles between ascending and descending alpha-numeric "
                                         "sort order.  "));
    Label2 = new Label(QStringLiteral(" See    QW-442    for determination of A-number(s) when column value is blank. "),
                       Frame1[1]);
    Label2->setGeometry(twipsRect(180, 3660, 8145, 285));
    cmdAnumbers = new CommandButton(QStringLiteral("QW-442"), Frame1[1]);
    cmdAnumbers->setGeometry(twipsRect(600, 3600, 795, 315));
    placeOverText(*cmdAnumbers, *Label2, QStringLiteral(" See    "), QStringLiteral("QW-442"));
    cmdAnumbers->setToolTip(QStringLiteral(" Determine A-number(s) from weld deposit chemistry. "));
    cmdAnumbers->click = guarded([this] { cmdAnumbers_Click(); });

    Command1[1] = new CommandButton(QStringLiteral("&Print"), this);
    Command1[1]->setGeometry(twipsRect(7500, 5700, 1000, 315));
    Command1[1]->setToolTip(printButtonTip());
    Command1[1]->setDefault(true);
    Command1[0] = new CommandButton(QStringLiteral("&Cancel"), this);
    Command1[0]->setGeometry(twipsRect(7500, 6060, 1000, 315));
    platform::ui::setCancelButton(*this, Command1[0]);

    ListSpecTitle[0] = new ListView(this);
    ListSpecTitle[0]->setGeometry(twipsRect(5970, 0, 2325, 2325));
    ListSpecTitle[0]->hide();

    createLists({QStringLiteral("Classification"), QStringLiteral("Specification"), QStringLiteral("F-no."),
                 QStringLiteral("A-no."), QStringLiteral("UNS"), QStringLiteral("Comment")},
                QRect(120, 210, 8235, 3360));
    cmdAnumbers->raise();

    QWidget::setTabOrder(List1[3], Text1[4]);
    QWidget::setTabOrder(Text1[4], Text1[0]);
    QWidget::setTabOrder(Text1[0], Text1[3]);
    QWidget::setTabOrder(Text1[3], Text1[1]);
    QWidget::setTabOrder(Text1[1], Text1[2]);
    QWidget::setTabOrder(Text1[2], cmdApplicability);
    QWidget::setTabOrder(cmdApplicability, Command1[1]);
    QWidget::setTabOrder(Command1[1], Command1[0]);
    List1[3]->setFocus();
}

QString varnelFillerSpecification::fieldOfBox(int index) const { return fillermetal::fieldOfBox(index); }

void varnelFillerSpecification::Form_Load()
{
    centreOnScreen(*this);
    Hourglass busy;
    List1[0]->clearEntries();
    List1[3]->clearEntries();
    const int widths[] = {1560, 1230, 675, 705, 795, 2925};
    for (int column = 0; column < 6; ++column)
        results().setColumnWidthTwips(column, widths[column]);
    try {
        loadSpecificationTitles();
    } catch (const dao::Error& error) {
        // Without titles the specification box is not preset; a damaged file is said.
        sayReferenceDamage(error);
    }
    presetSpecification();
    loadMaterialList();
}

void varnelFillerSpecification::loadSpecificationTitles()
{
    auto rs = openSnapshot(fillermetal::titlesStatement);
    ListSpecTitle[0]->clearEntries();
    const int n = rs->recordCount();
    specificationTitles.assign(static_cast<std::size_t>(n) + 1, QString());
    for (int i = 1; i <= n && !rs->eof(); ++i, rs->moveNext()) {
        const QString title = fillermetal::specificationTitle(nullToEmpty(rs->field(QStringLiteral("SFA"))),
                                                              nullToEmpty(rs->field(QStringLiteral("DESIGNATION"))));
        ListSpecTitle[0]->addEntry(title);
        specificationTitles[static_cast<std::size_t>(i)] = title;
    }
    rs->close();
}

void varnelFillerSpecification::presetSpecification()
{
    const varnelMain* main = varnelMain::instance();
    if (!main || main->Check1->value() == 0) {
        Text1[4]->setText(QString());
        return;
    }
    // A title the table lacks leaves the box empty.
    const auto k = static_cast<std::size_t>(fillermetal::presetTitleNumber(main->Text1[2]->text(), main->Text1[3]->text()));
    Text1[4]->setText(k > 0 && k < specificationTitles.size() ? specificationTitles[k] : QString());
}

void varnelFillerSpecification::loadMaterialList()
{
    fillResults(fillermetal::listStatement(criteriaTexts()), [](const dao::Recordset& rs) {
        return QStringList{trimmedField(rs, QStringLiteral("AWS_Class")), trimmedField(rs, QStringLiteral("SFA")),
                           trimmedField(rs, QStringLiteral("F_NO")),      trimmedField(rs, QStringLiteral("A_NO")),
                           trimmedField(rs, QStringLiteral("UNS")),       trimmedField(rs, QStringLiteral("Comment"))};
    });
}

void varnelFillerSpecification::loadMenuList(const QString& field)
{
    ListView& list = *List1[0];
    list.clearEntries();
    try {
        auto rs = openSnapshot(fillermetal::menuStatement(field, criteriaTexts()));
        QStringList values;
        if (field != QLatin1String("SFA")) {
            for (; !rs->eof(); rs->moveNext())
                if (const QString value = trimmedField(*rs, field); !value.isEmpty())
                    values << value;
        } else {
            // The titles, in [ORDER], of the specifications that occur among the allowed rows.
            for (int i = 1; i <= ListSpecTitle[0]->count(); ++i) {
                const QString title = ListSpecTitle[0]->entryText(i);
                try {
                    rs->findFirst(fillermetal::sfaCriterion(fillermetal::titleNumber(title)));
                    if (!rs->noMatch())
                        values << vb::Trim(title);
                } catch (const dao::Error& error) {
                    // A failing find leaves that title out; a damaged file is said.
                    sayReferenceDamage(error);
                }
            }
        }
        appendPickEntries(list, values, newImageList(1));
        rs->close();
    } catch (const dao::Error& error) {
        // The pick list stays empty; a damaged file is said.
        sayReferenceDamage(error);
    }
    sizePickList(list);
}

void varnelFillerSpecification::Command1_Click(int index)
{
    if (index == 0)
        close();
    else
        printLookupReport(fillerMetalReport(results()));
}

void varnelFillerSpecification::cmdAnumbers_Click()
{
    varnelAnumbers aNumbers;
    showChild(aNumbers);
}

void varnelFillerSpecification::cmdApplicability_Click()
{
    varnelFillerMatrix matrix(*this);
    showChild(matrix);
    giveFocus(*Text1[0]);
    giveFocus(*Text1[4]);
}

}  // namespace varnel
