// The main window's drop-down pick lists: the search history, the process list and the category
// list under their boxes, with completion as the person types. Setting a box's text runs its
// change handling at once, nested, and the steps below rely on that order.

#include "browser/varnel_main.h"

#include "app/image_list.h"
#include "platform/ui/twips.h"
#include "platform/vb.h"

#include <QScopedValueRollback>

namespace varnel {

using namespace platform::ui;

namespace {

const QColor openBack(0xFF, 0xFF, 0xFF);
const QColor closedBack(0xE0, 0xE0, 0xE0);

bool beginsEntry(const QString& entry, const QString& text)
{
    return entry.size() >= text.size() && entry.startsWith(text, Qt::CaseInsensitive);
}

}  // namespace

QString varnelMain::validateText(const QString& text)
{
    QString cleaned = text;
    return cleaned.remove(u'"');
}

void varnelMain::setListHeight(int index)
{
    const int n = List1[index]->count();
    const int height = n >= 10 ? 2850 : n >= 1 ? n * 285 : 285;
    List1[index]->resize(List1[index]->width(), platform::twips(height));
}

void varnelMain::Text1_Change(int index)
{
    TextBox* box = Text1[index];
    ListView* list = List1[index];
    // A text that code wrote leaves the box unmodified; the person's own edit does not.
    const QScopedValueRollback typed(typedChange_, typedChange_ || box->isModified());
    if (index == 2 || index == 3) {
        // The change of process or category loads the paragraphs itself (below, or in the caller
        // that set the box); emptying the search box on the way runs no search of its own, which
        // would list the paragraphs and show the first of them twice.
        suppressCompletion = true;
        emptyingSearchBox_ = true;
        Text1[1]->setText(QString());
        emptyingSearchBox_ = false;
        suppressCompletion = false;
    }
    if (index == 1 && !emptyingSearchBox_ && vb::Trim(box->text()).isEmpty())
        performSearch();
    if (index == 2) {
        const QString text = box->text();
        bool known = false;
        for (int i = 1; i <= list->count() && !known; ++i)
            known = list->entryText(i).compare(text, Qt::CaseInsensitive) == 0;
        const bool open = !text.isEmpty() && known;
        Text1[3]->setBackColor(open ? openBack : closedBack);
        Text1[3]->setEnabled(open);
        Command2[3]->setEnabled(open);
    }
    if (index == 3) {
        Label3[0]->setToolTip(QStringLiteral(" Essential (WPS and PQR), Nonessential (WPS only), Supplementary Essential "
                                             "(WPS and PQR when impact testing is required) "));
        const QString text = box->text();
        QString tip;
        if (text.contains(QStringLiteral("Nonessential")))
            tip = QStringLiteral(" Nonessential variable must be specified in WPS, but qualification by PQR is NOT required ");
        else if (text.contains(QStringLiteral("Supplementary")))
            tip = QStringLiteral(" Supplementary essential variable must be specified in WPS and qualified by supporting PQR "
                                 "when IMPACT TESTING is required ");
        else if (text.contains(QStringLiteral("Essential")))
            tip = QStringLiteral(" Essential variables must be specified in WPS and qualified by supporting PQR ");
        else
            tip = QStringLiteral(" Select Essential, Nonessential or Supplementary Essential variable ");
        box->setToolTip(tip);
    }
    box->setText(validateText(box->text()));
    if (list->count() == 0)
        return;

    bool taken = false;
    if (!suppressCompletion) {
        const QString typed = box->text();
        for (int i = 1; i <= list->count(); ++i) {
            const QString entry = list->entryText(i);
            if (beginsEntry(entry, typed)) {
                box->setText(entry);
                box->setSel(static_cast<int>(typed.size()), static_cast<int>(entry.size() - typed.size()));
                taken = true;
                // A completion that changed the text ran this handling nested for the whole entry,
                // categories or paragraphs included; loading them again would only repeat it.
                if (entry != typed)
                    return;
                break;
            }
        }
    }
    if ((index == 2 || index == 3) && !taken)
        ListView1[2]->clearEntries();
    if (index == 2)
        loadVariablesList();
    else if (index == 3)
        loadAvailableParagraphs();
}

void varnelMain::Text1_KeyDown(int, int keyCode, int)
{
    suppressCompletion = keyCode == keys::Delete || keyCode == keys::Backspace || keyCode == keys::Left
                         || keyCode == keys::Right;
}

void varnelMain::Text1_KeyPress(int index, int& keyAscii)
{
    if (keyAscii == '"') {
        keyAscii = 0;
        return;
    }
    if (index != 2 && index != 3)
        return;
    if (keyAscii < 32) {  // Backspace, Enter and other control characters
        keyAscii = 0;
        return;
    }
    const TextBox* box = Text1[index];
    const QString text = box->text();
    const QString key(QChar(static_cast<char16_t>(keyAscii)));
    const QString prediction = box->selLength() == 0
                                   ? text + key
                                   : text.left(box->selStart()) + key + text.mid(box->selStart() + box->selLength());
    for (int i = 1; i <= List1[index]->count(); ++i)
        if (beginsEntry(List1[index]->entryText(i), prediction))
            return;
    keyAscii = 0;
}

void varnelMain::Text1_GotFocus(int) { hideDropDownLists(); }

void varnelMain::Text1_LostFocus(int index)
{
    TextBox* box = Text1[index];
    box->setBackColor(SystemColour::WindowBackground);
    if (index == 1 && !box->text().isEmpty()) {
        bool known = false;
        for (int i = 1; i <= List1[1]->count() && !known; ++i)
            known = List1[1]->entryText(i).compare(box->text(), Qt::CaseInsensitive) == 0;
        if (!known)
            List1[1]->addEntry(box->text(), newImageList(2));
    }
    setListHeight(1);
    box->setSel(box->selStart(), 0);
}

void varnelMain::Command2_Click(int index)
{
    for (int i = 1; i <= 3; ++i)
        if (i != index)
            List1[i]->hide();
    ListView* list = List1[index];
    list->setVisible(!list->isVisible());
    if (list->isVisible()) {
        list->raise();
        list->setFocus();
    }
}

void varnelMain::List1_KeyUp(int index, int keyCode, int)
{
    if (keyCode == keys::Enter || keyCode == keys::Space)
        takeListEntry(index);
}

void varnelMain::List1_MouseUp(int index)
{
    if (List1[index]->selectedIndex() > 0)
        takeListEntry(index);
}

void varnelMain::takeListEntry(int index)
{
    ListView* list = List1[index];
    const int selected = list->selectedIndex();
    if (selected == 0 || list->isGhosted(selected))
        return;
    if (list->count() >= 1)
        Text1[index]->setText(list->entryText(selected));
    if (index == 3)
        ListView1[2]->setFocus();
    else
        Text1[1]->setFocus();
    hideDropDownLists();
}

}  // namespace varnel
