#pragma once
// The interpretations window on a copy of the built sample database "intasme.mdb", with scripted
// seams, a settings file of its own and the shared state of a new process.

#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "interpretations/sorvik_core.h"
#include "interpretations/sorvik_main.h"
#include "support/control_views.h"
#include "support/main_window_fixture.h"

#include <memory>

namespace testing_support {

// The built sample database in the interpretations program's directory `directory`, as its
// installation leaves it, and the window's shared state as a new process has it.
inline void installInterpretations(const QString& directory)
{
    copyInto(builtDataDir() + QStringLiteral("/intasme.mdb"), directory);
    varnel::writeInterpretationsSetting(QStringLiteral("program path"), directory);
    varnel::resetSorvikCore();
}

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

    void installSample() { installInterpretations(data.path()); }
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

    QStringList results() const { return entriesOf(*window->ListView1[2]); }
    QStringList paragraphs() const { return entriesOf(*window->ListView1[0]); }
    // The colour of the character at `position` of the interpretation text.
    QColor colourAt(int position) const { return testing_support::colourAt(*window->RichTextBox1, position); }
    // Which of the navigation buttons (first, previous, next, last) are enabled: "1" or "0" each.
    QString navigationButtons() const { return enabledStates(window->Command4); }
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
