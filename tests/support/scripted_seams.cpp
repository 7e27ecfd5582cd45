#include "support/scripted_seams.h"

#include <QFileInfo>

namespace testing_support {

void ScriptedMessageBoxes::show(platform::MessageIcon icon, const QString& title, const QString& text)
{
    shown.push_back({icon, title, text, platform::seams().mousePointer->current()});
    if (onShow)
        onShow(shown.back());
}

platform::FileChoice ScriptedFileDialogs::openFile(const QString& title, const QString& filter,
                                                   const QString& initialDir)
{
    asked.push_back({title, filter, initialDir});
    if (answers.empty())
        return {};
    platform::FileChoice answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedFileDialogs::answerPath(const QString& fullPath)
{
    platform::FileChoice choice;
    choice.cancelled = false;
    choice.fullPath = fullPath;
    choice.fileName = QFileInfo(fullPath).fileName();
    answers.push_back(choice);
}

void ScriptedFileDialogs::answerCancel() { answers.push_back({}); }

bool ScriptedPrinterSetup::setup(QPrinter&)
{
    ++calls;
    return accept;
}

void ScriptedModalShow::showModal(QDialog& window)
{
    QString name = window.objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(window.metaObject()->className());
    shown.push_back(name);
    window.show();
    if (auto script = scripts.find(name); script != scripts.end())
        script->second(window);
    if (window.isVisible())
        window.close();
}

void ScriptedMousePointer::set(platform::Pointer pointer)
{
    current_ = pointer;
    history.push_back(pointer);
}

bool ScriptedProgramStart::start(const QString& program, const QStringList& arguments)
{
    started.emplace_back(program, arguments);
    return succeed;
}

ScriptedSeams::ScriptedSeams()
    : messages(*new ScriptedMessageBoxes),
      files(*new ScriptedFileDialogs),
      printer(*new ScriptedPrinterSetup),
      modal(*new ScriptedModalShow),
      pointer(*new ScriptedMousePointer),
      programEnd(*new ScriptedProgramEnd),
      programStart(*new ScriptedProgramStart),
      windowFinder(*new ScriptedWindowFinder)
{
    platform::Seams s;
    s.messageBoxes.reset(&messages);
    s.fileDialogs.reset(&files);
    s.printerSetup.reset(&printer);
    s.modalShow.reset(&modal);
    s.mousePointer.reset(&pointer);
    s.programEnd.reset(&programEnd);
    s.programStart.reset(&programStart);
    s.windowFinder.reset(&windowFinder);
    platform::installSeams(std::move(s));
}

ScriptedSeams::~ScriptedSeams() { platform::installSeams(platform::qtSeams()); }

}  // namespace testing_support
