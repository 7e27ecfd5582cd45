#pragma once
// What a write-ahead log beside a database file ("<file>-wal") makes of the file. SQLite reads the
// pages that the log's committed transactions hold in place of the file's own, so a file whose
// log holds a change that was never written back reads differently with its log than alone. The
// program reads a file alone (SQLite would otherwise make a "-shm" file beside it, even for a
// reader), and so reads it only when the log would change nothing.

#include <QByteArray>
#include <QString>

namespace dao::detail {

enum class LogEffect {
    None,     // no log, an empty one, one SQLite ignores (not a log, or damaged from its first
              // frame on), or one whose committed pages are all the file's own
    Changes,  // the log commits pages or a length that differ from the file's
    Unknown,  // a log of a format version SQLite does not read either, or one that cannot be read
};

// What the log at `logPath` makes of the database file `database`, whose first 100 bytes are
// `header`.
LogEffect effectOfLog(const QString& logPath, const QString& database, const QByteArray& header);

}  // namespace dao::detail
