// The main window's paragraph display: one paragraph's text with its group, addenda mark and
// position, the search words coloured red, and the navigation through the paragraph list.

#include "browser/varnel_main.h"

#include "app/varnel_core.h"
#include "app/window_openers.h"
#include "browser/paragraph_query.h"
#include "data/read_failures.h"
#include "platform/vb.h"

#include <optional>

namespace varnel {

void varnelMain::loadRule(const QString& name)
{
    VarnelCore& core = varnelCore();
    const QString group = variableGroup(name);
    const bool isVariable = !group.isEmpty();
    Command5->setEnabled(isVariable);
    Label1[2]->setEnabled(isVariable);

    std::optional<ParagraphRow> row;
    try {
        row = readParagraph(name);
    } catch (const std::exception& error) {
        if (!sayReferenceDamage(error))
            throw;
        // What the file no longer gives is not shown as this paragraph's: the text goes.
        RichTextBox1->setText(QString());
        Label1[0]->setCaption(QString());
        return;
    }
    // The text and the colours of its search words are laid out once, when both are in.
    std::optional<platform::ui::RichTextBox::OneEdit> oneLayout;
    const bool found = row.has_value();
    if (found) {
        for (QWidget* control : {static_cast<QWidget*>(Command3), static_cast<QWidget*>(Command5),
                                 static_cast<QWidget*>(Label1[1]), static_cast<QWidget*>(Label1[2])})
            control->show();
        oneLayout.emplace(*RichTextBox1);
        RichTextBox1->setText(row->text);
    }
    Label1[0]->setCaption(QString());
    if (found)
        Label1[0]->setCaption(addendaMark(row->addenda));
    if (!found)
        return;  // the text shown stays as it was

    if (ListView1[2]->count() > 0) {
        // The selection moves first, so that the position describes the paragraph shown.
        if (const int entry = ListView1[2]->findWholeWordPrefix(name); entry > 0)
            ListView1[2]->selectIndex(entry);
        const int selected = ListView1[2]->selectedIndex();
        Label1[4]->setCaption(selected > 0 ? QString::number(selected) : QStringLiteral("n/a"));
        Frame1[4]->setCaption(isVariable ? group + QStringLiteral(": ") + name : QStringLiteral("Paragraph: ") + name);
    } else {
        RichTextBox1->setText(QString());
        fillVariableList();
    }
    markUpText();
    oneLayout.reset();
    Label1[6]->setCaption(QString::number(ListView1[2]->count()));
    setUpNavigationButtons();

    const QString term = definitionsTerm(name);
    if (!term.isEmpty()) {
        core.lookupKey = term;
        openWindow(windowOpeners().definitions);
    }
}

std::optional<varnelMain::ParagraphRow> varnelMain::readParagraph(const QString& name) const
{
    auto paragraph = referenceDatabase().openRecordset(QStringLiteral("SELECT * FROM [Variables] WHERE [variable] = ")
                                                      + dao::literal(name));
    std::optional<ParagraphRow> row;
    if (!paragraph->eof())
        row = ParagraphRow{nullToEmpty(paragraph->field(QStringLiteral("var_text"))),
                           nullToEmpty(paragraph->field(QStringLiteral("ADDENDA")))};
    paragraph->close();
    return row;
}

void varnelMain::showNoParagraph()
{
    // The labels that described the last paragraph shown say that none is shown now.
    Label1[0]->setCaption(QString());
    Label1[6]->setCaption(QStringLiteral("n/a"));
    Frame1[4]->setCaption(QStringLiteral("Paragraph/Variable"));
}

void varnelMain::markUpText()
{
    if (Text1[1]->text().isEmpty() || RichTextBox1->text().isEmpty())
        return;
    SearchType type = SearchType::None;
    if (Option1[0]->value())
        type = SearchType::And;
    else if (Option1[1]->value())
        type = SearchType::Or;
    else if (Option1[2]->value())
        type = SearchType::Phrase;
    // The words are coloured in one edit of the text, laid out once for all of them.
    const platform::ui::RichTextBox::OneEdit edit(*RichTextBox1);
    for (const QString& word : searchWords(Text1[1]->text(), type))
        scanText(word);
}

void varnelMain::scanText(const QString& word)
{
    // Every occurrence, found with the box's own search, is coloured in one edit of the text.
    RichTextBox1->colourOccurrences(word, QColor(255, 0, 0));
    RichTextBox1->setSelColor(Qt::black);
    RichTextBox1->setSel(0, 0);
}

void varnelMain::Label1_Change(int index)
{
    if (index == 0)
        Label1[0]->setVisible(!Label1[0]->caption().isEmpty());
}

void varnelMain::Command4_Click(int index)
{
    hideDropDownLists();
    const int count = ListView1[2]->count();
    const int selected = ListView1[2]->selectedIndex();
    int target = 0;
    switch (index) {
    case 0: target = 1; break;
    case 1: target = selected > 0 ? selected - 1 : 0; break;
    case 2: target = selected > 0 ? selected + 1 : 0; break;
    case 3: target = count; break;
    default: break;
    }
    if (target >= 1 && target <= count)
        ListView1[2]->selectIndex(target);
    const int now = ListView1[2]->selectedIndex();
    Label1[4]->setCaption(now >= 1 ? QString::number(now) : QStringLiteral("n/a"));
    try {
        if (now >= 1)
            loadRule(ListView1[2]->selectedText());
    } catch (const std::exception& error) {
        // Without a database there is nothing to show.
        sayReferenceDamage(error);
    }
}

void varnelMain::setUpNavigationButtons()
{
    const int count = ListView1[2]->count();
    const int selected = ListView1[2]->selectedIndex();
    bool first = false, previous = false, next = false, last = false;
    if (count == 0) {
        // all off
    } else if (selected == 0) {
        first = last = true;
    } else if (count == 1) {
        // the only entry selected: all off
    } else if (selected == count) {
        first = previous = true;
    } else if (selected == 1) {
        next = last = true;
    } else {
        first = previous = next = last = true;
    }
    const bool on[4] = {first, previous, next, last};
    for (int i = 0; i < 4; ++i) {
        Command4[i]->setEnabled(on[i]);
        Label1[7 + i]->setEnabled(on[i]);
    }
}

void varnelMain::ListView1_Show()
{
    try {
        if (ListView1[2]->selectedIndex() > 0)
            loadRule(ListView1[2]->selectedText());
    } catch (const std::exception& error) {
        // Without a database there is nothing to show.
        sayReferenceDamage(error);
    }
}

}  // namespace varnel
