#pragma once
// The tables and columns of an interpretations database that the interpretations window reads:
// the sections table, and for every section it lists, the section's interpretations and its
// paragraph index. A file that lacks one of them cannot be shown: a section without its tables
// would read as a section without interpretations.

namespace dao {
class Database;
}

namespace varnel {

// Raises the engine's error for the first table or column the database lacks, in words that name
// the file, what it lacks and the section it belongs to ("lacks table INT09 of section
// 'Section IX - ...'"). A damaged file raises its error while the sections table is read.
void checkInterpretationTables(dao::Database& database);

}  // namespace varnel
