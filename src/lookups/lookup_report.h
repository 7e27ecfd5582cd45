#pragma once
// The one-page reports of the base-metal and filler-metal windows: what a press of "&Print"
// prints, gathered from the results list (its selected rows in list order, at most the report's
// limit), with the page head and the place of every column on the page grid of the printing
// services, and its drawing on that grid.

#include "platform/ui/list_view_sorting.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace varnel {

struct ReportColumn {
    QString heading;
    double factor = 0;  // the column's x is printWidth / columnStep * factor + 1, to the nearest integer
};

struct LookupReport {
    int orientation = 1;  // for initPrinter: 1 portrait, 2 landscape
    QString title;        // the program's title, the first line of the page
    QString subtitle;
    int columnStep = 10;
    int rowLimit = 0;
    std::vector<ReportColumn> columns;
    std::vector<QStringList> rows;  // the printed rows, each with one text per column
};

inline constexpr int reportHeadingY = 28;
// The grid row of the n-th printed row (n from 1): 40, 44, ...
inline constexpr int reportRowY(int n) { return 36 + 4 * n; }
// The grid x of a column (0-based) for the page's printWidth.
int reportColumnX(const LookupReport& report, int column, int printWidth);

LookupReport baseMetalReport(const platform::ui::SortableListView& results);
LookupReport fillerMetalReport(const platform::ui::SortableListView& results);

// The tool tip of "&Print" in both windows.
QString printButtonTip();

// A press of "&Print": the report on one page, with the hourglass meanwhile; a report without
// rows opens no print job.
void printLookupReport(const LookupReport& report);

}  // namespace varnel
