// The main window's layout when its size changes: the search panels and the paragraph list keep
// to the right edge, the search box, the category box and the paragraph text stretch with the
// width, and the paragraph list and text stretch with the height above the Search and Exit
// buttons. Sizes are in twips; W and H are the window's outer size as designed (the area below
// the menu bar plus frame, caption and menu bar).

#include "browser/varnel_main.h"

#include "platform/ui/twips.h"

#include <QMenuBar>
#include <QToolBar>

namespace varnel {

namespace {

using platform::toTwips;
using platform::twips;

using namespace platform::twips_geometry;
using platform::outerExtraHeight;
using platform::outerExtraWidth;

// Below these outer sizes the layout leaves the controls where they are across, or down.
constexpr int layoutWidth = 9200;
constexpr int layoutHeight = 6000;

}  // namespace

QSize varnelMain::smallestLaidOutSize() const
{
    return QSize(platform::twipsAtLeast(layoutWidth - outerExtraWidth),
                 platform::twipsAtLeast(layoutHeight - outerExtraHeight) + menuBar()->sizeHint().height());
}

void varnelMain::Form_Resize()
{
    const int width = toTwips(client->width()) + outerExtraWidth;
    const int height = toTwips(client->height()) + outerExtraHeight;

    if (width >= layoutWidth) {
        setL(Frame1[2], width - (W(Frame1[2]) + 180));
        setL(Frame1[3], width - (W(Frame1[3]) + 180));
        setL(Command1[0], width - (W(Command1[0]) + 180));
        setL(Command1[1], width - (W(Command1[1]) + 180));
        setW(Frame1[0], width - (W(Frame1[2]) + 360));
        setW(Frame1[4], width - (W(Frame1[2]) + 360));
        setW(RichTextBox1, W(Frame1[4]) - 270);
        setL(Frame1[5], W(Frame1[0]) - (W(Frame1[5]) + 60));
        setW(Text1[1], W(Frame1[0]) - (W(Frame1[5]) + 300));
        setL(Frame1[6], W(Frame1[4]) - (W(Frame1[6]) + 60));
        setL(Frame1[7], W(Frame1[4]) - (W(Frame1[7]) + 180));
        setW(Frame2, width - 240);
        setW(Text1[3], W(Frame2) - 240 - W(Text1[2]) - 90);
        setL(Command2[3], L(Text1[3]) + W(Text1[3]) - W(Command2[3]) - 30);
        setL(Command2[1], L(Text1[1]) + W(Text1[1]) - W(Command2[1]) - 30);
        setW(List1[1], W(Text1[1]) - W(Command2[1]) - 30);
        setW(List1[3], W(Text1[3]) - W(Command2[3]) - 30);
        List1[1]->setColumnWidth(0, std::max(0, twips(W(List1[1]) - W(Command2[1]) - 120)));
        List1[3]->setColumnWidth(0, std::max(0, twips(W(List1[3]) - W(Command2[3]) - 120)));
    }

    setT(Frame1[0], T(Frame2) + H(Frame2) + 60);
    setT(Frame1[2], T(Frame2) + H(Frame2) + 60);
    setT(Frame1[3], T(Frame1[0]) + H(Frame1[0]) + 60);
    setT(Frame1[4], T(Frame1[0]) + H(Frame1[0]) + 60);

    if (height >= layoutHeight) {
        setT(Command1[0], height - (H(Command1[0]) + 530) - H(Toolbar1));
        setT(Command1[1], T(Command1[0]) - (H(Command1[1]) + 60));
        setH(Frame1[3], T(Command1[1]) - T(Frame1[3]) - 90);
        setH(Frame1[4], T(Command1[1]) - T(Frame1[4]) - 90);
        setT(Frame1[1], H(Frame1[4]) - (H(Frame1[1]) + 120));
        setT(Frame1[7], H(Frame1[4]) - (H(Frame1[7]) + 120));
        setH(ListView1[2], H(Frame1[3]) - 390);
        setH(RichTextBox1, H(Frame1[4]) - 390 - (H(Frame1[1]) + 120));
    }
}

}  // namespace varnel
