#include "lookups/lookup_report.h"

#include "app/version.h"
#include "lookups/lookup_dialog.h"
#include "platform/printer.h"
#include "platform/vb.h"
#include "print/print_module.h"

namespace varnel {

namespace {

LookupReport reportOf(const platform::ui::SortableListView& results, LookupReport report)
{
    const int columns = static_cast<int>(report.columns.size());
    for (int index : results.selectedRows()) {
        if (static_cast<int>(report.rows.size()) >= report.rowLimit)
            break;
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells << results.subItem(index, column);
        report.rows.push_back(cells);
    }
    return report;
}

}  // namespace

int reportColumnX(const LookupReport& report, int column, int printWidth)
{
    const double factor = report.columns.at(static_cast<std::size_t>(column)).factor;
    return vb::CLng(static_cast<double>(printWidth) / report.columnStep * factor + 1);
}

LookupReport baseMetalReport(const platform::ui::SortableListView& results)
{
    return reportOf(results, {2, programTitle(), QStringLiteral("Base metal report"), 40, 25,
                              {{QStringLiteral("Specification"), 0}, {QStringLiteral("Grade"), 5},
                               {QStringLiteral("Addenda"), 8}, {QStringLiteral("UNS"), 11},
                               {QStringLiteral("Condition"), 13}, {QStringLiteral("P"), 18.5},
                               {QStringLiteral("G"), 20}, {QStringLiteral("S"), 21.5},
                               {QStringLiteral("SG"), 23}, {QStringLiteral("KSI"), 24.5},
                               {QStringLiteral("Nom. composition"), 26}, {QStringLiteral("Product form"), 31}},
                              {}});
}

LookupReport fillerMetalReport(const platform::ui::SortableListView& results)
{
    return reportOf(results, {1, programTitle(), QStringLiteral("Filler metal report"), 10, 50,
                              {{QStringLiteral("Classification"), 0}, {QStringLiteral("Specification"), 2},
                               {QStringLiteral("F-N\u00B0"), 3}, {QStringLiteral("A-N\u00B0"), 4},
                               {QStringLiteral("UNS"), 5}, {QStringLiteral("Comment"), 6}},
                              {}});
}

QString printButtonTip()
{
    return QStringLiteral(" Prints selected record(s).  To print multiple records, hold down the Ctrl key and select "
                          "(click) desired classifications to include in the printed report. ");
}

void printLookupReport(const LookupReport& report)
{
    Hourglass busy;
    if (report.rows.empty())
        return;
    initPrinter(report.orientation == 2 ? platform::Orientation::Landscape : platform::Orientation::Portrait);
    printTitle(report.title, report.subtitle);
    printFooter(QString());
    const int width = printModule().printWidth;
    drawShadedBox(0, 26, width, 36, false);
    const int columns = static_cast<int>(report.columns.size());
    for (int c = 0; c < columns; ++c)
        printText(report.columns[static_cast<std::size_t>(c)].heading, reportColumnX(report, c, width), reportHeadingY, 9,
                  false, false);
    for (std::size_t n = 0; n < report.rows.size(); ++n)
        for (int c = 0; c < columns && c < report.rows[n].size(); ++c)
            printText(report.rows[n][c], reportColumnX(report, c, width), reportRowY(static_cast<int>(n) + 1), 8, false,
                      false);
    endPrintJob();
}

}  // namespace varnel
