#pragma once
// The database password: kept in the program only in scrambled form and unscrambled immediately
// before each opening. Both the reference and the interpretations databases use it.

#include "platform/dao/dao.h"

#include <QString>
#include <memory>

namespace varnel {

// Position-dependent scrambling: character i (from 1) is XORed with 255 - 2i. Applying it twice
// gives the text back. Inputs longer than 127 characters are outside its range.
QString unscrambleString(const QString& text);

// The connect string ";pwd=" followed by the unscrambled password.
QString databaseConnectString();

// Opens a database of the product in the default workspace, not exclusive, not read-only.
std::unique_ptr<dao::Database> openProductDatabase(const QString& path);

// The message for a database that refuses the program's password, in a box and on standard error.
void showIncorrectPassword();

}  // namespace varnel
