#pragma once
// What a window reads of a database, checked when the database opens: a file that lacks a table
// or a column the window reads is said at once, by file and by what it lacks, rather than reading
// later as a file that holds nothing.

#include <QString>
#include <QStringList>
#include <vector>

namespace dao {
class Database;
}

namespace varnel {

struct RequiredTable {
    QString table;
    QStringList columns;
    QString owner;  // what the table belongs to, said after it ("section 'Section IX'"); may be empty
};

// The column names of a table in table order, without reading its rows.
QStringList tableColumns(dao::Database& database, const QString& table);

// Raises the engine's error for the first table or column the database lacks, in words that name
// the file and what it lacks: "The database '/data/qel0709.mdb' lacks table Variables." (3078),
// "... lacks column SORTKEY of table Processes." (3265). Letter case does not count.
void requireTables(dao::Database& database, const std::vector<RequiredTable>& tables);

}  // namespace varnel
