#pragma once
// Reads a Jet (Access) database through libmdb into an SQLite database of our own format: every
// user table with its name, its columns in their order and its rows in their stored order, text
// and memo as TEXT COLLATE NOCASE, whole numbers as INTEGER, single, double, currency and decimal
// numbers as REAL, dates as TEXT "YYYY-MM-DD HH:MM:SS", Booleans as BOOLEAN -1 and 0,
// binary and OLE values as BLOB, Null as Null. The file's database password, when it has one,
// becomes the password table that the database layer checks.
//
// libmdb trusts the file it reads, so a damaged file may crash it: only the child program
// varnel_jetconvert runs this code. Whatever it finds amiss (a truncated file, a table that holds
// fewer rows than its definition counts, a memo or OLE value a part of which does not lie on a
// long-value page or whose parts come back on themselves or do not hold its stated length, the
// catalog's own such values included, and a block of the catalog's properties that libmdb would
// read past or go round in for ever) ends the conversion with a reason, so a damaged file is
// refused rather than read in part.

#include <QByteArray>
#include <QString>
#include <functional>
#include <stdexcept>

struct sqlite3;

namespace jetconvert {

class ConversionError : public std::runtime_error {
public:
    enum class Kind {
        Unreadable,   // the file is no Jet database, or a damaged one
        CannotWrite,  // the copy cannot be written
    };
    ConversionError(Kind kind, const QString& reason)
        : std::runtime_error(reason.toStdString()), kind_(kind), reason_(reason)
    {
    }
    Kind kind() const { return kind_; }
    // In plain words, to follow "the file ... cannot be read: ".
    const QString& reason() const { return reason_; }

private:
    Kind kind_;
    QString reason_;
};

// A date as the engine keeps it (days since 30 December 1899; the fraction is the time of day,
// which counts forwards also before that day) as "YYYY-MM-DD HH:MM:SS", to the nearest second;
// empty outside the years 100 to 9999, which the engine cannot hold.
QByteArray dateText(double value);

// Copies every user table of the Jet file whose bytes are `file` into `out`, an empty SQLite
// database open for writing, and writes the password table when the file has a password. Accepts
// any bytes: whatever is not a sound Jet file raises ConversionError.
void convert(const QByteArray& file, sqlite3* out);

// Converts the Jet file at jetPath into a database file at outPath (emptied first; its
// permissions are kept): the tables as `convert` writes them, the query indexes of our own
// builder, and the marks of a converted copy (platform/dao/jet_file.h). `confine`, when given,
// runs once the copy and the Jet file are open and before the Jet file is read; from then on the
// conversion opens no file. Raises ConversionError.
void convertFile(const QString& jetPath, const QString& outPath, const std::function<void()>& confine = {});

}  // namespace jetconvert
