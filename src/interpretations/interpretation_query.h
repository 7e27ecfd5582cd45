#pragma once
// The Jet SQL of the interpretations browser, built without a window: the listing of a section,
// its paragraph index, one interpretation, and the search by paragraph and by words.
//
// Every text from a box or a row reaches the SQL through dao::literal; table names, which come
// from the database's own rows, go between brackets and are refused when they could end the
// bracket early. The Jet wildcards * ? # [ ] in a search word keep their pattern meaning.

#include <QString>
#include <QStringList>

namespace varnel {

enum class SearchOption { And, Or, Phrase };

// The text without its double quotes; the boxes never hold one.
QString validateText(const QString& text);

// "[INT09]". A name that is empty or holds a bracket raises dao::Error (syntax error).
QString bracketedTable(const QString& name);
// The paragraph index of a section table: "INX" and the table name from its fourth character on
// (INT09 gives INX09).
QString indexTableName(const QString& sectionTable);

// The interpretation numbers of a section, the notice record first.
QString sectionListQuery(const QString& sectionTable);
// The distinct paragraphs of a section's index, sorted.
QString paragraphListQuery(const QString& sectionTable);
// The rows of `table` (an interpretation table or an index) for one interpretation number,
// taken exactly as given (leading blanks included).
QString interpretationRowQuery(const QString& table, const QString& number);

// The words a search text stands for, which the search looks for and the display colours: "And"
// and "Or" take each run of characters between blanks (two blanks in a row or a blank at either
// end make no empty word), "Phrase" the whole text.
QStringList searchWords(const QString& text, SearchOption option);

struct InterpretationSearch {
    QString sectionTable;  // INT09
    QString paragraph;     // the paragraph box, compared for equality with the index
    QString words;         // the text-search box as typed
    SearchOption option = SearchOption::And;
};

// The distinct interpretation numbers that the paragraph index lists for the paragraph and whose
// text holds the words; without words every one listed for the paragraph, without a paragraph
// every one whose text holds the words, with neither every one the index names. Sorted by number.
QString interpretationSearchQuery(const InterpretationSearch& search);

}  // namespace varnel
