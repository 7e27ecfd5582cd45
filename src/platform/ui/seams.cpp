#include "platform/ui/seams.h"

#include "platform/desktop.h"
#include "platform/ui/printer_setup_dialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <cstdio>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>
#include <QTreeView>

namespace platform {

namespace {

// A window of this program that has been put on the screen but is not there yet: the window
// system has yet to map and expose it (under a window manager that takes a moment). Minimised
// windows do not count.
QWidget* windowComingOnScreen()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const QWindow* handle = window->windowHandle();
        if (window->isVisible() && handle && handle->isVisible() && !handle->isExposed()
            && !(window->windowState() & Qt::WindowMinimized)
            && !(window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip))
            return window;
    }
    return nullptr;
}

// Serves the window's exposure and painting (no input) until it is on the screen, for at most a
// few seconds.
void waitUntilOnScreen(QWidget& window)
{
    class Exposure final : public QObject {
    public:
        explicit Exposure(QEventLoop& loop) : loop_(loop) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            // The window paints as it handles its exposure; the loop ends after that.
            if (event->type() == QEvent::Expose)
                QMetaObject::invokeMethod(&loop_, &QEventLoop::quit, Qt::QueuedConnection);
            return false;
        }

    private:
        QEventLoop& loop_;
    };
    QWindow* handle = window.windowHandle();
    QEventLoop loop;
    Exposure exposure(loop);
    handle->installEventFilter(&exposure);
    bool late = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        late = true;
        loop.quit();
    });
    deadline.start(5000);
    while (!handle->isExposed() && !late && window.isVisible())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    handle->removeEventFilter(&exposure);
}

class QtMessageBoxes final : public MessageBoxes {
public:
    void show(MessageIcon icon, const QString& title, const QString& text) override
    {
        // A window's message comes over the window, once the window is on the screen.
        QWidget* owner = windowComingOnScreen();
        if (owner)
            waitUntilOnScreen(*owner);
        else
            owner = QApplication::activeWindow();
        QMessageBox box(iconOf(icon), title, text, QMessageBox::Ok, owner);
        box.exec();
    }

private:
    static QMessageBox::Icon iconOf(MessageIcon icon)
    {
        switch (icon) {
        case MessageIcon::Critical: return QMessageBox::Critical;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Question: return QMessageBox::Question;
        }
        return QMessageBox::NoIcon;
    }
};

class QtFileDialogs final : public FileDialogs {
public:
    FileChoice openFile(const QString& title, const QString& filter, const QString& initialDir) override
    {
        const std::unique_ptr<QFileDialog> dialog =
            newOpenFileDialog(QApplication::activeWindow(), title, filter, initialDir);
        FileChoice choice;
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return choice;
        const QString path = dialog->selectedFiles().constFirst();
        choice.cancelled = false;
        choice.fullPath = QDir::toNativeSeparators(path);
        choice.fileName = QFileInfo(path).fileName();
        return choice;
    }
};

class QtPrinterSetup final : public PrinterSetup {
public:
    bool setup(QPrinter& printer) override
    {
        ui::PrinterSetupDialog dialog(printer, QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    }
};

class QtModalShow final : public ModalShow {
public:
    void showModal(QDialog& window) override
    {
        window.setWindowModality(Qt::ApplicationModal);
        window.exec();
    }
};

class QtMousePointer final : public MousePointer {
public:
    void set(Pointer pointer) override
    {
        if (pointer == current_)
            return;
        if (pointer == Pointer::Hourglass)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
        current_ = pointer;
    }
    Pointer current() const override { return current_; }

private:
    Pointer current_ = Pointer::Default;
};

class QtProgramEnd final : public ProgramEnd {
public:
    void end(int status) override
    {
        if (!ended_)
            status_ = status;
        ended_ = true;
        // Leaves the main loop and every nested modal loop; windows are deleted by their owners
        // once the loops have unwound.
        QCoreApplication::exit(status_);
    }
    bool ended() const override { return ended_; }
    int exitStatus() const override { return status_; }

private:
    bool ended_ = false;
    int status_ = 0;
};

class QtProgramStart final : public ProgramStart {
public:
    bool start(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

Seams& installed()
{
    static Seams current = qtSeams();
    return current;
}

}  // namespace

Seams qtSeams()
{
    Seams s;
    s.messageBoxes = std::make_unique<QtMessageBoxes>();
    s.fileDialogs = std::make_unique<QtFileDialogs>();
    s.printerSetup = std::make_unique<QtPrinterSetup>();
    s.modalShow = std::make_unique<QtModalShow>();
    s.mousePointer = std::make_unique<QtMousePointer>();
    s.programEnd = std::make_unique<QtProgramEnd>();
    s.programStart = std::make_unique<QtProgramStart>();
    s.windowFinder = desktopWindowFinder();
    return s;
}

Seams& seams() { return installed(); }

void installSeams(Seams replacement)
{
    Seams& s = installed();
    if (replacement.messageBoxes) s.messageBoxes = std::move(replacement.messageBoxes);
    if (replacement.fileDialogs) s.fileDialogs = std::move(replacement.fileDialogs);
    if (replacement.printerSetup) s.printerSetup = std::move(replacement.printerSetup);
    if (replacement.modalShow) s.modalShow = std::move(replacement.modalShow);
    if (replacement.mousePointer) s.mousePointer = std::move(replacement.mousePointer);
    if (replacement.programEnd) s.programEnd = std::move(replacement.programEnd);
    if (replacement.programStart) s.programStart = std::move(replacement.programStart);
    if (replacement.windowFinder) s.windowFinder = std::move(replacement.windowFinder);
}

void messageBox(MessageIcon icon, const QString& title, const QString& text)
{
    // A box is read with the ordinary pointer, whatever work put up the hourglass before it.
    if (MousePointer& pointer = *seams().mousePointer; pointer.current() != Pointer::Default)
        pointer.set(Pointer::Default);
    seams().messageBoxes->show(icon, title, text);
}

void tellFailure(MessageIcon icon, const QString& title, const QString& line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    messageBox(icon, title, line);
}

FileChoice openFileDialog(const QString& title, const QString& filter, const QString& initialDir)
{
    return seams().fileDialogs->openFile(title, filter, initialDir);
}

void showModal(QDialog& window) { seams().modalShow->showModal(window); }
void setPointer(Pointer pointer) { seams().mousePointer->set(pointer); }
void endProgram(int status) { seams().programEnd->end(status); }
bool programEnded() { return seams().programEnd->ended(); }
int programExitStatus() { return seams().programEnd->exitStatus(); }

std::unique_ptr<QFileDialog> newOpenFileDialog(QWidget* parent, const QString& title, const QString& filter,
                                               const QString& initialDir)
{
    auto dialog = std::make_unique<QFileDialog>(parent, title, initialDir);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // The filter shows as its description alone, which names its patterns already.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setNameFilters(qtNameFilters(filter));
    // The details of the files (size, type, date) take the widths their texts need, and the names
    // the rest; Qt's fixed widths cut a date or a type in the form font.
    for (QTreeView* details : dialog->findChildren<QTreeView*>()) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    return dialog;
}

QStringList qtNameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        result << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    if (result.isEmpty())
        result << QStringLiteral("All files (*)");
    return result;
}

}  // namespace platform
