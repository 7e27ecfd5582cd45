// The main window's menus and toolbar, the buttons that open the related windows of the shown
// paragraph, and the cross-reference lookup of a term marked in the text.

#include "browser/varnel_main.h"

#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "app/window_openers.h"
#include "data/read_failures.h"
#include "data/reference_files.h"
#include "platform/ui/seams.h"
#include "platform/vb.h"
#include "shell/shell_check_routines.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace varnel {

void varnelMain::openWindow(const std::function<void()>& opener)
{
    if (!opener)
        return;
    opener();
    Form_Activate();
}

void varnelMain::Toolbar1_ButtonClick(int index)
{
    hideDropDownLists();
    WindowOpeners& open = windowOpeners();
    switch (index) {
    case 1:
        mnuFileOpen->popup(Toolbar1->mapToGlobal(QPoint(0, Toolbar1->height())));
        break;
    case 2: mnuPrint_Click(); break;
    case 4: openWindow(open.materialSpecification); break;
    case 5: openWindow(open.fillerSpecification); break;
    case 6: openWindow(open.aNumbers); break;
    case 7: openWindow(open.thickness); break;
    case 9: startProgram(QStringLiteral("sorvik")); break;
    case 10: startProgram(QStringLiteral("daltrem")); break;
    case 12: lookUpCrossReference(); break;
    default: break;
    }
}

void varnelMain::mnuToolsBM_Click() { openWindow(windowOpeners().materialSpecification); }
void varnelMain::mnuToolsFm_Click() { openWindow(windowOpeners().fillerSpecification); }
void varnelMain::mnuToolsA_Click() { openWindow(windowOpeners().aNumbers); }
void varnelMain::mnuToolsT_Click() { openWindow(windowOpeners().thickness); }
void varnelMain::mnuToolsInt_Click() { startProgram(QStringLiteral("sorvik")); }
void varnelMain::mnuToolsFmc_Click() { startProgram(QStringLiteral("daltrem")); }
void varnelMain::mnuToolsDefinitions_Click() { openWindow(windowOpeners().definitions); }
void varnelMain::mnuHelpLicense_Click() { openWindow(windowOpeners().agreement); }

void varnelMain::Command3_Click()
{
    hideDropDownLists();
    if (readInterpretationsSetting(QStringLiteral("program path"), QString()).isEmpty()) {
        platform::messageBox(platform::MessageIcon::Critical, QStringLiteral("Varnel"),
                             QStringLiteral("Sorvik is not installed on this machine."));
        return;
    }
    if (ListView1[2]->selectedIndex() > 0)
        varnelCore().interpretationQuery = QStringLiteral("SECT INT09 PARA ") + ListView1[2]->selectedText();
    openWindow(windowOpeners().interpretations);
}

void varnelMain::Command5_Click()
{
    hideDropDownLists();
    // The grid chooses its own layout from the edition number (above 102: the newer grid).
    openWindow(windowOpeners().showAllProcesses);
}

void varnelMain::ListView1_KeyPress(int& keyAscii)
{
    const QChar typed = QChar(static_cast<char16_t>(keyAscii)).toLower();
    if (typed == u'a')
        Command5_Click();
    else if (typed == u'i')
        Command3_Click();
}

void varnelMain::lookUpCrossReference()
{
    VarnelCore& core = varnelCore();
    // A selection may take in the line break after a paragraph number, a tab or another kind of
    // blank: white space of every kind counts as a blank does.
    QString key = RichTextBox1->selText().trimmed();
    if (key.isEmpty())
        key = Text1[1]->selText();
    core.lookupKey = key;
    const QString start = vb::UCase(vb::Left(key, 2));
    if (start != QLatin1String("QW") && start != QLatin1String("QG")) {
        openWindow(windowOpeners().definitions);
        return;
    }
    if (const auto space = std::find_if(key.cbegin(), key.cend(), [](QChar c) { return c.isSpace(); }); space != key.cend())
        key.truncate(space - key.cbegin());
    if (key.endsWith(u'.'))
        key.chop(1);
    core.lookupKey = key;

    // The table is read as the key is looked up; a damaged file, or no database, is said and opens
    // nothing.
    try {
        auto table = referenceDatabase().openRecordset(QStringLiteral("SELECT * FROM [Cross-reference]"));
        const QString criterion = QStringLiteral("reference = ") + dao::literal(key);
        table->findFirst(criterion);
        const bool found = !table->noMatch();
        auto text = [&](const char* field) { return found ? nullToEmpty(table->field(QLatin1String(field))) : QString(); };
        const QString variable = text("variable"), form = text("form"), message = text("message"), title = text("title");

        if (!found || !variable.isEmpty()) {
            // A paragraph: the key's own paragraph when the table does not know it.
            const QString target = found ? variable : key;
            table->close();
            if (ListView1[2]->selectedIndex() > 0 && target == ListView1[2]->selectedText())
                platform::messageBox(platform::MessageIcon::Exclamation, key,
                                     key + QStringLiteral(" cross-reference is included in this paragraph"));
            else
                openWindow(windowOpeners().crossReference);
        } else if (!form.isEmpty()) {
            table->close();
            WindowOpeners& open = windowOpeners();
            if (form == QLatin1String("varnelMaterialSpecification"))
                openWindow(open.materialSpecification);
            else if (form == QLatin1String("varnelFillerSpecification"))
                openWindow(open.fillerSpecification);
            else if (form == QLatin1String("varnelAnumbers"))
                openWindow(open.aNumbers);
            else if (form == QLatin1String("varnelThickness"))
                openWindow(open.thickness);
        } else if (!message.isEmpty()) {
            // A message without a title of its own is titled with the program's name.
            platform::messageBox(platform::MessageIcon::Information, title.isEmpty() ? QStringLiteral("Varnel") : title,
                                 message);
            table->close();
        } else if (title == QLatin1String("GRAPHICS")) {
            table->close();
            auto figures = referenceDatabase().openRecordset(
                QStringLiteral("SELECT * FROM [Cross-reference] WHERE [Reference] = ") + dao::literal(key));
            core.pictureKey = figures->eof() ? QString() : nullToEmpty(figures->field(QStringLiteral("graphics")));
            figures->close();
            openWindow(core.pictureKey.isEmpty() ? windowOpeners().definitions : windowOpeners().picture);
        } else {
            table->close();
            openWindow(windowOpeners().definitions);
        }
    } catch (const std::exception& error) {
        if (!sayReferenceDamage(error))
            throw;
    }
}

}  // namespace varnel
