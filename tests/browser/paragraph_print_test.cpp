// File > Print of the shown paragraph.

#include "platform/printer.h"
#include "support/file_bytes.h"
#include "support/installed_printer.h"
#include "support/main_window_fixture.h"
#include "support/pdf_printer_setup.h"

#include <QFile>
#include <QTest>
#include <QToolButton>

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

TEST_F(ParagraphPrint, NothingIsPrintedWithoutASelectedParagraphNorForATextTheFileLost)
{
    main->ListView1[2]->clearSelection();
    main->Toolbar1_ButtonClick(2);
    EXPECT_EQ(recorder->jobsEnded, 0);
    EXPECT_TRUE(recorder->texts.empty());
    EXPECT_TRUE(seams.messages.shown.empty());

    // QW-100 picked where the file lost its last page: said, and its text emptied. Printing it
    // says so again rather than print the empty text.
    QByteArray bytes = testing_support::readBytes(data.filePath("qel0709.mdb"));
    const qsizetype at = bytes.indexOf("here ends the sample paragraph QW-100");
    bytes.replace(at - at % 1024, 1024, QByteArray(1024, '\0'));  // the builder's 1 KB pages
    bytes[27] = static_cast<char>(bytes[27] + 1);  // the change counter: no page read before is trusted
    testing_support::writeBytes(data.filePath("qel0709.mdb"), bytes);
    main->Check1->setValue(0);
    QTest::keyClick(main->ListView1[2], Qt::Key_Home);
    ASSERT_EQ(main->ListView1[2]->selectedText(), "QW-100");
    seams.messages.shown.clear();
    QTest::mouseClick(main->toolbarButtons[2], Qt::LeftButton);
    EXPECT_EQ(recorder->jobsEnded, 0);
    EXPECT_EQ(seams.messages.shown.size(), 1u);
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
