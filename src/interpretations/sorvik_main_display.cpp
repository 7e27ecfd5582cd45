// The interpretations window's display: one interpretation's text with its header words in dark
// blue and the search words in red, its number and volume, and the steps through the results.

#include "interpretations/sorvik_main.h"

#include "interpretations/interpretation_rules.h"
#include "interpretations/sorvik_core.h"
#include "platform/ui/seams.h"
#include "platform/vb.h"

#include <optional>

namespace varnel {

using platform::ui::ListView;

namespace {

const QColor textColour(0, 0, 0);
const QColor headerColour(0, 0, 0x80);
const QColor hitColour(0xFF, 0, 0);

struct InterpretationRow {
    QString text;
    QString volume;
};

// The interpretation `number` of `table`; nothing when the table has no such row or the query is
// refused (a table the file lacks). A damaged file raises its error.
std::optional<InterpretationRow> readInterpretation(const QString& table, const QString& number)
{
    try {
        auto rows = sorvikCore().openRecordset(interpretationRowQuery(table, number));
        if (rows->eof())
            return std::nullopt;
        InterpretationRow row{rows->field(QStringLiteral("inter_text")).toString(),
                              rows->field(QStringLiteral("vol")).toString()};
        rows->close();
        return row;
    } catch (const std::exception& error) {
        if (dao::meansUnreadableFile(error))
            throw;
        return std::nullopt;
    }
}

// The section ("08") whose table holds an interpretation the paragraph index of `sectionTable`
// names; empty when the index does not name it or the query is refused. A damaged file raises
// its error.
QString indexedSection(const QString& sectionTable, const QString& number)
{
    try {
        auto rows = sorvikCore().openRecordset(interpretationRowQuery(indexTableName(sectionTable), number));
        const QString section = rows->eof() ? QString() : rows->field(QStringLiteral("section")).toString();
        rows->close();
        return section;
    } catch (const std::exception& error) {
        if (dao::meansUnreadableFile(error))
            throw;
        return {};
    }
}

}  // namespace

void sorvikMain::loadInterpretation(const QString& number)
{
    const SorvikCore& core = sorvikCore();
    RichTextBox1->hide();
    RichTextBox1->setSel(0, 0);
    RichTextBox1->setSelColor(textColour);

    // The section's own table, else the table the section's paragraph index points to, when the
    // window lists that section. A damaged file is said, and its text is not shown as empty
    // without a word.
    std::optional<InterpretationRow> shown;
    try {
        shown = readInterpretation(core.currentSectionTable, number);
        if (!shown) {
            const QString section = indexedSection(core.currentSectionTable, number);
            const QString table = QStringLiteral("INT") + section;
            if (!section.isEmpty())
                shown = readInterpretation(table, number);
            if (shown && core.sectionRowOfTable(table) == 0) {
                platform::messageBox(platform::MessageIcon::Information, QStringLiteral("Interpretation not present"),
                                     QStringLiteral("The interpretation you have selected references a section which "
                                                    "you do not have access to."));
                shown.reset();
            }
        }
        unreadNumber_.clear();
    } catch (const std::exception& error) {
        reportDamage(error);
        unreadNumber_ = number;
    }
    {
        // The text, its header words and its hits go in as one edit, laid out once.
        const platform::ui::RichTextBox::OneEdit edit(*RichTextBox1);
        if (shown) {
            formatText(shown->text);
            Label1[2]->setCaption(shown->volume);
        } else {
            RichTextBox1->setText(QString());
            Label1[2]->setCaption(QString());
        }
        Label1[0]->setCaption(vb::Trim(number));
        markUpText();
    }
    RichTextBox1->show();
    setUpNavigationButtons();
}

void sorvikMain::formatText(const QString& text)
{
    // A fresh plain text in the box's own font and text colour (black on a light palette).
    RichTextBox1->setText(text);
    int caret = 0;
    for (const auto& [start, length] : headerWordRanges(RichTextBox1->text())) {
        RichTextBox1->setSel(start, length);
        RichTextBox1->setSelColor(headerColour);
        RichTextBox1->setSel(start, 0);
        caret = start;
    }
    RichTextBox1->setSelColor(textColour);
    RichTextBox1->setSel(caret, 0);
}

void sorvikMain::markUpText()
{
    if (Text1[1]->text().isEmpty() || RichTextBox1->text().isEmpty())
        return;
    // The words are coloured in one edit of the text, laid out once for all of them.
    const platform::ui::RichTextBox::OneEdit edit(*RichTextBox1);
    for (const QString& word : searchWords(Text1[1]->text(), searchOption()))
        scanText(word);
}

void sorvikMain::scanText(const QString& word)
{
    if (word.isEmpty())
        return;
    // Every occurrence, found with the box's own search, is coloured in one edit of the text.
    RichTextBox1->colourOccurrences(word, hitColour);
    RichTextBox1->setSelColor(textColour);
    RichTextBox1->setSel(0, 0);
}

void sorvikMain::setUpNavigationButtons()
{
    const NavigationStates on = navigationStates(ListView1[2]->count(), ListView1[2]->selectedIndex());
    const bool states[4] = {on.first, on.previous, on.next, on.last};
    for (int i = 0; i < 4; ++i) {
        Command4[i]->setEnabled(states[i]);
        Label1[7 + i]->setEnabled(states[i]);
    }
}

void sorvikMain::showResultRow(const QString& selected)
{
    ListView* results = ListView1[2];
    const bool noticePair = startsWithNoticePair(results->count(), results->entryText(2));
    const QString key = noticePair && selected == separatorRow ? results->entryText(1) : selected;
    const int offset = positionOffset(results->count(), results->entryText(2));
    Label1[4]->setCaption(positionCaption(results->selectedIndex(), offset));
    loadInterpretation(key);
}

void sorvikMain::Command4_Click(int index)
{
    ListView* results = ListView1[2];
    const int selected = results->selectedIndex();
    // A step from no row, or to a row that does not exist, leaves the selection as it is.
    int target = 0;
    switch (index) {
    case 0: target = 1; break;
    case 1: target = selected > 0 ? selected - 1 : 0; break;
    case 2: target = selected > 0 ? selected + 1 : 0; break;
    case 3: target = results->count(); break;
    default: break;
    }
    results->selectIndex(target);
    showResultRow(results->selectedText());
}

void sorvikMain::ListView1_ItemClick(int index)
{
    if (index != 2)
        return;
    const QString key = ListView1[2]->selectedText();
    // The interpretation on show is not loaded again, but its row is now the selected one.
    if (key == Label1[0]->caption()) {
        setUpNavigationButtons();
        return;
    }
    showResultRow(key);
}

}  // namespace varnel
