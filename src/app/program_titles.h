#pragma once
// How the window titles of the programs of the family begin: the program's name and two blanks
// (a dash for the filler-metal program). The main window finds a running sibling by this
// beginning, so every title a program's window carries begins with it.

#include <QString>

namespace varnel {

inline const QString varnelTitlePrefix = QStringLiteral("Varnel  ");
inline const QString sorvikTitlePrefix = QStringLiteral("Sorvik  ");
inline const QString daltremTitlePrefix = QStringLiteral("Daltrem - ");

}  // namespace varnel
