#include "platform/ui/printer_setup_dialog.h"

#include "platform/printer.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>

namespace platform::ui {

namespace {

const QPageSize::PageSizeId papers[] = {QPageSize::Letter, QPageSize::Legal, QPageSize::Executive,
                                        QPageSize::Tabloid, QPageSize::A3, QPageSize::A4,
                                        QPageSize::A5, QPageSize::B5};

}  // namespace

QString PrinterSetupDialog::pdfFileEntry() { return QStringLiteral("PDF file"); }

PrinterSetupDialog::PrinterSetupDialog(QPrinter& printer, QWidget* parent) : QDialog(parent), printer_(printer)
{
    setWindowTitle(QStringLiteral("Printer Setup"));
    auto* form = new QFormLayout(this);

    printerBox = new QComboBox(this);
    printerBox->addItems(QPrinterInfo::availablePrinterNames());
    printerBox->addItem(pdfFileEntry());
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty();
    printerBox->setCurrentText(toFile ? pdfFileEntry() : printer.printerName());
    form->addRow(QStringLiteral("&Printer:"), printerBox);

    fileBox = new QLineEdit(this);
    const QString file = printer.outputFileName();
    fileBox->setText(QDir::toNativeSeparators(file.isEmpty() ? defaultPrintoutFile() : file));
    form->addRow(QStringLiteral("&File:"), fileBox);

    paperBox = new QComboBox(this);
    for (QPageSize::PageSizeId id : papers)
        paperBox->addItem(QPageSize::name(id), static_cast<int>(id));
    const int current = paperBox->findData(static_cast<int>(printer.pageLayout().pageSize().id()));
    paperBox->setCurrentIndex(current >= 0 ? current : 0);
    form->addRow(QStringLiteral("P&aper:"), paperBox);

    auto* orientation = new QHBoxLayout;
    portrait = new QRadioButton(QStringLiteral("P&ortrait"), this);
    landscape = new QRadioButton(QStringLiteral("&Landscape"), this);
    (printer.pageLayout().orientation() == QPageLayout::Landscape ? landscape : portrait)->setChecked(true);
    orientation->addWidget(portrait);
    orientation->addWidget(landscape);
    form->addRow(QStringLiteral("Orientation:"), orientation);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(printerBox, &QComboBox::currentTextChanged, this, [this] { showFileBox(); });
    showFileBox();
}

void PrinterSetupDialog::showFileBox() { fileBox->setEnabled(printerBox->currentText() == pdfFileEntry()); }

void PrinterSetupDialog::accept()
{
    if (printerBox->currentText() == pdfFileEntry()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(QDir::fromNativeSeparators(fileBox->text().trimmed()));
    } else {
        printer_.setOutputFormat(QPrinter::NativeFormat);
        printer_.setPrinterName(printerBox->currentText());
    }
    printer_.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(paperBox->currentData().toInt())));
    printer_.setPageOrientation(landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QDialog::accept();
}

}  // namespace platform::ui
