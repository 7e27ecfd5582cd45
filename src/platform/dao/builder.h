#pragma once
// Builds a database file from SQL text (SQLite's own SQL: CREATE TABLE, INSERT), optionally
// protected by a password (password.h). The file is written under a temporary name beside the
// target and renamed at the end, so a failed build leaves no half-built file and an older
// target stays as it was. The build-time tool and the tests' fixtures use it; the program never
// does.

#include <QString>
#include <stdexcept>
#include <vector>

struct sqlite3;

namespace dao {

struct SqlSource {
    QString name;  // shown in messages, usually the file's path
    QString text;
};

class BuildError : public std::runtime_error {
public:
    explicit BuildError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Writes the indexes that the windows' queries read through into a finished database: for the
// paragraph table [Variables], one over [order] and [variable], and one over the same for the
// rows of each Boolean column (a process and category) that is true ([variable] in them in the
// order of its bytes, the same for the program and the sqlite3 tool); then the statistics that
// let SQLite choose them. A file without them answers every query the same, only slower; a file
// without that table or those columns gets none. Writing them again changes nothing. Raises
// BuildError.
void writeQueryIndexes(sqlite3* db);

// Protects a database being built with a password: the password table with a new salt and the
// digest (password.h). Raises BuildError.
void writePassword(sqlite3* db, const QString& password);

// Raises BuildError naming the source and the line of a failing statement. A file whose index
// orders a column without regard to case (COLLATE NOCASE) that holds text beyond ASCII is refused
// too: the program orders such text by every letter, the plain sqlite3 tool by ASCII letters only,
// so the index could be in order for one of them alone (jet_text.h).
void buildDatabase(const QString& outPath, const std::vector<SqlSource>& sources, const QString& password = {});

}  // namespace dao
