// The main window's paragraph search: the query for the chosen process, category and search
// words, the handlers that start it, and the switch between browsing by process and browsing
// every paragraph.

#include "browser/varnel_main.h"

#include "app/image_list.h"
#include "app/varnel_core.h"
#include "app/version.h"
#include "browser/paragraph_query.h"
#include "data/read_failures.h"
#include "data/required_tables.h"
#include "platform/ui/seams.h"
#include "platform/vb.h"

namespace varnel {

namespace {

SearchType searchTypeOf(const std::array<platform::ui::OptionButton*, 3>& options)
{
    if (options[0]->value())
        return SearchType::And;
    if (options[1]->value())
        return SearchType::Or;
    if (options[2]->value())
        return SearchType::Phrase;
    return SearchType::None;
}

}  // namespace

void varnelMain::performSearch()
{
    VarnelCore& core = varnelCore();
    ++searchCount_;
    platform::setPointer(platform::Pointer::Hourglass);
    ParagraphSearch search;
    search.processBox = Text1[2]->text();
    search.categoryBox = Text1[3]->text();
    search.byProcess = Check1->value() == 1;
    search.words = Text1[1]->text();
    search.type = searchTypeOf(Option1);
    search.newLayout = core.newLayout;

    bool said = false;  // why the list is empty, when it is not that nothing was found
    try {
        dao::Database& database = referenceDatabase();
        const QStringList columns = needsProcessColumns(search) ? tableColumns(database, QStringLiteral("Variables"))
                                                                : QStringList();
        // The list takes only each row's paragraph name, read in the same pass as the rows.
        core.searchRecordset = database.openRecordset(paragraphNamesQuery(search, columns));
        ListView1[2]->clearEntries();
        RichTextBox1->setText(QString());
        ListView1[2]->setEntries(paragraphNames(*core.searchRecordset), newImageList(1));
    } catch (const std::exception& error) {
        // A query the engine refuses lists nothing. Words that cannot be searched as written and
        // a damaged file are said as such, and not as nothing found.
        ListView1[2]->clearEntries();
        RichTextBox1->setText(QString());
        if (const QString unsearchable = unsearchableWordsText(error); !unsearchable.isEmpty()) {
            platform::messageBox(platform::MessageIcon::Exclamation, programTitle(), unsearchable);
            said = true;
        } else {
            said = sayReferenceDamage(error);
        }
    }
    if (core.searchRecordset) {
        core.searchRecordset->close();
        core.searchRecordset.reset();
    }

    if (ListView1[2]->count() > 0) {
        if (!typedChange_)
            ListView1[2]->setFocus();
        try {
            loadRule(ListView1[2]->entryText(1));
        } catch (const std::exception& error) {
            sayReferenceDamage(error);
        }
        Label1[4]->setCaption(QStringLiteral("1"));
    } else {
        if (!said)
            platform::messageBox(platform::MessageIcon::Information, QStringLiteral("No entry found"),
                                 QStringLiteral("No appropriate paragraphs were found."));
        Label1[4]->setCaption(QStringLiteral("0"));
        showNoParagraph();
    }
    platform::setPointer(platform::Pointer::Default);
}

void varnelMain::loadAvailableParagraphs() { performSearch(); }

void varnelMain::Check1_Click()
{
    try {
        Text1[2]->setText(QString());
        Text1[3]->setText(QString());
        const bool byProcess = Check1->value() == 1;
        for (QWidget* control : {static_cast<QWidget*>(Text1[2]), static_cast<QWidget*>(Text1[3]),
                                 static_cast<QWidget*>(Command2[2]), static_cast<QWidget*>(Command2[3])})
            control->setVisible(byProcess);
        if (!byProcess) {
            Text1[2]->setText(QString());
            Text1[3]->setText(QString());
            Frame1[3]->setCaption(QStringLiteral("ASME IX Paragraphs:"));
            Label1[3]->setCaption(QStringLiteral("Paragraph:"));
            fillVariableList();
        } else {
            Frame1[3]->setCaption(QStringLiteral("Applicable Variables:"));
            Label1[3]->setCaption(QStringLiteral("Variable:"));
            Label1[6]->setCaption(QStringLiteral("n/a"));
            Frame1[4]->setCaption(QStringLiteral("Paragraph/Variable"));
            if (!Text1[1]->text().isEmpty()) {
                loadAvailableParagraphs();
            } else {
                ListView1[2]->clearEntries();
                RichTextBox1->setText(QString());
            }
        }
    } catch (const std::exception& error) {
        // A failed listing leaves the lists as far as they got.
        sayReferenceDamage(error);
    }
    Form_Resize();
}

void varnelMain::Command1_Click(int index)
{
    if (index == 0) {
        hideDropDownLists();
        close();
        return;
    }
    if (!Text1[1]->text().isEmpty()) {
        performSearch();
    } else {
        platform::messageBox(platform::MessageIcon::Exclamation, programTitle(),
                             QStringLiteral("There is nothing to search for.  Type something in the Text search box and try again. "));
    }
    hideDropDownLists();
}

void varnelMain::Option1_Click(int)
{
    if (!Text1[1]->text().isEmpty())
        performSearch();
}

void varnelMain::Text1_KeyUp(int index, int keyCode, int)
{
    // An empty search box runs no search, whichever key ends the entry.
    if (index == 1 && (keyCode == platform::ui::keys::Tab || keyCode == platform::ui::keys::Enter)
        && !Text1[1]->text().isEmpty())
        performSearch();
}

}  // namespace varnel
