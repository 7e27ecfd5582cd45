#pragma once
// The interpretations window on a copy of the built sample database "intasme.mdb", with scripted
// seams, a settings file of its own and the shared state of a new process.

#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "interpretations/sorvik_core.h"
#include "interpretations/sorvik_main.h"
#include "support/main_window_fixture.h"

#include <QTextCursor>
#include <QTextDocument>
#include <memory>

namespace testing_support {

class SorvikTest : public ::testing::Test {
protected:
    SorvikTest()
    {
        varnel::resetVarnelCore();
        varnel::resetSorvikCore();
    }
    ~SorvikTest() override
    {
        window.reset();
        varnel::resetSorvikCore();
        varnel::resetVarnelCore();
    }

    // The sample database in the interpretations program's directory, as its installation leaves it.
    void installSample()
    {
        copyInto(builtDataDir() + QStringLiteral("/intasme.mdb"), data.path());
        varnel::writeInterpretationsSetting(QStringLiteral("program path"), data.path());
    }
    QString databasePath() const { return data.filePath(QStringLiteral("intasme.mdb")); }

    // An opening of the window as the main window makes it: start string, creation, showing.
    varnel::sorvikMain& open(const QString& startString = {})
    {
        window.reset();  // one window at a time, as the main window opens it
        varnel::varnelCore().interpretationQuery = startString;
        window = std::make_unique<varnel::sorvikMain>();
        window->show();
        return *window;
    }

    QStringList results() const
    {
        QStringList texts;
        for (int i = 1; i <= window->ListView1[2]->count(); ++i)
            texts << window->ListView1[2]->entryText(i);
        return texts;
    }
    QStringList paragraphs() const
    {
        QStringList texts;
        for (int i = 1; i <= window->ListView1[0]->count(); ++i)
            texts << window->ListView1[0]->entryText(i);
        return texts;
    }
    // The colour of the character at `position` of the interpretation text.
    QColor colourAt(int position) const
    {
        QTextCursor c(window->RichTextBox1->document());
        c.setPosition(position + 1);
        return c.charFormat().foreground().color();
    }
    QStringList messageTitles() const
    {
        QStringList titles;
        for (const ShownMessage& m : seams.messages.shown)
            titles << m.title;
        return titles;
    }
    void search(const QString& paragraph, const QString& words, int option = 0)
    {
        window->Option1[option]->setChecked(true);
        window->Text1[0]->setText(paragraph);
        window->Text1[1]->setText(words);
        seams.messages.shown.clear();
        window->Command1_Click(1);
    }

    ScriptedSeams seams;
    TempSettings settings;
    QTemporaryDir data;
    std::unique_ptr<varnel::sorvikMain> window;
};

inline const QString sectionIX = QStringLiteral("Section IX - Welding and Brazing Qualifications");

}  // namespace testing_support
