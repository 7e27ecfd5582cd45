// The base-metal and filler-metal reports on paper: page head, heading band, column headings and
// rows on the page grid, one page per report.

#include "lookups/lookup_report.h"
#include "platform/printer.h"
#include "print/print_module.h"
#include "support/installed_printer.h"
#include "support/pdf_printer_setup.h"
#include "support/scripted_seams.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace varnel;

namespace {

LookupReport sampleReport(int orientation, int rows)
{
    LookupReport report{orientation, QStringLiteral("Varnel"), QStringLiteral("Filler metal report"), 10, 50,
                        {{QStringLiteral("Classification"), 0}, {QStringLiteral("Specification"), 2}}, {}};
    for (int n = 1; n <= rows; ++n)
        report.rows.push_back({QStringLiteral("E70%1").arg(n), QStringLiteral("5.1")});
    return report;
}

class ReportPrint : public ::testing::Test {
protected:
    const platform::RecordedText* textNamed(const QString& text) const
    {
        for (const auto& t : recorder->texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }

    testing_support::ScriptedSeams seams;
    testing_support::InstalledPrinter printer;
    platform::RecordingPageSurface* recorder = printer.recorder();
};

}  // namespace

TEST_F(ReportPrint, HeadingsAndRowsStandOnTheGridBelowTheBand)
{
    printLookupReport(sampleReport(1, 3));
    EXPECT_EQ(recorder->jobsEnded, 1);
    EXPECT_EQ(recorder->pages, 1);
    const PrintModule& grid = printModule();
    ASSERT_EQ(recorder->boxes.size(), 1u);

    const platform::RecordedText* heading = textNamed("Specification");
    ASSERT_NE(heading, nullptr);
    EXPECT_NEAR(heading->y, (28 + 5.5) * grid.printUnitY, 1e-6);
    EXPECT_NEAR(heading->x, (reportColumnX(sampleReport(1, 3), 1, grid.printWidth) + 20.5) * grid.printUnitX, 1e-6);
    EXPECT_EQ(heading->font.size, 8);  // size 9 prints as 8

    const platform::RecordedText* first = textNamed("E701");
    const platform::RecordedText* third = textNamed("E703");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(third, nullptr);
    EXPECT_NEAR(first->y, (40 + 5.5) * grid.printUnitY, 1e-6);
    EXPECT_NEAR(third->y, (48 + 5.5) * grid.printUnitY, 1e-6);
    EXPECT_EQ(first->font.size, 7);
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
}

TEST_F(ReportPrint, AReportWithoutRowsOpensNoPrintJob)
{
    printLookupReport(sampleReport(2, 0));
    EXPECT_EQ(recorder->jobsEnded, 0);
    EXPECT_TRUE(recorder->texts.empty());
}

TEST_F(ReportPrint, AReportThePrinterRefusesIsSaidOverTheDefaultPointer)
{
    QTemporaryDir out;
    auto refusing = std::make_unique<platform::QPrinterSurface>();
    refusing->device()->setOutputFormat(QPrinter::PdfFormat);
    refusing->device()->setOutputFileName(out.filePath("missing/folder/report.pdf"));
    platform::installPrinter(std::move(refusing));
    printLookupReport(sampleReport(1, 2));
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].pointer, platform::Pointer::Default);
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
}

TEST_F(ReportPrint, AReportReachesThePrinterChosenInTheSetUp)
{
    printer.putBack();  // the real printer
    QTemporaryDir out;
    platform::Seams chosen;
    chosen.printerSetup = std::make_unique<testing_support::PdfPrinterSetup>(out.filePath("report.pdf"));
    platform::installSeams(std::move(chosen));
    ASSERT_TRUE(platform::showPrinterSetup());
    printLookupReport(sampleReport(2, 25));
    QFile pdf(out.filePath("report.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");
}
