#include "print/print_module.h"

#include "app/version.h"
#include "platform/printer.h"
#include "platform/ui/seams.h"
#include "platform/vb.h"
#include "support/installed_printer.h"
#include "support/pdf_printer_setup.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <optional>

using namespace varnel;
using platform::BoxFill;
using platform::Orientation;
using platform::RecordingPageSurface;

namespace {

constexpr double letterWidth = 12240;
constexpr double letterHeight = 15840;

// Installs a recording printer for one test and puts the previous one back afterwards.
class PrintModuleTest : public ::testing::Test {
protected:
    // Replaces the recording printer of this test by a new one.
    void install(QSizeF paper, QMarginsF unprintable = QMarginsF(360, 240, 360, 240))
    {
        printer.reset();
        printer.emplace(std::make_unique<RecordingPageSurface>(paper, unprintable));
        recorder = printer->recorder();
        unprintable_ = unprintable;
    }
    void SetUp() override { install(QSizeF(letterWidth, letterHeight)); }

    // Width of `text` at `size` points in scale units after initPrinter (scale = paper in twips),
    // from the recording surface's metric: half an em per character.
    double widthAt(double size, const QString& text) const
    {
        const double printable = recorder->paperWidth() - unprintable_.left() - unprintable_.right();
        return text.size() * size * 10 * recorder->paperWidth() / printable;
    }

    // The recorded rules run across the grid's width at these rows, in black.
    void expectRules(const std::vector<int>& rows) const
    {
        const PrintModule& grid = printModule();
        ASSERT_EQ(recorder->lines.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const platform::RecordedLine& rule = recorder->lines[i];
            EXPECT_DOUBLE_EQ(rule.x1, 20 * grid.printUnitX) << rows[i];
            EXPECT_DOUBLE_EQ(rule.x2, (grid.printWidth + 20) * grid.printUnitX) << rows[i];
            EXPECT_DOUBLE_EQ(rule.y1, (rows[i] + 5) * grid.printUnitY) << rows[i];
            EXPECT_DOUBLE_EQ(rule.y2, rule.y1) << rows[i];
            EXPECT_EQ(rule.color, QColor(Qt::black)) << rows[i];
        }
    }

    struct ExpectedText {
        QString text;
        double x;
        double y;
        double size;
        bool bold;
    };
    // The recorded texts are these, in Arial, in this order.
    void expectTexts(const std::vector<ExpectedText>& expected) const
    {
        ASSERT_EQ(recorder->texts.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const platform::RecordedText& printed = recorder->texts[i];
            EXPECT_EQ(printed.text, expected[i].text);
            EXPECT_NEAR(printed.x, expected[i].x, 1e-9) << expected[i].text.toStdString();
            EXPECT_DOUBLE_EQ(printed.y, expected[i].y) << expected[i].text.toStdString();
            EXPECT_EQ(printed.font.name, "Arial") << expected[i].text.toStdString();
            EXPECT_EQ(printed.font.size, expected[i].size) << expected[i].text.toStdString();
            EXPECT_EQ(printed.font.bold, expected[i].bold) << expected[i].text.toStdString();
        }
    }

    RecordingPageSurface* recorder = nullptr;
    QMarginsF unprintable_;
    std::optional<testing_support::InstalledPrinter> printer;
};

}  // namespace

TEST_F(PrintModuleTest, PageScaleFollowsTheShorterSideAndRoundsTheColumnWidthHalfToEven)
{
    struct Case {
        QSizeF portraitPaper;
        Orientation orientation;
        double unitX;
        int width;
    };
    const Case cases[] = {
        {{12240, 15840}, Orientation::Portrait, 12240 / 250.0 * 0.98, 210},
        {{11906, 16838}, Orientation::Portrait, 11906 / 250.0 * 0.98, 210},
        // 15840 \ 49.98: the column width is taken as 50 before the division.
        {{12240, 15840}, Orientation::Landscape, 12240 / 240.0 * 0.98, 286},
        {{11906, 16838}, Orientation::Landscape, 11906 / 240.0 * 0.98, 313},
        // A column width of exactly 24.5 divides as 24, one of 73.5 as 74.
        {{6000, 8000}, Orientation::Landscape, 24.5, 303},
        {{18000, 24000}, Orientation::Landscape, 73.5, 294},
    };
    for (const Case& c : cases) {
        install(c.portraitPaper);
        initPrinter(c.orientation);
        const double height = c.orientation == Orientation::Portrait ? c.portraitPaper.height()
                                                                     : c.portraitPaper.width();
        EXPECT_DOUBLE_EQ(printModule().printUnitX, c.unitX) << c.portraitPaper.width();
        EXPECT_DOUBLE_EQ(printModule().printUnitY, height * 0.95 / 338) << c.portraitPaper.width();
        EXPECT_EQ(printModule().printWidth, c.width) << c.portraitPaper.width();
    }
}

TEST_F(PrintModuleTest, InitPrinterStartsThePageInArialEightBlackOnAPaperSizedScale)
{
    recorder->setFontName("Courier New");
    recorder->setFontBold(true);
    recorder->setFontItalic(true);
    recorder->setForeColor(Qt::red);
    initPrinter(Orientation::Landscape);

    EXPECT_EQ(recorder->orientation(), Orientation::Landscape);
    EXPECT_EQ(recorder->scaleWidth(), letterHeight);
    EXPECT_EQ(recorder->scaleHeight(), letterWidth);
    const platform::PrinterFont& font = recorder->font();
    EXPECT_EQ(font.name, "Arial");
    EXPECT_EQ(font.size, 8);
    EXPECT_FALSE(font.bold);
    EXPECT_FALSE(font.italic);
    EXPECT_EQ(recorder->foreColor(), QColor(Qt::black));
    EXPECT_EQ(recorder->pages, 1);
    // The empty text that started the page moved the printer to the next line.
    EXPECT_EQ(recorder->currentX(), 0);
    EXPECT_DOUBLE_EQ(recorder->currentY(), recorder->textHeight(QString()));
}

TEST_F(PrintModuleTest, TitleBandIsFramedAndCentredWithItsTrademarkAfterTheTitle)
{
    initPrinter(Orientation::Portrait);
    const QString title = "Varnel";
    const QString subtitle = "ASME Section IX, QW-402.1 Copyright(c) 1998";
    printTitle(title, subtitle);
    const double ux = printModule().printUnitX;
    const double uy = printModule().printUnitY;

    expectRules({0, 20});
    const double titleLeft = (210 * ux - widthAt(12, title)) / 2 + 20 * ux;
    expectTexts({{title, titleLeft, 8 * uy, 12, true},
                 {"TM", titleLeft + widthAt(12, title), 8 * uy, 5, true},
                 {subtitle, (210 * ux - widthAt(10, subtitle)) / 2 + 20 * ux, 17 * uy, 10, true}});
}

TEST_F(PrintModuleTest, FooterBandHoldsTheTrademarkAtTheLeftAndTheCopyrightAtTheRightMargin)
{
    initPrinter(Orientation::Landscape);
    recorder->setFontBold(true);
    printFooter(QString());
    const double ux = printModule().printUnitX;
    const double uy = printModule().printUnitY;
    const double rightMargin = (printModule().printWidth + 20) * ux;

    expectRules({319, 325});
    expectTexts({{legalTrademarks(), 20 * ux, 325 * uy, 5, false},
                 {legalCopyright(), rightMargin - widthAt(5, legalCopyright()), 325 * uy, 5, false}});
    EXPECT_EQ(recorder->font().size, 5);
}

TEST_F(PrintModuleTest, AShadedBoxIsFilledAndOutlinedInTheShadeBeforeItsBlackOutline)
{
    initPrinter(Orientation::Portrait);
    const double ux = printModule().printUnitX;
    const double uy = printModule().printUnitY;
    drawShadedBox(0, 26, 210, 36, true);
    drawShadedBox(10, 40, 5, 30, false);

    ASSERT_EQ(recorder->boxes.size(), 3u);
    const platform::RecordedBox& fill = recorder->boxes[0];
    EXPECT_EQ(fill.fill, BoxFill::Filled);
    EXPECT_EQ(fill.color, QColor(255, 232, 232));
    EXPECT_DOUBLE_EQ(fill.x1, 20 * ux);
    EXPECT_DOUBLE_EQ(fill.y1, 31 * uy);
    EXPECT_DOUBLE_EQ(fill.x2, 230 * ux);
    EXPECT_DOUBLE_EQ(fill.y2, 41 * uy);
    EXPECT_EQ(recorder->boxes[1].fill, BoxFill::Outline);
    EXPECT_EQ(recorder->boxes[1].color, QColor(Qt::black));
    EXPECT_DOUBLE_EQ(recorder->boxes[1].x2, fill.x2);
    // Corners in any order give the same box.
    EXPECT_EQ(recorder->boxes[2].fill, BoxFill::Outline);
    EXPECT_DOUBLE_EQ(recorder->boxes[2].x1, 25 * ux);
    EXPECT_DOUBLE_EQ(recorder->boxes[2].y1, 35 * uy);
    EXPECT_DOUBLE_EQ(recorder->boxes[2].x2, 30 * ux);
    EXPECT_DOUBLE_EQ(recorder->boxes[2].y2, 45 * uy);
}

TEST_F(PrintModuleTest, PrintTextPrintsSizesFromEightOnePointSmallerInArialHalfAUnitIn)
{
    struct Case {
        int size;
        bool italic;
        bool bold;
        double printedSize;
    };
    const Case cases[] = {{9, false, false, 8}, {8, false, false, 7}, {7, true, false, 7},
                          {12, false, true, 11}, {5, true, true, 5}};
    initPrinter(Orientation::Portrait);
    const double ux = printModule().printUnitX;
    const double uy = printModule().printUnitY;
    for (const Case& c : cases) {
        recorder->setFontName("Courier New");
        printText("Cell", 43, 40, c.size, c.italic, c.bold);
        const platform::RecordedText& printed = recorder->texts.back();
        EXPECT_EQ(printed.font.name, "Arial") << c.size;
        EXPECT_EQ(printed.font.size, c.printedSize) << c.size;
        EXPECT_EQ(printed.font.italic, c.italic) << c.size;
        EXPECT_EQ(printed.font.bold, c.bold) << c.size;
        EXPECT_DOUBLE_EQ(printed.x, 63.5 * ux);
        EXPECT_DOUBLE_EQ(printed.y, 45.5 * uy);
    }
    // The printer stays on the text's line, after it.
    EXPECT_DOUBLE_EQ(recorder->currentX(), 63.5 * ux + widthAt(5, "Cell"));
    EXPECT_DOUBLE_EQ(recorder->currentY(), 45.5 * uy);
}

TEST_F(PrintModuleTest, PrintTextKeepsAnAxisGivenAsMinusOneWhereTheLineBreakBeforeItLeftIt)
{
    initPrinter(Orientation::Portrait);
    const double ux = printModule().printUnitX;
    const double uy = printModule().printUnitY;
    printText("first", 1, 40, 9, false, false);
    printText("below", 50, keepPosition, 9, false, false);
    printText("left", keepPosition, 60, 9, false, false);

    ASSERT_EQ(recorder->texts.size(), 3u);
    // Each call first ends the line it is on: down one line, back to the left edge.
    EXPECT_DOUBLE_EQ(recorder->texts[1].x, 70.5 * ux);
    EXPECT_DOUBLE_EQ(recorder->texts[1].y, 45.5 * uy + recorder->textHeight("below"));
    EXPECT_DOUBLE_EQ(recorder->texts[2].x, 0);
    EXPECT_DOUBLE_EQ(recorder->texts[2].y, 65.5 * uy);
}

namespace {

QString paragraphText(int count)
{
    QStringList paragraphs;
    for (int i = 1; i <= count; ++i)
        paragraphs << QStringLiteral("Paragraph %1: the essential variables of the welding procedure "
                                     "apply to every joint welded under it, and a change beyond the "
                                     "qualified range requires requalification.")
                          .arg(i);
    return paragraphs.join(u'\n');
}

}  // namespace

TEST_F(PrintModuleTest, RichTextContinuesOnNewPagesWithinTheMarginsLessTheUnprintableOffsets)
{
    install(QSizeF(letterWidth, letterHeight), QMarginsF(300, 200, 420, 260));
    QTextEdit box;
    box.setPlainText(paragraphText(120));
    const QSizeF screenPageSize = box.document()->pageSize();

    initPrinter(Orientation::Portrait);
    printTitle(programTitle(), "subtitle");
    const platform::PageSurface& printer = *recorder;
    const int sideMargin = vb::CLng(printer.scaleWidth() / 8);
    const int endMargin = vb::CLng(printer.scaleHeight() / 9);
    printRichText(box, sideMargin, endMargin, sideMargin, endMargin);

    const QRectF area(1530 - 300, 1760 - 200, letterWidth - 2 * 1530, letterHeight - 2 * 1760);
    const auto& pages = recorder->documentPages;
    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(recorder->pages, int(pages.size()));
    QStringList printedLines;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].page, int(i) + 1);
        EXPECT_EQ(pages[i].area, area);
        EXPECT_FALSE(pages[i].lines.isEmpty()) << i;
        for (const QRectF& line : pages[i].lineRects) {
            EXPECT_GE(line.left(), area.left() - 0.5) << i;
            EXPECT_LE(line.right(), area.right() + 0.5) << i;
            EXPECT_GE(line.top(), area.top() - 0.5) << i;
            EXPECT_LE(line.bottom(), area.bottom() + 0.5) << i;
        }
        printedLines << pages[i].lines;
    }
    // Every line once, in order: nothing lost or repeated at a page break.
    EXPECT_EQ(printedLines.join(QString()).remove(u' '), paragraphText(120).remove(u'\n').remove(u' '));
    // The title stays on the first page and the box keeps its own layout.
    EXPECT_EQ(recorder->texts.front().page, 1);
    EXPECT_EQ(box.document()->pageSize(), screenPageSize);
    EXPECT_EQ(recorder->jobsEnded, 0);
}

TEST_F(PrintModuleTest, RichTextThatFitsOrIsEmptyStaysOnThePageAndNoRoomPrintsNothing)
{
    const auto print = [&](const QString& text, int sideMargin, int endMargin) {
        install(QSizeF(letterWidth, letterHeight));
        QTextEdit box;
        box.setPlainText(text);
        initPrinter(Orientation::Portrait);
        printRichText(box, sideMargin, endMargin, sideMargin, endMargin);
    };
    // As many one-line paragraphs as fill the first page to its end.
    QStringList fill;
    for (int n = 1; n < 500; ++n) {
        print(fill.join(u'\n') + QStringLiteral("\nLine %1").arg(n), 1530, 1760);
        if (recorder->documentPages.size() > 1)
            break;
        fill << QStringLiteral("Line %1").arg(n);
    }
    ASSERT_GT(fill.size(), 10);
    struct Case {
        const char* name;
        QString text;
        int sideMargin;
        int endMargin;
        std::size_t documentPages;
    };
    const Case cases[] = {
        {"short", paragraphText(3), 1530, 1760, 1},
        {"empty", QString(), 1530, 1760, 1},
        {"margins wider than the paper", paragraphText(3), 7000, 1760, 0},
        {"margins taller than the paper", paragraphText(3), 1530, 8000, 0},
        // The empty lines after the last line break would fill a page of their own.
        {"a full page and a line break", fill.join(u'\n') + u'\n', 1530, 1760, 1},
        {"a full page and blank lines", fill.join(u'\n') + QStringLiteral("\n \n\n\t\n"), 1530, 1760, 1},
    };
    for (const Case& c : cases) {
        print(c.text, c.sideMargin, c.endMargin);
        EXPECT_EQ(recorder->documentPages.size(), c.documentPages) << c.name;
        EXPECT_EQ(recorder->pages, 1) << c.name;
    }
}

TEST(PrintModulePdf, APrintoutGoesToThePrinterChosenInTheSetUpDialog)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("printout.pdf");
    platform::Seams chosen;
    chosen.printerSetup = std::make_unique<testing_support::PdfPrinterSetup>(file);
    platform::installSeams(std::move(chosen));
    ASSERT_TRUE(platform::showPrinterSetup());
    platform::Seams qt;
    qt.printerSetup = std::move(platform::qtSeams().printerSetup);
    platform::installSeams(std::move(qt));

    QTextEdit box;
    box.setPlainText(paragraphText(80));
    initPrinter(Orientation::Portrait);
    printTitle(programTitle(), "ASME Section IX, QW-402.1");
    printFooter(QString());
    drawShadedBox(0, 26, printModule().printWidth, 36, true);
    printText("Heading", 1, 28, 9, false, false);
    platform::PageSurface& printer = platform::printer();
    printer.setFontSize(8);
    const int sideMargin = vb::CLng(printer.scaleWidth() / 8);
    const int endMargin = vb::CLng(printer.scaleHeight() / 9);
    printRichText(box, sideMargin, endMargin, sideMargin, endMargin);
    EXPECT_TRUE(printer.endDoc());

    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");
    EXPECT_GT(pdf.size(), 1000);
}
