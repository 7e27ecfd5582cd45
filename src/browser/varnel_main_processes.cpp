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
    // The file openFile() opened takes the place of the open database only once it has listed
    // its processes: a file that cannot be used leaves the edition on show as it was.
    std::unique_ptr<dao::Database> database = std::move(openedFile_);
    if (!database)
        return false;  // databaseFailure_ says why it did not open
    QStringList processes;
    try {
        auto rs = database->openRecordset(QStringLiteral("SELECT * FROM [Processes] ORDER BY [SORTKEY]"));
        for (; !rs->eof(); rs->moveNext())
            processes << processEntryText(nullToEmpty(rs->field(QStringLiteral("ABBR"))),
                                          nullToEmpty(rs->field(QStringLiteral("FULLNAME"))));
        rs->close();
    } catch (const dao::Error& error) {
        databaseFailure_ = error.description();
        return false;
    } catch (const std::exception& error) {
        databaseFailure_ = QString::fromLocal8Bit(error.what());
        return false;
    }
    releaseDatabase();
    VarnelCore& core = varnelCore();
    core.mainDatabase = std::move(database);
    core.newLayout = isNewLayout(core.defaultFile);
    for (int i : {2, 3}) {
        List1[i]->clearEntries();
        Text1[i]->setText(QString());
    }
    ListView1[2]->clearEntries();
    // Nothing of the paragraph on show belongs to the database that comes now.
    RichTextBox1->setText(QString());
    Label1[4]->setCaption(QStringLiteral("n/a"));
    showNoParagraph();
    setUpNavigationButtons();
    for (const QString& process : processes)
        List1[2]->addEntry(process, newImageList(2));
    setListHeight(2);
    return true;
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
        auto process = referenceDatabase().openRecordset(
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
    ListView1[2]->clearEntries();
    auto paragraphs = referenceDatabase().openRecordset(allParagraphNamesQuery());
    ListView1[2]->setEntries(paragraphNames(*paragraphs), newImageList(1));
    paragraphs->close();
    ListView1[2]->setFocus();
    if (ListView1[2]->count() > 0)
        loadRule(ListView1[2]->entryText(1));
}

}  // namespace varnel
