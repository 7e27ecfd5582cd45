#pragma once
// The interpretations browser: a modal window over its own database, "intasme.mdb", that lists
// the interpretations of one Code section, searches them by paragraph and by words, shows one at
// a time with the search words coloured and steps through the hits. Its behaviour is split over
// several files by concern: creation, life and sections here; search, display and navigation,
// pick lists, the start string, and layout with menus and printing beside it.

#include "interpretations/interpretation_printout.h"
#include "interpretations/interpretation_query.h"
#include "platform/dao/dao.h"
#include "platform/ui/controls.h"

#include <QDialog>
#include <array>

class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;

namespace varnel {

class sorvikMain : public QDialog {
    Q_OBJECT
public:
    // When the window loads: it opens the database and shows the first section. A wrong password
    // ends the program then (see platform::programEnded()); a database it cannot use is said
    // (databaseRefused()). Loaded at creation, the window is then not shown at all; loaded at its
    // first show, it stays on the screen behind what its loading says, so that the message comes
    // over it and the main window's finder meets this program's window meanwhile.
    enum class Loading { AtCreation, AtFirstShow };
    // `flags` Qt::Window: a window of its own on the desktop rather than a dialog; the window is
    // placed on the screen as that kind of window.
    explicit sorvikMain(QWidget* parent = nullptr, Loading loading = Loading::AtCreation, Qt::WindowFlags flags = {});
    ~sorvikMain() override;

    // The database could not be opened or lacks what the window reads; the person has been told.
    bool databaseRefused() const { return databaseRefused_; }

    // ------------------------------------------------------------------ controls
    QMenuBar* menuBar = nullptr;
    QWidget* client = nullptr;                                 // the area below the menu bar
    QToolBar* Toolbar1 = nullptr;
    std::array<QToolButton*, 3> toolbarButtons{};              // 1 open folder, 2 printer
    std::array<platform::ui::Frame*, 8> Frame1{};
    std::array<platform::ui::TextBox*, 2> Text1{};             // 0 paragraph, 1 text search
    std::array<platform::ui::CommandButton*, 3> Command2{};    // drop-down buttons 0 and 2
    std::array<platform::ui::ListView*, 3> ListView1{};        // 0 paragraphs, 1 history, 2 results
    std::array<platform::ui::OptionButton*, 3> Option1{};      // And, Or, Phrase
    std::array<platform::ui::CommandButton*, 2> Command1{};    // 0 Exit, 1 Search
    platform::ui::CommandButton* Command3 = nullptr;           // the hidden default button
    std::array<platform::ui::CommandButton*, 4> Command4{};    // first, previous, next, last
    std::array<platform::ui::Label*, 11> Label1{};
    platform::ui::RichTextBox* RichTextBox1 = nullptr;
    QFrame* Shape1 = nullptr;

    // ------------------------------------------------------------------ menus
    QMenu* mnuFile = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintSetup = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpHelp = nullptr;

    // True when the last key that went down in a box ends type-ahead completion.
    bool skipCompletion = false;

    // ------------------------------------------------------------------ life and sections
    void Form_Initialize();
    void Form_Load();
    // Runs once per opening, when the window first shows: applies the start string.
    void Form_Activate();
    void Form_Unload();
    bool initiateProgram();
    void selectSection(const QString& title);
    void Command1_Click(int index);

    // ------------------------------------------------------------------ start string
    void processCommandLine();

    // ------------------------------------------------------------------ search
    void performSearch();
    void Command3_Click();
    void Option1_Click(int index);
    SearchOption searchOption() const;

    // ------------------------------------------------------------------ display and navigation
    void loadInterpretation(const QString& number);
    void formatText(const QString& text);
    void markUpText();
    void scanText(const QString& word);
    void setUpNavigationButtons();
    void Command4_Click(int index);
    void ListView1_ItemClick(int index);

    // ------------------------------------------------------------------ pick lists and boxes
    void Command2_Click(int index);
    void Text1_KeyDown(int index, int keyCode, int shift);
    void Text1_KeyPress(int index, int& keyAscii);
    void Text1_KeyUp(int index, int keyCode, int shift);
    void Text1_Change(int index);
    void Text1_GotFocus(int index);
    void Text1_LostFocus(int index);
    void ListView1_KeyUp(int index, int keyCode, int shift);
    void ListView1_MouseUp(int index);
    void hidePickLists();

    // ------------------------------------------------------------------ layout, menus, printing
    void Form_Resize();
    // The least size of the window that Form_Resize lays out in both directions.
    QSize smallestLaidOutSize() const;
    void Toolbar1_ButtonClick(int index);
    void mnuPrint_Click();
    void mnuPrintSetup_Click();
    void mnuFileExit_Click();

    // Showing puts the window on the screen and then activates it the first time, so that what
    // the activation says comes over the window and not before it.
    void setVisible(bool visible) override;

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void createToolbar();
    void wireHandlers();
    // Empties the results list and lists the interpretation numbers of `rows` (none when null):
    // the notice record with its icon and the separator row after it. True when the notice came.
    bool fillResultsList(dao::Recordset* rows);
    // Shows a result row's interpretation and its position, as a navigation step or a click does.
    void showResultRow(const QString& key);
    void pick(int index);
    // Tells that the database file cannot be used, and why; the window is then not to be shown.
    void refuseDatabase(const QString& reason);
    // Says that the file is damaged, when `error` means so, once for all the reads of one doing of
    // the person; true when `error` means so.
    bool reportDamage(const std::exception& error);

    bool loaded_ = false;
    bool activated_ = false;
    bool databaseRefused_ = false;
    bool readDamaged_ = false;  // a read since the search began found the file damaged
    QString unreadNumber_;      // the interpretation on show whose text a damaged read left out
    bool unloaded_ = false;
};

}  // namespace varnel
