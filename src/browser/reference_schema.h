#pragma once
// The tables and columns of a reference database that the main window reads on every use: the
// process list with its categories from [Processes] and the paragraphs from [Variables]. A file
// that lacks one of them cannot be shown; the other tables belong to windows that cope without
// them.

namespace dao {
class Database;
}

namespace varnel {

// Raises the engine's error for the first table or column the database lacks, in words that name
// the file and what it lacks ("lacks table Variables", "lacks column SORTKEY of table Processes").
// The category columns are those of the layout the file's name selects.
void checkReferenceTables(dao::Database& database, bool newLayout);

}  // namespace varnel
