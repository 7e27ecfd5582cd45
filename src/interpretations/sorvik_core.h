#pragma once
// The state of the interpretations browser that outlives its window: the open interpretations
// database, where it lies, the Code sections it offers and the section on show. It exists once
// per process; the window rebuilds or overwrites it at every opening.

#include "platform/dao/dao.h"
#include "platform/ui/once_per_doing.h"

#include <QString>
#include <memory>
#include <vector>

namespace varnel {

// One row of AuthorizedTablesTab.
struct SectionRow {
    QString title;      // UsertableName: "Section IX - Welding and Brazing Qualifications"
    QString tableName;  // dbtableName: "INT09"
};

struct SorvikCore {
    bool initialized = false;                                // the window's once-per-run start is done
    std::unique_ptr<dao::Database> interpretationsDatabase;  // open while the window is open
    QString interpretationsDataPath;                         // full file name of the database
    // The sections in table order; row k (counted from 1) is sectionTable[k - 1].
    std::vector<SectionRow> sectionTable;
    QString currentSectionTable;                             // table name of the section on show
    // The row offset of the section shown first at an opening: that section is row
    // currentSectionIndex + 1. A start string's section choice moves it to that section's row.
    int currentSectionIndex = 8;
    platform::ui::OncePerDoing damageSaid;                   // a damaged database said

    // Closes the database when it is open; whatever the close reports, the handle is gone after.
    void closeDatabase();
    // A snapshot of Jet SQL on the open database; dao::Error 91 when none is open.
    std::unique_ptr<dao::Recordset> openRecordset(const QString& sql) const;
    int sectionTableCount() const { return static_cast<int>(sectionTable.size()); }
    // The row with that table name, compared exactly; the last of several; 0 when none.
    int sectionRowOfTable(const QString& tableName) const;
    // The title of row k (from 1); empty for a row that does not exist.
    QString sectionTitle(int row) const;
};

SorvikCore& sorvikCore();
// Back to the state of a new process (tests). Closes an open database.
void resetSorvikCore();

// The notice record of an interpretation table and the row that follows it in the lists.
inline const QString noticeNumber = QStringLiteral("  Sorvik Notice");
inline const QString separatorRow = QStringLiteral("    ******************");

}  // namespace varnel
