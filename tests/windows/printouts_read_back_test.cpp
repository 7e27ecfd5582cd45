// What the printouts put on paper, printed through a real printer into a PDF and read back: the
// body text in the size its printout names, every word of the source in order, nothing past the
// margins; each print says the file it went into, and a printer that refuses a job says why once
// and prints the next job.

#include "interpretations/sorvik_main.h"
#include "lookups/base_metal_window.h"
#include "lookups/filler_metal_window.h"
#include "platform/printer.h"
#include "platform/ui/list_view_sorting.h"
#include "print/print_module.h"
#include "interpretations/sorvik_fixture.h"
#include "support/installed_printer.h"
#include "support/main_window_fixture.h"
#include "support/pdf_printer_setup.h"
#include "support/pdf_text.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>
#include <QToolButton>
#include <utility>

using namespace varnel;
using testing_support::PdfText;
using testing_support::PdfWord;
using testing_support::copyInto;
using testing_support::wordsOf;

namespace {

// Points from the paper's top-left corner, a little room for rounding.
constexpr double slack = 0.5;

bool inside(const QRectF& area, const QRectF& box) { return area.adjusted(-slack, -slack, slack, slack).contains(box); }

class PrintoutsReadBack : public testing_support::MainWindowTest {
protected:
    void SetUp() override
    {
        copyInto(testing_support::sampleDatabase(), data.path());
        pdfFile = out.filePath(QStringLiteral("printout.pdf"));
        QPrinter& device = *platform::printer().device();
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(pdfFile);
    }

    void startMain()
    {
        main = &createMain(data.path());
        main->Form_Activate();
    }
    // What the last print put into `file`, which its box named; the file and the box go, so
    // that the next print, which never replaces a file, lands there again.
    PdfText printed(const QString& file = {})
    {
        const QString written = file.isEmpty() ? pdfFile : file;
        const auto said = std::exchange(seams.messages.shown, {});
        EXPECT_EQ((said.size() == 1 ? said[0].text : QString()).toStdString(),
                  ("The printout was written to the file \"" + written + "\".").toStdString());
        PdfText text = testing_support::readPdf(written);
        EXPECT_TRUE(text.opened) << written.toStdString();
        QFile::remove(written);
        return text;
    }
    // The text rectangle of a paragraph or interpretation page: an eighth of the paper's width at
    // the sides and a ninth of its height at top and bottom.
    static QRectF textPage(const QSizeF& paper)
    {
        return QRectF(paper.width() / 8, paper.height() / 9, paper.width() * 6 / 8, paper.height() * 7 / 9);
    }
    // A grid point of the last page head in points from the paper's corner.
    static QPointF gridPoint(double column, double row)
    {
        const QRectF area = platform::printer().device()->pageLayout().paintRect(QPageLayout::Point);
        const platform::PageSurface& printer = platform::printer();
        const PrintModule& grid = printModule();
        return area.topLeft() + QPointF((column + 20) * grid.printUnitX * area.width() / printer.scaleWidth(),
                                        (row + 5) * grid.printUnitY * area.height() / printer.scaleHeight());
    }
    // The body of a rich-text printout: every word of `source` in order, in `points`, inside the
    // text rectangle of its page; the page head and footer on the first page only.
    void expectTextPages(const QString& source, double points, int minimumPages)
    {
        const PdfText text = printed();
        ASSERT_GE(static_cast<int>(text.pages.size()), minimumPages);
        // The body is what lies between the page head and the footer bands of the first page.
        const double headBottom = gridPoint(0, 20).y();
        const double footerTop = gridPoint(0, 319).y();
        const auto inBody = [&](const PdfWord& word) {
            return word.page > 0 || (word.box.top() > headBottom && word.box.bottom() < footerTop);
        };
        std::vector<PdfWord> body;
        const QStringList missing = text.missingInOrder(wordsOf(source), &body, inBody);
        EXPECT_TRUE(missing.isEmpty()) << missing.join(u' ').toStdString();
        for (const PdfWord& word : body) {
            EXPECT_NEAR(word.points, points, points * 0.1) << word.text.toStdString();
            EXPECT_TRUE(inside(textPage(text.pages[static_cast<std::size_t>(word.page)]), word.box))
                << word.text.toStdString() << " on page " << word.page + 1 << " at " << word.box.top() << "-"
                << word.box.bottom() << " of " << text.pages[static_cast<std::size_t>(word.page)].height();
        }
        for (const PdfWord& word : text.words) {
            const QSizeF paper = text.pages[static_cast<std::size_t>(word.page)];
            EXPECT_TRUE(inside(QRectF(QPointF(), paper), word.box)) << word.text.toStdString();
            if (word.page > 0) {
                EXPECT_TRUE(inside(textPage(paper), word.box)) << word.text.toStdString() << " on page " << word.page + 1;
            }
        }
    }
    // A report: its headings in 8 points, the cells of its rows in 7, in order, every word between
    // the grid's first and last column and between the heading band and the footer.
    void expectReport(const QStringList& headings, const QStringList& cells)
    {
        const PdfText text = printed();
        ASSERT_EQ(text.pages.size(), 1u);
        std::vector<PdfWord> headingWords;
        std::vector<PdfWord> cellWords;
        EXPECT_TRUE(text.missingInOrder(wordsOf(headings.join(u' ')), &headingWords).isEmpty());
        const QStringList missing = text.missingInOrder(wordsOf(cells.join(u' ')), &cellWords);
        EXPECT_TRUE(missing.isEmpty()) << missing.join(u' ').toStdString();
        const QRectF reportArea(gridPoint(0, 26), gridPoint(printModule().printWidth, 319));
        for (const PdfWord& word : headingWords)
            EXPECT_NEAR(word.points, 8, 0.8) << word.text.toStdString();
        for (const PdfWord& word : cellWords) {
            EXPECT_NEAR(word.points, 7, 0.7) << word.text.toStdString();
            EXPECT_TRUE(inside(reportArea, word.box)) << word.text.toStdString();
        }
        EXPECT_FALSE(cellWords.empty());
    }

    QTemporaryDir out;
    QString pdfFile;
    varnelMain* main = nullptr;
    testing_support::InstalledPrinter printer{std::make_unique<platform::QPrinterSurface>()};
};

QString longParagraph()
{
    QString text;
    for (int n = 1; n <= 260; ++n)
        text += QStringLiteral("Sentence%1 of the long sample paragraph runs on. ").arg(n);
    return text;
}

}  // namespace

TEST_F(PrintoutsReadBack, ParagraphsPrintAt8PointsWithinTheirMargins)
{
    startMain();
    ASSERT_GT(main->ListView1[2]->selectedIndex(), 0);
    const struct {
        const char* name;
        QString text;  // empty: the paragraph on show
        int pages;
    } cases[] = {{"paragraph on show", {}, 1}, {"long paragraph", longParagraph(), 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.text.isEmpty())
            main->RichTextBox1->setText(c.text);
        main->mnuPrint_Click();
        expectTextPages(main->RichTextBox1->text(), 8, c.pages);
        EXPECT_TRUE(seams.messages.shown.empty());
    }

    // A text that fills its page to the end and ends in a line break: the empty line after the
    // break would fill a page of its own.
    const auto lines = [](int count) {
        QStringList text;
        for (int n = 1; n <= count; ++n)
            text << QStringLiteral("Line%1 of the sample paragraph").arg(n);
        return text.join(u'\n');
    };
    const auto pagesOf = [&](const QString& text) {
        main->RichTextBox1->setText(text);
        main->mnuPrint_Click();
        return printed().pages.size();
    };
    int fits = 1;
    int overflows = 200;
    ASSERT_GT(pagesOf(lines(overflows)), 1u);
    while (overflows - fits > 1) {
        const int middle = (fits + overflows) / 2;
        (pagesOf(lines(middle)) == 1 ? fits : overflows) = middle;
    }
    EXPECT_EQ(pagesOf(lines(fits) + u'\n'), 1u);
    main->mnuPrint_Click();
    expectTextPages(main->RichTextBox1->text(), 8, 1);
}

TEST_F(PrintoutsReadBack, AnInterpretationPrintsAt8PointsWithinItsMargins)
{
    testing_support::installInterpretations(data.path());
    {
        sorvikMain window;
        window.show();
        window.Form_Activate();
        window.Text1[1]->setText(QStringLiteral("preheat"));
        window.Command1_Click(1);
        ASSERT_FALSE(window.RichTextBox1->text().isEmpty());
        window.mnuPrint_Click();
        expectTextPages(window.RichTextBox1->text(), 8, 1);

        // The long IX-07-01 loses its last page under the window: its print says the damage
        // again rather than printing nothing without a word.
        QFile file(data.path() + "/intasme.mdb");
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        const qsizetype end = bytes.indexOf("here ends the sample interpretation IX-07-01");
        bytes.replace(end - end % 1024, 1024, QByteArray(1024, '\0'));
        bytes[27] = static_cast<char>(bytes[27] + 1);  // the file's change counter
        file.resize(0);
        file.write(bytes);
        file.close();
        window.loadInterpretation(QStringLiteral("IX-07-01"));
        seams.messages.shown.clear();
        QTest::mouseClick(window.toolbarButtons[2], Qt::LeftButton);
        ASSERT_EQ(seams.messages.shown.size(), 1u);
        EXPECT_TRUE(seams.messages.shown[0].text.contains("damaged"));
    }
    resetSorvikCore();
}

TEST_F(PrintoutsReadBack, LookupReportsPrintTheSelectedRowsOnTheGrid)
{
    startMain();
    const auto cellsOf = [](const platform::ui::SortableListView& results, int columns) {
        QStringList cells;
        for (int row : results.selectedRows())
            for (int c = 0; c < columns; ++c)
                cells << results.subItem(row, c);
        return cells;
    };
    {
        varnelMaterialSpecification window;
        window.show();
        platform::ui::SortableListView& results = window.results();
        ASSERT_GE(results.count(), 3);
        for (int row : {1, 3})
            results.topLevelItem(row - 1)->setSelected(true);
        window.Command1_Click(1);
        EXPECT_TRUE(platform::printer().device()->pageLayout().orientation() == QPageLayout::Landscape);
        expectReport({"Specification", "Grade", "Addenda", "UNS", "Condition", "P", "G", "S", "SG", "KSI",
                      "Nom. composition", "Product form"},
                     cellsOf(results, 12));
    }
    {
        varnelFillerSpecification window;
        window.show();
        platform::ui::SortableListView& results = window.results();
        ASSERT_GE(results.count(), 2);
        for (int row = 1; row <= results.count(); ++row)
            results.topLevelItem(row - 1)->setSelected(true);
        window.Command1_Click(1);
        expectReport({"Classification", "Specification", "F-N\u00B0", "A-N\u00B0", "UNS", "Comment"}, cellsOf(results, 6));
    }
    EXPECT_TRUE(seams.messages.shown.empty());
}

TEST_F(PrintoutsReadBack, ARefusedJobIsSaidOnceAndTheNextJobPrintsAfterTheSetUp)
{
    startMain();
    struct Refusal {
        const char* name;
        std::function<void(QPrinter&)> setUp;
        QString reason;  // none: the job prints
    };
    const QString missing = out.filePath(QStringLiteral("missing/folder"));
    const Refusal refusals[] = {
        {"folder not there",
         [&](QPrinter& p) {
             p.setOutputFormat(QPrinter::PdfFormat);
             p.setOutputFileName(missing + "/printout.pdf");
         },
         "The file \"" + missing + "/printout.pdf\" could not be written: the folder \"" + missing +
             "\" is not there."},
        // as the program starts on a machine without printers: into the file Printer Setup offers
        {"no printer", [](QPrinter&) {}, {}},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        if (std::string(refusal.name) == "no printer" && !QPrinterInfo::availablePrinterNames().isEmpty())
            continue;  // a machine with a printer would print for real
        seams.messages.shown.clear();
        QFile::remove(pdfFile);
        platform::installPrinter(std::make_unique<platform::QPrinterSurface>());
        refusal.setUp(*platform::printer().device());
        main->mnuPrint_Click();
        if (refusal.reason.isEmpty()) {
            printed(platform::defaultPrintoutFile());
            continue;
        }
        ASSERT_EQ(seams.messages.shown.size(), 1u);
        EXPECT_EQ(seams.messages.shown[0].icon, platform::MessageIcon::Exclamation);
        EXPECT_EQ(seams.messages.shown[0].text.toStdString(),
                  ("The printout could not be made. " + refusal.reason).toStdString());
        seams.messages.shown.clear();

        platform::Seams chosen;
        chosen.printerSetup = std::make_unique<testing_support::PdfPrinterSetup>(pdfFile);
        platform::installSeams(std::move(chosen));
        main->mnuPrintSetup_Click();
        main->mnuPrint_Click();
        printed();
    }
}
