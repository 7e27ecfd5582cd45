#pragma once
// What the print command of the interpretations window puts on paper: a page headed "Sorvik"
// with the publisher's copyright notice, the common footer, and the interpretation text on show
// with its colours, within margins of an eighth of the page across and a ninth down.

#include <QString>
#include <memory>

class QTextDocument;

namespace varnel {

// "ASME Interpretations, Copyright(c) 1974-<year> The American Society of Mechanical Engineers".
QString interpretationsCopyright(int currentYear);

struct PrintMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
// Margins in whole twips from the paper's edges for a page of the given size in twips.
PrintMargins interpretationMargins(double pageWidth, double pageHeight);

struct InterpretationPrintout {
    QString title;                        // "Sorvik"
    QString subtitle;                     // the copyright notice of the current year
    std::unique_ptr<QTextDocument> text;  // a copy of the text on show, fonts and colours kept
};

// Prints one interpretation page by page on the process printer.
void printInterpretation(const InterpretationPrintout& printout);

}  // namespace varnel
