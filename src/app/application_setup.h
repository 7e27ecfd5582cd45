#pragma once
// What every program of the family does before its first window: answer a request for its usage
// or version, open the display (or say in one line that none could be opened), and set on the
// application object the names the settings store and the desktop know it by, its window icon,
// the form font, the names its controls carry for assistive technology, the base size by which
// each window opens whole at any scale, and how the heap keeps freed memory.

#include <QApplication>
#include <QIcon>
#include <QString>
#include <cstdio>
#include <memory>
#include <optional>

namespace varnel {

// A program as its command line knows it: its name and its usage, the synopsis of its manual
// page, one form of the command line a line.
struct ProgramUsage {
    const char* name;
    const char* synopsis;
};

// "Usage: " and the synopsis, its forms beneath each other.
void printUsage(const ProgramUsage& program, std::FILE* to);

// `--help` or `--version` as the only argument: the usage or the version on standard output, and
// the status to end with (0). Any other command line is the program's own: nothing.
std::optional<int> answerUsageRequest(const ProgramUsage& program, int argc, char** argv);

// The application object on the display. When no display can be opened, that is said in one line
// on standard error in place of Qt's own messages, and the process ends with status 1.
std::unique_ptr<QApplication> openDisplay(const ProgramUsage& program, int& argc, char** argv);

// The window icon of a program ("varnel", "sorvik") in each of its sizes.
QIcon programIcon(const QString& program);

// `title` is the program's name ("Varnel", "Sorvik"); `desktopId` the name of its desktop entry
// without ".desktop", by which the desktop finds the entry and its icon for the program's windows.
void setUpApplication(const QString& title, const QString& desktopId);

}  // namespace varnel
