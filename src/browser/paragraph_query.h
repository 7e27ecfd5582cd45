#pragma once
// The rules of the paragraph browser that need no window: the texts of the process and category
// entries, the category a category entry stands for, the Jet SQL of the paragraph search, the
// variable group and addenda mark of a paragraph, and where the search words stand in a text.

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace dao {
class Recordset;
}

namespace varnel {

// "SMAW  -  Shielded Metal Arc Welding" from the trimmed abbreviation and full name.
QString processEntryText(const QString& abbreviation, const QString& fullName);

struct CategoryColumn {
    QString column;       // the [Processes] Boolean: ESS, NON, SUP, HFO_ESS, ...
    QString longSuffix;   // "  -  Essential Variables for Groove/Fillet welds"
    QString shortSuffix;  // "  -  Essential Variables" (special processes)
};

// The category columns of a layout, in the order of the category list.
const std::vector<CategoryColumn>& categoryColumns(bool newLayout);
QString categorySuffix(const CategoryColumn& category, bool specialProcess);

// The category code a category entry stands for (ESS, HFO_NON, ...); the phrases are tested in a
// fixed order and a later match replaces an earlier one. Empty when no phrase matches.
QString categoryCode(const QString& categoryText, bool newLayout);

enum class SearchType { And, Or, Phrase, None };

struct ParagraphSearch {
    QString processBox;      // Text1(2)
    QString categoryBox;     // Text1(3)
    bool byProcess = true;   // Check1 ticked
    QString words;           // Text1(1)
    SearchType type = SearchType::And;
    bool newLayout = true;
};

// True when the query needs the column names of [Variables] (a process without a category).
bool needsProcessColumns(const ParagraphSearch& search);

// The Jet SQL of the paragraph search. `variablesColumns` are the column names of [Variables] in
// table order (needed only when needsProcessColumns). Every search word reaches the SQL through
// the safe-literal helper; the Jet wildcards * ? # [ ] in a word keep their meaning.
QString paragraphQuery(const ParagraphSearch& search, const QStringList& variablesColumns);
// The same query reading only the field `variable`, all that the paragraph list takes from a row:
// the same rows in the same order, without reading each row whole.
QString paragraphNamesQuery(const ParagraphSearch& search, const QStringList& variablesColumns);
// Every paragraph's `variable` in [order], for browsing without a process.
QString allParagraphNamesQuery();
// The first field of every row from the current one on, as text (Null as the empty text): the
// entries of the paragraph list, read in one pass.
QStringList paragraphNames(dao::Recordset& rows);

// The LIKE condition of one word: " [var_text] LIKE "*word*"".
QString likeCondition(const QString& word);

// "Joints" for QW-402..., "Base Metals" for QW-403... ; empty when the paragraph is no variable.
QString variableGroup(const QString& paragraph);
// The singular names the command banner uses: "Joint", "Base Metal", ...
QString variableGroupSingular(const QString& paragraph);

// "'07 revised" for the addenda field 07r; empty for an empty field or an unknown last letter.
QString addendaMark(const QString& addenda);

// The definitions term a definitions paragraph hands to the glossary; empty for other paragraphs.
QString definitionsTerm(const QString& paragraph);

// The words a search text stands for, which the search looks for and the display colours: for
// "And" and "Or" each run of characters between blanks (so two blanks in a row or a blank at
// either end make no empty word), for "Phrase" the whole text.
QStringList searchWords(const QString& searchText, SearchType type);

// Where `word` stands in `text`, ignoring case, as (start, length) pairs; occurrences do not overlap.
std::vector<std::pair<int, int>> hitRanges(const QString& text, const QString& word);

}  // namespace varnel
