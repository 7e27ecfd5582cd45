#include "browser/varnel_main.h"

#include "app/image_list.h"
#include "app/registry_module.h"
#include "app/varnel_about.h"
#include "app/varnel_core.h"
#include "app/version.h"
#include "data/password.h"
#include "data/read_failures.h"
#include "platform/printer.h"
#include "print/print_module.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/seams.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>
#include <utility>

namespace varnel {

using platform::twips;
using platform::twipsRect;
using namespace platform::ui;

namespace {

using platform::placed;

varnelMain* theInstance = nullptr;

// The design size of the area below the menu bar, in twips: the design's outer size less the
// frame (120 across) and less caption, menu bar and frame (765 down). Qt draws the frame and
// caption itself, so sizes and the layout work on this area.
constexpr int designClientWidth = 9615;
constexpr int designClientHeight = 7130;

}  // namespace

varnelMain* varnelMain::instance() { return theInstance; }

varnelMain::varnelMain(QWidget* parent) : varnelMain(ControlsOnly{}, parent)
{
    prepareCreation();
    create();
}

varnelMain::varnelMain(ControlsOnly, QWidget* parent) : QMainWindow(parent)
{
    theInstance = this;
    setObjectName(QStringLiteral("varnelMain"));
    setWindowTitle(programTitle());
    createControls();
    createMenus();
    resize(twips(designClientWidth), twips(designClientHeight) + menuBar()->sizeHint().height());
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    wireHandlers();
}

void varnelMain::create()
{
    // Creation goes on after a failure of any one step; only the ends below stop it. A cancelled
    // choice of directory ends the program, even when an opening prepared a file.
    if (!settleFile()) {
        if (!platform::programEnded())
            platform::endProgram();
        return;
    }
    std::optional<PreparedOpening> prepared = std::exchange(preparedOpening_, std::nullopt);
    if (prepared && prepared->path != pathOfDefaultFile())
        prepared.reset();
    if ((prepared ? prepared->opening : openFile()) == dao::WrongPassword) {
        showIncorrectPassword();
        platform::endProgram(1);
        return;
    }
    if (!(prepared ? prepared->processesListed : initiateDatabase())) {
        endForUnusableDatabase();
        return;
    }
    keepOpenedChoice();
    Timer1->start();
}

void varnelMain::prepareCreation()
{
    // The first use of a control loads the window.
    Form_Load();
    const VarnelCore& core = varnelCore();
    if (fileNameOnDisk(core.dataPath, core.defaultFile).isEmpty())
        return;
    PreparedOpening prepared{pathOfDefaultFile()};
    prepared.opening = openFile();
    if (prepared.opening != dao::WrongPassword)
        prepared.processesListed = initiateDatabase();
    preparedOpening_ = std::move(prepared);
}

varnelMain::~varnelMain()
{
    releaseFocus(*this);
    if (theInstance == this)
        theInstance = nullptr;
}

void varnelMain::createControls()
{
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->installEventFilter(this);

    createToolbar();

    // Process and category boxes.
    Frame2 = placed(new Frame({}, client), 60, 480, 9495, 675);
    Label3[1] = placed(new Label(QStringLiteral("Process type"), Frame2), 120, 30, 915, 195);
    Text1[2] = placed(new TextBox(Frame2), 120, 270, 3765, 315);
    Command2[2] = placed(new CommandButton({}, Frame2), 3600, 300, 255, 255);
    Label1[11] = placed(new Label(QStringLiteral("Not applicable"), Frame2), 120, 330, 1020, 195);
    Label3[0] = placed(new Label(QStringLiteral("QW-Variable type"), Frame2), 3990, 30, 1245, 195);
    Text1[3] = placed(new TextBox(Frame2), 3990, 270, 5385, 315);
    Command2[3] = placed(new CommandButton({}, Frame2), 9090, 300, 255, 255);
    Label1[12] = placed(new Label(QStringLiteral("Not applicable"), Frame2), 3990, 330, 1020, 195);
    // Captions take the width their text needs in the fonts at hand.
    Label3[0]->adjustSize();
    Label3[1]->adjustSize();
    for (Label* grey : {Label1[11], Label1[12]}) {
        setForeColor(*grey, QColor(0x80, 0x80, 0x80));
        grey->lower();
    }

    // Text search.
    Frame1[0] = placed(new Frame(QStringLiteral("Text search"), client), 60, 1170, 6765, 675);
    Text1[1] = placed(new TextBox(Frame1[0]), 120, 270, 4155, 315);
    Command2[1] = placed(new CommandButton({}, Frame1[0]), 3990, 300, 255, 255);
    Frame1[5] = placed(new Frame({}, Frame1[0], true), 4380, 270, 2355, 285);
    Option1[0] = placed(new OptionButton(QStringLiteral("And"), Frame1[5]), 0, 0, 705, 285);
    Option1[1] = placed(new OptionButton(QStringLiteral("Or"), Frame1[5]), 720, 0, 615, 285);
    Option1[2] = placed(new OptionButton(QStringLiteral("Phrase"), Frame1[5]), 1350, 0, 1005, 285);

    Frame1[2] = placed(new Frame(QStringLiteral("Search type"), client), 6900, 1170, 2655, 675);
    Check1 = placed(new CheckBox(QStringLiteral("Search by Process"), Frame1[2]), 150, 300, 2355, 255);

    // The external-call banner.
    Frame1[8] = placed(new Frame(QStringLiteral("WARNING"), client), 60, 1200, 9495, 675);
    // The banner's text wraps and takes the lines it needs within the frame.
    Label1[13] = placed(new Label({}, Frame1[8]), 120, 210, 9210, 195);
    Label1[13]->setWordWrap(true);
    Label1[13]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1[13]->setAutoSize(true);
    Frame1[8]->hide();

    // Paragraph list.
    Frame1[3] = placed(new Frame(QStringLiteral("Applicable Variables:"), client), 6900, 1860, 2655, 4335);
    ListView1[2] = placed(new TextListView(Frame1[3]), 120, 270, 2415, 3945);

    // Paragraph text, its position labels and the navigation.
    Frame1[4] = placed(new Frame(QStringLiteral("Paragraph/Variable:"), client), 60, 1860, 6765, 4335);
    RichTextBox1 = placed(new RichTextBox(Frame1[4]), 120, 270, 6540, 3375);
    Label1[0] = placed(new Label({}, Frame1[4]), 3540, 0, 45, 195);
    setForeColor(*Label1[0], QColor(0x80, 0, 0));
    Label1[0]->setAutoSize(true);  // the mark takes the width its caption needs
    Label1[0]->hide();
    Frame1[6] = placed(new Frame({}, Frame1[4], true), 4680, 0, 2055, 225);
    Label1[3] = placed(new Label(QStringLiteral("Variable:"), Frame1[6]), 0, 0, 735, 225);
    Label1[4] = placed(new Label(QStringLiteral("n/a"), Frame1[6]), 750, 0, 555, 225);
    Label1[5] = placed(new Label(QStringLiteral("of"), Frame1[6]), 1320, 0, 180, 225);
    Label1[6] = placed(new Label(QStringLiteral("n/a"), Frame1[6]), 1515, 0, 540, 225);
    Label1[4]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The number stands right against "of" in the design; a blank's width keeps them apart.
    const int blank = QFontMetrics(Label1[4]->font()).horizontalAdvance(u' ') + 1;
    Label1[4]->setContentsMargins(0, 0, blank, 0);

    Frame1[1] = placed(new Frame({}, Frame1[4], true), 150, 3720, 2805, 540);
    Frame1[7] = placed(new Frame({}, Frame1[4], true), 4170, 3720, 2475, 540);
    // Each button with its label beside it, wrapped over the holder's height; a label's width is
    // what its longest word needs.
    auto pair = [&](Frame* holder, int left, int width, const QString& button, const QString& label,
                    CommandButton*& command, Label*& caption) {
        command = placed(new CommandButton(button, holder), left, 120, 300, 300);
        caption = placed(new Label(label, holder), left + 315, 0, width - 315, 540);
        caption->setWordWrap(true);
        caption->setToolTip(label);
        caption->setBuddy(command);  // the label says what the button does
    };
    pair(Frame1[1], 0, 1275, QStringLiteral("&I"), QStringLiteral("Show all applicable Interpretations"), Command3, Label1[1]);
    pair(Frame1[1], 1275, 690, QStringLiteral("|<"), QStringLiteral("Show first"), Command4[0], Label1[7]);
    pair(Frame1[1], 1965, 840, QStringLiteral("<"), QStringLiteral("Show previous"), Command4[1], Label1[8]);
    pair(Frame1[7], 0, 1065, QStringLiteral("&A"), QStringLiteral("Show all applicable Processes"), Command5, Label1[2]);
    pair(Frame1[7], 1065, 705, QStringLiteral(">"), QStringLiteral("Show next"), Command4[2], Label1[9]);
    pair(Frame1[7], 1770, 705, QStringLiteral(">|"), QStringLiteral("Show last"), Command4[3], Label1[10]);

    Command1[1] = placed(new CommandButton(QStringLiteral("&Search"), client), 8550, 6300, 1000, 315);
    Command1[0] = placed(new CommandButton(QStringLiteral("E&xit"), client), 8550, 6690, 1000, 315);

    // The drop-down lists lie over the window, each under its box.
    const struct { int index, left, top, width; } lists[] = {
        {1, 210, 1770, 4125}, {2, 180, 1050, 3735}, {3, 4050, 1050, 5355}};
    for (const auto& l : lists) {
        List1[l.index] = placed(new DropDownList(client), l.left, l.top, l.width, 285);
        List1[l.index]->setColumnWidth(0, twips(l.width) - 4);
        List1[l.index]->hide();
        Command2[l.index]->setIcon(dropDownArrow());
        makeDropDownButton(*Command2[l.index]);
    }
    for (QWidget* button : {static_cast<QWidget*>(Command2[2]), static_cast<QWidget*>(Command2[3]),
                            static_cast<QWidget*>(Command2[1])})
        button->raise();

    // Tool tips.
    Frame1[0]->setToolTip(QStringLiteral("Search for text or keywords contained in selected ASME IX paragraphs and variables."));
    Text1[1]->setToolTip(QStringLiteral("Type keyword(s) or phrase to search for.  (Separate multiple keywords by blank space.) "));
    Command2[1]->setToolTip(QStringLiteral(" Select from previously typed keywords. "));
    Option1[0]->setToolTip(QStringLiteral("Finds only those paragraphs and variables containing ALL specified keywords. "));
    Option1[1]->setToolTip(QStringLiteral("Finds all paragraphs and variables containing ANY or ALL specified keyword(s). "));
    Option1[2]->setToolTip(QStringLiteral("Treats keywords in text search as one phrase or sentence. "));
    Frame1[2]->setToolTip(QStringLiteral("Search by process or by paragraph number."));
    Check1->setToolTip(QStringLiteral("Check to search by process, or leave unchecked to search on all available paragraphs."));
    Frame1[3]->setToolTip(QStringLiteral(" List of ASME IX paragraphs or variables. "));
    Frame1[4]->setToolTip(QStringLiteral(" ASME IX paragraph or variable. "));
    Command1[1]->setToolTip(QStringLiteral("Start the text search."));

    // Initial state.
    Option1[0]->setChecked(true);
    Check1->setChecked(true);
    Text1[2]->setText(QStringLiteral("All Processes"));
    Text1[3]->setText(QStringLiteral("Essential Variables for Corrosion-Resistant Overlays"));
    Text1[3]->setBackColor(QColor(0xFF, 0xFF, 0xFF));
}

void varnelMain::createToolbar()
{
    Toolbar1 = new QToolBar(client);
    Toolbar1->setGeometry(0, 0, width(), twips(360));
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setMovable(false);
    toolbarButtons.assign(13, nullptr);
    const struct { int index, image; const char* tip; } buttons[] = {
        {1, 3, "Open new file "},
        {2, 4, "Print current paragraph "},
        {4, 6, "Base metals (P-numbers) "},
        {5, 7, "Filler metals (SFA classif./F-num./A-num.) "},
        {6, 5, "A-number(s) determination "},
        {7, 12, "Thickness / required tests "},
        {9, 10, "Sorvik (ASME Interpretations) "},
        {10, 11, "Daltrem (Filler metal cross-reference) "},
        {12, 13, "Cross-reference / term definition(s) "},
    };
    int next = 1;
    for (const auto& b : buttons) {
        for (; next < b.index; ++next)
            Toolbar1->addSeparator();
        auto* button = new QToolButton(Toolbar1);
        button->setIcon(newImageList(b.image));
        button->setToolTip(QString::fromLatin1(b.tip));
        button->setFocusPolicy(Qt::NoFocus);
        Toolbar1->addWidget(button);
        toolbarButtons[b.index] = button;
        next = b.index + 1;
    }
    toolbarButtons[12]->setObjectName(QStringLiteral("definitions"));
}

void varnelMain::createMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFileOpen = mnuFile->addMenu(QStringLiteral("&Open..."));
    mnuFileOpenSection.push_back(mnuFileOpen->addAction(QStringLiteral("No valid database present")));
    mnuFile->addSeparator();
    mnuFileImport = mnuFile->addAction(QStringLiteral("&Import"));
    mnuFile->addSeparator();
    mnuPrint = mnuFile->addAction(QStringLiteral("&Print"));
    mnuPrintSetup = mnuFile->addAction(QStringLiteral("Printer Set&up..."));
    mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction(QStringLiteral("E&xit"));

    mnuTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    mnuToolsBM = mnuTools->addAction(QStringLiteral("&Base metals               ...QW/QB-422"));
    mnuToolsFm = mnuTools->addAction(QStringLiteral("&Filler metals                       ...QW-432"));
    mnuToolsA = mnuTools->addAction(QStringLiteral("&A-numbers                        ...QW-442"));
    mnuToolsT = mnuTools->addAction(QStringLiteral("&Thickness &&  req. tests    ... QW-451"));
    mnuTools->addSeparator();
    mnuToolsInt = mnuTools->addAction(QStringLiteral("Sorvik   ... ASME &Interpretations"));
    mnuToolsFmc = mnuTools->addAction(QStringLiteral("Daltrem   ... Filler metal cross-ref."));
    mnuTools->addSeparator();
    mnuToolsDefinitions = mnuTools->addAction(QStringLiteral("Cross-reference && term &Definition(s) "));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelpHelp = mnuHelp->addAction(QStringLiteral("Help"));
    mnuHelp->addSeparator();
    mnuHelpLicense = mnuHelp->addAction(QStringLiteral("&License"));
    mnuHelp->addSeparator();
    mnuHelpAbout = mnuHelp->addAction(QStringLiteral("&About"));
}

void varnelMain::wireHandlers()
{
    connect(mnuFileImport, &QAction::triggered, this, guarded([this] { mnuFileImport_Click(); }));
    connect(mnuFileExit, &QAction::triggered, this, guarded([this] { mnuFileExit_Click(); }));
    connect(mnuHelpAbout, &QAction::triggered, this, guarded([this] { mnuHelpAbout_Click(); }));
    connect(mnuHelpHelp, &QAction::triggered, this, guarded([this] { mnuHelpHelp_Click(); }));
    connect(mnuHelpLicense, &QAction::triggered, this, guarded([this] { mnuHelpLicense_Click(); }));
    connect(mnuPrint, &QAction::triggered, this, guarded([this] { mnuPrint_Click(); }));
    connect(mnuPrintSetup, &QAction::triggered, this, guarded([this] { mnuPrintSetup_Click(); }));
    connect(mnuToolsBM, &QAction::triggered, this, guarded([this] { mnuToolsBM_Click(); }));
    connect(mnuToolsFm, &QAction::triggered, this, guarded([this] { mnuToolsFm_Click(); }));
    connect(mnuToolsA, &QAction::triggered, this, guarded([this] { mnuToolsA_Click(); }));
    connect(mnuToolsT, &QAction::triggered, this, guarded([this] { mnuToolsT_Click(); }));
    connect(mnuToolsInt, &QAction::triggered, this, guarded([this] { mnuToolsInt_Click(); }));
    connect(mnuToolsFmc, &QAction::triggered, this, guarded([this] { mnuToolsFmc_Click(); }));
    connect(mnuToolsDefinitions, &QAction::triggered, this, guarded([this] { mnuToolsDefinitions_Click(); }));
    for (int i = 1; i < static_cast<int>(toolbarButtons.size()); ++i)
        if (toolbarButtons[i])
            connect(toolbarButtons[i], &QToolButton::clicked, this, guarded([this, i] { Toolbar1_ButtonClick(i); }));
    Command3->click = guarded([this] { Command3_Click(); });
    Command5->click = guarded([this] { Command5_Click(); });
    ListView1[2]->keyPress = guarded([this](int& ascii) { ListView1_KeyPress(ascii); });

    for (int i = 1; i <= 3; ++i) {
        Text1[i]->change = guarded([this, i] { Text1_Change(i); });
        Text1[i]->handlers.keyDown = guarded([this, i](int key, int shift) { Text1_KeyDown(i, key, shift); });
        Text1[i]->handlers.keyPress = guarded([this, i](int& ascii) { Text1_KeyPress(i, ascii); });
        Text1[i]->handlers.keyUp = guarded([this, i](int key, int shift) { Text1_KeyUp(i, key, shift); });
        Text1[i]->handlers.gotFocus = guarded([this, i] { Text1_GotFocus(i); });
        Text1[i]->handlers.lostFocus = guarded([this, i] { Text1_LostFocus(i); });
        Command2[i]->click = guarded([this, i] { Command2_Click(i); });
        List1[i]->keyUp = guarded([this, i](int key, int shift) { List1_KeyUp(i, key, shift); });
        List1[i]->mouseUp = guarded([this, i] { List1_MouseUp(i); });
    }
    for (int i = 0; i < 3; ++i) {
        Option1[i]->click = guarded([this, i] { Option1_Click(i); });
        Option1[i]->gotFocus = guarded([this] { hideDropDownLists(); });
    }
    Check1->click = guarded([this] { Check1_Click(); });
    Check1->gotFocus = guarded([this] { hideDropDownLists(); });
    for (int i = 0; i < 2; ++i)
        Command1[i]->click = guarded([this, i] { Command1_Click(i); });
    for (int i = 0; i < 4; ++i)
        Command4[i]->click = guarded([this, i] { Command4_Click(i); });
    ListView1[2]->keyUp = guarded([this](int, int) { ListView1_Show(); });
    ListView1[2]->mouseUp = guarded([this] { ListView1_Show(); });
    ListView1[2]->gotFocus = guarded([this] { hideDropDownLists(); });
    RichTextBox1->gotFocus = guarded([this] { hideDropDownLists(); });
    RichTextBox1->lostFocus = guarded([this] { RichTextBox1->setSel(RichTextBox1->selStart(), 0); });
    RichTextBox1->change = guarded([this] { setUpNavigationButtons(); });
    Label1[0]->change = guarded([this] { Label1_Change(0); });
    connect(Timer1, &QTimer::timeout, this, guarded([this] { Timer1_Timer(); }));
}

void varnelMain::Form_Load()
{
    centreOnScreen(*this, smallestLaidOutSize());
    specialProcesses = QStringLiteral("STUD FRW PW  RSW RSEW");
}

void varnelMain::Form_Activate()
{
    VarnelCore& core = varnelCore();
    if (Check1->value() == 1) {
        if (Text1[2]->text().isEmpty())
            Text1[2]->setText(List1[2]->entryText(1));
        if (Text1[3]->text().isEmpty() && core.firstActivation)
            Text1[3]->setText(List1[3]->entryText(1));
    }
    core.firstActivation = false;
}

void varnelMain::showModalWindow(QDialog& window)
{
    platform::showModal(window);
    Form_Activate();
}

void varnelMain::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    VarnelCore& core = varnelCore();
    try {
        if (core.mainDatabase)
            core.mainDatabase->close();
    } catch (const std::exception&) {
        // The program ends whatever the close reports.
    }
    core.mainDatabase.reset();
    try {
        if (core.mainWorkspace)
            core.mainWorkspace->close();
    } catch (const std::exception&) {
        // The program ends whatever the close reports.
    }
    platform::endProgram();
}

void varnelMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

bool varnelMain::eventFilter(QObject* watched, QEvent* event)
{
    // Every size change of the area below the menu bar lays the controls out again.
    if (watched == client && event->type() == QEvent::Resize && Command1[0]) {
        Toolbar1->setGeometry(0, 0, client->width(), twips(360));
        Form_Resize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void varnelMain::hideDropDownLists()
{
    for (int i = 1; i <= 3; ++i)
        List1[i]->hide();
}

void varnelMain::mnuHelpAbout_Click()
{
    varnelAbout about(this);
    showModalWindow(about);
}

void varnelMain::mnuPrint_Click()
{
    if (ListView1[2]->selectedIndex() == 0)
        return;
    // The paragraph is read again: one whose text the file no longer gives is said as damage,
    // not printed as the empty text shown in its place.
    try {
        readParagraph(ListView1[2]->selectedText());
    } catch (const std::exception& error) {
        if (sayReferenceDamage(error))
            return;
    }
    initPrinter(platform::Orientation::Portrait);
    printTitle(programTitle(), QStringLiteral("ASME Section IX, ") + ListView1[2]->selectedText()
                                   + QStringLiteral(" Copyright(c) 1998 The American Society of Mechanical Engineers"));
    printFooter(QString());
    platform::printer().setFontSize(8);
    printRichTextOnPage(*RichTextBox1);
    endPrintJob();
}

void varnelMain::mnuPrintSetup_Click() { platform::showPrinterSetup(); }

void varnelMain::mnuHelpHelp_Click()
{
    platform::messageBox(platform::MessageIcon::Question, QStringLiteral("Help"),
                         QStringLiteral("Brief context sensitive help descriptions are provided for all entry items contained in this program."
                                        "To get help, simply point and hold the mouse cursor over the item in question."));
}

}  // namespace varnel
