#pragma once
// A printer set-up in which the person chose to print into a PDF file, for the smoke tests of
// the printouts.

#include "platform/ui/seams.h"

#include <QPrinter>
#include <QString>

namespace testing_support {

class PdfPrinterSetup final : public platform::PrinterSetup {
public:
    explicit PdfPrinterSetup(QString file) : file_(std::move(file)) {}
    bool setup(QPrinter& printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file_);
        return true;
    }

private:
    QString file_;
};

}  // namespace testing_support
