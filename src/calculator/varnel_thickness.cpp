// The calculator window's controls, its opening and its initialisation from the main window.

#include "calculator/varnel_thickness.h"

#include "app/image_list.h"
#include "app/varnel_core.h"
#include "browser/varnel_main.h"
#include "calculator/process_choice.h"
#include "calculator/value_entry.h"
#include "platform/ui/cancel_button.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/line.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/seams.h"
#include "platform/ui/slider.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"

#include <QEvent>
#include <QScrollBar>

namespace varnel {

using platform::twips;
using platform::twipsRect;
using namespace platform::ui;

namespace {

using platform::placed;


void moveTo(QWidget* widget, int left, int top) { widget->move(twips(left), twips(top)); }

// The window's design size in twips, frame and caption included.
constexpr int designWidth = 9465;
constexpr int designHeight = 7275;

struct ParameterBox {
    const char* caption;
    const char* tag;
    const char* toolTip;
};

constexpr ParameterBox parameterBoxes[] = {
    {"Short-circuiting arc transfer mode", "QW-403.10", " QW-403.10   GMAW short-circuiting arc transfer "},
    {"Penetration measurable visually or mechanically", "QW-403.3",
     " QW-403.3  LBW, EBW measurement of penetration by visual or mechanical means "},
    {"Impact testing requirements apply", "QW-403.6", " QW-403.6   base metal thickness  "},
    {"PWHT above upper transformation temperature", "QW-407.4",
     " QW-407.4   test coupon receiving a PWHT in which UTT is exceeded  "},
    {"Any one pass over 1/2\" (13 mm) thick", "QW-403.9",
     " QW-403.9    single or multipass in which any pass is greater than 1/2 in. "},
    {"Root deposit ONLY qualification", "QW-200.4(b)", " QW-200.4(b)    Combination of welding procedures "},
    {"Studs will be used for extended heating surfaces", "QW-202.5", " QW-202.5    Stud Welding "},
};

// A small paragraph button beside a parameter box or an exception.
CommandButton* paragraphButton(QWidget* parent, int left, int top, const QString& tag, const QString& toolTip)
{
    auto* button = placed(new CommandButton({}, parent), left, top, 225, 195);
    varnelThickness::setTag(button, tag);
    button->setToolTip(toolTip);
    return button;
}

Label* resultLabel(QWidget* parent, const QString& caption, int left, int top, int width)
{
    return placed(new Label(caption, parent), left, top, width, 225);
}

}  // namespace

QString varnelThickness::tagOf(const QWidget* control) { return control->property("Tag").toString(); }
void varnelThickness::setTag(QWidget* control, const QString& tag) { control->setProperty("Tag", tag); }

varnelThickness::varnelThickness(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("varnelThickness"));
    setWindowTitle(QStringLiteral(" Qualified Thickness & Required Tests"));
    // No button of the window is its cancel button: Esc does nothing.
    platform::ui::setCancelButton(*this, nullptr);
    createTypeAndProcessControls();
    createParameterControls();
    createStudPanel();
    createFrictionPanel();
    createValueControls();
    createResultControls();
    Command1 = placed(new CommandButton(QStringLiteral("&Cancel"), this), 8310, 6450, 1000, 345);
    Command1->installEventFilter(this);
    // Frames are opaque: an alternative panel hides what lies under it. The borderless holders
    // inside them show their frame's face.
    for (Frame* frame : findChildren<Frame*>())
        frame->setAutoFillBackground(!frame->isFlat());
    wireHandlers();
    Form_Load();
}

// A value box or slider that holds the focus finishes its value here, while the window is whole.
varnelThickness::~varnelThickness() { releaseFocus(*this); }

void varnelThickness::createTypeAndProcessControls()
{
    frmQualificationTest = placed(new Frame(QStringLiteral("Qualification Test "), this), 60, 0, 4725, 3005);
    const char* const captions[] = {
        "Groove Welds (Transverse bends - Table QW-451.1)", "Groove Welds (Longitudinal bends - Table QW-451.2)",
        "Corrosion-Resistant Overlays (QW-453)",            "Hard-Facing (Wear-Resistant) Overlays (QW-453)",
        "Nonpressure Retaining Fillet Welds (QW-180)",      "Stud Welding (QW-192)",
        "Resistance Welding (QW-196)",                      "Friction Welding (QW-262)",
        "Flash Welding (QW-265)",                           "Friction Stir Welding (QW-267)",
    };
    // Friction Welding stands below Flash Welding although its index is lower.
    constexpr int tops[] = {540, 780, 1020, 1260, 1500, 1740, 1980, 2460, 2220, 2700};
    for (int i = 0; i < 10; ++i)
        opt[i] = placed(new OptionButton(QString::fromLatin1(captions[i]), frmQualificationTest), 120, tops[i], 4215, 255);

    text2[2] = placed(new TextBox(frmQualificationTest), 120, 210, 4515, 315);
    cmdProcess[2] = placed(new CommandButton({}, frmQualificationTest), 4350, 240, 255, 255);
    cmdProcess[2]->setIcon(dropDownArrow());
    makeDropDownButton(*cmdProcess[2]);
    cmdProcess[2]->raise();
    List2[2] = placed(new DropDownList(frmQualificationTest), 120, 510, 4485, 285);
    List2[2]->setColumnWidth(0, twips(4485) - 4);
    List2[2]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List2[2]->hide();
}

void varnelThickness::createParameterControls()
{
    fraParameters = placed(new Frame(QStringLiteral("Applicable Parameters"), this), 4860, 0, 4455, 3000);
    for (int i = 0; i < 6; ++i) {
        const ParameterBox& box = parameterBoxes[i];
        chkParam[i] = placed(new CheckBox(QString::fromLatin1(box.caption), fraParameters), 420, 330 + 360 * i, 3900, 255);
        cmdXref[i] = paragraphButton(fraParameters, 90, 360 + 360 * i, QString::fromLatin1(box.tag),
                                     QString::fromLatin1(box.toolTip));
    }
}

void varnelThickness::createStudPanel()
{
    fraStudParameters = placed(new Frame(QStringLiteral("Applicable Parameters"), this), 4860, 0, 4455, 2800);
    const ParameterBox& heating = parameterBoxes[6];
    chkParam[6] = placed(new CheckBox(QString::fromLatin1(heating.caption), fraStudParameters), 420, 330, 3900, 255);
    chkParam[6]->setToolTip(QStringLiteral(" Check this box if studs are used for extended heating surfaces.  "));
    cmdXref[6] = paragraphButton(fraStudParameters, 90, 360, QString::fromLatin1(heating.tag),
                                 QString::fromLatin1(heating.toolTip));

    fraStudMaterial = placed(new Frame(QStringLiteral("Stud material type"), fraStudParameters), 120, 690, 2115, 1035);
    const char* const materials[] = {"Other", "Carbon steel", "Austenitic stainless steel"};
    for (int i = 0; i < 3; ++i)
        optStud[i] = placed(new OptionButton(QString::fromLatin1(materials[i]), fraStudMaterial), 120, 240 + 255 * i, 1935, 255);

    fraStudPlate = placed(new Frame(QStringLiteral("welded to (material)"), fraStudParameters), 2295, 690, 2040, 1035);
    optStudPlate[0] = placed(new OptionButton(QStringLiteral("Other"), fraStudPlate), 120, 240, 1860, 255);
    optStudPlate[1] = placed(new OptionButton(QStringLiteral("P-no. 1 (carbon steel)"), fraStudPlate), 120, 495, 1860, 255);

    fraThreads = placed(new Frame(QStringLiteral("Thread series designation for externally threaded studs"), fraStudParameters),
                        120, 1800, 4215, 855);
    optThreads[0] = placed(new OptionButton(QStringLiteral("None"), fraThreads), 120, 330, 1000, 255);
    optThreads[1] = placed(new OptionButton(QStringLiteral("UNF  (fine)"), fraThreads), 1200, 330, 1300, 255);
    optThreads[1]->setToolTip(QStringLiteral(" UNF Fine thread series designation "));
    optThreads[2] = placed(new OptionButton(QStringLiteral("UNC  (corse)"), fraThreads), 2580, 330, 1500, 255);
    optThreads[2]->setToolTip(QStringLiteral("UNC - Corse thread series designation"));

    // Design choices; set before the handlers are wired, so nothing runs.
    optStud[1]->setChecked(true);
    optStudPlate[1]->setChecked(true);
    optThreads[0]->setChecked(true);
    fraStudParameters->hide();
}

void varnelThickness::createFrictionPanel()
{
    fraFrwParameters = placed(new Frame(QStringLiteral("Applicable Parameters"), this), 4860, 0, 4455, 2800);
    fraFrwJoint = placed(new Frame(QStringLiteral("Joint configuration"), fraFrwParameters), 120, 240, 4215, 780);
    optFrwJoint[0] = placed(new OptionButton(QStringLiteral("Solid   (round bar or other shapes)"), fraFrwJoint), 120, 240, 3975, 255);
    optFrwJoint[0]->setToolTip(QStringLiteral(" Solid joints include bar-to-bar and bar-to-plate."));
    optFrwJoint[1] = placed(new OptionButton(QStringLiteral("Tubular (pipe, tube or disc)"), fraFrwJoint), 120, 480, 3975, 255);
    optFrwJoint[1]->setToolTip(
        QStringLiteral("Tubular joints include tube-to-tube, pipe-to-pipe,  tube-to-pipe, tube-to-disc and pipe-to-disc. "));
    optFrwJoint[0]->setChecked(true);

    cmdXref[8] = placed(new CommandButton(QStringLiteral("QW-402.12"), fraFrwParameters), 3300, 1800, 1035, 375);
    setTag(cmdXref[8], QStringLiteral("QW-402.12"));
    cmdXref[8]->setToolTip(QStringLiteral(" QW-402.12  Friction welding essential variable "));

    fraFrwAngle = placed(new Frame(QStringLiteral("Faying surface angle (degrees °)"), fraFrwParameters), 120, 1080, 3075, 1650);
    Line1 = new Line(fraFrwAngle, 870, 1050, 870, 240);
    Line2 = new Line(fraFrwAngle, 270, 1110, 1500, 1110);
    lblStationary = placed(new Label(QStringLiteral("stationary member"), fraFrwAngle), 270, 1170, 1800, 225);
    lblStationary->setToolTip(QStringLiteral(" Face of the stationary member to be joined. "));
    lblAxis[0] = placed(new Label(QStringLiteral("axis of rotation"), fraFrwAngle), 970, 150, 1300, 225);
    lblAxis[0]->setToolTip(QStringLiteral(" Axis of rotation for the rotating member to be joined. "));
    lblAxis[1] = placed(new Label(QStringLiteral("qualifies 81° - 90° range"), fraFrwAngle), 270, 1380, 2760, 225);
    lblAxis[1]->setToolTip(QStringLiteral(
        " WPS qualified range.   Angle is measured between the plane of either face to be joined and the axis of rotation.  "));
    txtFrwAngle = placed(new TextBox(fraFrwAngle), 1800, 600, 615, 285);
    txtFrwAngle->setReadOnly(true);
    txtFrwAngle->setText(QStringLiteral("90°"));
    txtFrwAngle->setToolTip(QStringLiteral(" Angle tested (recorded on PQR)"));
    // Whole degrees from 45 at the top to 90 at the bottom; the window opens at 90.
    VScroll1 = placed(new ScrollBar(fraFrwAngle), 2520, 450, 255, 855);
    VScroll1->setRange(45, 90);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(5);
    VScroll1->setValue(90);
    fraFrwParameters->hide();
}

void varnelThickness::createValueControls()
{
    fraThicknessTested = placed(new Frame(QStringLiteral("Thickness Tested (inches)"), this), 60, 2980, 4725, 1665);
    optUnits[0] = placed(new OptionButton(QStringLiteral("inches"), fraThicknessTested), 120, 270, 855, 255);
    optUnits[1] = placed(new OptionButton(QStringLiteral("mm"), fraThicknessTested), 1020, 270, 615, 255);
    cmdUnitsConversion = placed(new CommandButton(QStringLiteral("convert"), fraThicknessTested), 1680, 240, 855, 315);
    cmdUnitsConversion->setToolTip(QStringLiteral(" Convert thickness values from inches to millimeters. "));
    chkFullThickness = placed(new CheckBox(QStringLiteral("  t = T"), fraThicknessTested), 2760, 270, 915, 255);
    chkFullThickness->setToolTip(
        QStringLiteral(" Check if weld deposit thickness using one process is equal to the  base metal thickness . "));

    lblBMthickness = placed(new Label(QStringLiteral("Base Metal test coupon thickness T"), fraThicknessTested), 120, 630, 2595, 255);
    lblBMthickness->setToolTip(QStringLiteral("Enter base metal test coupon thickness T recorded on PQR"));
    lblWMthickness = placed(new Label(QStringLiteral("Deposited Weld Metal thickness t"), fraThicknessTested), 120, 990, 2595, 255);
    lblWMthickness->setToolTip(QStringLiteral("Enter deposited weld metal thickness t recorded on PQR"));
    lblWMthickness->setWordWrap(true);
    lblWMthickness->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtBMthickness = placed(new TextBox(fraThicknessTested), 2760, 600, 915, 285);
    txtWMthickness = placed(new TextBox(fraThicknessTested), 2760, 960, 915, 285);
    Slider[0] = placed(new platform::ui::Slider(fraThicknessTested), 3720, 600, 945, 285);
    Slider[1] = placed(new platform::ui::Slider(fraThicknessTested), 3720, 960, 945, 285);

    LabelT = placed(new Label({}, fraThicknessTested), 2760, 1320, 915, 225);
    LabelW = placed(new Label({}, fraThicknessTested), 3720, 1320, 945, 225);
    for (Label* value : {LabelT, LabelW}) {
        value->setToolTip(QStringLiteral(" value used in calculation "));
        setForeColor(*value, QColor(0x80, 0x80, 0x80));
    }
    // Enlarged into a note for friction stir welding, the second label covers the values row.
    lblWMthickness->setAutoFillBackground(true);
    lblWMthickness->raise();
}

void varnelThickness::createExceptionsRow(Frame* row, const std::array<int, 3>& buttons)
{
    const struct {
        const char* label;
        const char* tag;
        const char* toolTip;
        int left, width;
    } exceptions[] = {
        {"Partial pen.", "QW-202.2", " QW-202.2(b)  Qualification for partial penetration groove welds. ", 0, 1050},
        {"Repair & buildup", "QW-202.3", " QW-202.3  Weld Repair and Buildup ", 1350, 1280},
        {"Dissimilar thickness", "QW-202.4", " QW-202.4  Dissimilar base metal thicknesses ", 2900, 1090},
    };
    placed(new Label(QStringLiteral("Exceptions to maximum qualified base metal thickness T:"), row), 0, 0, 4260, 225);
    for (int i = 0; i < 3; ++i) {
        const auto& e = exceptions[i];
        cmdXref[buttons[i]] =
            paragraphButton(row, e.left, 300, QString::fromLatin1(e.tag), QString::fromLatin1(e.toolTip));
        // Two lines high, so that a caption too long for one line wraps beside its button.
        placed(new Label(QString::fromLatin1(e.label), row), e.left + 270, 285, e.width, 330);
    }
}

void varnelThickness::createResultControls()
{
    fraThicknessQualified = placed(new Frame(QStringLiteral("Qualified Thickness Range (inches)"), this), 4860, 2980, 4455, 1665);
    Frame* area = fraThicknessQualified;
    lblGrooveWelds = resultLabel(area, QStringLiteral("Groove Welds"), 120, 240, 2835);
    LabelMinT[1] = resultLabel(area, QStringLiteral("Min T"), 120, 480, 600);
    lblBMTmin = resultLabel(area, {}, 720, 480, 900);
    LabelMaxT[1] = resultLabel(area, QStringLiteral("Max T"), 1620, 480, 600);
    lblBMTmax = resultLabel(area, {}, 2220, 480, 780);
    LabelMinT[2] = resultLabel(area, QStringLiteral("Min t"), 120, 750, 600);
    lblWMTmin = resultLabel(area, {}, 720, 750, 900);
    LabelMaxT[2] = resultLabel(area, QStringLiteral("Max t"), 1620, 750, 600);
    lblWMTmax = resultLabel(area, {}, 2220, 750, 780);

    fraFillets = placed(new Frame({}, area, true), 3030, 240, 1335, 780);
    resultLabel(fraFillets, QStringLiteral("Fillet Welds"), 0, 0, 1335);
    lblBMfillet = resultLabel(fraFillets, QStringLiteral("Unlimited"), 0, 240, 1335);
    lblWMfillet = resultLabel(fraFillets, QStringLiteral("Unlimited"), 0, 510, 1335);

    cmdPicture[6] = placed(new CommandButton(QStringLiteral("QW-462.5(a)"), area), 3030, 450, 1305, 315);
    cmdPicture[6]->setToolTip(QStringLiteral("QW-462.5(a)  minimum qualified overlay thickness determination"));
    cmdPicture[6]->hide();

    // The total-joint row of resistance welding, under the two result rows.
    fraResistance[0] = placed(new Frame({}, area, true), 120, 1020, 2880, 480);
    resultLabel(fraResistance[0], QStringLiteral("Total Joint"), 0, 0, 2880);
    LabelMinT[3] = resultLabel(fraResistance[0], QStringLiteral("Min"), 0, 240, 600);
    lblJointTmin = resultLabel(fraResistance[0], {}, 600, 240, 900);
    LabelMaxT[3] = resultLabel(fraResistance[0], QStringLiteral("Max"), 1500, 240, 600);
    lblJointTmax = resultLabel(fraResistance[0], {}, 2100, 240, 780);
    // Covers the fillet column while resistance welding is chosen.
    fraResistance[1] = placed(new Frame({}, area, true), 3030, 450, 1335, 555);

    fraStudRange = placed(new Frame({}, area, true), 3030, 450, 1335, 555);
    lblStudSize = placed(new Label({}, fraStudRange), 0, 0, 1335, 555);
    lblStudSize->setWordWrap(true);
    lblStudSize->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblQTnote = resultLabel(area, QStringLiteral("Qualified diameter is the nominal size tested (QW-402.8)"), 120, 1020, 4215);

    fraFrwRange = placed(new Frame({}, area, true), 3030, 450, 1335, 555);
    lblFrwArea = resultLabel(fraFrwRange, QStringLiteral("Area (in ²)"), 0, 300, 1335);

    fraExceptions = placed(new Frame({}, area, true), 100, 920, 4260, 630);
    createExceptionsRow(fraExceptions, {9, 10, 11});

    cmdXref[7] = paragraphButton(area, 4110, 1380, QStringLiteral("QW-402.8"), QStringLiteral("QW-402.8    Stud Welding - Essential Variable"));

    for (QWidget* panel : {static_cast<QWidget*>(fraResistance[0]), static_cast<QWidget*>(fraResistance[1]),
                           static_cast<QWidget*>(fraStudRange), static_cast<QWidget*>(lblQTnote),
                           static_cast<QWidget*>(fraFrwRange), static_cast<QWidget*>(cmdXref[7])})
        panel->hide();

    fraThicknessQualifiedFW = placed(new Frame(QStringLiteral("Qualified Thickness Range"), this), 4860, 3000, 4455, 1665);
    LabelMinT[0] = resultLabel(fraThicknessQualifiedFW,
                               QStringLiteral("The nominal diameter qualified is the nominal diameter tested."), 120, 300, 4215);
    LabelMinT[5] = resultLabel(fraThicknessQualifiedFW,
                               QStringLiteral("The nominal thickness qualified is the nominal thickness tested."), 120, 600, 4215);
    fraExceptionsFW = placed(new Frame({}, fraThicknessQualifiedFW, true), 100, 920, 4260, 630);
    createExceptionsRow(fraExceptionsFW, {14, 13, 12});
    fraThicknessQualifiedFW->hide();

    fraTests = placed(new Frame(QStringLiteral("Required Tests"), this), 60, 4820, 9255, 1725);
    txtTest1 = placed(new RichTextBox(fraTests), 120, 240, 9015, 1425);
    txtTest1->setFont(QFont(QStringLiteral("Arial")));
}

void varnelThickness::wireHandlers()
{
    for (int i = 0; i < 10; ++i) {
        opt[i]->click = guarded([this, i] { opt_Click(i); });
        opt[i]->gotFocus = guarded([this] { hideProcessList(); });
    }
    text2[2]->change = guarded([this] { text2_Change(2); });
    text2[2]->handlers.keyDown = guarded([this](int key, int shift) { text2_KeyDown(2, key, shift); });
    text2[2]->handlers.keyPress = guarded([this](int& key) { text2_KeyPress(2, key); });
    text2[2]->handlers.gotFocus = guarded([this] { text2_GotFocus(2); });
    cmdProcess[2]->click = guarded([this] { cmdProcess_Click(2); });
    List2[2]->keyUp = guarded([this](int key, int shift) { List2_KeyUp(2, key, shift); });
    List2[2]->mouseUp = guarded([this] { List2_MouseUp(2); });

    for (int i = 0; i < 7; ++i)
        chkParam[i]->click = guarded([this, i] { chkParam_Click(i); });
    for (int i = 0; i < static_cast<int>(cmdXref.size()); ++i)
        cmdXref[i]->click = guarded([this, i] { cmdXref_Click(i); });
    cmdPicture[6]->click = guarded([this] { cmdPicture_Click(6); });
    for (int i = 0; i < 3; ++i) {
        optStud[i]->click = guarded([this, i] { optStud_Click(i); });
        optThreads[i]->click = guarded([this, i] { optThreads_Click(i); });
    }
    for (int i = 0; i < 2; ++i) {
        optStudPlate[i]->click = guarded([this, i] { optStudPlate_Click(i); });
        optFrwJoint[i]->click = guarded([this, i] { optFrwJoint_Click(i); });
    }
    connect(VScroll1, &QScrollBar::valueChanged, this, guarded([this] { VScroll1_Change(); }));
    txtFrwAngle->change = guarded([this] { txtFrwAngle_Change(); });

    txtBMthickness->change = guarded([this] { txtBMthickness_Change(); });
    txtWMthickness->change = guarded([this] { txtWMthickness_Change(); });
    // Typed keys, pastes, drops and deletions alike: only a well-formed value within the limit.
    for (TextBox* box : {txtBMthickness, txtWMthickness})
        box->keyFilter = [this](const QString& text, int selStart, int selLength, int keyAscii) {
            return calculator::validateText(text, selStart, selLength, keyAscii, mmUnits);
        };
    connect(txtBMthickness, &QLineEdit::editingFinished, this, guarded([this] { valueFinished(0); }));
    connect(txtWMthickness, &QLineEdit::editingFinished, this, guarded([this] { valueFinished(1); }));
    txtBMthickness->handlers.gotFocus = guarded([this] { hideProcessList(); });
    txtBMthickness->handlers.lostFocus = guarded([this] { txtBMthickness_LostFocus(); });
    txtWMthickness->handlers.gotFocus = guarded([this] { hideProcessList(); });
    for (int i = 0; i < 2; ++i) {
        optUnits[i]->click = guarded([this, i] { optUnits_Click(i); });
        optUnits[i]->gotFocus = guarded([this] { hideProcessList(); });
        Slider[i]->scroll = guarded([this, i] { Slider_Scroll(i); });
        Slider[i]->released = guarded([this, i] { valueFinished(i); });
    }
    cmdUnitsConversion->click = guarded([this] { cmdUnitsConversion_Click(); });
    chkFullThickness->click = guarded([this] { chkFullThickness_Click(); });
    Command1->click = guarded([this] { Command1_Click(); });
}

bool varnelThickness::eventFilter(QObject* watched, QEvent* event)
{
    // The Cancel button receiving the focus closes the process list, as the other controls do.
    if (watched == Command1 && event->type() == QEvent::FocusIn)
        hideProcessList();
    return QDialog::eventFilter(watched, event);
}

void varnelThickness::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void varnelThickness::Form_Load()
{
    // An older reference database has no flash welding; friction welding takes its place.
    if (!varnelCore().newLayout) {
        opt[8]->hide();
        opt[7]->move(opt[7]->x(), opt[8]->y());
    }
    setFixedSize(twips(designWidth - platform::outerExtraWidth),
                 twips(designHeight - platform::outerExtraHeightWithoutMenu));
    centreOnScreen(*this);
    platform::setPointer(platform::Pointer::Hourglass);
    initiateCalculator();
}

void varnelThickness::Form_Activate() { platform::setPointer(platform::Pointer::Default); }

void varnelThickness::Command1_Click() { close(); }

void varnelThickness::initiateCalculator()
{
    txtBMthickness->setText(QString());
    txtWMthickness->setText(QString());
    optUnits[0]->setValue(true);
    mmUnits = false;

    // The alternative panels share one place each.
    moveTo(fraResistance[1], 3030, 450);
    moveTo(fraStudRange, 3030, 450);
    moveTo(fraFrwRange, 3030, 450);
    fraStudParameters->move(fraParameters->x(), fraStudParameters->y());
    fraFrwParameters->move(fraParameters->x(), fraFrwParameters->y());
    lblQTnote->move(fraResistance[0]->pos());
    fraExceptions->move(fraResistance[0]->pos() - QPoint(twips(20), twips(100)));

    // The main window's category decides the type; each hit clicks its option, the last one wins.
    // Without a main window nothing is preset.
    const varnelMain* main = varnelMain::instance();
    const QString category = main ? main->Text1[3]->text() : QString();
    calculator::TypePreselection preselection;
    if (main)
        preselection = calculator::preselectType(category);
    for (calculator::QualificationType type : preselection.clicks)
        opt[static_cast<int>(type)]->setValue(true);

    setParameterPanel();
    if (preselection.ticksImpactTesting)
        chkParam[calculator::param::impactTesting]->setValue(1);
    text2[2]->setText(loadList());

    for (platform::ui::Slider* slider : Slider) {
        slider->setMin(0);
        slider->setMax(mmUnits ? 250 : 100000);
    }
    setSliderRanges();
}

}  // namespace varnel
