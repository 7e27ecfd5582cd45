// The main window's command interface: other programs of the family hand it a short command,
// once through the program's command line and afterwards through the "command line" setting,
// which the window's timer polls every tenth of a second.

#include "browser/varnel_main.h"

#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "browser/command_parser.h"
#include "browser/paragraph_query.h"
#include "platform/vb.h"

namespace varnel {

namespace {

const QString commandKey = QStringLiteral("command line");
const QColor lockedBack(0xE0, 0xE0, 0xE0);
const QColor openBack(0xFF, 0xFF, 0xFF);

}  // namespace

void varnelMain::Timer1_Timer()
{
    VarnelCore& core = varnelCore();
    QString command;
    if (!core.commandLineTaken) {
        core.commandLineTaken = true;
        command = programCommandLine;
        if (command.isEmpty())
            return;
        writeSetting(commandKey, QString());
    } else {
        command = readSetting(commandKey, QString());
        if (command.isEmpty())
            return;
        // Emptied only while it still holds what was read, in one step under the file's lock: a
        // command another program wrote in between stays for the next tick, which takes it in
        // place of this one, as if it had come before the reading. A key that could not be
        // emptied is read again at the next tick rather than applied again and again.
        if (!replaceSettingIfUnchanged(commandKey, command, QString()))
            return;
    }
    processCommandLine(command);
}

void varnelMain::processCommandLine(const QString& commandText)
{
    QStringList processEntries;
    for (int i = 1; i <= List1[2]->count(); ++i)
        processEntries << List1[2]->entryText(i);
    const ParsedCommand command = parseCommand(commandText, processEntries);
    const QString& abbreviation = command.abbreviation;
    const CategoryKey* category = command.category;
    const QString& token = command.paragraph;

    if (command.show) {
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        showNormal();
    } else if (command.close) {
        Command1_Click(0);
        return;
    }
    if (abbreviation.isEmpty())
        return;

    suppressCompletion = false;
    const bool special = specialProcesses.contains(vb::Left(abbreviation, 4));
    const QString suffix = special ? QString() : QStringLiteral(" for Groove/Fillet welds");
    Text1[2]->setText(abbreviation);
    // The category box's change handling runs the paragraph query when its list holds entries;
    // the query at the end is then not run a second time (with its "No entry found" box).
    const unsigned searchesBefore = searchCount_;
    if (category)
        Text1[3]->setText(abbreviation + QLatin1String(category->ending) + (category->takesSuffix ? suffix : QString()));
    const bool searched = searchCount_ != searchesBefore;

    Text1[2]->setBackColor(lockedBack);
    Text1[2]->setEnabled(false);
    Command2[2]->setEnabled(false);
    Text1[3]->setBackColor(category ? lockedBack : openBack);
    Text1[3]->setEnabled(!category);
    Command2[3]->setEnabled(!category);

    if (!token.isEmpty()) {
        const QString word = category ? QLatin1String(category->word) : QString();
        Label1[13]->setCaption(QStringLiteral("External Varnel call requested only ") + token + u' ' + variableGroupSingular(token)
                               + QStringLiteral(" variables. Other (non ") + token + QStringLiteral(") ") + abbreviation
                               + u' ' + word
                               + QStringLiteral(" variables may apply. Use standard Varnel access to view all applicable variables"));
    } else {
        // Without a paragraph the banner names only the process and category asked for.
        const QString word = category ? QLatin1String(category->word) + u' ' : QString();
        Label1[13]->setCaption(QStringLiteral("External Varnel call requested ") + abbreviation + u' ' + word
                               + QStringLiteral("variables. Use standard Varnel access to view all applicable variables"));
    }
    Frame1[0]->hide();
    Frame1[2]->hide();
    Check1->setEnabled(false);
    Frame1[8]->show();

    if (!category)
        loadVariablesList();
    if (!searched)
        performSearch();
}

}  // namespace varnel
