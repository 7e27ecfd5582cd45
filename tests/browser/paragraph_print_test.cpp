// File > Print of the shown paragraph.

#include "platform/printer.h"
#include "support/installed_printer.h"
#include "support/main_window_fixture.h"
#include "support/file_bytes.h"
#include "support/pdf_printer_setup.h"

#include <QFile>
#include <QTest>
#include <QToolButton>
#include <functional>

using namespace varnel;
using testing_support::copyInto;

namespace {

class ParagraphPrint : public testing_support::SampleMainWindowTest<> {
protected:
    testing_support::InstalledPrinter printer;
    platform::RecordingPageSurface* recorder = printer.recorder();
};

}  // namespace

TEST_F(ParagraphPrint, PrintsTheSelectedParagraphUnderItsTitle)
{
    ASSERT_GT(main->ListView1[2]->selectedIndex(), 0);
    main->mnuPrint_Click();
    EXPECT_EQ(recorder->jobsEnded, 1);
    ASSERT_GE(recorder->texts.size(), 2u);
    EXPECT_EQ(recorder->texts[0].text, "Varnel");
    bool subtitle = false;
    for (const auto& t : recorder->texts)
        subtitle = subtitle || t.text == "ASME Section IX, " + main->ListView1[2]->selectedText()
                                             + " Copyright(c) 1998 The American Society of Mechanical Engineers";
    EXPECT_TRUE(subtitle);
    EXPECT_FALSE(recorder->documentPages.empty());
}

// Nor is the empty text shown for a paragraph that the file no longer gives whole: that is said
// again, as damage.
TEST_F(ParagraphPrint, NothingIsPrintedWithoutASelectedParagraphOrItsWholeText)
{
    const struct {
        const char* what;
        std::function<void()> make;
        std::size_t said;
    } cases[] = {
        {"nothing selected", [&] { main->ListView1[2]->clearSelection(); }, 0},
        {"the text's last page zeroed", [&] {
             const QString file = data.filePath("qel0709.mdb");
             QByteArray bytes = testing_support::readBytes(file);
             testing_support::zeroPageHolding(bytes, "here ends the sample paragraph QW-100");
             bytes[27] = static_cast<char>(bytes[27] + 1);  // the change counter: no page read before is trusted
             testing_support::writeBytes(file, bytes);
             main->Check1->setValue(0);  // every paragraph listed
             QTest::keyClick(main->ListView1[2], Qt::Key_Home);  // QW-100 picked: said, and its text emptied
             ASSERT_EQ(main->ListView1[2]->selectedText(), "QW-100");
             seams.messages.shown.clear();
         }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        QTest::mouseClick(main->toolbarButtons[2], Qt::LeftButton);
        EXPECT_EQ(recorder->jobsEnded, 0);
        EXPECT_TRUE(recorder->texts.empty());
        EXPECT_EQ(seams.messages.shown.size(), c.said);
    }
}

TEST_F(ParagraphPrint, ThePrintoutReachesThePrinterChosenInTheSetUp)
{
    printer.putBack();  // the real printer
    QTemporaryDir out;
    platform::Seams chosen;
    chosen.printerSetup = std::make_unique<testing_support::PdfPrinterSetup>(out.filePath("paragraph.pdf"));
    platform::installSeams(std::move(chosen));
    main->mnuPrintSetup_Click();
    main->mnuPrint_Click();
    QFile pdf(out.filePath("paragraph.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");
}
