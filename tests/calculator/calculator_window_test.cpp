// The calculator window: its opening from the main window's choices, the type and process
// choice, the parameter panel and the paragraph and figure links.

#include "app/varnel_core.h"
#include "app/window_openers.h"
#include "calculator/calculator_windows.h"
#include "calculator_window_fixture.h"
#include "platform/ui/line.h"
#include "platform/ui/slider.h"
#include "platform/ui/twips.h"
#include "support/type_ahead_keys.h"

#include <QScrollBar>

using namespace varnel;
using namespace varnel::calculator;
using namespace varnel::calculator::testing;
using enum QualificationType;

namespace {

int selectedType(const varnelThickness& w)
{
    int selected = -1;
    for (int i = 0; i < 10; ++i)
        if (w.opt[i]->value())
            selected = i;
    return selected;
}

std::array<bool, 6> enabledBoxes(const varnelThickness& w)
{
    std::array<bool, 6> enabled{};
    for (int i = 0; i < 6; ++i)
        enabled[i] = w.chkParam[i]->isEnabledTo(w.fraParameters);
    return enabled;
}

}  // namespace

TEST_F(CalculatorWindow, OpensOnTheTypeAndProcessOfTheMainWindowsChoice)
{
    const struct {
        const char* process;
        const char* category;
        int type;
        const char* processBox;
        bool impactTesting;
    } cases[] = {
        {"GTAW", "Supplementary", 0, "GTAW  -  Gas Tungsten Arc Welding", true},
        {"GTAW", "Nonessential Variables for Groove", 0, "GTAW  -  Gas Tungsten Arc Welding", false},
        {"SMAW", "Corrosion-Resistant", 2, "SMAW  -  Shielded Metal Arc Welding", false},
        {"SMAW", "Essential Variables for Hardfacing Overlays", 3, "SMAW  -  Shielded Metal Arc Welding", false},
        {"STUD", "Essential", 5, "STUD  -  Stud Welding", false},
        {"FRW", "Essential", 7, "FRW  -  Friction Welding", false},
        {"FW ", "Essential", 8, "FW  -  Flash Welding", false},
        {"FSW", "Essential", 9, "FSW  -  Friction Stir Welding", false},
        // A process the hard-facing list lacks gives way to that list's first process.
        {"FLSP", "Essential", 3, "OFW  -  Oxyfuel Gas Welding", false},
        // A category that names no type selects none; the groove list's first process shows.
        {"PW ", "Essential", -1, "OFW  -  Oxyfuel Gas Welding", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.process);
        window.reset();
        resetVarnelCore();
        mainWindow(c.process, c.category);
        const varnelThickness& w = open();
        EXPECT_EQ(selectedType(w), c.type);
        EXPECT_EQ(w.text2[2]->text(), c.processBox);
        EXPECT_EQ(w.chkParam[param::impactTesting]->value() == 1, c.impactTesting);
        EXPECT_EQ(w.cmdXref[param::impactTesting]->isVisibleTo(calculator.get()), c.impactTesting);
        EXPECT_EQ(w.fraThicknessQualifiedFW->isVisibleTo(calculator.get()), c.type == 8);
        EXPECT_EQ(w.windowTitle(), " Qualified Thickness & Required Tests");
        calculator.reset();
    }
}

TEST_F(CalculatorWindow, AnOlderEditionHidesFlashWelding)
{
    mainWindow({}, {}, testing_support::olderLayoutDatabase());
    const varnelThickness& w = open();
    EXPECT_TRUE(w.opt[8]->isHidden());
    EXPECT_EQ(w.opt[7]->y(), platform::twips(2220));
}

TEST_F(CalculatorWindow, WithoutAMainWindowNothingIsPreset)
{
    const varnelThickness& w = open();
    EXPECT_EQ(selectedType(w), -1);
    EXPECT_EQ(w.text2[2]->text(), "");
    EXPECT_FALSE(w.mmUnits);
    EXPECT_TRUE(w.optUnits[0]->value());
    EXPECT_EQ(w.Slider[0]->max(), 100000);
    EXPECT_EQ(w.Slider[1]->max(), 100000);
    EXPECT_EQ(w.Slider[0]->smallChange(), 625);
}

TEST_F(CalculatorWindow, TheTypeDecidesTheProcessesListed)
{
    varnelThickness& w = openWith(grooveTransverse, "GTAW");
    EXPECT_EQ(w.List2[2]->count(), 11);  // every process of the groove column
    EXPECT_EQ(w.List2[2]->height(), platform::twips(1875));

    w.opt[static_cast<int>(stud)]->setValue(true);
    EXPECT_EQ(w.List2[2]->count(), 1);
    EXPECT_EQ(w.List2[2]->height(), platform::twips(285));
    EXPECT_EQ(w.text2[2]->text(), "STUD  -  Stud Welding");

    // Back to grooves: the process shown stays only when the new list holds it.
    w.opt[static_cast<int>(grooveLongitudinal)]->setValue(true);
    EXPECT_EQ(w.text2[2]->text(), "OFW  -  Oxyfuel Gas Welding");
    w.text2[2]->setText("SMAW");
    w.opt[static_cast<int>(corrosionResistantOverlay)]->setValue(true);
    EXPECT_EQ(w.text2[2]->text(), "SMAW  -  Shielded Metal Arc Welding");
}

TEST_F(CalculatorWindow, TheProcessBoxCompletesWhatIsTypedFromTheList)
{
    varnelThickness& w = openWith(grooveTransverse, "OFW");
    w.text2[2]->selectAll();
    type(w.text2[2], "g");
    EXPECT_EQ(w.text2[2]->text(), "GMAW  -  Gas Metal Arc Welding");
    EXPECT_EQ(w.text2[2]->selStart(), 1);
    type(w.text2[2], "t");
    EXPECT_EQ(w.text2[2]->text(), "GTAW  -  Gas Tungsten Arc Welding");
    EXPECT_EQ(w.processAbbr, "GTAW");
    // No listed process goes on with "GTX", nor takes a double quote or Backspace.
    type(w.text2[2], "x\"");
    QTest::keyClick(w.text2[2], Qt::Key_Backspace);
    EXPECT_EQ(w.text2[2]->text(), "GTAW  -  Gas Tungsten Arc Welding");
    testing_support::expectKeysStopTypeAhead(*w.text2[2], "GT");

    // A three-letter abbreviation is trimmed.
    w.text2[2]->setText("SAW");
    EXPECT_EQ(w.processAbbr, "SAW");

    // The drop-down button toggles the list; an entry taken by Enter goes into the box.
    w.cmdProcess_Click(2);
    EXPECT_TRUE(w.List2[2]->isVisibleTo(calculator.get()));
    w.List2[2]->selectIndex(10);
    w.List2_KeyUp(2, platform::ui::keys::Enter, 0);
    EXPECT_EQ(w.text2[2]->text(), "EBW  -  Electron Beam Welding");
    w.cmdProcess_Click(2);
    w.txtBMthickness->setFocus();
    w.hideProcessList();
    EXPECT_FALSE(w.List2[2]->isVisibleTo(calculator.get()));
}

TEST_F(CalculatorWindow, OneClickOnTheProcessButtonOpensTheListFromAValueBox)
{
    varnelThickness& w = openWith(grooveTransverse, "GTAW");
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    for (platform::ui::TextBox* box : {w.txtBMthickness, w.txtWMthickness}) {
        box->setFocus();
        ASSERT_TRUE(box->hasFocus());
        QTest::mouseClick(w.cmdProcess[2], Qt::LeftButton);
        EXPECT_TRUE(w.List2[2]->isVisible());
        EXPECT_TRUE(w.List2[2]->hasFocus());
        // Leaving the box for anything else still closes the list.
        box->setFocus();
        EXPECT_FALSE(w.List2[2]->isVisible());
        w.List2[2]->show();
        w.opt[1]->setFocus();
        EXPECT_FALSE(w.List2[2]->isVisible());
    }
}

TEST_F(CalculatorWindow, ParameterBoxesFollowTheGrooveProcess)
{
    varnelThickness& w = openWith(grooveTransverse, "GMAW");
    // Root deposit only is offered from a coupon of 1/2 in.
    EXPECT_EQ(enabledBoxes(w), (std::array<bool, 6>{true, false, true, true, true, false}));
    w.txtBMthickness->setText("0.5");
    EXPECT_EQ(enabledBoxes(w), (std::array<bool, 6>{true, false, true, true, true, true}));
    w.chkParam[param::impactTesting]->setValue(1);
    EXPECT_TRUE(w.cmdXref[param::impactTesting]->isVisibleTo(calculator.get()));

    // A process outside the box's list clears it and hides its button.
    w.text2[2]->setText("EBW");
    EXPECT_EQ(enabledBoxes(w), (std::array<bool, 6>{false, true, false, false, false, false}));
    EXPECT_EQ(w.chkParam[param::impactTesting]->value(), 0);
    EXPECT_FALSE(w.cmdXref[param::impactTesting]->isVisibleTo(calculator.get()));

    // Types without parameters clear and disable every box.
    w.text2[2]->setText("GMAW");
    w.chkParam[param::pwhtAboveUpper]->setValue(1);
    w.opt[static_cast<int>(filletWelds)]->setValue(true);
    EXPECT_EQ(enabledBoxes(w), (std::array<bool, 6>{}));
    EXPECT_EQ(w.chkParam[param::pwhtAboveUpper]->value(), 0);
    EXPECT_TRUE(w.txtTest1->text().startsWith("NONPRESSURE RETAINING FILLET WELDS ONLY"));
    EXPECT_EQ(w.fraTests->y(), w.fraThicknessTested->y());
    w.opt[static_cast<int>(grooveTransverse)]->setValue(true);
    EXPECT_EQ(w.fraTests->y(), platform::twips(4620));
}

TEST_F(CalculatorWindow, StudAndFrictionPanels)
{
    varnelThickness& w = openWith(stud, "STUD");
    platform::ui::CheckBox* heating = w.chkParam[param::extendedHeating];
    EXPECT_TRUE(w.fraStudParameters->isVisibleTo(calculator.get()));
    EXPECT_FALSE(w.chkFullThickness->isVisibleTo(calculator.get()));
    EXPECT_FALSE(heating->isEnabledTo(w.fraStudParameters));
    w.optStudPlate[0]->setValue(true);
    EXPECT_TRUE(heating->isEnabledTo(w.fraStudParameters));
    heating->setValue(1);
    EXPECT_TRUE(w.cmdXref[param::extendedHeating]->isVisibleTo(calculator.get()));
    w.optStudPlate[1]->setValue(true);
    EXPECT_EQ(heating->value(), 0);
    EXPECT_FALSE(heating->isEnabledTo(w.fraStudParameters));

    // Friction: a solid joint asks for no second value; a tubular one asks for the wall.
    w.txtWMthickness->setText("0.25");
    w.opt[static_cast<int>(friction)]->setValue(true);
    EXPECT_TRUE(w.frwSolid);
    EXPECT_TRUE(w.txtWMthickness->isHidden());
    EXPECT_EQ(w.txtWMthickness->text(), "");
    w.optFrwJoint[1]->setValue(true);
    EXPECT_FALSE(w.frwSolid);
    EXPECT_FALSE(w.txtWMthickness->isHidden());
    EXPECT_EQ(w.Slider[1]->max(), 50000);

    // Friction stir asks for no second value whatever the joint, and its label becomes a note.
    w.opt[static_cast<int>(frictionStir)]->setValue(true);
    EXPECT_TRUE(w.txtWMthickness->isHidden());
    EXPECT_FALSE(w.lblWMthickness->isHidden());
    EXPECT_EQ(w.lblWMthickness->size(), QSize(platform::twips(3875), platform::twips(550)));
}

TEST_F(CalculatorWindow, FrictionAngleIsDrawnWithItsQualifiedRange)
{
    varnelThickness& w = openWith(friction, "FRW");
    EXPECT_EQ(w.lblAxis[1]->caption(), "qualifies 81° - 90° range");
    w.VScroll1->setValue(80);
    EXPECT_EQ(w.txtFrwAngle->text(), "80°");
    EXPECT_EQ(w.lblAxis[1]->caption(), "qualifies  72° - 88°  range");
    EXPECT_NEAR(w.Line1->X2(), 870 + 142.8, 0.5);
    EXPECT_EQ(w.lblAxis[0]->x(), platform::twips(1113));
    w.VScroll1->setValue(45);
    EXPECT_NEAR(w.Line1->X2(), 1680, 1e-6);
}

TEST_F(CalculatorWindow, ParagraphAndFigureButtonsOpenTheirWindows)
{
    WindowOpeners saved = windowOpeners();
    std::vector<std::pair<QString, QString>> opened;
    windowOpeners().crossReference = [&] { opened.emplace_back("crossReference", varnelCore().lookupKey); };
    windowOpeners().picture = [&] { opened.emplace_back("picture", varnelCore().pictureKey); };

    varnelThickness& w = openWith(grooveTransverse, "GMAW");
    w.chkParam[param::impactTesting]->setValue(1);
    w.cmdXref[param::impactTesting]->click();
    w.cmdXref[9]->click();   // partial penetration
    w.cmdXref[13]->click();  // repair and buildup, in the flash frame's row
    w.opt[static_cast<int>(resistance)]->setValue(true);
    w.cmdXref[7]->click();
    w.opt[static_cast<int>(corrosionResistantOverlay)]->setValue(true);
    w.txtWMthickness->setText("0.125");
    ASSERT_TRUE(w.cmdPicture[6]->isVisibleTo(calculator.get()));
    w.cmdPicture[6]->click();
    windowOpeners() = saved;

    EXPECT_EQ(opened, (std::vector<std::pair<QString, QString>>{{"crossReference", "QW-403.6"},
                                                                {"crossReference", "QW-202.2"},
                                                                {"crossReference", "QW-202.3"},
                                                                {"crossReference", "QW-403.22"},
                                                                {"picture", "QW-462.5(a)"}}));
}

TEST_F(CalculatorWindow, TheMainWindowOpensTheCalculatorThroughItsOpener)
{
    WindowOpeners saved = windowOpeners();
    registerCalculatorWindows();
    varnelMain& main = mainWindow("GTAW", "Supplementary");
    QString shownProcess;
    seams.modal.scripts[QStringLiteral("varnelThickness")] = [&](QDialog& dialog) {
        shownProcess = static_cast<varnelThickness&>(dialog).text2[2]->text();
    };
    main.mnuToolsT_Click();
    windowOpeners() = saved;
    EXPECT_EQ(seams.modal.shown, std::vector<QString>{"varnelThickness"});
    EXPECT_EQ(shownProcess, "GTAW  -  Gas Tungsten Arc Welding");
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
}
