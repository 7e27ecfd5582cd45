#pragma once
// Jet (Access) database files, read through a converted copy of our own format. The conversion
// runs in a child program, varnel_jetconvert, because the library that reads these files may
// crash or loop on a damaged one: such a file ends the child, never the program, and the child is
// stopped when it runs past its time limit. The copy is kept in the person's cache directory,
// named after the Jet file's path and identity (size, modification time and a digest of its first
// pages), and reused as long as the file stays the same and the copy is sound. Nothing is ever
// written to the Jet file.

#include "platform/dao/jet_header.h"

#include <QString>

namespace dao::jet {

// Marks of a converted copy: an application id of its own, and a format version that goes up
// whenever the conversion writes something different, so that older copies are converted again.
inline constexpr int convertedApplicationId = 0x564a4554;
inline constexpr int convertedFormatVersion = 3;

// The child program and how long it may run.
struct Converter {
    QString program;
    int timeLimitMs = 0;
};

// The time a conversion may take before the child is stopped. A sound file converts at about
// 100 MB a second (3 MB in some 25 ms), so a file of an edition's size (tens of megabytes) takes
// well under a second and a file of a gigabyte fits even on a slower machine, while a
// reader caught in a loop by a damaged file holds the program for half a minute at most.
inline constexpr int conversionTimeLimitMs = 30000;

// varnel_jetconvert beside the running program, else in ../libexec/varnel/ relative to it (the
// one beside the program when neither exists), with the conversion time limit.
Converter defaultConverter();

// Converts the Jet file at jetPath into a checked database file of our own format at outPath,
// written under a temporary name beside it and renamed at the end, so a failure leaves an older
// file there as it was. Raises dao::Error: 3343 when the file cannot be read as a Jet database,
// 3051 when the converter cannot run or the copy cannot be written; the description names the
// Jet file and the reason.
void convertFile(const QString& jetPath, const QString& outPath, const Converter& converter = defaultConverter());

// The directory of the converted copies: "varnel/jet" in the person's cache directory.
QString cacheDirectory();

// The file to open in place of the Jet file at jetPath (Jet 3, Jet 4 or an unencrypted ACE file):
// the cached copy when it belongs to the file as it is now and is sound, else a new conversion
// that replaces it (and the copies of older states of the same file). Raises dao::Error as
// convertFile does.
QString convertedCopy(const QString& jetPath);

}  // namespace dao::jet
