#pragma once
// The main window: the reference database it owns, the process and category choice, the
// paragraph list and text with the text search, and the menus and toolbar that lead to the other
// windows. Its behaviour is split over several files by concern: creation and layout here,
// database files and switching, processes and categories, search, paragraph display, pick lists.

#include "data/reference_files.h"
#include "platform/dao/dao.h"
#include "platform/ui/controls.h"

#include <QMainWindow>
#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QTimer;
class QDialog;
class QMenu;
class QToolBar;
class QToolButton;

namespace varnel {

class varnelMain : public QMainWindow {
    Q_OBJECT
public:
    // Creation: loads the window, settles and opens the reference database and fills the process
    // list. The program may end during it (see platform::programEnded()).
    explicit varnelMain(QWidget* parent = nullptr);
    // Only the window's controls, menus and toolbar, without creation proper, which
    // prepareCreation() and create() then run: the start-up window builds the controls and
    // prepares the creation while it waits.
    struct ControlsOnly {};
    explicit varnelMain(ControlsOnly, QWidget* parent = nullptr);
    // What of creation says nothing: loads (places) the window and, when the stored file is on
    // disk, opens it and fills the process list, so that the main window comes up sooner after
    // the start-up window.
    void prepareCreation();
    // Creation proper, after prepareCreation(): settles and opens the reference database and fills
    // the process list, taking over the prepared opening when it settles on that same file, and
    // tells what failed; as the first constructor does after building the controls.
    void create();
    ~varnelMain() override;

    // The one main window of the process, while it exists.
    static varnelMain* instance();

    // ------------------------------------------------------------------ controls
    QWidget* client = nullptr;           // the area below the menu bar, in design coordinates
    QToolBar* Toolbar1 = nullptr;
    std::vector<QToolButton*> toolbarButtons;  // index 1..12; separators hold nullptr
    platform::ui::Frame* Frame2 = nullptr;
    std::array<platform::ui::Frame*, 9> Frame1{};
    std::array<platform::ui::Label*, 2> Label3{};
    std::array<platform::ui::Label*, 14> Label1{};
    std::array<platform::ui::TextBox*, 4> Text1{};          // 1 search, 2 process, 3 category
    std::array<platform::ui::CommandButton*, 4> Command2{}; // drop-down buttons 1..3
    std::array<platform::ui::ListView*, 4> List1{};         // drop-down lists 1..3
    std::array<platform::ui::OptionButton*, 3> Option1{};   // And, Or, Phrase
    platform::ui::CheckBox* Check1 = nullptr;               // Search by Process
    std::array<platform::ui::TextListView*, 3> ListView1{}; // 2: the paragraph list
    platform::ui::RichTextBox* RichTextBox1 = nullptr;
    std::array<platform::ui::CommandButton*, 2> Command1{}; // 0 Exit, 1 Search
    platform::ui::CommandButton* Command3 = nullptr;        // interpretations
    std::array<platform::ui::CommandButton*, 4> Command4{}; // first, previous, next, last
    platform::ui::CommandButton* Command5 = nullptr;        // all applicable processes

    // ------------------------------------------------------------------ menus
    QMenu* mnuFile = nullptr;
    QMenu* mnuFileOpen = nullptr;
    std::vector<QAction*> mnuFileOpenSection;  // 0: "No valid database present", then one per file
    QAction* mnuFileImport = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintSetup = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuTools = nullptr;
    QAction* mnuToolsBM = nullptr;
    QAction* mnuToolsFm = nullptr;
    QAction* mnuToolsA = nullptr;
    QAction* mnuToolsT = nullptr;
    QAction* mnuToolsInt = nullptr;
    QAction* mnuToolsFmc = nullptr;
    QAction* mnuToolsDefinitions = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpHelp = nullptr;
    QAction* mnuHelpLicense = nullptr;
    QAction* mnuHelpAbout = nullptr;

    DataDirectoryFileList File1;
    QString specialProcesses;
    bool suppressCompletion = false;

    // ------------------------------------------------------------------ lifecycle
    void Form_Load();
    // Activation: when the window is first shown and whenever a window it showed modally closes
    // (not when the person comes back from another program).
    void Form_Activate();
    void Form_Unload();
    // Shows another window modally; this window is active again afterwards.
    void showModalWindow(QDialog& window);

    // ------------------------------------------------------------------ layout
    void Form_Resize();
    // The least size of the window that Form_Resize lays out in both directions.
    QSize smallestLaidOutSize() const;

    // ------------------------------------------------------------------ database files
    bool buildMenuList();
    bool selectDir();
    // Points the file list at dataPath and builds the File > Open entries; false when the
    // directory holds no file, or does not exist (which is said).
    bool listDataDirectory();
    // Lists dataPath, asks for a directory while it lists no file, falls back to the first file.
    // False when the directory dialog was cancelled: the program then ended, unless an edition is
    // open, which stays.
    bool settleFile();
    // Once the settled file has opened and listed its processes: stores the directory and file,
    // ticks the file's entry and names its edition in the caption.
    void keepOpenedChoice();
    // After a choice of file that could not be used: the directory, file, File > Open list, tick
    // and caption of the edition that stays open.
    void keepPreviousChoice(const QString& dataPath, const QString& defaultFile);
    // Closes mainDatabase; the caption names no edition.
    void releaseDatabase();
    // Opens dataPath/defaultFile, beside the open database, for initiateDatabase() to put in its
    // place; returns the engine's error number, 0 on success. A file that lacks a table or column
    // the window reads does not open.
    int openFile();
    // The file openFile opens: defaultFile in dataPath, in the letter case it has there.
    QString pathOfDefaultFile() const;
    // Says why the database could not be shown, in one line that names the file, in a box and on
    // standard error.
    void sayUnusableDatabase();
    // At creation, a database that cannot be shown ends the program with that line and exit
    // status 1.
    void endForUnusableDatabase();
    // After a switch to a file that cannot be shown: its reason, the previous choice back, then
    // File > Import.
    void importInsteadOf(const QString& dataPath, const QString& defaultFile);
    void mnuFileImport_Click();
    void mnuFileOpenSection_Click(int index);
    void mnuFileExit_Click();

    // ------------------------------------------------------------------ processes and categories
    // Puts the file openFile() opened in the place of mainDatabase and fills the process list from
    // it; false, with nothing changed, when it did not open or cannot list its processes.
    bool initiateDatabase();
    void loadVariablesList();
    void fillVariableList();

    // ------------------------------------------------------------------ search
    void performSearch();
    void loadAvailableParagraphs();
    void Check1_Click();
    void Command1_Click(int index);
    void Option1_Click(int index);
    void Text1_KeyUp(int index, int keyCode, int shift);

    // ------------------------------------------------------------------ paragraph display
    void loadRule(const QString& name);
    // The row of paragraph `name` in [Variables]: its text and addenda, or nothing when the table
    // does not hold it. A failed read raises its error.
    struct ParagraphRow {
        QString text;
        QString addenda;
    };
    std::optional<ParagraphRow> readParagraph(const QString& name) const;
    // An empty paragraph list: no paragraph's group, count or addenda mark stays on show.
    void showNoParagraph();
    void markUpText();
    void scanText(const QString& word);
    void Label1_Change(int index);

    // ------------------------------------------------------------------ navigation
    void Command4_Click(int index);
    void setUpNavigationButtons();
    // Release of a key or a mouse button in the paragraph list shows the selected paragraph.
    void ListView1_Show();

    // ------------------------------------------------------------------ pick lists
    void Text1_Change(int index);
    void Text1_KeyDown(int index, int keyCode, int shift);
    void Text1_KeyPress(int index, int& keyAscii);
    void Text1_GotFocus(int index);
    void Text1_LostFocus(int index);
    void Command2_Click(int index);
    void List1_KeyUp(int index, int keyCode, int shift);
    void List1_MouseUp(int index);
    static QString validateText(const QString& text);
    void setListHeight(int index);
    void hideDropDownLists();
    // Enter, Space or a click in a drop-down list: its selected entry goes into its box.
    void takeListEntry(int index);

    // ------------------------------------------------------------------ command interface
    // The program's own command line, taken on the first tick (set by the program's start).
    static inline QString programCommandLine;
    QTimer* Timer1 = nullptr;
    void Timer1_Timer();
    void processCommandLine(const QString& command);

    // ------------------------------------------------------------------ menus and toolbar
    void mnuHelpAbout_Click();
    void mnuHelpHelp_Click();
    void mnuHelpLicense_Click();
    void mnuPrint_Click();
    void mnuPrintSetup_Click();
    void mnuToolsBM_Click();
    void mnuToolsFm_Click();
    void mnuToolsA_Click();
    void mnuToolsT_Click();
    void mnuToolsInt_Click();
    void mnuToolsFmc_Click();
    void mnuToolsDefinitions_Click();
    void Toolbar1_ButtonClick(int index);
    // Toolbar button 12: what the term marked in the text (or in the search box) leads to.
    void lookUpCrossReference();
    // The interpretations of the selected paragraph, and its applicability grid.
    void Command3_Click();
    void Command5_Click();
    void ListView1_KeyPress(int& keyAscii);
    // Shows a window of another area through its opener; this window is active again afterwards.
    void openWindow(const std::function<void()>& opener);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void createToolbar();
    void wireHandlers();

    bool unloaded_ = false;
    struct PreparedOpening {  // of prepareCreation(), until create() takes it
        QString path;                 // the file opened
        int opening = 0;              // what openFile() gave
        bool processesListed = false; // what initiateDatabase() gave
    };
    std::optional<PreparedOpening> preparedOpening_;
    unsigned searchCount_ = 0;  // paragraph queries run so far
    bool emptyingSearchBox_ = false;  // a change of process or category empties the search box
    // A change the person typed into a box is being handled, with all it changes on the way: a
    // search it starts leaves the focus in the box, where the person's next key belongs.
    bool typedChange_ = false;
    QString databaseFailure_;         // why the last opening or process-list fill failed
    std::unique_ptr<dao::Database> openedFile_;  // of openFile(), until initiateDatabase() takes it
};

}  // namespace varnel
