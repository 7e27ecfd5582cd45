#pragma once
// Which process and which qualification type the calculator works with: the abbreviation taken
// from a list entry, the membership test that the rules and the parameter panel use, and the type
// chosen when the window opens from the main window's variable category.

#include "calculator/calculator_state.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace varnel::calculator {

// The abbreviation at the start of a process or category entry ("SAW  -  Submerged Arc Welding"
// gives SAW): its first four characters, trimmed.
QString processAbbreviation(const QString& entryText);

// True when the abbreviation occurs in a blank-separated list as a run of characters (so one that
// is part of a longer listed abbreviation counts as listed). An empty abbreviation is in no list.
bool processInList(const QString& processAbbr, const QString& list);

// The query that lists the processes a type allows: those whose [Processes] column of the type
// is true, in their sort order.
QString processListQuery(QualificationType type);

// Height of the process pick list in twips: one row per entry, seven rows at the most.
int processListHeight(int entries);

// The first entry (0-based) that begins with `text`, ignoring case; -1 when none does. Every entry
// begins with the empty text.
int firstEntryBeginningWith(const QStringList& entries, const QString& text);

// The type options that opening the calculator clicks, in order (the last one stays selected),
// and whether it ticks "Impact testing requirements apply".
struct TypePreselection {
    std::vector<QualificationType> clicks;
    bool ticksImpactTesting = false;
};

// From the text of the main window's category box, for example
// "SMAW  -  Supplementary Essential Variables for Groove/Fillet welds".
TypePreselection preselectType(const QString& categoryText);

}  // namespace varnel::calculator
