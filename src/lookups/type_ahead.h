#pragma once
// The completion rule and the height rule of the lookup windows' drop-down pick lists.

#include "platform/ui/controls.h"

#include <QString>
#include <QStringList>

namespace varnel {

// The first entry (1-based, in list order) at least as long as `typed` whose beginning equals
// `typed` when both are compared in lower case; 0 when none. An empty `typed` gives the first entry.
int completionEntry(const platform::ui::ListView& list, const QString& typed);

// Height of a pick list of n entries, in twips: ten rows at most, one row when empty.
int pickListHeight(int entries);

// Sets the list's height by pickListHeight of its entry count.
void sizePickList(platform::ui::ListView& list);

// The small arrow button that drops a pick list.
platform::ui::CommandButton* newArrowButton(QWidget* parent);

// Adds entries at the end of a pick list at once, each with the icon.
void appendPickEntries(platform::ui::ListView& list, const QStringList& texts, const QIcon& icon);

}  // namespace varnel
