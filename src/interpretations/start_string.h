#pragma once
// The start string the main window hands the interpretations browser: up to four keywords, each
// followed by its value, anywhere in the text and in any order. "SECT " names a section table,
// "PARA " a paragraph, "TEXT {" search words up to "}", "COND " the search option. Each keyword is
// also taken without its blank ("SECT", "TEXT{") when the form with the blank does not occur.

#include <QString>

namespace varnel {

struct StartString {
    QString section;    // SECT: a table name such as INT09
    QString paragraph;  // PARA
    QString text;       // TEXT: the words between the braces
    QString condition;  // COND: AND, OR or anything else (phrase)
};

// The values of the first occurrence of each keyword, trimmed of blanks; a keyword that is missing
// or has no closing delimiter gives an empty value.
StartString parseStartString(const QString& query);

// The number a section table name carries from its fourth character on, as decimal text without
// leading zeros ("9" for INT09); "0" when that part does not begin with a digit.
QString sectionNumberText(const QString& tableName);

}  // namespace varnel
