#pragma once
// The program talks to the person and to the desktop only through these small interfaces:
// message boxes, file and printer dialogs, modal showing, the mouse pointer, the end of the
// program and the start of another program. The Qt implementations are installed by default;
// tests install scripted ones and answer without a person and without a blocking event loop.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QDialog;
class QFileDialog;
class QPrinter;
class QWidget;

namespace platform {

enum class MessageIcon { Critical, Exclamation, Information, Question };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A box with one OK button; returns when the person has answered it.
    virtual void show(MessageIcon icon, const QString& title, const QString& text) = 0;
};

struct FileChoice {
    bool cancelled = true;
    QString fullPath;  // directory, separator and file name
    QString fileName;  // the file name alone
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // `filter` is "description|pattern" pairs joined by '|', patterns separated by ';'.
    virtual FileChoice openFile(const QString& title, const QString& filter, const QString& initialDir) = 0;
};

class PrinterSetup {
public:
    virtual ~PrinterSetup() = default;
    // Lets the person choose and set up the printer; false when cancelled.
    virtual bool setup(QPrinter& printer) = 0;
};

class ModalShow {
public:
    virtual ~ModalShow() = default;
    // Shows the window modally and returns when it has closed.
    virtual void showModal(QDialog& window) = 0;
};

enum class Pointer { Default, Hourglass };

class MousePointer {
public:
    virtual ~MousePointer() = default;
    virtual void set(Pointer pointer) = 0;
    virtual Pointer current() const = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Ends the program with an exit status (0: a normal end): every running event loop is left;
    // no window is deleted here. The first end's status is the program's.
    virtual void end(int status) = 0;
    virtual bool ended() const = 0;
    // The status of the first end; 0 while the program has not ended.
    virtual int exitStatus() const = 0;
};

class ProgramStart {
public:
    virtual ~ProgramStart() = default;
    // Starts another program detached from this one; false when it could not be started.
    virtual bool start(const QString& program, const QStringList& arguments) = 0;
};

// A top-level window of any program on the desktop.
struct DesktopWindow {
    unsigned long id = 0;
    QString title;
    bool visible = false;
};

class WindowFinder {
public:
    virtual ~WindowFinder() = default;
    // The desktop's top-level windows, front to back; empty where the desktop tells nothing.
    virtual std::vector<DesktopWindow> topLevelWindows() = 0;
    // Restores the window from minimised or maximised and brings it to the front.
    virtual void activate(unsigned long id) = 0;
};

struct Seams {
    std::unique_ptr<MessageBoxes> messageBoxes;
    std::unique_ptr<FileDialogs> fileDialogs;
    std::unique_ptr<PrinterSetup> printerSetup;
    std::unique_ptr<ModalShow> modalShow;
    std::unique_ptr<MousePointer> mousePointer;
    std::unique_ptr<ProgramEnd> programEnd;
    std::unique_ptr<ProgramStart> programStart;
    std::unique_ptr<WindowFinder> windowFinder;
};

// The installed seams (the Qt ones until something else is installed).
Seams& seams();
// Replaces every seam that `replacement` holds; the ones it leaves empty stay.
void installSeams(Seams replacement);
Seams qtSeams();

// Shorthands for the calls every window makes. A message box always comes up over the default
// pointer: the hourglass of the work that shows it is taken down first.
void messageBox(MessageIcon icon, const QString& title, const QString& text);
// Says a failure in one line, for the person in a box and for whoever started the program on
// standard error.
void tellFailure(MessageIcon icon, const QString& title, const QString& line);
FileChoice openFileDialog(const QString& title, const QString& filter, const QString& initialDir = {});
void showModal(QDialog& window);
void setPointer(Pointer pointer);
void endProgram(int status = 0);
bool programEnded();
int programExitStatus();

// Splits "description|pattern|description|pattern" into Qt name filters "description (patterns)".
QStringList qtNameFilters(const QString& filter);

// The dialog the Qt file-open seam shows, not yet shown.
std::unique_ptr<QFileDialog> newOpenFileDialog(QWidget* parent, const QString& title, const QString& filter,
                                               const QString& initialDir);

}  // namespace platform
