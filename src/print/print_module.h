#pragma once
// The page grid every printout is drawn on: a framed, centred title band at the top, a footer
// band at the bottom, and lines, boxes and texts placed by grid column and row. Rich text (a
// paragraph or an interpretation) is paged onto the printer within margins.
//
// Everything draws on the process-wide printer (platform::printer()). A print starts with
// initPrinter, draws what it needs and ends with endPrintJob():
//
//     initPrinter(platform::Orientation::Portrait);
//     printTitle(varnel::programTitle(), subtitle);
//     printFooter(QString());
//     platform::printer().setFontSize(8);
//     printRichText(box, left, top, right, bottom);
//     endPrintJob();

#include "platform/printer.h"

#include <QColor>
#include <QString>
#include <cstdint>

class QTextEdit;

namespace varnel {

// The grid of the last initPrinter, kept for the rest of the run. Grid column c lies at
// (c + 20) * printUnitX and row r at (r + 5) * printUnitY, in printer scale units.
struct PrintModule {
    double printUnitX = 0;  // width of one grid column
    double printUnitY = 0;  // height of one grid row
    int printWidth = 0;     // usable width of the page in grid columns (210 in portrait)
};

PrintModule& printModule();

// Fill colour of a shaded box: red 255, green 232, blue 232.
inline const QColor shadeColor{255, 232, 232};
// For printText: keep the printer's current position on that axis.
inline constexpr int keepPosition = -1;

// Sets the orientation, the grid, Arial 8 in black, a scale of the paper's size in twips (so a
// scale unit is a little under a twip), and starts the page. Comes first in every printout.
void initPrinter(platform::Orientation orientation);
// The grid units and printWidth from the paper's size (called by initPrinter).
void computePageScale();

// Rules at rows 0 and 20; the title in 12-point bold centred with its top at row 3, followed by
// "TM" in 5 points; the subtitle in 10-point bold centred with its top at row 12.
void printTitle(const QString& title, const QString& subtitle);
// Rules at rows 319 and 325; the trademark line at the left and the copyright line right-aligned,
// 5-point, tops at row 320. The font size stays at 5. `text` is not printed: callers pass "".
void printFooter(const QString& text);
// A straight line in the fore colour between two grid points.
void drawLine(int x1, int y1, int x2, int y2);
// The outline of a box between two grid corners, filled with shadeColor first when shaded.
void drawShadedBox(int x1, int y1, int x2, int y2, bool shaded);
// `text` in Arial with its top-left corner at grid column x and row y, half a unit in from the
// grid point (keepPosition leaves that axis where the printer is). Sizes from 8 up print one
// point smaller. The printer stays on the line after the text.
void printText(const QString& text, int x, int y, int size, bool italic, bool bold);

// The whole content of `box`, from the current page on, page after page, within margins given in
// twips from the paper's edges. Text without a size of its own prints in the box's face at the
// printer's current font size, laid out for the printer. The box is left untouched; the job is
// not ended. Margins that leave no room print nothing.
void printRichText(const QTextEdit& box, std::int32_t left, std::int32_t top, std::int32_t right,
                   std::int32_t bottom);
// printRichText within the margins of a text page: an eighth of the paper's width at the sides
// and a ninth of its height at top and bottom, each rounded half to even.
void printRichTextOnPage(const QTextEdit& box);

// Ends the print job and sends it. A job the printer refused or could not finish is said to the
// person in an exclamation box ("The printout could not be made." and why); false then. A job
// printed into a file names the file in an information box.
bool endPrintJob();

}  // namespace varnel
