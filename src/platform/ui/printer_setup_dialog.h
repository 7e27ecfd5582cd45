#pragma once
// The printer set-up dialog: which printer (one of the system's printers, or a PDF file), the
// paper and its orientation, with OK and Cancel. OK takes the choice into the printer; Cancel
// leaves the printer as it was. Nothing is printed from here.

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPrinter;
class QRadioButton;

namespace platform::ui {

class PrinterSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrinterSetupDialog(QPrinter& printer, QWidget* parent = nullptr);
    void accept() override;

    QComboBox* printerBox = nullptr;  // the system's printers, then the PDF file entry
    QLineEdit* fileBox = nullptr;     // the PDF file, used when that entry is chosen
    QComboBox* paperBox = nullptr;
    QRadioButton* portrait = nullptr;
    QRadioButton* landscape = nullptr;
    QDialogButtonBox* buttons = nullptr;

    static QString pdfFileEntry();

private:
    void showFileBox();

    QPrinter& printer_;
};

}  // namespace platform::ui
