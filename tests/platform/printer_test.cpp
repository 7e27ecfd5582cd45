#include "platform/printer.h"
#include "support/pdf_text.h"
#include "support/print_qstring.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

TEST(RecordingPrinter, ScaleUnitsSpanThePrintableAreaAndTextMovesThePrintPosition)
{
    RecordingPageSurface printer(QSizeF(12240, 15840), QMarginsF(240, 360, 240, 360));
    EXPECT_EQ(printer.scaleWidth(), 11760);  // twips of the printable area by default
    EXPECT_EQ(printer.scaleHeight(), 15120);
    printer.setScaleWidth(printer.paperWidth());
    printer.setScaleHeight(0);  // refused
    EXPECT_EQ(printer.scaleHeight(), 15120);

    printer.setFontSize(10);  // 100 twips a character, 240 twips a line
    EXPECT_DOUBLE_EQ(printer.textWidth("abcd"), 400 * 12240 / 11760.0);
    EXPECT_DOUBLE_EQ(printer.textHeight(""), 240);

    printer.setCurrentX(500);
    printer.setCurrentY(700);
    printer.print("abcd", LineEnd::StayOnLine);
    EXPECT_DOUBLE_EQ(printer.currentX(), 500 + printer.textWidth("abcd"));
    EXPECT_DOUBLE_EQ(printer.currentY(), 700);
    printer.print("next");
    EXPECT_DOUBLE_EQ(printer.currentX(), 0);
    EXPECT_DOUBLE_EQ(printer.currentY(), 940);
    printer.line(10, 20, 30, 40, Qt::black);
    EXPECT_DOUBLE_EQ(printer.currentX(), 30);
    EXPECT_DOUBLE_EQ(printer.currentY(), 40);

    ASSERT_EQ(printer.texts.size(), 2u);
    EXPECT_DOUBLE_EQ(printer.texts[1].x, 500 + printer.textWidth("abcd"));
    EXPECT_DOUBLE_EQ(printer.texts[1].y, 700);
    printer.newPage();
    EXPECT_EQ(printer.pages, 2);
    EXPECT_EQ(printer.currentY(), 0);
    EXPECT_TRUE(printer.endDoc());
    EXPECT_FALSE(printer.endDoc());  // no job open
    EXPECT_EQ(printer.jobsEnded, 1);

    // Turning the paper sets the scale back to the printable area.
    printer.setOrientation(Orientation::Landscape);
    EXPECT_EQ(printer.paperWidth(), 15840);
    EXPECT_EQ(printer.scaleWidth(), 15840 - 480);
}

namespace {

QPrinter& pdfPrinter(QPrinter& printer, const QString& file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return printer;
}

}  // namespace

TEST(QtPrinter, PaperSizeAndUnprintableOffsetsAreInTwipsForTheOrientation)
{
    struct Case {
        QPageSize::PageSizeId paper;
        Orientation orientation;
        double width;
        double height;
    };
    const Case cases[] = {
        {QPageSize::Letter, Orientation::Portrait, 12240, 15840},
        {QPageSize::Letter, Orientation::Landscape, 15840, 12240},
        {QPageSize::A4, Orientation::Portrait, 11906, 16838},
        {QPageSize::A4, Orientation::Landscape, 16838, 11906},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        auto qprinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdfPrinter(*qprinter, dir.filePath("size.pdf"));
        qprinter->setPageSize(QPageSize(c.paper));
        qprinter->setPageMargins(QMarginsF(18, 27, 18, 27), QPageLayout::Point);
        QPrinterSurface printer(std::move(qprinter));
        printer.setOrientation(c.orientation);
        EXPECT_EQ(printer.orientation(), c.orientation);
        EXPECT_EQ(printer.paperWidth(), c.width) << c.paper;
        EXPECT_EQ(printer.paperHeight(), c.height) << c.paper;
        // Qt keeps the margins where they were when the paper turns.
        EXPECT_EQ(printer.printableOffset(), QPointF(360, 540)) << c.paper;
        // The default scale is the printable area in twips (Qt rounds millimetres to 2 places).
        EXPECT_NEAR(printer.scaleWidth(), c.width - 720, 2) << c.paper;
        EXPECT_NEAR(printer.scaleHeight(), c.height - 1080, 2) << c.paper;
    }
}

TEST(QtPrinter, APrinterThatRefusesTheJobSaysWhyAndTheNextJobsPrintBesideEachOther)
{
    // Qt's warnings of a failing job give way to the failure said in words of ours.
    static QStringList qtSaid;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { qtSaid << text; });
    const auto restore = qScopeGuard([&] { qInstallMessageHandler(previous); });
    QTemporaryDir dir;
    QPrinterSurface printer;
    // A folder nobody may write in: the super-user passes over its permissions, not over the
    // immutable mark.
    const QString locked = dir.filePath("locked");
    QProcess::execute("sh", {"-c", "mkdir -m 500 \"$0\" && chattr +i \"$0\"", locked});
    const auto unlock = qScopeGuard([&] { QProcess::execute("chattr", {"-i", locked}); });
    QFile::link(dir.filePath("gone"), dir.filePath("link"));
    const struct {
        QString file, reason;
    } refusals[] = {
        {dir.filePath("missing/folder/out.pdf"), ": the folder \"" + dir.filePath("missing/folder") + "\" is not there."},
        {dir.filePath("link/out.pdf"),
         ": the folder \"" + dir.filePath("link") + "\" is a link to \"" + dir.filePath("gone") + "\", which is not there."},
        {locked + "/out.pdf", ": the folder \"" + locked + "\" cannot be written to."},
        {dir.filePath(QString(300, u'x')), "."},  // a name longer than the file system takes
    };
    for (const auto& refusal : refusals) {
        pdfPrinter(*printer.device(), refusal.file);
        printer.print("lost");
        printer.line(0, 0, 100, 100, Qt::black);
        printer.newPage();
        EXPECT_FALSE(printer.endDoc());
        EXPECT_EQ(printer.failure().toStdString(),
                  ("The file \"" + refusal.file + "\" could not be written" + refusal.reason).toStdString());
    }

    // Each job into the same file lands beside the earlier printouts, which stay as they were, and
    // passes over a link to nothing; with no file set up, as Qt sets up a machine without
    // printers, the job goes to the file the set-up dialog would offer.
    const QString file = dir.filePath("out.pdf");
    QFile::link(dir.filePath("gone.pdf"), dir.filePath("out-2.pdf"));
    const struct {
        QString chosen, written, text;
    } jobs[] = {{file, file, "first"},
                {file, dir.filePath("out-3.pdf"), "second"},
                {file, dir.filePath("out-4.pdf"), "third"},
                {QString(), defaultPrintoutFile(), "fourth"}};
    for (const auto& job : jobs) {
        printer.device()->setOutputFileName(job.chosen);
        printer.setFontSize(12);
        printer.print(job.text);
        printer.box(100, 100, 2000, 800, Qt::red, BoxFill::Filled);
        EXPECT_TRUE(printer.endDoc());
        EXPECT_EQ(printer.writtenFile().toStdString(), job.written.toStdString());
        EXPECT_EQ(printer.device()->outputFileName(), job.chosen.isEmpty() ? job.written : job.chosen);
        const testing_support::PdfText pdf = testing_support::readPdf(job.written);
        ASSERT_EQ(pdf.words.size(), 1u) << job.written.toStdString();
        EXPECT_EQ(pdf.words[0].text, job.text);
    }
    EXPECT_EQ(qtSaid.join(u'\n').toStdString(), "");
}
