// The one rule that fits a caption into its box: the control's own size when it fits, a smaller
// size in half points down to 7 when that fits, else 7 points with the caption cut and shown
// whole in the tool tip.

#include "platform/ui/caption_fit.h"
#include "platform/ui/controls.h"
#include "platform/ui/form_font.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

using namespace platform::ui;

namespace {

QFontMetricsF metricsAt(double points)
{
    QFont font = formFont();
    font.setPointSizeF(points);
    return QFontMetricsF(font);
}

double widthAt(const QString& text, double points) { return metricsAt(points).horizontalAdvance(text); }

// The height of one line of the form font at `points`.
double lineAt(double points) { return metricsAt(points).height(); }

}  // namespace

TEST(CaptionFit, ACaptionTakesTheLargestSizeThatFitsAndIsCutOnlyBelow7Points)
{
    const QString caption = QStringLiteral("Show all applicable Interpretations");
    const double roomy = widthAt(caption, 8) + 5;
    const double lineHeight = lineAt(8) + 2;
    ASSERT_LT(lineAt(7.5), lineAt(8));
    const struct {
        const char* name;
        double width, height;  // pixels
        double points;
        bool whole;
    } cases[] = {
        {"room to spare", roomy, lineHeight, 8, true},
        {"exactly its width", widthAt(caption, 8), lineHeight, 8, true},
        {"half a point short", widthAt(caption, 7.5) + 0.5, lineHeight, 7.5, true},
        {"a point short", widthAt(caption, 7) + 0.5, lineHeight, 7, true},
        {"too narrow for 7 points", widthAt(caption, 7) - 1, lineHeight, 7, false},
        // A one-line caption in a box lower than its font's line is drawn smaller too.
        {"exactly its line high", roomy, lineAt(8), 8, true},
        {"lower than its line", roomy, lineAt(7.5), 7.5, true},
        {"lower than the line at 7 points", roomy, lineAt(7) - 1, 7, false},
    };
    for (const auto& c : cases) {
        const CaptionFit fit = fitCaption(caption, formFont(), QSizeF(c.width, c.height), false);
        EXPECT_DOUBLE_EQ(fit.font.pointSizeF(), c.points) << c.name;
        EXPECT_EQ(fit.whole, c.whole) << c.name;
        EXPECT_LE(QFontMetricsF(fit.font).horizontalAdvance(fit.text), c.width) << c.name;
        if (c.whole) {
            EXPECT_LE(QFontMetricsF(fit.font).height(), c.height) << c.name;
        }
        if (!c.whole && c.width < roomy) {
            EXPECT_TRUE(fit.text.endsWith(QChar(0x2026)) && caption.startsWith(fit.text.chopped(1))) << c.name;
        }
    }
}

TEST(CaptionFit, AWrappingCaptionUsesItsLinesBeforeItShrinks)
{
    const QString caption = QStringLiteral("Show all applicable Processes");
    const double line = QFontMetricsF(formFont()).lineSpacing();
    const double widest = std::max(widthAt(QStringLiteral("applicable"), 8), widthAt(QStringLiteral("Processes"), 8)) + 1;
    const CaptionFit threeLines = fitCaption(caption, formFont(), QSizeF(widest, 3 * line + 1), true);
    EXPECT_DOUBLE_EQ(threeLines.font.pointSizeF(), 8);
    EXPECT_TRUE(threeLines.whole);
    const CaptionFit oneLine = fitCaption(caption, formFont(), QSizeF(widest, line + 1), true);
    EXPECT_FALSE(oneLine.whole);
    EXPECT_TRUE(captionFits(oneLine.text, oneLine.font, QSizeF(widest, line + 1), true));
}

TEST(CaptionFit, ACutCaptionShowsWholeInTheToolTipUntilItFitsAgain)
{
    Label label(QStringLiteral("Partial pen."));
    label.setToolTip(QStringLiteral(" QW-202.2 "));
    label.setGeometry(0, 0, 12, 14);
    label.setCaption(QStringLiteral("Dissimilar thickness"));
    EXPECT_FALSE(label.captionFit().whole);
    EXPECT_EQ(label.toolTip(), QStringLiteral("Dissimilar thickness\n QW-202.2 "));
    label.resize(400, 14);
    EXPECT_TRUE(label.captionFit().whole);
    EXPECT_EQ(label.toolTip(), QStringLiteral(" QW-202.2 "));
}

TEST(CaptionFit, MnemonicsAreNotDrawnAndAnAutoSizedLabelTakesItsCaptionsSizeWithinItsContainer)
{
    EXPECT_EQ(shownCaption(QStringLiteral("E&xit"), true), QStringLiteral("Exit"));
    EXPECT_EQ(shownCaption(QStringLiteral("Repair && buildup"), true), QStringLiteral("Repair & buildup"));
    EXPECT_EQ(shownCaption(QStringLiteral("Repair && buildup"), false), QStringLiteral("Repair && buildup"));

    QWidget frame;
    frame.resize(300, 40);
    Label mark({}, &frame);
    mark.setGeometry(100, 0, 3, 13);
    mark.setAutoSize(true);
    mark.setCaption(QStringLiteral("'08 revised"));
    EXPECT_TRUE(mark.captionFit().whole);
    EXPECT_GE(mark.width(), widthAt(QStringLiteral("'08 revised"), 8));
    mark.setCaption(QString(200, u'x'));  // no wider than its container
    EXPECT_EQ(mark.geometry().right(), frame.width() - 1);
    Label banner({}, &frame);
    banner.setGeometry(0, 10, 100, 13);
    banner.setWordWrap(true);
    banner.setAutoSize(true);
    banner.setCaption(QStringLiteral("wrapped ").repeated(40));  // no lower than its container
    EXPECT_EQ(banner.geometry().bottom(), frame.height() - 1);
}
