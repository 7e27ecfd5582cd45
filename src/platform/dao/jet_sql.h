#pragma once
// Translation of the Jet SQL that the windows write into SQLite SQL, token by token:
// - [bracketed names] (blanks, hyphens, keywords allowed) and plain names become "quoted" names;
// - "double-quoted" and 'single-quoted' literals become SQLite string literals that compare
//   without regard to case (COLLATE NOCASE, which the connection makes ignore the case of every
//   letter, jet_text.h);
// - TRUE and FALSE become -1 and 0, as the engine stores Booleans;
// - & joins texts, a Null side counting as the empty text;
// - a query without ORDER BY returns rows in the order they were stored, and rows that its ORDER
//   BY finds alike keep that order: a query of one table (without DISTINCT or Max) is ordered by
//   rowid after its own ORDER BY and may use the table's indexes; any other (or one of a table
//   without usable rowids) reads its tables without an index, which SQLite does in stored order;
// - chains of AND or OR too long for SQLite's expression depth are regrouped in parentheses;
// - in the outer WHERE clause, terms joined by a top-level AND that scan texts (LIKE) or run a
//   subquery are moved behind the others, as SQLite tests the terms in the order written;
// - the keywords SELECT DISTINCT FROM WHERE AND OR NOT LIKE IN IS NULL BETWEEN ORDER BY ASC DESC AS
//   pass through, and so does the function Max; another function raises 3085.
// LIKE itself needs no rewriting: jet_like.h replaces SQLite's like().
// Malformed text (an open literal or bracket, an unknown character, unbalanced parentheses)
// raises dao::Error 3075 naming the text.

#include <QString>
#include <QStringList>
#include <functional>

namespace dao::jet {

// A whole SELECT statement.
struct Query {
    QString sql;  // SQLite text
    // For a query of whole rows of one table ("SELECT * FROM t ...", without DISTINCT or Max, and
    // ordered by no column number): the table as written, and the same query selecting only the
    // rowids of its rows, in the same order. Empty for any other query.
    QString table;
    QString rowids;
};
// `hasRowids` tells whether a table of the file has rowids to keep the stored order by; without
// it every table is taken to have them. `isUnique` tells whether a column of a table holds no two
// equal values; a query ordered by such a column alone needs no stored order for its ties.
Query translateStatement(const QString& jet, const std::function<bool(const QString& table)>& hasRowids = {},
                         const std::function<bool(const QString& table, const QString& column)>& isUnique = {});

struct Criterion {
    QString expression;  // SQLite expression
    QStringList names;   // every name it uses, as written, in order of first use
};
// A WHERE expression on its own, as FindFirst and FindNext take it.
Criterion translateCriterion(const QString& jet);

// A name as a quoted SQLite identifier.
QString quoteName(const QString& name);

}  // namespace dao::jet
