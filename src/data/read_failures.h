#pragma once
// What the windows say when a read fails for a reason the person must know, where they would
// otherwise answer as if the data were there and held nothing: a database file that is damaged
// or can no longer be read, and search words that the engine cannot take as written.

#include "platform/ui/once_per_doing.h"

#include <QString>
#include <exception>

namespace varnel {

// Says in a critical box titled `title` that the `kind` ("reference database") `file` is damaged
// or can no longer be read, with the engine's reason, when `error` means so; `once` keeps it to
// one box for all the reads of one doing of the person that meet the same damage. True when
// `error` means so, whether the box came now or already came for this doing.
bool sayDamage(const std::exception& error, platform::ui::OncePerDoing& once, const QString& title, const QString& kind,
               const QString& file);

// The same for the open reference database, titled with the program's name; also when `error`
// says that no reference database is open (referenceDatabase(), app/varnel_core.h), which is
// said in the same way rather than answered as if the database held nothing.
bool sayReferenceDamage(const std::exception& error);

// What a window shows in place of results that a damaged database kept from it.
inline const QString unreadableDatabaseText = QStringLiteral("The database is damaged or can no longer be read.");
// The same for whatever sayReferenceDamage says: the damage, or that no database is open.
QString unreadableReferenceText(const std::exception& error);

// What a window says in place of its results when `error` says that the search words cannot be
// taken as written ("The words cannot be searched as written: ..."); empty for any other error.
QString unsearchableWordsText(const std::exception& error);

}  // namespace varnel
