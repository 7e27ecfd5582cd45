#include "interpretations/sorvik_main.h"

#include "app/default_data_directory.h"
#include "app/image_list.h"
#include "app/program_titles.h"
#include "app/registry_module.h"
#include "data/password.h"
#include "data/read_failures.h"
#include "interpretations/interpretation_rules.h"
#include "interpretations/interpretations_schema.h"
#include "interpretations/sorvik_core.h"
#include "platform/ui/cancel_button.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/seams.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace varnel {

using platform::twips;
using platform::twipsRect;
using namespace platform::ui;

namespace {

using platform::placed;

// The area below the menu bar at design, in twips; the toolbar lies along its top edge.
constexpr int designClientWidth = 9660;
constexpr int designClientHeight = 6945;

const QColor captionColour(0x80, 0, 0);  // dark red

}  // namespace

sorvikMain::sorvikMain(QWidget* parent, Loading loading, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    setObjectName(QStringLiteral("sorvikMain"));
    // The bare caption carries the blanks by which the main window finds this window.
    setWindowTitle(sorvikTitlePrefix);
    createControls();
    createMenus();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);
    resize(twips(designClientWidth), twips(designClientHeight) + menuBar->sizeHint().height());
    wireHandlers();

    if (!sorvikCore().initialized)
        Form_Initialize();
    centreOnScreen(*this, smallestLaidOutSize());
    if (loading == Loading::AtCreation)
        Form_Load();
}

sorvikMain::~sorvikMain()
{
    // A box that holds the focus loses it while the window's children are destroyed, after this
    // window is gone: its handlers must not reach it.
    for (TextBox* box : Text1)
        box->handlers = {};
    Form_Unload();
}

void sorvikMain::createControls()
{
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->installEventFilter(this);
    createToolbar();

    // The hidden default button lies behind the text-search frame.
    Command3 = placed(new CommandButton(QStringLiteral("Search"), client), 2460, 570, 1215, 525);

    // Text search with its options.
    Frame1[0] = placed(new Frame(QStringLiteral("Text search"), client), 60, 480, 6795, 645);
    Text1[1] = placed(new TextBox(Frame1[0]), 120, 270, 4155, 285);
    Command2[2] = placed(new CommandButton({}, Frame1[0]), 4020, 300, 225, 225);
    Frame1[5] = placed(new Frame({}, Frame1[0], true), 4380, 270, 2355, 285);
    setBackColor(*Frame1[5], QColor(0xC0, 0xC0, 0xC0));
    Option1[0] = placed(new OptionButton(QStringLiteral("And"), Frame1[5]), 0, 0, 705, 285);
    Option1[1] = placed(new OptionButton(QStringLiteral("Or"), Frame1[5]), 720, 0, 615, 285);
    Option1[2] = placed(new OptionButton(QStringLiteral("Phrase"), Frame1[5]), 1350, 0, 1005, 285);

    // Paragraph search.
    Frame1[2] = placed(new Frame(QStringLiteral("Paragraph search"), client), 6930, 480, 2655, 645);
    Text1[0] = placed(new TextBox(Frame1[2]), 120, 270, 2415, 285);
    Command2[0] = placed(new CommandButton({}, Frame1[2]), 2280, 300, 225, 225);

    // The interpretation on show, its number, volume and position, and the navigation.
    Frame1[4] = placed(new Frame(QStringLiteral("Interpretation:"), client), 60, 1200, 6795, 4935);
    Shape1 = placed(new QFrame(Frame1[4]), 120, 270, 6570, 4245);
    Shape1->setFrameShape(QFrame::Box);
    RichTextBox1 = placed(new RichTextBox(Frame1[4]), 120, 270, 6600, 4245);
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    RichTextBox1->setFont(courier);
    Label1[0] = placed(new Label({}, Frame1[4]), 1200, 0, 480, 195);
    Label1[0]->setAutoSize(true);  // the number takes the width it needs on the caption line
    Frame1[6] = placed(new Frame({}, Frame1[4], true), 3270, 0, 3435, 225);
    const struct { int index, left, width; const char* caption; bool captionColour; } labels[] = {
        {1, 0, 570, "Volume:", true},        {2, 660, 450, "", false},  {3, 1200, 975, "Interpretation:", true},
        {4, 2250, 450, "n/a", false},        {5, 2760, 135, "of", true}, {6, 2970, 450, "n/a", false},
    };
    for (const auto& l : labels) {
        Label1[l.index] = placed(new Label(QString::fromLatin1(l.caption), Frame1[6]), l.left, 0, l.width, 195);
        if (l.captionColour)
            setForeColor(*Label1[l.index], captionColour);
    }
    Frame1[1] = placed(new Frame({}, Frame1[4], true), 150, 4620, 2475, 240);
    Frame1[7] = placed(new Frame({}, Frame1[4], true), 4230, 4620, 2475, 240);
    const struct { int index; Frame* holder; int buttonLeft, labelLeft, labelWidth; const char* arrow; const char* caption; } steps[] = {
        {0, Frame1[1], 0, 270, 690, "|<", "Show first"},
        {1, Frame1[1], 1050, 1320, 1050, "<", "Show previous"},
        {2, Frame1[7], 1050, 240, 750, ">", "Show next"},
        {3, Frame1[7], 2250, 1500, 690, ">|", "Show last"},
    };
    for (const auto& s : steps) {
        Command4[s.index] = placed(new CommandButton(QString::fromLatin1(s.arrow), s.holder), s.buttonLeft, 0, 225, 225);
        Label1[7 + s.index] = placed(new Label(QString::fromLatin1(s.caption), s.holder), s.labelLeft, 0, s.labelWidth, 195);
        Label1[7 + s.index]->setBuddy(Command4[s.index]);  // the label says what the button does
    }

    // Results.
    Frame1[3] = placed(new Frame(QStringLiteral("Interpretations found"), client), 6930, 1200, 2655, 4935);
    ListView1[2] = placed(new ListView(Frame1[3]), 120, 270, 2415, 3795);

    Command1[1] = placed(new CommandButton(QStringLiteral("&Search"), client), 8580, 6210, 1000, 315);
    Command1[0] = placed(new CommandButton(QStringLiteral("E&xit"), client), 8580, 6570, 1000, 315);

    // The pick lists lie over the window, each under its box, hidden until dropped down.
    ListView1[1] = placed(new DropDownList(client), 180, 1020, 3915, 2355);
    ListView1[0] = placed(new DropDownList(client), 7050, 1020, 2175, 2355);
    for (int i : {0, 1}) {
        ListView1[i]->setHeaderHidden(false);
        ListView1[i]->setHeaderLabels({QStringLiteral("Paragraphs")});
        ListView1[i]->hide();
        ListView1[i]->raise();
    }
    ListView1[2]->setHeaderHidden(false);
    ListView1[2]->setHeaderLabels({QStringLiteral("Interpretations found")});
    for (int i : {0, 2}) {
        Command2[i]->setIcon(dropDownArrow());
        Command2[i]->raise();
    }
    for (Frame* frame : {Frame1[0], Frame1[2], Frame1[3], Frame1[4]})
        frame->setCaptionColor(captionColour);

    // Enter anywhere presses the hidden search button, Esc the Exit button.
    Command3->setDefault(true);
    setCancelButton(*this, Command1[0]);
    Command3->setFocusPolicy(Qt::NoFocus);
    Command3->lower();
    // Never seen, it is what Enter presses; a screen reader tells it from the Search button.
    Command3->setAccessibleName(QStringLiteral("Search on Enter"));
    // The frame in front paints its background, so the button behind it is never seen.
    Frame1[0]->setAutoFillBackground(true);

    Text1[0]->setToolTip(QStringLiteral("Type or select a paragraph number from the list."));
    Text1[1]->setToolTip(QStringLiteral("Type interpretation(s), keyword(s) or phrase to search for.  "
                                        "(Separate multiple keywords by blank space.)"));
    Option1[0]->setToolTip(QStringLiteral("Finds only those interpretations containing ALL specified keywords."));
    Option1[1]->setToolTip(QStringLiteral("Finds all interpretations containing ANY or ALL specified keyword(s)."));
    Option1[2]->setToolTip(QStringLiteral("Treats keywords in text search box as one phrase or sentence."));
    Command1[1]->setToolTip(QStringLiteral("Start the text search."));
    Option1[0]->setChecked(true);
}

void sorvikMain::createToolbar()
{
    Toolbar1 = new QToolBar(client);
    Toolbar1->setGeometry(0, 0, twips(designClientWidth), twips(360));
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setMovable(false);
    const struct { int index, image; const char* tip; } buttons[] = {
        {1, 3, "Open new interpretations section"},
        {2, 4, ""},
    };
    for (const auto& b : buttons) {
        auto* button = new QToolButton(Toolbar1);
        button->setIcon(newImageList(b.image));
        button->setToolTip(QString::fromLatin1(b.tip));
        button->setFocusPolicy(Qt::NoFocus);
        Toolbar1->addWidget(button);
        toolbarButtons[b.index] = button;
    }
    // The window has no command that opens another section.
    toolbarButtons[1]->setEnabled(false);
    // The print button has no tool tip to be named by; it does what File > Print does.
    toolbarButtons[2]->setAccessibleName(QStringLiteral("Print"));
}

void sorvikMain::createMenus()
{
    menuBar = new QMenuBar(this);
    mnuFile = menuBar->addMenu(QStringLiteral("&File"));
    mnuPrint = mnuFile->addAction(QStringLiteral("&Print"));
    mnuPrintSetup = mnuFile->addAction(QStringLiteral("Printer Set&up..."));
    mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuHelp = menuBar->addMenu(QStringLiteral("&Help"));
    mnuHelpHelp = mnuHelp->addAction(QStringLiteral("Help"));
}

void sorvikMain::wireHandlers()
{
    connect(mnuPrint, &QAction::triggered, this, guarded([this] { mnuPrint_Click(); }));
    connect(mnuPrintSetup, &QAction::triggered, this, guarded([this] { mnuPrintSetup_Click(); }));
    connect(mnuFileExit, &QAction::triggered, this, guarded([this] { mnuFileExit_Click(); }));
    connect(mnuFile, &QMenu::aboutToShow, this, guarded([this] { hidePickLists(); }));
    for (int i : {1, 2})
        connect(toolbarButtons[i], &QToolButton::clicked, this, guarded([this, i] { Toolbar1_ButtonClick(i); }));

    for (int i : {0, 1}) {
        Text1[i]->change = guarded([this, i] { Text1_Change(i); });
        Text1[i]->handlers.keyDown = guarded([this, i](int key, int shift) { Text1_KeyDown(i, key, shift); });
        Text1[i]->handlers.keyPress = guarded([this, i](int& ascii) { Text1_KeyPress(i, ascii); });
        Text1[i]->handlers.keyUp = guarded([this, i](int key, int shift) { Text1_KeyUp(i, key, shift); });
        Text1[i]->handlers.gotFocus = guarded([this, i] { Text1_GotFocus(i); });
        Text1[i]->handlers.lostFocus = guarded([this, i] { Text1_LostFocus(i); });
        ListView1[i]->keyUp = guarded([this, i](int key, int shift) { ListView1_KeyUp(i, key, shift); });
        ListView1[i]->mouseUp = guarded([this, i] { ListView1_MouseUp(i); });
    }
    for (int i : {0, 2})
        Command2[i]->click = guarded([this, i] { Command2_Click(i); });
    for (int i = 0; i < 3; ++i) {
        Option1[i]->click = guarded([this, i] { Option1_Click(i); });
        Option1[i]->gotFocus = guarded([this] { hidePickLists(); });
    }
    for (int i = 0; i < 2; ++i)
        Command1[i]->click = guarded([this, i] { Command1_Click(i); });
    Command3->click = guarded([this] { Command3_Click(); });
    for (int i = 0; i < 4; ++i)
        Command4[i]->click = guarded([this, i] { Command4_Click(i); });
    connect(ListView1[2], &QTreeWidget::itemClicked, this, guarded([this] { ListView1_ItemClick(2); }));
    ListView1[2]->gotFocus = guarded([this] { hidePickLists(); });
    RichTextBox1->gotFocus = guarded([this] { hidePickLists(); });
}

// ---------------------------------------------------------------------- life

void sorvikMain::Form_Initialize()
{
    SorvikCore& core = sorvikCore();
    core.initialized = true;
    const QString programPath = readInterpretationsSetting(QStringLiteral("program path"), QString());
    const QString dataDirectory = defaultDataDirectory(programPath, interpretationsFilePatterns);
    core.interpretationsDataPath = readInterpretationsSetting(
        QStringLiteral("data path"), QDir::cleanPath(dataDirectory + QStringLiteral("/intasme.mdb")));
    core.currentSectionIndex = 8;
}

void sorvikMain::Form_Load()
{
    SorvikCore& core = sorvikCore();
    loaded_ = true;
    core.closeDatabase();
    try {
        std::unique_ptr<dao::Database> database = openProductDatabase(core.interpretationsDataPath);
        // A file without the tables the window reads counts as one that did not open: the window
        // would answer every search with "nothing found".
        checkInterpretationTables(*database);
        core.interpretationsDatabase = std::move(database);
    } catch (const dao::Error& error) {
        if (error.number() == dao::WrongPassword) {
            showIncorrectPassword();
            platform::endProgram(1);
            return;
        }
        refuseDatabase(error.description());
        return;
    } catch (const std::exception& error) {
        refuseDatabase(QString::fromLocal8Bit(error.what()));
        return;
    }
    initiateProgram();
}

void sorvikMain::refuseDatabase(const QString& reason)
{
    // One line that names the file and what is wrong with it, in the box and on standard error.
    const QString path = QDir::toNativeSeparators(sorvikCore().interpretationsDataPath);
    const QString line = reason.contains(path) ? reason : path + QStringLiteral(": ") + reason;
    databaseRefused_ = true;
    platform::tellFailure(platform::MessageIcon::Critical, QStringLiteral("No database"), line);
}

bool sorvikMain::reportDamage(const std::exception& error)
{
    SorvikCore& core = sorvikCore();
    if (!sayDamage(error, core.damageSaid, QStringLiteral("Sorvik"), QStringLiteral("interpretations database"),
                   core.interpretationsDataPath))
        return false;
    readDamaged_ = true;
    return true;
}

void sorvikMain::Form_Activate()
{
    try {
        processCommandLine();
    } catch (const std::exception&) {
        // Each step of the start string says its own failures; the window opens all the same.
    }
    platform::setPointer(platform::Pointer::Default);
}

void sorvikMain::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    sorvikCore().closeDatabase();
}

void sorvikMain::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (visible && isVisible() && !loaded_) {
        Form_Load();
        if (databaseRefused_ || platform::programEnded())
            return;
    }
    if (visible && isVisible() && !activated_) {
        activated_ = true;
        Form_Activate();
    }
}

void sorvikMain::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void sorvikMain::Command1_Click(int index)
{
    if (index == 0)
        close();
    else
        performSearch();
}

// ---------------------------------------------------------------------- sections

bool sorvikMain::initiateProgram()
{
    SorvikCore& core = sorvikCore();
    try {
        core.sectionTable.clear();
        auto sections = core.openRecordset(QStringLiteral("SELECT * FROM AuthorizedTablesTab"));

        const QDate published = QFileInfo(core.interpretationsDataPath).lastModified().date();
        if (published.isValid() && databaseOutOfDate(published, QDate::currentDate()))
            platform::messageBox(platform::MessageIcon::Exclamation, QStringLiteral("Data out of date"),
                                 QStringLiteral("This database was last published over a year ago. Please contact the "
                                                "vendor for the latest database update information."));

        for (; !sections->eof(); sections->moveNext())
            core.sectionTable.push_back({sections->field(QStringLiteral("UsertableName")).toString(),
                                         sections->field(QStringLiteral("dbtableName")).toString()});
        sections->close();

        if (core.sectionTableCount() >= 1) {
            hidePickLists();
            const QString title = core.sectionTitle(core.currentSectionIndex + 1);
            setWindowTitle(sorvikTitlePrefix + QStringLiteral(" [ ASME ") + title + QStringLiteral(" ]"));
            selectSection(title);
            core.currentSectionIndex = 8;
        }
    } catch (const std::exception& error) {
        // The sections read so far stay; a damaged file is said.
        reportDamage(error);
        return false;
    }
    return true;
}

void sorvikMain::selectSection(const QString& title)
{
    SorvikCore& core = sorvikCore();
    for (const SectionRow& row : core.sectionTable)
        if (row.title == title)
            core.currentSectionTable = row.tableName;

    if (!core.currentSectionTable.isEmpty()) {
        // Each step goes on when the one before it failed.
        std::unique_ptr<dao::Recordset> numbers;
        try {
            numbers = core.openRecordset(sectionListQuery(core.currentSectionTable));
        } catch (const std::exception& error) {
            reportDamage(error);
        }
        ListView1[0]->clearEntries();
        const bool noticeSeen = fillResultsList(numbers.get());
        Label1[6]->setCaption(QString::number(ListView1[2]->count() - (noticeSeen ? 2 : 0)));
        if (ListView1[2]->count() >= 1) {
            ListView1[2]->selectIndex(1);
            try {
                loadInterpretation(ListView1[2]->entryText(1));
            } catch (const std::exception&) {
                // The listing stays; the display says its own failures.
            }
        }
        try {
            auto paragraphs = core.openRecordset(paragraphListQuery(core.currentSectionTable));
            ListView1[0]->setUpdatesEnabled(false);
            const QIcon icon = newImageList(1);
            for (; !paragraphs->eof(); paragraphs->moveNext())
                ListView1[0]->addEntry(paragraphs->field(QStringLiteral("Reference")).toString(), icon);
            paragraphs->close();
        } catch (const std::exception& error) {
            reportDamage(error);
        }
        ListView1[0]->setUpdatesEnabled(true);
    }
    Text1[0]->setText(QString());
    Text1[1]->setText(QString());
    Option1[0]->setValue(true);
}

}  // namespace varnel
