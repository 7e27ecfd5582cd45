#include "interpretations/interpretation_printout.h"

#include <QTextDocument>
#include <cmath>

namespace varnel {

QString interpretationsCopyright(int currentYear)
{
    return QStringLiteral("ASME Interpretations, Copyright(c) 1974-") + QString::number(currentYear)
           + QStringLiteral(" The American Society of Mechanical Engineers");
}

PrintMargins interpretationMargins(double pageWidth, double pageHeight)
{
    const int across = static_cast<int>(std::lround(pageWidth / 8));
    const int down = static_cast<int>(std::lround(pageHeight / 9));
    return {across, down, across, down};
}

void printInterpretation(const InterpretationPrintout&)
{
    // The page grid and rich-text paging of the printing services draw this printout once they
    // are part of the program: initPrinter (portrait), printTitle(title, subtitle),
    // printFooter(""), an 8-point font, printRichText(text, interpretationMargins(...)), endDoc.
}

}  // namespace varnel
