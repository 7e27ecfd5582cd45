// The calculator's qualification types and its process pick list: the type decides which
// processes the list offers, and the process box completes what the person types from the list.

#include "calculator/varnel_thickness.h"

#include "app/image_list.h"
#include "app/varnel_core.h"
#include "browser/paragraph_query.h"
#include "browser/varnel_main.h"
#include "data/read_failures.h"
#include "calculator/process_choice.h"
#include "calculator/requirement_texts.h"
#include "platform/ui/twips.h"

#include <QApplication>

namespace varnel {

using namespace platform::ui;
using calculator::QualificationType;

namespace {

QStringList entryTexts(const ListView& list)
{
    QStringList texts;
    texts.reserve(list.count());
    for (int i = 1; i <= list.count(); ++i)
        texts << list.entryText(i);
    return texts;
}

}  // namespace

int varnelThickness::optSelected() const
{
    int selected = 0;
    for (int i = 0; i < static_cast<int>(opt.size()); ++i)
        if (opt[i]->value())
            selected = i;
    return selected;
}

bool varnelThickness::initiateDatabase()
{
    ListView* list = List2[2];
    list->clearEntries();
    text2[2]->setText(QString());
    try {
        auto processes =
            referenceDatabase().openRecordset(calculator::processListQuery(static_cast<QualificationType>(optSelected())));
        for (; !processes->eof(); processes->moveNext()) {
            const QString abbreviation = nullToEmpty(processes->field(QStringLiteral("ABBR")));
            QTreeWidgetItem* entry = list->addEntry(
                processEntryText(abbreviation, nullToEmpty(processes->field(QStringLiteral("FULLNAME")))), newImageList(1));
            entry->setData(0, Qt::UserRole, abbreviation);  // the entry's Tag
        }
        processes->close();
        list->resize(list->width(), platform::twips(calculator::processListHeight(list->count())));
        return true;
    } catch (const std::exception& error) {
        // The entries added so far stay; a damaged file is said.
        sayReferenceDamage(error);
        return false;
    }
}

QString varnelThickness::loadList()
{
    QString wanted = text2[2]->text();
    if (wanted.isEmpty()) {
        if (const varnelMain* main = varnelMain::instance())
            wanted = main->Text1[2]->text();
    }
    initiateDatabase();
    const QStringList entries = entryTexts(*List2[2]);
    if (entries.contains(wanted))
        return wanted;
    return entries.value(0);
}

void varnelThickness::opt_Click(int index)
{
    text2[2]->setText(loadList());
    fraThicknessQualifiedFW->setVisible(index == static_cast<int>(QualificationType::flash));
    fraThicknessQualifiedFW->raise();

    // Fillet welds need no values: their tests text takes the place of the thickness frames.
    if (opt[static_cast<int>(QualificationType::filletWelds)]->value()) {
        fraTests->setGeometry(fraTests->x(), fraThicknessTested->y(), fraTests->width(), platform::twips(3405));
        fraTests->raise();
        txtTest1->resize(txtTest1->width(), platform::twips(3135));
        txtTest1->setText(calculator::txtFilletTest());
    } else {
        fraTests->setGeometry(fraTests->x(), platform::twips(4620), fraTests->width(), platform::twips(1725));
        fraTests->lower();
        txtTest1->resize(txtTest1->width(), platform::twips(1725 - 300));
    }

    setParameterPanel();
    setSliderRanges();
    showQualifiedRanges();
}

void varnelThickness::text2_Change(int index)
{
    TextBox* box = text2[index];
    const ListView* list = List2[index];
    if (list->count() == 0)
        return;
    if (!typeAheadOff) {
        const QString typed = box->text();
        const int hit = calculator::firstEntryBeginningWith(entryTexts(*list), typed);
        if (hit >= 0) {
            const QString entry = list->entryText(hit + 1);
            box->setText(entry);
            box->setSel(static_cast<int>(typed.size()), static_cast<int>(entry.size() - typed.size()));
        }
    }
    const bool chosen = !box->text().isEmpty();
    fraThicknessTested->setEnabled(chosen);
    fraParameters->setEnabled(chosen);
    processAbbr = calculator::processAbbreviation(box->text());
    setParameterPanel();
    showQualifiedRanges();
}

void varnelThickness::text2_KeyDown(int, int keyCode, int)
{
    typeAheadOff = keyCode == keys::Delete || keyCode == keys::Backspace || keyCode == keys::Left
                   || keyCode == keys::Right;
}

void varnelThickness::text2_KeyPress(int index, int& keyAscii)
{
    if (keyAscii == '"') {
        keyAscii = 0;
        return;
    }
    // Typed characters keep the text the beginning of a listed entry; Backspace and other control
    // characters begin none and are dropped.
    const TextBox* box = text2[index];
    const QString text = box->text();
    const QString key(QChar(static_cast<char16_t>(keyAscii)));
    const QString wouldBe = box->selLength() == 0
                                ? text + key
                                : text.left(box->selStart()) + key + text.mid(box->selStart() + box->selLength());
    if (calculator::firstEntryBeginningWith(entryTexts(*List2[index]), wouldBe) < 0)
        keyAscii = 0;
}

void varnelThickness::text2_GotFocus(int)
{
    hideProcessList();
    setParameterPanel();
    showQualifiedRanges();
}

void varnelThickness::cmdProcess_Click(int index)
{
    ListView* list = List2[index];
    list->setVisible(!list->isVisible());
    if (list->isVisible()) {
        list->raise();
        list->setFocus();
    }
}

void varnelThickness::List2_KeyUp(int index, int keyCode, int)
{
    if (keyCode == keys::Enter || keyCode == keys::Space)
        takeProcessEntry(index);
}

void varnelThickness::List2_MouseUp(int index)
{
    if (List2[index]->selectedIndex() > 0)
        takeProcessEntry(index);
}

void varnelThickness::takeProcessEntry(int index)
{
    const ListView* list = List2[index];
    const int selected = list->selectedIndex();
    if (selected == 0 || list->isGhosted(selected))
        return;
    if (list->count() >= 1)
        text2[index]->setText(list->entryText(selected));
    text2[index]->setFocus();
}

void varnelThickness::hideProcessList() { List2[2]->hide(); }

void varnelThickness::txtBMthickness_LostFocus()
{
    // The focus has already moved when the box hears that it lost it.
    if (QApplication::focusWidget() != List2[2])
        hideProcessList();
}

}  // namespace varnel
