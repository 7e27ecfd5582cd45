// The calculator's value boxes as the person uses them: typing with the key filter, "t = T",
// units and conversion, the sliders, and the results that follow.

#include "calculator_window_fixture.h"
#include "platform/ui/slider.h"
#include "support/desktop_keys.h"

#include <QApplication>
#include <QClipboard>

using namespace varnel;
using namespace varnel::calculator;
using namespace varnel::calculator::testing;
using enum QualificationType;

namespace {

// The tests text as the box shows it: one line break per line.
QString shownLines(QStringList lines) { return lines.join(u'\n'); }

bool shown(const QWidget* control) { return !control->isHidden(); }

// The person moves `slider` and lets go of it: drags its thumb from the right end to the left
// end with the mouse ("drag"), or presses End on it and leaves it with Tab ("End Tab").
void moveAndLetGo(varnelThickness& w, platform::ui::Slider& slider, const QString& how)
{
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const QPoint rightEnd(slider.width() - 2, slider.height() / 2), leftEnd(0, rightEnd.y());
    if (how == "drag") {
        QTest::mousePress(&slider, Qt::LeftButton, {}, rightEnd);
        QTest::mouseMove(&slider, leftEnd);
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, leftEnd);
    } else {
        slider.setFocus();
        QTest::keyClick(&slider, Qt::Key_End);
        QTest::keyClick(&slider, Qt::Key_Tab);
    }
}

}  // namespace

TEST(SliderControl, OnlyThePersonsMovesRaiseScroll)
{
    platform::ui::Slider slider;
    int scrolls = 0;
    slider.scroll = [&] { ++scrolls; };
    slider.setMax(100);
    slider.setValue(100);  // exactly Max: taken
    EXPECT_EQ(slider.value(), 100);
    slider.setMax(40);
    slider.setLargeChange(10);
    slider.setSmallChange(2);
    EXPECT_EQ(slider.value(), 40);
    slider.setValue(70);  // beyond Max: refused
    EXPECT_EQ(slider.value(), 40);
    EXPECT_EQ(scrolls, 0);

    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(slider.value(), 38);
    slider.setSliderPosition(10);  // a drag
    EXPECT_EQ(scrolls, 2);
    slider.setValue(0);
    QTest::keyClick(&slider, Qt::Key_Left);  // already at Min: no move
    slider.setValue(5);
    EXPECT_EQ(scrolls, 2);
}

TEST_F(CalculatorWindow, KeysThatWouldMakeAMalformedValueAreRefused)
{
    varnelThickness& w = openWith(grooveTransverse, "GTAW");
    platform::ui::TextBox* box = w.txtBMthickness;
    type(box, "-/3");
    EXPECT_EQ(box->text(), "3");
    type(box, "1");  // 31 is above the limit
    type(box, "0.5");
    EXPECT_EQ(box->text(), "30.");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "30");

    box->selectAll();
    type(box, "1-3/8-'%");
    EXPECT_EQ(box->text(), "1-3/8");
    EXPECT_EQ(w.LabelT->caption(), "1.37500");

    // Millimetres take decimals only, up to 762.
    w.optUnits[1]->setValue(true);
    EXPECT_EQ(box->text(), "1.4");
    box->selectAll();
    type(box, "76/20");
    EXPECT_EQ(box->text(), "762");
}

TEST_F(CalculatorWindow, DeleteEditsTheValueBoxesAndTheProcessBox)
{
    varnelThickness& w = openWith(grooveTransverse, "GTAW");
    w.chkFullThickness->setValue(0);
    const struct {
        platform::ui::TextBox* box;
        const char* before;
        const char* after;
    } cases[] = {{w.txtBMthickness, "12", "2"}, {w.txtWMthickness, "0.5", ".5"}};
    for (const auto& c : cases) {
        c.box->setText(c.before);
        QTest::keyClick(c.box, Qt::Key_Home);
        testing_support::pressDelete(c.box);
        EXPECT_EQ(c.box->text(), c.after);
    }
    EXPECT_EQ(w.LabelT->caption(), "2.00000");

    // The completed tail of the process box goes, and Delete keeps it from completing again.
    platform::ui::TextBox* process = w.text2[2];
    process->setSel(2, 100);
    testing_support::pressDelete(process);
    EXPECT_EQ(process->text(), "GT");
}

TEST_F(CalculatorWindow, APasteThatTypingCouldNotMakeIsUndoneBeforeTheRulesSeeIt)
{
    varnelThickness& w = openWith(grooveTransverse, "GTAW");
    platform::ui::TextBox* box = w.txtBMthickness;
    type(box, "2");
    const QString maxT = w.lblBMTmax->caption();
    for (const char* pasted : {"1e3", "0-3/-4", "35"}) {
        QApplication::clipboard()->setText(pasted);
        box->selectAll();
        testing_support::pressPaste(box);
        EXPECT_EQ(box->text(), "2") << pasted;
        EXPECT_EQ(w.LabelT->caption(), "2.00000") << pasted;
        EXPECT_EQ(w.lblBMTmax->caption(), maxT) << pasted;
    }
    QApplication::clipboard()->setText("1-3/8");
    box->selectAll();
    testing_support::pressPaste(box);  // Ctrl+V
    EXPECT_EQ(box->text(), "1-3/8");
    EXPECT_EQ(w.LabelT->caption(), "1.37500");

    // Backspace over the point of 3.5 would make 35 in.
    box->selectAll();
    type(box, "3.5");
    box->setCursorPosition(2);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "3.5");
    EXPECT_EQ(w.LabelT->caption(), "3.50000");
}

TEST_F(CalculatorWindow, AFinishedWeldMetalValueThickerThanTheCouponTicksTEqualsT)
{
    varnelThickness& w = openWith(grooveTransverse, "GTAW");
    const struct {
        const char *T, *t;  // entered first
        int box;            // then entered into T (0) or t (1), or moved on T's (2) or t's (3) slider
        const char* typed;  // or how the slider is moved
        const char *endT, *endt;
        int ticked;
        const char* maxt;
    } cases[] = {
        // Typed key by key, a fraction passes values above T (the 3 of 3/8): nothing ticks.
        {"3/8", "", 1, "3/8", "3/8", "3/8", 0, "0.75"},
        {"1/16", "", 1, "1/16", "1/16", "1/16", 0, "0.12500"},
        // A T typed over a thinner t passes values below it (the 0 of 0.6): t stays as typed.
        {"0.5", "0.25", 0, "0.6", "0.6", "0.25", 0, "0.5"},
        {"1", "", 1, "2", "1", "1", 1, "2"},
        // A slider ticks on its release, once its value is finished.
        {"10", "0.5", 2, "drag", "0.00000", "0.00000", 1, ""},
        {"1", "0.5", 3, "End Tab", "1", "1", 1, "2"},
    };
    for (const auto& c : cases) {
        w.chkFullThickness->setValue(0);
        enter(w.txtWMthickness, "");
        enter(w.txtBMthickness, c.T);
        enter(w.txtWMthickness, c.t);
        if (c.box < 2)
            enter(c.box == 0 ? w.txtBMthickness : w.txtWMthickness, c.typed);
        else
            moveAndLetGo(w, *w.Slider[c.box - 2], c.typed);
        SCOPED_TRACE(std::string(c.T) + ' ' + c.t + ' ' + c.typed);
        EXPECT_EQ(w.txtBMthickness->text(), c.endT);
        EXPECT_EQ(w.txtWMthickness->text(), c.endt);
        EXPECT_EQ(w.chkFullThickness->value(), c.ticked);
        EXPECT_EQ(w.lblWMTmax->caption(), c.maxt);
    }

    // While ticked, either box mirrors the other and both sliders follow.
    w.txtWMthickness->selectAll();
    type(w.txtWMthickness, "0.75");
    EXPECT_EQ(w.txtBMthickness->text(), "0.75");
    EXPECT_EQ(w.Slider[0]->value(), 7500);
    EXPECT_EQ(w.Slider[1]->value(), 7500);

    // T's slider moved by keys past values below t ticks nothing until the slider is left.
    w.chkFullThickness->setValue(0);
    enter(w.txtWMthickness, "0.5");
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.Slider[0]->setFocus();
    QTest::keyClick(w.Slider[0], Qt::Key_Home);
    QTest::keyClick(w.Slider[0], Qt::Key_End);
    w.txtBMthickness->setFocus();
    EXPECT_EQ(w.txtWMthickness->text(), "0.5");
    EXPECT_EQ(w.chkFullThickness->value(), 0);

    // Stud welding does no such check.
    w.opt[static_cast<int>(stud)]->setValue(true);
    w.txtBMthickness->setText("0.25");
    w.txtWMthickness->setText("0.5");
    EXPECT_EQ(w.chkFullThickness->value(), 0);
}

TEST_F(CalculatorWindow, UnitOptionReadsTheNumberAgainAndConvertMultiplies)
{
    varnelThickness& w = openWith(grooveTransverse, "GTAW");
    w.txtBMthickness->setText("1-3/8");
    w.txtWMthickness->setText("1/2");
    w.cmdUnitsConversion->click();
    EXPECT_TRUE(w.mmUnits);
    EXPECT_TRUE(w.optUnits[1]->value());
    EXPECT_EQ(w.txtBMthickness->text(), "34.9");
    EXPECT_EQ(w.txtWMthickness->text(), "12.7");
    EXPECT_EQ(w.fraThicknessTested->caption(), "Thickness Tested (millimeters)");
    EXPECT_EQ(w.fraThicknessQualified->caption(), "Qualified Thickness Range (millimeters)");
    EXPECT_EQ(w.cmdUnitsConversion->toolTip(), " Convert thickness values from millimeters to inches. ");
    EXPECT_EQ(w.Slider[0]->max(), 250);
    EXPECT_EQ(w.Slider[0]->value(), 35);
    EXPECT_EQ(w.Slider[0]->smallChange(), 1);
    EXPECT_EQ(w.lblBMTmax->caption(), "69.8");

    w.cmdUnitsConversion->click();
    EXPECT_FALSE(w.mmUnits);
    EXPECT_EQ(w.txtBMthickness->text(), "1.37402");
    EXPECT_EQ(w.txtWMthickness->text(), "0.50000");
    EXPECT_EQ(w.Slider[0]->value(), 13740);

    w.txtBMthickness->setText("1-3/8");
    w.optUnits[1]->setValue(true);
    EXPECT_EQ(w.txtBMthickness->text(), "1.4");
    EXPECT_EQ(w.txtWMthickness->text(), "0.50000");
}

TEST_F(CalculatorWindow, DraggingASliderWritesItsBox)
{
    varnelThickness& w = openWith(grooveTransverse, "GTAW");
    w.chkFullThickness->setValue(1);
    w.Slider[0]->setSliderPosition(10000);
    EXPECT_EQ(w.txtBMthickness->text(), "1.00000");
    EXPECT_EQ(w.txtWMthickness->text(), "1.00000");
    EXPECT_EQ(w.Slider[1]->value(), 10000);
    w.Slider[0]->setSliderPosition(3750);
    EXPECT_EQ(w.txtBMthickness->text(), " 3/ 8");
    EXPECT_EQ(w.txtWMthickness->text(), " 3/ 8");

    QTest::keyClick(w.Slider[0], Qt::Key_Right);  // one small change, 1/16 in
    EXPECT_EQ(w.txtBMthickness->text(), " 7/ 16");
    w.Slider[0]->setValue(5000);  // from code: the box keeps its text
    EXPECT_EQ(w.txtBMthickness->text(), " 7/ 16");

    w.chkFullThickness->setValue(0);
    w.optUnits[1]->setValue(true);
    w.Slider[1]->setSliderPosition(12);
    EXPECT_EQ(w.txtWMthickness->text(), "12.0");
}

TEST_F(CalculatorWindow, GrooveWeldRangesAndTestsFromTheValuesTyped)
{
    varnelThickness& w = openWith(grooveTransverse, "GTAW");
    type(w.txtBMthickness, "1");
    type(w.txtWMthickness, "1");
    EXPECT_EQ(w.lblBMTmin->caption(), "3/16");
    EXPECT_FALSE(shown(w.lblWMTmin));
    EXPECT_FALSE(shown(w.LabelMinT[2]));
    EXPECT_EQ(w.lblBMTmax->caption(), "2");
    EXPECT_EQ(w.lblWMTmax->caption(), "2");
    EXPECT_EQ(w.lblBMfillet->caption(), "Unlimited");
    EXPECT_EQ(w.lblGrooveWelds->caption(), "Groove Welds");
    EXPECT_TRUE(shown(w.fraFillets));
    EXPECT_TRUE(shown(w.fraExceptions));
    EXPECT_EQ(w.txtTest1->text(),
              shownLines({"Two (2) sets of tensiles are required.", "Four (4) side bends are required."}));

    w.chkParam[param::impactTesting]->setValue(1);
    EXPECT_TRUE(shown(w.cmdXref[param::impactTesting]));
    EXPECT_TRUE(w.txtTest1->text().endsWith(
        "Drop weight tests (ASTM E208) shall be made when required by other Sections of the ASME code."));
    w.chkParam[param::impactTesting]->setValue(0);

    w.txtBMthickness->setText("0.25");
    EXPECT_EQ(w.lblBMTmin->caption(), " 1/ 16");
    EXPECT_EQ(w.lblBMTmax->caption(), "0.5");
    w.txtBMthickness->setText("0.6875");
    EXPECT_EQ(w.lblBMTmax->caption(), "1.37500");

    // Root deposit only: offered from 1/2 in, and then the base metal is limited by the WPS.
    w.chkParam[param::rootDepositOnly]->setValue(1);
    EXPECT_EQ(w.lblBMTmax->caption(), "WPS limit");
    w.txtBMthickness->setText("0.4");
    EXPECT_EQ(w.chkParam[param::rootDepositOnly]->value(), 0);
    EXPECT_FALSE(w.chkParam[param::rootDepositOnly]->isEnabledTo(w.fraParameters));

    // An empty coupon thickness blanks its row and hides the exceptions.
    w.txtBMthickness->clear();
    EXPECT_EQ(w.lblBMTmin->caption(), "");
    EXPECT_EQ(w.lblBMTmax->caption(), "");
    EXPECT_FALSE(shown(w.fraExceptions));

    w.optUnits[1]->setValue(true);
    w.txtBMthickness->setText("20");
    w.txtWMthickness->setText("20");
    EXPECT_EQ(w.lblBMTmin->caption(), "5.0");
    EXPECT_EQ(w.lblBMTmax->caption(), "40.0");
    EXPECT_EQ(w.lblWMTmax->caption(), "40.0");
}

TEST_F(CalculatorWindow, StudThreadAndTorqueFromTheTable)
{
    varnelThickness& w = openWith(stud, "STUD");
    EXPECT_EQ(w.Slider[1]->max(), 10000);
    type(w.txtWMthickness, "1/2");
    w.optThreads[2]->setValue(true);
    EXPECT_EQ(w.threadSeries, 2);
    EXPECT_EQ(w.lblStudSize->caption(), "Threads per inch:  13 UNC ");
    EXPECT_TRUE(w.txtTest1->text().contains("require 37 ft-lb ( 50.3 J ) torque test per QW-466.5."));
    EXPECT_TRUE(w.txtTest1->text().contains("shall not be less than 35,000 psi (241 MPa) ."));
    EXPECT_EQ(w.LabelMinT[2]->caption(), "Min D");
    EXPECT_EQ(w.lblWMTmin->caption(), " 1/ 2");
    EXPECT_TRUE(shown(w.lblQTnote));
    EXPECT_EQ(w.Slider[1]->value(), 5000);

    w.optStud[2]->setValue(true);
    w.optThreads[1]->setValue(true);
    EXPECT_EQ(w.lblStudSize->caption(), "Threads per inch:  20 UNF ");
    EXPECT_TRUE(w.txtTest1->text().contains("require 40.0 ft-lb ( 54.4 J ) torque"));

    // The millimetre sizes of the table: 12.7 is the 1/2 in stud.
    w.cmdUnitsConversion->click();
    EXPECT_EQ(w.txtWMthickness->text(), "12.7");
    EXPECT_EQ(w.lblStudSize->caption(), "Threads per inch:  20 UNF ");
    EXPECT_EQ(w.Slider[1]->max(), 26);
    EXPECT_EQ(w.Slider[1]->value(), 13);

    w.optStud[0]->setValue(true);
    EXPECT_EQ(w.lblStudSize->caption(), "");
}

TEST_F(CalculatorWindow, ATubularWallOverHalfTheDiameterIsCutBack)
{
    varnelThickness& w = openWith(friction, "FRW");
    w.optFrwJoint[1]->setValue(true);
    type(w.txtBMthickness, "2");
    type(w.txtWMthickness, "1.2");
    EXPECT_EQ(w.txtWMthickness->text(), "1.2");  // cut once the wall is entered
    QTest::keyClick(w.txtWMthickness, Qt::Key_Return);
    EXPECT_EQ(w.txtWMthickness->text(), "1.00000");
    EXPECT_EQ(w.txtBMthickness->text(), "2");
    EXPECT_EQ(w.Slider[0]->value(), 24000);  // twice the wall's slider as it stood at 1.2
    EXPECT_EQ(w.LabelMinT[2]->caption(), "Min A");
    EXPECT_EQ(w.lblFrwArea->caption(), "Area (in ²)");
    EXPECT_EQ(w.lblBMTmin->caption(), "1.8");
}
