// The main window's process and category lists, filled from the [Processes] table, and the list
// of every paragraph for browsing without a process.

#include "browser/varnel_main.h"

#include "app/image_list.h"
#include "app/varnel_core.h"
#include "browser/paragraph_query.h"
#include "data/read_failures.h"
#include "platform/vb.h"

namespace varnel {

bool varnelMain::initiateDatabase()
{
    VarnelCore& core = varnelCore();
    try {
        for (int i : {2, 3}) {
            List1[i]->clearEntries();
            Text1[i]->setText(QString());
        }
        ListView1[2]->clearEntries();
        // Nothing of the paragraph on show belongs to the database that comes now, or to none.
        RichTextBox1->setText(QString());
        Label1[4]->setCaption(QStringLiteral("n/a"));
        showNoParagraph();
        setUpNavigationButtons();
        if (!core.mainDatabase)
            throw dao::Error(dao::ObjectNotSet, QStringLiteral("No reference database is open."));
        auto processes = core.mainDatabase->openRecordset(QStringLiteral("SELECT * FROM [Processes] ORDER BY [SORTKEY]"));
        for (; !processes->eof(); processes->moveNext())
            List1[2]->addEntry(processEntryText(nullToEmpty(processes->field(QStringLiteral("ABBR"))),
                                                nullToEmpty(processes->field(QStringLiteral("FULLNAME")))),
                               newImageList(2));
        processes->close();
        setListHeight(2);
        return true;
    } catch (const dao::Error& error) {
        // Without an open database the failure to open it is the one to tell.
        if (core.mainDatabase)
            databaseFailure_ = error.description();
        return false;
    } catch (const std::exception& error) {
        if (core.mainDatabase)
            databaseFailure_ = QString::fromLocal8Bit(error.what());
        return false;
    }
}

void varnelMain::loadVariablesList()
{
    VarnelCore& core = varnelCore();
    try {
        ListView1[2]->clearEntries();
        List1[3]->clearEntries();
        Text1[3]->setText(QString());
        if (Text1[2]->text().size() < 5)
            return;
        const QString abbreviation = vb::Trim(vb::Left(Text1[2]->text(), 4));
        if (!core.mainDatabase)
            return;
        auto process = core.mainDatabase->openRecordset(
            QStringLiteral("SELECT * FROM [Processes] WHERE [ABBR] = ") + dao::literal(abbreviation)
            + QStringLiteral(" ORDER BY [SORTKEY]"));
        if (!process->eof()) {
            const bool special = specialProcesses.contains(abbreviation);
            for (const CategoryColumn& category : categoryColumns(core.newLayout)) {
                if (process->field(category.column).toBool())
                    List1[3]->addEntry(abbreviation + categorySuffix(category, special), newImageList(2));
            }
        }
        process->close();
        if (ListView1[2]->count() == 0) {
            RichTextBox1->setText(QString());
            Label1[4]->setCaption(QStringLiteral("n/a"));
            showNoParagraph();
        } else {
            loadRule(ListView1[2]->entryText(1));
        }
        setListHeight(3);
    } catch (const std::exception& error) {
        // Entries already added stay; a damaged file is said.
        sayReferenceDamage(error);
    }
}

void varnelMain::fillVariableList()
{
    VarnelCore& core = varnelCore();
    ListView1[2]->clearEntries();
    if (!core.mainDatabase)
        throw dao::Error(dao::ObjectNotSet, QStringLiteral("No reference database is open."));
    auto paragraphs = core.mainDatabase->openRecordset(allParagraphNamesQuery());
    ListView1[2]->setEntries(paragraphNames(*paragraphs), newImageList(1));
    paragraphs->close();
    ListView1[2]->setFocus();
    if (ListView1[2]->count() > 0)
        loadRule(ListView1[2]->entryText(1));
}

}  // namespace varnel
