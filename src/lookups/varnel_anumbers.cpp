#include "lookups/varnel_anumbers.h"

#include "app/varnel_core.h"
#include "app/window_openers.h"
#include "data/read_failures.h"
#include "platform/ui/cancel_button.h"
#include "platform/ui/form_font.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/seams.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"
#include "platform/vb.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QStringList>

namespace varnel {

using namespace platform::ui;
using platform::twips;
using platform::twipsRect;

namespace {

struct TableRow {
    const char* type;
    std::array<const char*, anumber::elementCount> values;
};

// Table QW-442 as the row labels show it.
const TableRow tableRows[12] = {
    {"Mild Steel", {"0.20", "0.20", "0.30", "0.50", "1.60", "1.00"}},
    {"Carbon - Molybdenum", {"0.15", "0.50", "0.40 - 0.65", "0.50", "1.60", "1.00"}},
    {"Chrome (0.4% to 2%) - Molybdenum", {"0.15", "0.40 - 2.00", "0.40 - 0.65", "0.50", "1.60", "1.00"}},
    {"Chrome (2% to 4%) - Molybdenum", {"0.15", "2.00 - 4.00", "0.40 - 1.50", "0.50", "1.60", "2.00"}},
    {"Chrome (4% to 10.5%) - Molybdenum", {"0.15", "4.00 - 10.50", "0.40 - 1.50", "0.80", "1.20", "2.00"}},
    {"Chrome - Martensitic", {"0.15", "11.00 - 15.00", "0.70", "0.80", "2.00", "1.00"}},
    {"Chrome - Ferritic", {"0.15", "11.00 - 30.00", "1.00", "0.80", "1.00", "3.00"}},
    {"Chromium - Nickel", {"0.15", "14.50 - 30.00", "4.00", "7.50 - 15.00", "2.50", "1.00"}},
    {"Chromium - Nickel", {"0.30", "19.00 - 30.00", "6.00", "15.00 - 37.00", "2.50", "1.00"}},
    {"Nickel to 4%", {"0.15", "0.50", "0.55", "0.80 - 4.00", "1.70", "1.00"}},
    {"Manganese - Molybdenum", {"0.17", "0.50", "0.25 - 0.75", "0.85", "1.25 - 2.25", "1.00"}},
    {"Nickel - Chrome - Molybdenum", {"0.15", "1.50", "0.25 - 0.80", "1.25 - 2.80", "0.75 - 2.25", "1.00"}},
};

// Characters of a row label before the first value, and of each value column.
constexpr int typeColumns = 42;
constexpr int valueColumns = 14;

QString rowCaption(int aNumber)
{
    const TableRow& row = tableRows[aNumber - 1];
    QString caption = (QStringLiteral("  ") + QString::number(aNumber)).leftJustified(6) + QString::fromLatin1(row.type);
    caption = caption.leftJustified(typeColumns);
    for (const char* value : row.values)
        caption += QString::fromLatin1(value).leftJustified(valueColumns);
    while (caption.endsWith(u' '))
        caption.chop(1);
    return caption;
}

}  // namespace

varnelAnumbers::varnelAnumbers(QWidget* parent) : LookupDialog(QStringLiteral("varnelAnumbers"), parent)
{
    createControls();
    Form_Load();
}

varnelAnumbers::~varnelAnumbers() { Form_Unload(); }

QColor varnelAnumbers::rowColour(bool matched)
{
    const QPalette palette = QApplication::palette();
    return matched ? palette.color(QPalette::ToolTipBase) : palette.color(QPalette::Button);
}

QColor varnelAnumbers::boxColour(anumber::BoxColour colour)
{
    switch (colour) {
    case anumber::BoxColour::Green: return QColor(192, 255, 192);
    case anumber::BoxColour::Yellow: return QColor(255, 255, 192);
    case anumber::BoxColour::Red: return QColor(255, 192, 255);
    case anumber::BoxColour::White: break;
    }
    return QApplication::palette().color(QPalette::Base);
}

QColor varnelAnumbers::rowColourOf(int aNumber) const
{
    return lblElement.at(static_cast<std::size_t>(aNumber))->palette().color(QPalette::Window);
}

void varnelAnumbers::createControls()
{
    setWindowTitle(QStringLiteral("A-Numbers - Table QW-442   CLASSIFICATION OF FERROUS WELD METAL ANALYSIS"));
    QFont rowFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    rowFont.setPointSizeF(7.5);
    const QFontMetrics metrics(rowFont);
    const int valueWidth = metrics.horizontalAdvance(QString(valueColumns, u' '));
    const int rowWidth = metrics.horizontalAdvance(QString(typeColumns + anumber::elementCount * valueColumns, u' '));
    const int rowLeft = twips(120);
    // The x of value column i, counted in the window, as the rows lay their values out.
    auto columnX = [&](int i) { return twips(30) + rowLeft + metrics.horizontalAdvance(QString(typeColumns + i * valueColumns, u' ')); };
    const int frameWidth = rowLeft * 2 + rowWidth;
    const int notesWidth = fontMetrics().horizontalAdvance(QString(110, u'n'));
    setFixedSize(std::max(frameWidth + twips(60), notesWidth), twips(7050));

    Frame1 = new Frame(QStringLiteral(" Specify percent composition "), this);
    Frame1->setGeometry(twips(30), twips(30), frameWidth, twips(1470));
    lblAnumber = new Label(QStringLiteral("A-number determination"), Frame1);
    QFont resultFont = platform::ui::designFont(QStringLiteral("MS Sans Serif"), 12);
    resultFont.setBold(true);
    lblAnumber->setFont(resultFont);
    lblAnumber->setGeometry(rowLeft, twips(600), columnX(0) - twips(30) - rowLeft * 2, twips(450));
    Label2 = new Label(QStringLiteral("Specify percent composition:"), Frame1);
    Label2->setToolTip(QStringLiteral(" Type single value  (e.g. 0.20)   or   a  range  (e.g. 0.13-0.20 ). "));
    Label2->setGeometry(rowLeft, twips(1080), columnX(0) - twips(30) - rowLeft * 2, twips(255));

    const QStringList heads = {QStringLiteral("% C"), QStringLiteral("% Cr"), QStringLiteral("% Mo"),
                               QStringLiteral("% Ni"), QStringLiteral("% Mn"), QStringLiteral("% Si")};
    const QStringList tips = {QStringLiteral("Carbon (C)"), QStringLiteral("Chromium (Cr)"), QStringLiteral("Molybdenum (Mo)"),
                              QStringLiteral("Nickel (Ni)"), QStringLiteral("Manganese (Mn)"), QStringLiteral("Silicon (Si)")};
    std::array<Label**, anumber::elementCount> labels = {&lblC, &lblCr, &lblMo, &lblNi, &lblMn, &lblSi};
    for (int i = 0; i < anumber::elementCount; ++i) {
        const int x = columnX(i) - twips(30);
        const int width = valueWidth - twips(90);
        Slider[i] = new QSlider(Qt::Horizontal, Frame1);
        Slider[i]->setGeometry(x, twips(270), width, twips(330));
        Slider[i]->setToolTip(QStringLiteral(" Set maximum table values.   "));
        Slider[i]->setRange(0, 30);
        Slider[i]->setPageStep(1);
        Slider[i]->setSingleStep(1);
        *labels[i] = new Label(heads[i], Frame1);
        (*labels[i])->setToolTip(tips[i]);
        (*labels[i])->setGeometry(x, twips(630), width, twips(225));
        txtElement[i] = new TextBox(Frame1);
        txtElement[i]->setGeometry(x, twips(900), width, twips(330));
        txtElement[i]->setToolTip(QStringLiteral(" Specify percent composition.   Type single value (e.g. 0.20)   or   a range  (e.g. 0.03-0.15)"));
        // Typed keys, pastes, drops and deletions alike.
        txtElement[i]->keyFilter = [](const QString& text, int, int, int keyAscii) { return anumber::validateText(text, keyAscii); };
        txtElement[i]->change = guarded([this, i] { txtElement_Change(i); });
        connect(Slider[i], &QSlider::valueChanged, this, guarded([this, i] { Slider_Change(i); }));
        connect(Slider[i], &QSlider::sliderReleased, this, guarded([this, i] { Slider_MouseUp(i); }));
    }

    Frame2 = new Frame(QStringLiteral("A-No.    Types of Weld Deposit"), this);
    Frame2->setGeometry(twips(30), twips(1560), frameWidth, twips(4290));
    Frame2->setCaptionColor(QApplication::palette().color(QPalette::Highlight));
    for (int n = 1; n <= 12; ++n) {
        lblElement[n] = new Label(rowCaption(n), Frame2);
        lblElement[n]->setFont(rowFont);
        lblElement[n]->setGeometry(rowLeft, twips(300 + 330 * (n - 1)), rowWidth, twips(315));
        setRowColour(n, true);
    }

    const QString notesBefore = QStringLiteral("NOTES:   Single values shown in the table are maximums.    See    ");
    Label1 = new Label(notesBefore + QStringLiteral("QW-404.5    rules on obtaining weld metal chemical composition."), this);
    Label1->setGeometry(twips(60), twips(6000), width() - twips(120), twips(315));
    setForeColor(*Label1, QApplication::palette().color(QPalette::Highlight));
    cmdComposition = new CommandButton(QStringLiteral("QW-404.5"), this);
    cmdComposition->setGeometry(0, twips(5985), twips(900), twips(345));
    placeOverText(*cmdComposition, *Label1, notesBefore, QStringLiteral("QW-404.5"));
    cmdComposition->setToolTip(QStringLiteral(" Identification of weld metal chemical  composition designated on the PQR "
                                              "and WPS shall be as given in QW-404.5."));
    cmdComposition->click = guarded([this] { cmdComposition_Click(); });

    Command1[1] = new CommandButton(QStringLiteral("&Reset"), this);
    Command1[1]->setToolTip(QStringLiteral(" Resets values to 0.00 "));
    Command1[1]->setGeometry(width() - twips(2250), twips(6540), twips(1000), twips(345));
    Command1[0] = new CommandButton(QStringLiteral("&Cancel"), this);
    Command1[0]->setGeometry(width() - twips(1140), twips(6540), twips(1000), twips(345));
    for (int i = 0; i < 2; ++i)
        Command1[i]->click = guarded([this, i] { Command1_Click(i); });
    platform::ui::setCancelButton(*this, Command1[1]);

    for (int i = 1; i < anumber::elementCount; ++i)
        QWidget::setTabOrder(txtElement[i - 1], txtElement[i]);
    QWidget::setTabOrder(txtElement[anumber::elementCount - 1], Slider[0]);
    for (int i = 1; i < anumber::elementCount; ++i)
        QWidget::setTabOrder(Slider[i - 1], Slider[i]);
}

void varnelAnumbers::Form_Load()
{
    centreOnScreen(*this);
    platform::setPointer(platform::Pointer::Hourglass);
    setFormDefaults();
    if (!aNumberSnapshot) {
        try {
            aNumberSnapshot = openSnapshot(QStringLiteral("A Numbers"));
        } catch (const dao::Error& error) {
            // Without the table no determination marks anything; a damaged file is said.
            sayReferenceDamage(error);
        }
    }
}

bool varnelAnumbers::setFormDefaults()
{
    Label2->hide();
    for (int n = 1; n <= 12; ++n)
        setRowColour(n, false);
    try {
        auto highs = openSnapshot(anumber::tableMaxStatement());
        highs->moveLast();
        for (int i = 0; i < anumber::elementCount; ++i)
            tableMax[static_cast<std::size_t>(i)] =
                highs->field(QStringLiteral("High ") + anumber::elementCodes[static_cast<std::size_t>(i)]).toDouble();
        highs->close();
        aNumberSnapshot = openSnapshot(QStringLiteral("A Numbers"));
    } catch (const dao::Error& error) {
        // Without the table there are no maxima to colour the boxes against.
        if (isMissingTable(error)) {
            tableUnread = true;
            lblAnumber->setCaption(missingTableText(QStringLiteral("A Numbers")));
        } else if (sayReferenceDamage(error)) {
            tableUnread = true;
            lblAnumber->setCaption(unreadableReferenceText(error));
        }
        return false;
    }
    for (int i = 0; i < anumber::elementCount; ++i) {
        const anumber::SliderScale& scale = anumber::sliderScales[static_cast<std::size_t>(i)];
        Slider[i]->setMaximum(scale.max);
        Slider[i]->setPageStep(scale.largeChange);
        Slider[i]->setSingleStep(scale.smallChange);
    }
    return true;
}

void varnelAnumbers::Form_Unload()
{
    if (aNumberSnapshot) {
        aNumberSnapshot->close();
        aNumberSnapshot.reset();
    }
}

void varnelAnumbers::closeEvent(QCloseEvent* event)
{
    LookupDialog::closeEvent(event);
    Form_Unload();
}

void varnelAnumbers::setRowColour(int aNumber, bool matched)
{
    setBackColor(*lblElement[aNumber], matched ? SystemColour::TooltipBackground : SystemColour::ButtonFace);
}

void varnelAnumbers::determineAnumber()
{
    for (int n = 1; n <= 12; ++n)
        setRowColour(n, false);
    if (tableUnread)
        return;
    std::array<QString, anumber::elementCount> texts;
    for (int i = 0; i < anumber::elementCount; ++i) {
        const QString t = txtElement[i]->text();
        texts[static_cast<std::size_t>(i)] = t;
        const anumber::BoxColour colour =
            anumber::boxColour(anumber::upperEnd(t), tableMax[static_cast<std::size_t>(i)]);
        static const QString tips[] = {QStringLiteral(" WHITE: minimum "), QStringLiteral(" GREEN: within range "),
                                       QStringLiteral(" YELLOW: maximum "), QStringLiteral(" RED: out of range ")};
        if (colour == anumber::BoxColour::White)
            txtElement[i]->setBackColor(SystemColour::WindowBackground);
        else
            txtElement[i]->setBackColor(boxColour(colour));
        txtElement[i]->setToolTip(tips[static_cast<int>(colour)]);
    }
    if (!anumber::analysisReadable(texts)) {
        lblAnumber->setCaption(QStringLiteral("No matching A-number(s)"));
        return;
    }
    const QString filter = anumber::determinationFilter(texts);
    if (filter.isEmpty()) {
        lblAnumber->setCaption(QStringLiteral("A-number determination"));
        return;
    }
    QStringList found;
    if (aNumberSnapshot) {
        try {
            for (aNumberSnapshot->findFirst(filter); !aNumberSnapshot->noMatch(); aNumberSnapshot->findNext(filter)) {
                const auto n = aNumberSnapshot->field(QStringLiteral("A Number")).toLongLong();
                if (n >= 1 && n <= 12)
                    setRowColour(static_cast<int>(n), true);
                found << QString::number(n);
            }
        } catch (const dao::Error& error) {
            // A failed search marks nothing more; a damaged file is said, in place of the
            // A-numbers it kept back.
            if (sayReferenceDamage(error)) {
                lblAnumber->setCaption(unreadableReferenceText(error));
                return;
            }
        }
    }
    lblAnumber->setCaption(found.isEmpty() ? QStringLiteral("No matching A-number(s)")
                                           : QStringLiteral("A-number: ") + found.join(QStringLiteral(" or ")));
}

void varnelAnumbers::txtElement_Change(int) { determineAnumber(); }

void varnelAnumbers::Slider_Change(int index)
{
    txtElement[index]->setText(vb::Format(Slider[index]->value() / 100.0, QStringLiteral("0.00")));
    determineAnumber();
}

void varnelAnumbers::Slider_MouseUp(int) { determineAnumber(); }

void varnelAnumbers::Command1_Click(int index)
{
    if (index == 0) {
        close();
        return;
    }
    for (int i = 0; i < anumber::elementCount; ++i) {
        txtElement[i]->setText(QString());
        // One below the minimum: the slider settles at 0, and a slider that moved writes "0.00".
        Slider[i]->setValue(-1);
    }
    determineAnumber();
    giveFocus(*txtElement[0]);
}

void varnelAnumbers::cmdComposition_Click()
{
    varnelCore().lookupKey = QStringLiteral("QW-404.5");
    openWindow(windowOpeners().crossReference);
}

}  // namespace varnel
