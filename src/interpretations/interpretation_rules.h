#pragma once
// Rules of the interpretations window that need no widget: the age of the database, the header
// words of an interpretation text, and the positions and navigation of the results list.

#include <QDate>
#include <QString>
#include <utility>
#include <vector>

namespace varnel {

// Month boundaries crossed between two dates (January 31 to February 1 counts one); negative when
// `to` lies in an earlier month than `from`.
int calendarMonthsBetween(const QDate& from, const QDate& to);
// The database counts as out of date when its file is more than eleven calendar months old.
bool databaseOutOfDate(const QDate& fileDate, const QDate& today);

// Where the header words ("Interpretation", "Subject", "Date Issued", "File") stand in a text, as
// (start, length): each at its first case-sensitive occurrence with its colon, the colon left out.
std::vector<std::pair<int, int>> headerWordRanges(const QString& text);

// Whether the results list starts with the notice row and its separator, also when it holds
// nothing else: the separator then stands for the notice.
bool startsWithNoticePair(int rowCount, const QString& secondRowText);
// The rows the positions skip: 2 for the notice pair, else 0.
int positionOffset(int rowCount, const QString& secondRowText);
// The position caption of a selected row (counted from 1; 0 for none): "n/a" for the notice pair.
QString positionCaption(int selectedRow, int offset);

struct NavigationStates {
    bool first = false;
    bool previous = false;
    bool next = false;
    bool last = false;
};
// Which of the first, previous, next and last buttons a results list allows.
NavigationStates navigationStates(int rowCount, int selectedRow);

}  // namespace varnel
