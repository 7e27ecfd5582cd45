#include "print/print_module.h"

#include "app/version.h"
#include "platform/ui/seams.h"
#include "platform/vb.h"

#include <QDir>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>

namespace varnel {

namespace {

const QString gridFont = QStringLiteral("Arial");

// Grid column and row to printer scale units.
double columnX(double column) { return (column + 20) * printModule().printUnitX; }
double rowY(double row) { return (row + 5) * printModule().printUnitY; }

// Left edge that centres a text of `width` over the grid's width.
double centredLeft(double width)
{
    const PrintModule& grid = printModule();
    return (grid.printWidth * grid.printUnitX - width) / 2 + 20 * grid.printUnitX;
}

void printAt(const QString& text, double x, double y)
{
    platform::PageSurface& printer = platform::printer();
    printer.setCurrentX(x);
    printer.setCurrentY(y);
    printer.print(text);
}

void ruleAcross(int row) { drawLine(0, row, printModule().printWidth, row); }

}  // namespace

PrintModule& printModule()
{
    static PrintModule grid;
    return grid;
}

void initPrinter(platform::Orientation orientation)
{
    platform::PageSurface& printer = platform::printer();
    printer.setOrientation(orientation);
    computePageScale();
    // The surface always draws solid lines that cover what lies beneath (copy pen).
    printer.setFontName(gridFont);
    printer.setFontSize(8);
    printer.setFontBold(false);
    printer.setFontItalic(false);
    printer.setForeColor(Qt::black);
    printer.setScaleWidth(printer.paperWidth());
    printer.setScaleHeight(printer.paperHeight());
    printer.print(QString());
}

void computePageScale()
{
    const platform::PageSurface& printer = platform::printer();
    const double width = printer.paperWidth();
    const double height = printer.paperHeight();
    PrintModule& grid = printModule();
    if (width > height) {
        grid.printUnitX = height / 240 * 0.98;
        grid.printWidth = vb::IntDiv(width, grid.printUnitX) - 30;
    } else {
        grid.printUnitX = width / 250 * 0.98;
        grid.printWidth = 210;
    }
    grid.printUnitY = height * 0.95 / 338;
}

void printTitle(const QString& title, const QString& subtitle)
{
    platform::PageSurface& printer = platform::printer();
    ruleAcross(0);
    ruleAcross(20);
    printer.setFontName(gridFont);

    printer.setFontSize(12);
    printer.setFontBold(true);
    const double titleWidth = printer.textWidth(title);
    const double titleLeft = centredLeft(titleWidth);
    printAt(title, titleLeft, rowY(3));
    printer.setFontSize(5);
    printAt(QStringLiteral("TM"), titleLeft + titleWidth, rowY(3));

    printer.setFontSize(10);
    printAt(subtitle, centredLeft(printer.textWidth(subtitle)), rowY(12));
}

void printFooter(const QString& /*text*/)
{
    platform::PageSurface& printer = platform::printer();
    ruleAcross(319);
    ruleAcross(325);
    printer.setFontName(gridFont);
    printer.setFontSize(5);
    printer.setFontBold(false);
    printAt(legalTrademarks(), columnX(0), rowY(320));
    const QString copyright = legalCopyright();
    printAt(copyright, columnX(printModule().printWidth) - printer.textWidth(copyright), rowY(320));
}

void drawLine(int x1, int y1, int x2, int y2)
{
    platform::PageSurface& printer = platform::printer();
    printer.line(columnX(x1), rowY(y1), columnX(x2), rowY(y2), printer.foreColor());
}

void drawShadedBox(int x1, int y1, int x2, int y2, bool shaded)
{
    platform::PageSurface& printer = platform::printer();
    if (shaded)
        printer.box(columnX(x1), rowY(y1), columnX(x2), rowY(y2), shadeColor, platform::BoxFill::Filled);
    printer.box(columnX(x1), rowY(y1), columnX(x2), rowY(y2), printer.foreColor(), platform::BoxFill::Outline);
}

void printText(const QString& text, int x, int y, int size, bool italic, bool bold)
{
    platform::PageSurface& printer = platform::printer();
    if (size >= 8)
        --size;
    if (printer.font().name != gridFont)
        printer.setFontName(gridFont);
    printer.setFontSize(size);
    printer.setFontItalic(italic);
    printer.setFontBold(bold);
    printer.print(QString());
    if (x != keepPosition)
        printer.setCurrentX(columnX(x + 0.5));
    if (y != keepPosition)
        printer.setCurrentY(rowY(y + 0.5));
    printer.print(text, platform::LineEnd::StayOnLine);
}

void printRichText(const QTextEdit& box, std::int32_t left, std::int32_t top, std::int32_t right,
                   std::int32_t bottom)
{
    platform::PageSurface& printer = platform::printer();
    // The text's rectangle in twips from the printable area's corner.
    const QPointF offset = printer.printableOffset();
    const QRectF area(left - offset.x(), top - offset.y(), printer.paperWidth() - right - left,
                      printer.paperHeight() - bottom - top);
    if (area.width() <= 0 || area.height() <= 0)
        return;
    // Page a copy: the box keeps its own layout for the screen.
    const std::unique_ptr<QTextDocument> document(box.document()->clone());
    QFont font = box.font();
    font.setPointSizeF(printer.font().size);
    document->setDefaultFont(font);
    const int pages = printer.paginate(*document, area.size());
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        printer.drawDocumentPage(*document, page, area.topLeft());
    }
}

}  // namespace varnel

namespace varnel {

void printRichTextOnPage(const QTextEdit& box)
{
    platform::PageSurface& printer = platform::printer();
    const std::int32_t side = vb::CLng(printer.scaleWidth() / 8);
    const std::int32_t ends = vb::CLng(printer.scaleHeight() / 9);
    printRichText(box, side, ends, side, ends);
}

bool endPrintJob()
{
    platform::PageSurface& printer = platform::printer();
    if (printer.endDoc()) {
        // A printout into a file may have gone beside the chosen one, which it never replaces.
        if (!printer.writtenFile().isEmpty())
            platform::messageBox(platform::MessageIcon::Information, QStringLiteral("Print"),
                                 QStringLiteral("The printout was written to the file \"%1\".")
                                     .arg(QDir::toNativeSeparators(printer.writtenFile())));
        return true;
    }
    if (!printer.failure().isEmpty())
        platform::messageBox(platform::MessageIcon::Exclamation, QStringLiteral("Print"),
                             QStringLiteral("The printout could not be made. ") + printer.failure());
    return false;
}

}  // namespace varnel
