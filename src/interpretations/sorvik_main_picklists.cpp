// The interpretations window's two entry boxes and their drop-down pick lists: the paragraph box
// completes from the section's paragraphs and searches on every change; the text-search box
// completes from the words searched before and keeps that history while the window is open.
// Setting a box's text runs its change handling at once, nested; the steps below rely on that.

#include "interpretations/sorvik_main.h"

#include "app/image_list.h"

namespace varnel {

using namespace platform::ui;

namespace {

// The first entry that begins with `typed`, letter case ignored; 0 when none.
int completionEntry(const ListView& list, const QString& typed)
{
    for (int i = 1; i <= list.count(); ++i)
        if (list.entryText(i).startsWith(typed, Qt::CaseInsensitive))
            return i;
    return 0;
}

}  // namespace

void sorvikMain::hidePickLists()
{
    ListView1[0]->hide();
    ListView1[1]->hide();
}

void sorvikMain::Text1_Change(int index)
{
    TextBox* box = Text1[index];
    const ListView* list = ListView1[index];
    // Text that arrives without typing (pasted, from the start string) loses its double quotes;
    // the change that writes the cleaned text back handles it.
    if (const QString cleaned = validateText(box->text()); cleaned != box->text()) {
        box->setText(cleaned);
        return;
    }
    if (box->text().isEmpty() || list->count() == 0)
        return;
    if (!skipCompletion) {
        const QString typed = box->text();
        if (const int winner = completionEntry(*list, typed); winner > 0) {
            // The entry as the box can hold it: an entry with a double quote completes without
            // it, so the nested change finds the box holding the same text and ends there.
            const QString entry = validateText(list->entryText(winner));
            // A completed text is a change of its own, which searches once for it.
            const bool completes = entry != typed;
            box->setText(entry);
            box->setSel(static_cast<int>(typed.size()), static_cast<int>(entry.size() - typed.size()));
            if (completes)
                return;
        }
    }
    if (index == 0)
        performSearch();
}

void sorvikMain::Text1_KeyDown(int, int keyCode, int)
{
    skipCompletion = keyCode == keys::Delete || keyCode == keys::Backspace || keyCode == keys::Left
                     || keyCode == keys::Right;
}

void sorvikMain::Text1_KeyPress(int, int& keyAscii)
{
    if (keyAscii == '"')
        keyAscii = 0;
}

void sorvikMain::Text1_KeyUp(int index, int keyCode, int)
{
    // Enter has already pressed the window's default button, which searched; searching again on
    // its release would run the same search twice (and say twice that nothing was found). A Tab
    // out of an empty box ends no entry: it searches nothing.
    if (index == 1 && keyCode == keys::Tab && !Text1[1]->text().isEmpty())
        performSearch();
}

void sorvikMain::Text1_GotFocus(int) { hidePickLists(); }

void sorvikMain::Text1_LostFocus(int index)
{
    // Only a move to another control of this window leaves the box. A message box or a menu
    // that comes up over the window takes the focus only while it is shown; the box stays the
    // window's focus control and gets the focus back.
    if (focusWidget() == Text1[index])
        return;
    const QString text = Text1[index]->text();
    if (index != 1 || text.isEmpty())
        return;
    ListView* history = ListView1[1];
    for (int i = 1; i <= history->count(); ++i)
        if (history->entryText(i).compare(text, Qt::CaseInsensitive) == 0)
            return;
    history->addEntry(text, newImageList(1));
}

void sorvikMain::Command2_Click(int index)
{
    ListView* list = ListView1[index == 0 ? 0 : 1];
    list->setVisible(!list->isVisible());
    if (list->isVisible()) {
        list->raise();
        list->setFocus();
    }
}

void sorvikMain::ListView1_KeyUp(int index, int keyCode, int)
{
    if (keyCode == keys::Enter || keyCode == keys::Space)
        pick(index);
}

void sorvikMain::ListView1_MouseUp(int index) { pick(index); }

void sorvikMain::pick(int index)
{
    const ListView* list = ListView1[index];
    if (list->selectedIndex() == 0)
        return;
    Text1[index]->setText(list->selectedText());
    Text1[index]->setFocus();
    hidePickLists();
}

}  // namespace varnel
