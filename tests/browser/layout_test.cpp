// The main window's layout as its size changes.

#include "platform/ui/twips.h"
#include "support/main_window_fixture.h"

using namespace varnel;
using platform::toTwips;
using platform::twips;
using testing_support::copyInto;

namespace {

class Layout : public testing_support::MainWindowTest {
protected:
    void SetUp() override
    {
        copyInto(testing_support::sampleDatabase(), data.path());
        main = &createMain(data.path());
        main->show();
    }
    // Sets the outer size in twips: frame 120 across, caption, menu bar and frame 765 down.
    void setOuter(int width, int height) { main->client->resize(twips(width - 120), twips(height - 765)); }
    static int left(const QWidget* w) { return toTwips(w->x()); }
    static int top(const QWidget* w) { return toTwips(w->y()); }
    static int width(const QWidget* w) { return toTwips(w->width()); }
    static int height(const QWidget* w) { return toTwips(w->height()); }
    static int bottom(const QWidget* w) { return top(w) + height(w); }

    varnelMain* main = nullptr;
};

}  // namespace

TEST_F(Layout, WideningMovesTheRightHandPanelsAndStretchesTheRest)
{
    setOuter(9240, 7905);
    const QWidget* moved[] = {main->Frame1[2], main->Frame1[3], main->Command1[0], main->Command1[1]};
    const QWidget* widened[] = {main->Frame1[0], main->Frame1[4], main->Text1[1], main->RichTextBox1, main->Frame2, main->Text1[3]};
    std::vector<int> lefts, widths;
    for (const QWidget* w : moved)
        lefts.push_back(left(w));
    for (const QWidget* w : widened)
        widths.push_back(width(w));
    const int listWidth = width(main->ListView1[2]);

    setOuter(9240 + 2805, 7905);
    for (size_t i = 0; i < std::size(moved); ++i)
        EXPECT_EQ(left(moved[i]), lefts[i] + 2805) << i;
    for (size_t i = 0; i < std::size(widened); ++i)
        EXPECT_EQ(width(widened[i]), widths[i] + 2805) << i;
    EXPECT_EQ(width(main->ListView1[2]), listWidth);
    EXPECT_EQ(left(main->Command2[3]) + width(main->Command2[3]) + 30, left(main->Text1[3]) + width(main->Text1[3]));
}

TEST_F(Layout, BelowTheMinimumWidthNothingMovesAcross)
{
    setOuter(9240, 7905);
    const int frameLeft = left(main->Frame1[2]);
    const int textWidth = width(main->Text1[1]);
    setOuter(9000, 7905);
    EXPECT_EQ(left(main->Frame1[2]), frameLeft);
    EXPECT_EQ(width(main->Text1[1]), textWidth);
}

TEST_F(Layout, TallerWindowsLengthenTheListAndTheTextAboveTheButtons)
{
    setOuter(9735, 7905);
    const int exitTop = top(main->Command1[0]);
    const int listHeight = height(main->ListView1[2]);
    const int textHeight = height(main->RichTextBox1);
    setOuter(9735, 7905 + 1005);
    EXPECT_EQ(top(main->Command1[0]), exitTop + 1005);
    EXPECT_EQ(height(main->ListView1[2]), listHeight + 1005);
    EXPECT_EQ(height(main->RichTextBox1), textHeight + 1005);
    EXPECT_EQ(bottom(main->Command1[1]) + 60, top(main->Command1[0]));
    EXPECT_EQ(bottom(main->Frame1[3]) + 90, top(main->Command1[1]));
    EXPECT_EQ(bottom(main->Frame1[4]) + 90, top(main->Command1[1]));
    EXPECT_EQ(bottom(main->Frame1[1]) + 120, height(main->Frame1[4]));
    EXPECT_EQ(bottom(main->Frame1[7]) + 120, height(main->Frame1[4]));
}

TEST_F(Layout, SwitchingSearchByProcessLeavesEveryControlInPlace)
{
    setOuter(10035, 8205);
    const QRect text = main->RichTextBox1->geometry();
    const QRect list = main->ListView1[2]->geometry();
    main->Check1->setValue(0);
    main->Check1->setValue(1);
    EXPECT_EQ(main->RichTextBox1->geometry(), text);
    EXPECT_EQ(main->ListView1[2]->geometry(), list);
}
