#pragma once
// The sibling programs of the product family: bringing a running one to the front by its window
// title, or starting it from the directory it stored in the settings.

#include <QString>

namespace varnel {

enum class TitleMatch { BeginsWith = 0, Contains = 1, Equals = 2 };

// The first top-level window (front to back) whose title matches; 0 when none.
unsigned long findProgramWindow(const QString& title, TitleMatch mode, bool caseSensitive, bool visibleOnly);
// Finds a shown matching window, restores it and brings it to the front; 0 when none.
unsigned long activateProgramWindow(const QString& title, TitleMatch mode, bool caseSensitive);
// Raises or starts the program of the key ("sorvik", "daltrem"); false after telling the person
// that it is not installed.
bool startProgram(const QString& key);

}  // namespace varnel
