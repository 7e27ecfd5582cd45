// The interpretations window's search: by paragraph through the section's paragraph index, by
// words of the interpretation texts, or both, with the hits listed and the first one shown.

#include "interpretations/sorvik_main.h"

#include "app/image_list.h"
#include "data/read_failures.h"
#include "interpretations/sorvik_core.h"
#include "platform/ui/seams.h"

namespace varnel {

using platform::ui::ListView;

SearchOption sorvikMain::searchOption() const
{
    if (Option1[1]->value())
        return SearchOption::Or;
    if (Option1[2]->value())
        return SearchOption::Phrase;
    return SearchOption::And;
}

bool sorvikMain::fillResultsList(dao::Recordset* rows)
{
    ListView* results = ListView1[2];
    results->clearEntries();
    if (!rows)
        return false;
    bool noticeSeen = false;
    results->setUpdatesEnabled(false);
    try {
        const QIcon interpretation = newImageList(1);
        const QIcon notice = newImageList(2);
        for (; !rows->eof(); rows->moveNext()) {
            const QString number = rows->field(QStringLiteral("INTER_STR")).toString();
            if (number == noticeNumber) {
                results->addEntry(number, notice);
                results->addEntry(separatorRow);
                noticeSeen = true;
            } else {
                results->addEntry(number, interpretation);
            }
        }
        rows->close();
    } catch (const std::exception& error) {
        reportDamage(error);
        // The rows read so far stay listed.
    }
    results->setUpdatesEnabled(true);
    return noticeSeen;
}

void sorvikMain::performSearch()
{
    SorvikCore& core = sorvikCore();
    platform::setPointer(platform::Pointer::Hourglass);
    InterpretationSearch search;
    search.sectionTable = core.currentSectionTable;
    search.paragraph = Text1[0]->text();
    search.words = Text1[1]->text();
    search.option = searchOption();

    // A query the engine refuses (no section) finds nothing. Words that cannot be searched as
    // written and a damaged file are said as such, and not as nothing found.
    readDamaged_ = false;
    bool unsearchable = false;
    std::unique_ptr<dao::Recordset> rows;
    try {
        rows = core.openRecordset(interpretationSearchQuery(search));
    } catch (const std::exception& error) {
        if (const QString why = unsearchableWordsText(error); !why.isEmpty()) {
            platform::messageBox(platform::MessageIcon::Exclamation, QStringLiteral("Sorvik"), why);
            unsearchable = true;
        } else {
            reportDamage(error);
        }
    }
    const bool noticeSeen = fillResultsList(rows.get());
    RichTextBox1->setText(QString());
    unreadNumber_.clear();

    const int count = ListView1[2]->count();
    if (count > 0) {
        try {
            loadInterpretation(ListView1[2]->entryText(1));
        } catch (const std::exception&) {
            // The list stays; the display says its own failures.
        }
        Label1[4]->setCaption(QStringLiteral("1"));
    } else {
        if (!readDamaged_ && !unsearchable)
            platform::messageBox(platform::MessageIcon::Information, QStringLiteral("No entry found"),
                                 QStringLiteral("No appropriate interpretations were found."));
        Label1[4]->setCaption(QStringLiteral("0"));
    }
    Label1[6]->setCaption(QString::number(count - (noticeSeen ? 2 : 0)));
    platform::setPointer(platform::Pointer::Default);
}

void sorvikMain::Command3_Click() { performSearch(); }

void sorvikMain::Option1_Click(int)
{
    if (!Text1[1]->text().isEmpty())
        performSearch();
}

}  // namespace varnel
