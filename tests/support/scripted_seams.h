#pragma once
// Scripted stand-ins for the seams: they record what the program asked and answer from a
// script, so a test runs without a person and without a blocking event loop.

#include "platform/ui/seams.h"

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace testing_support {

struct ShownMessage {
    platform::MessageIcon icon;
    QString title;
    QString text;
    platform::Pointer pointer;  // the mouse pointer while the box was up
};

class ScriptedMessageBoxes final : public platform::MessageBoxes {
public:
    void show(platform::MessageIcon icon, const QString& title, const QString& text) override;
    std::vector<ShownMessage> shown;
    std::function<void(const ShownMessage&)> onShow;  // optional, runs while the box is "open"
};

struct AskedFile {
    QString title;
    QString filter;
    QString initialDir;
};

class ScriptedFileDialogs final : public platform::FileDialogs {
public:
    platform::FileChoice openFile(const QString& title, const QString& filter, const QString& initialDir) override;
    // Answers in order; an empty script answers with a cancel.
    void answerPath(const QString& fullPath);
    void answerCancel();
    std::deque<platform::FileChoice> answers;
    std::vector<AskedFile> asked;
};

class ScriptedPrinterSetup final : public platform::PrinterSetup {
public:
    bool setup(QPrinter& printer) override;
    bool accept = true;
    int calls = 0;
};

// Shows the window non-modally, runs the script registered for its object name (or its class
// name), then closes it, as a person who did that and pressed the close box would.
class ScriptedModalShow final : public platform::ModalShow {
public:
    void showModal(QDialog& window) override;
    std::map<QString, std::function<void(QDialog&)>> scripts;
    std::vector<QString> shown;  // object names (or class names) in showing order
};

class ScriptedMousePointer final : public platform::MousePointer {
public:
    void set(platform::Pointer pointer) override;
    platform::Pointer current() const override { return current_; }
    std::vector<platform::Pointer> history;

private:
    platform::Pointer current_ = platform::Pointer::Default;
};

class ScriptedProgramEnd final : public platform::ProgramEnd {
public:
    void end(int exitStatus) override
    {
        if (ends++ == 0)
            status = exitStatus;
    }
    bool ended() const override { return ends > 0; }
    int exitStatus() const override { return status; }
    int ends = 0;
    int status = 0;  // of the first end
};

class ScriptedProgramStart final : public platform::ProgramStart {
public:
    bool start(const QString& program, const QStringList& arguments) override;
    std::vector<std::pair<QString, QStringList>> started;
    bool succeed = true;
};

class ScriptedWindowFinder final : public platform::WindowFinder {
public:
    std::vector<platform::DesktopWindow> topLevelWindows() override { return windows; }
    void activate(unsigned long id) override { activated.push_back(id); }
    std::vector<platform::DesktopWindow> windows;
    std::vector<unsigned long> activated;
};

// All scripted seams, installed on construction; the Qt ones come back on destruction.
class ScriptedSeams {
public:
    ScriptedSeams();
    ~ScriptedSeams();
    ScriptedSeams(const ScriptedSeams&) = delete;
    ScriptedSeams& operator=(const ScriptedSeams&) = delete;

    ScriptedMessageBoxes& messages;
    ScriptedFileDialogs& files;
    ScriptedPrinterSetup& printer;
    ScriptedModalShow& modal;
    ScriptedMousePointer& pointer;
    ScriptedProgramEnd& programEnd;
    ScriptedProgramStart& programStart;
    ScriptedWindowFinder& windowFinder;
};

}  // namespace testing_support
