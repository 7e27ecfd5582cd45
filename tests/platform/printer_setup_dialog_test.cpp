// The printer set-up dialog sets the printer up and prints nothing: printer or PDF file, paper,
// orientation, OK and Cancel.

#include "platform/ui/printer_setup_dialog.h"
#include "support/print_qstring.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::ui::PrinterSetupDialog;

TEST(PrinterSetupDialog, OffersOkAndCancelButNoPrintButton)
{
    QPrinter printer(QPrinter::HighResolution);
    PrinterSetupDialog dialog(printer);
    QStringList captions;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (!qobject_cast<const QRadioButton*>(button))
            captions << button->text().remove(u'&');
    captions.sort();
    EXPECT_EQ(captions, (QStringList{"Cancel", "OK"}));
    EXPECT_EQ(dialog.windowTitle(), "Printer Setup");
}

TEST(PrinterSetupDialog, OkTakesTheChoiceAndCancelLeavesThePrinterAsItWas)
{
    const struct {
        const char* name;
        bool accept;
    } cases[] = {{"OK", true}, {"Cancel", false}};
    for (const auto& c : cases) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/tmp/before.pdf"));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Portrait);
        PrinterSetupDialog dialog(printer);
        dialog.printerBox->setCurrentText(PrinterSetupDialog::pdfFileEntry());
        dialog.fileBox->setText(QStringLiteral("/tmp/after.pdf"));
        dialog.paperBox->setCurrentIndex(dialog.paperBox->findText(QPageSize::name(QPageSize::A4)));
        dialog.landscape->setChecked(true);
        if (c.accept)
            dialog.buttons->button(QDialogButtonBox::Ok)->click();
        else
            dialog.buttons->button(QDialogButtonBox::Cancel)->click();
        EXPECT_EQ(printer.outputFileName(), c.accept ? "/tmp/after.pdf" : "/tmp/before.pdf") << c.name;
        EXPECT_EQ(printer.pageLayout().pageSize().id(), c.accept ? QPageSize::A4 : QPageSize::Letter) << c.name;
        EXPECT_EQ(printer.pageLayout().orientation(), c.accept ? QPageLayout::Landscape : QPageLayout::Portrait)
            << c.name;
        EXPECT_EQ(dialog.result(), c.accept ? QDialog::Accepted : QDialog::Rejected) << c.name;
    }
}

TEST(PrinterSetupDialog, APrinterWithoutAFileIsOfferedOneInTheDocumentsFolderOrElseTheHomeFolder)
{
    const QByteArray savedHome = qgetenv("HOME");
    for (const bool documents : {true, false}) {
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        if (documents)
            QDir(home.path()).mkdir("Documents");
        const QString offered = home.filePath(documents ? "Documents/printout.pdf" : "printout.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);  // as Qt sets up a machine without printers
        PrinterSetupDialog dialog(printer);
        EXPECT_EQ(dialog.fileBox->text(), offered) << documents;
        dialog.buttons->button(QDialogButtonBox::Ok)->click();
        EXPECT_EQ(printer.outputFileName(), offered) << documents;
    }
    qputenv("HOME", savedHome);
}
