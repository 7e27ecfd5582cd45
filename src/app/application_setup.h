#pragma once
// What every program of the family sets on its application object before its first window:
// the names the settings store and the desktop know it by, its window icon, the form font, and
// the names its controls carry for assistive technology.

#include <QIcon>
#include <QString>

namespace varnel {

// The window icon of a program ("varnel", "sorvik") in each of its sizes.
QIcon programIcon(const QString& program);

// `title` is the program's name ("Varnel", "Sorvik"); `desktopId` the name of its desktop entry
// without ".desktop", by which the desktop finds the entry and its icon for the program's windows.
void setUpApplication(const QString& title, const QString& desktopId);

}  // namespace varnel
