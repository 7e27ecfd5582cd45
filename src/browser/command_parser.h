#pragma once
// The grammar of the commands other programs hand the main window: free text in which a process
// abbreviation, a category key, a paragraph token and the words SHOW and CLOSE are recognised,
// each case-sensitively.

#include <QString>
#include <QStringList>

namespace varnel {

// A category key of a command and what it selects.
struct CategoryKey {
    const char* key;      // as written in the command, after a blank
    const char* ending;   // appended to the abbreviation in the category box
    bool takesSuffix;     // " for Groove/Fillet welds" follows for processes that are not special
    const char* word;     // the category as the banner names it
};

struct ParsedCommand {
    QString abbreviation;                    // empty: the command names no listed process
    const CategoryKey* category = nullptr;   // the last key found, in key order
    QString paragraph;                       // the token that begins "QW-", or empty
    bool show = false;
    bool close = false;                      // never together with show
};

// `processEntries` are the texts of the process list, each beginning with its abbreviation and a
// blank. An abbreviation counts only as a whole word of the command outside its paragraph token
// (a word ends at any character that is no letter or digit: a blank, a tab, a comma, a
// parenthesis), so OFW does not also name FW; of several named, the last in list order wins. A
// category key counts after any character that is no letter or digit, as after its blank.
ParsedCommand parseCommand(const QString& command, const QStringList& processEntries);

}  // namespace varnel
