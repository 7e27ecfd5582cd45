// The interpretations window's layout when its size changes, its menus and toolbar, and the print
// command. The search panels on the right keep to the right edge, the text-search box and the
// interpretation text stretch with the width, and the results and the text stretch with the
// height above the Search and Exit buttons. Sizes are in twips; W and H are the window's outer
// size (the area below the menu bar plus frame, caption and menu bar).

#include "interpretations/sorvik_main.h"

#include "interpretations/interpretation_printout.h"
#include "platform/printer.h"
#include "print/print_module.h"

#include "platform/ui/twips.h"

#include <QDate>
#include <QEvent>
#include <QMenuBar>
#include <QTextDocument>
#include <QToolBar>

namespace varnel {

namespace {

using platform::toTwips;
using platform::twips;

using namespace platform::twips_geometry;
using platform::outerExtraHeight;
using platform::outerExtraWidth;

// At these outer sizes and below the layout leaves the controls where they are across, or down.
constexpr int layoutWidth = 9200;
constexpr int layoutHeight = 6400;

}  // namespace

bool sorvikMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client && event->type() == QEvent::Resize) {
        Toolbar1->resize(client->width(), Toolbar1->height());
        Form_Resize();
    }
    return QDialog::eventFilter(watched, event);
}

QSize sorvikMain::smallestLaidOutSize() const
{
    return QSize(platform::twipsAtLeast(layoutWidth + 1 - outerExtraWidth),
                 platform::twipsAtLeast(layoutHeight + 1 - outerExtraHeight) + menuBar->sizeHint().height());
}

void sorvikMain::Form_Resize()
{
    const int width = toTwips(client->width()) + outerExtraWidth;
    const int height = toTwips(client->height()) + outerExtraHeight;
    const int toolbar = H(Toolbar1);

    if (width > layoutWidth) {
        setL(Frame1[2], width - (W(Frame1[2]) + 180));
        setL(Frame1[3], width - (W(Frame1[3]) + 180));
        setL(ListView1[0], L(Frame1[2]) + L(Text1[0]));
        setL(Command1[0], width - (W(Command1[0]) + 180));
        setL(Command1[1], width - (W(Command1[1]) + 180));
        setW(Frame1[0], width - (W(Frame1[2]) + 360));
        setW(Frame1[4], width - (W(Frame1[2]) + 360));
        setW(RichTextBox1, W(Frame1[4]) - 270);
        setW(Shape1, W(Frame1[4]) - 270);
        setL(Frame1[5], W(Frame1[0]) - (W(Frame1[5]) + 60));
        setW(Text1[1], W(Frame1[0]) - (W(Frame1[5]) + 300));
        setL(Frame1[6], W(Frame1[4]) - (W(Frame1[6]) + 60));
        setL(Frame1[7], W(Frame1[4]) - (W(Frame1[7]) + 180));
        setL(Command2[2], L(Text1[1]) + W(Text1[1]) - W(Command2[2]) - 30);
        setW(ListView1[1], W(Text1[1]) - W(Command2[2]) - 30);
    }

    if (height > layoutHeight) {
        setT(Command1[0], height - (H(Command1[0]) + 530) - toolbar);
        setT(Command1[1], T(Command1[0]) - (H(Command1[1]) + 60));
        setH(Frame1[3], T(Command1[1]) - T(Frame1[3]) - 90);
        setH(Frame1[4], T(Command1[1]) - T(Frame1[4]) - 90);
        setT(Frame1[1], H(Frame1[4]) - (H(Frame1[1]) + 120));
        setT(Frame1[7], H(Frame1[4]) - (H(Frame1[7]) + 120));
        setH(ListView1[2], H(Frame1[3]) - 390);
        setH(RichTextBox1, (H(Frame1[4]) - 390) - (H(Frame1[1]) + 120));
        setH(Shape1, (H(Frame1[4]) - 390) - (H(Frame1[1]) + 120));
    }
}

void sorvikMain::Toolbar1_ButtonClick(int index)
{
    if (index == 2)
        mnuPrint_Click();
}

void sorvikMain::mnuFileExit_Click() { close(); }

void sorvikMain::mnuPrint_Click()
{
    // The interpretation on show is printed, whether or not its row is selected: a search shows
    // its first hit without selecting it. A text left empty by a read that met damage is read
    // again, so that the damage is said once more rather than printed as an empty page.
    if (!unreadNumber_.isEmpty())
        loadInterpretation(unreadNumber_);
    if (RichTextBox1->text().isEmpty())
        return;
    initPrinter(platform::Orientation::Portrait);
    printTitle(QStringLiteral("Sorvik"), interpretationsCopyright(QDate::currentDate().year()));
    printFooter(QString());
    platform::printer().setFontSize(8);
    printRichTextOnPage(*RichTextBox1);
    endPrintJob();
}

void sorvikMain::mnuPrintSetup_Click() { platform::showPrinterSetup(); }

}  // namespace varnel
