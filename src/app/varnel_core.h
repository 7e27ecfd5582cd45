#pragma once
// The state every window of the program shares. It exists once per process; strings start
// empty, flags false, handles empty, and nothing of it is saved at exit.

#include "platform/dao/dao.h"
#include "platform/ui/once_per_doing.h"

#include <QString>
#include <memory>

namespace varnel {

struct VarnelCore {
    dao::Workspace* mainWorkspace = nullptr;          // the engine's default workspace
    std::unique_ptr<dao::Database> mainDatabase;      // the open reference database
    std::unique_ptr<dao::Recordset> searchRecordset;  // the paragraph search of the main window
    short sectionCount = 0;                           // File > Open entries for database files
    QString dataPath;                                 // directory of the reference database files
    QString defaultFile;                              // file name of the current reference database
    bool firstActivation = false;
    bool newLayout = false;                           // the open database uses the newer columns
    QString lookupKey;                                // paragraph or term for the next window
    QString pictureKey;                               // figure ids for the figure viewer
    QString interpretationQuery;                      // start string for the interpretations window
    bool commandLineTaken = false;
    QString dataPathKey;                              // settings key that holds dataPath
    QString defaultFileKey;                           // settings key that holds defaultFile
    platform::ui::OncePerDoing damageSaid;            // a damaged reference database said
};

VarnelCore& varnelCore();
// Back to the state of a new process (tests).
void resetVarnelCore();

// The open reference database. Without one it raises the engine's error 91 with the words that a
// window says in place of its answer (sayReferenceDamage, data/read_failures.h).
dao::Database& referenceDatabase();
inline const QString noReferenceDatabaseText =
    QStringLiteral("No reference database is open. Open an edition with File > Open or File > Import.");

// The empty text for a database Null, else the value's text.
QString nullToEmpty(const dao::Value& value);

}  // namespace varnel
