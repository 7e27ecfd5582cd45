// The main program on the real desktop, as a person meets it: its start-up window, the main road
// through the main window (a process and a category, a search, stepping through the hits, a
// lookup window closed with Esc), the keys that end a message box, every window at twice and one
// and a half times the scale, and the calculator on a desktop that writes a decimal comma.

#include "desktop/desktop_lane.h"

#include "calculator/varnel_thickness.h"
#include "lookups/filler_metal_window.h"
#include "lookups/varnel_anumbers.h"

#include <QCoreApplication>
#include <QToolButton>
#include <clocale>

using namespace lane;

namespace {

class MainWindowLane : public DesktopLane {
protected:
    // Opens drop-down `index` of the main window and takes its entry `entry`, with the mouse.
    void pick(Window main, int index, int entry)
    {
        varnel::varnelMain& twin = mainTwin();
        const QImage list = desktop.grab(screenRect(main, twin.List1[index]));
        desktop.click(on(main, twin.Command2[index]));
        ASSERT_TRUE(waitForChange(main, twin.List1[index], list)) << "drop-down " << index << " did not open";
        twin.List1[index]->show();
        const QRect row = twin.List1[index]->visualItemRect(twin.List1[index]->topLevelItem(entry - 1));
        desktop.click(on(main, twin.List1[index]->viewport(), row));
        twin.List1[index]->hide();
    }
};

}  // namespace

TEST_F(MainWindowLane, APersonPicksAProcessAndACategorySearchesStepsThroughAndClosesALookupWithEsc)
{
    const Window main = startMainWindow();
    ASSERT_NE(main, 0u);
    varnel::varnelMain& twin = mainTwin();
    EXPECT_TRUE(showsGreen(main, twin.Command2[2])) << "the drop-down arrow is not green";

    // "Search by Process" unticked and ticked again keeps the focus, and Enter leaves it ticked:
    // its boxes, emptied, and their drop-downs stay shown.
    QImage paragraphs = look(main, twin.ListView1[2]);
    desktop.click(on(main, twin.Check1));
    desktop.click(on(main, twin.Check1));
    desktop.press(QStringLiteral("Return"));

    // The process and the category, each from its drop-down: the paragraphs listed change.
    pick(main, 2, 2);
    pick(main, 3, 2);
    EXPECT_TRUE(waitForChange(main, twin.ListView1[2], paragraphs));
    snapshot(QStringLiteral("picked"));

    // A search that finds paragraphs shows the first of them and no message.
    EXPECT_TRUE(enter(main, twin.Text1[1], QStringLiteral("weld"), twin.RichTextBox1));
    EXPECT_TRUE(windows(noEntryFound).empty());
    snapshot(QStringLiteral("searched"));
    QImage text;

    // Stepping through the hits shows another paragraph each time.
    for (int step = 0; step < 2; ++step) {
        text = look(main, twin.RichTextBox1);
        desktop.click(on(main, twin.Command4[2]));
        EXPECT_TRUE(waitForChange(main, twin.RichTextBox1, text)) << "step " << step;
    }
    snapshot(QStringLiteral("stepped"));

    // The filler-metal window from the toolbar; Esc presses its Cancel.
    desktop.click(on(main, twin.toolbarButtons[5]));
    const TitleMatch filler = beginsWith(QStringLiteral("Filler Metals"));
    const Window lookup = waitForWindow(filler);
    ASSERT_NE(lookup, 0u);
    ASSERT_TRUE(waitUntilDrawn(lookup));
    ASSERT_TRUE(waitUntilFocused(lookup));
    snapshot(QStringLiteral("lookup"));
    desktop.press(QStringLiteral("Escape"));
    EXPECT_TRUE(waitUntilGone(filler));
    EXPECT_EQ(windows(mainTitle).size(), 1u);
}

TEST_F(MainWindowLane, TheStartUpWindowIsDrawnWhileItWaits)
{
    startProgram(QStringLiteral("varnel"));
    // The start-up window is the program's first window; its background is a dark blue.
    Window title = 0;
    ASSERT_TRUE(testing_support::waitFor([&] {
        for (Window window : desktop.clientWindows())
            if (desktop.viewable(window) && !mainTitle(desktop.title(window)))
                title = window;
        return title != 0;
    }, 20000));
    const auto drawn = [&] {
        const QRect area = desktop.clientRect(title);
        const QImage image = desktop.grab(QRect(area.center(), QSize(8, 8)));
        const QColor colour = image.isNull() ? QColor() : QColor(image.pixel(4, 4));
        return colour.isValid() && colour.blue() > colour.red() + 30;
    };
    EXPECT_TRUE(testing_support::waitFor([&] { return drawn() || !desktop.viewable(title); }, 20000));
    EXPECT_TRUE(drawn()) << "the start-up window was not drawn while it was shown";
    snapshot(QStringLiteral("start-up"));
    EXPECT_NE(waitForWindow(mainTitle), 0u);
}

TEST_F(MainWindowLane, EnterThatClosesAMessageBoxRunsNothingInTheBoxBelowIt)
{
    const Window main = startMainWindow();
    ASSERT_NE(main, 0u);
    varnel::varnelMain& twin = mainTwin();
    const QString messageEntry = QStringLiteral("QW-423 Alternate base materials");
    const struct {
        const char* what;
        QString typed;        // into the search box
        bool crossReference;  // then marked and looked up with toolbar button 12; else searched
        TitleMatch box;
    } cases[] = {
        {"a search that finds nothing", QStringLiteral("zzqq"), false, noEntryFound},
        {"the cross-reference message of a marked term", QStringLiteral("QW-423"), true, titled(messageEntry)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        desktop.click(on(main, twin.Text1[1]));
        desktop.press(QStringLiteral("ctrl+a"));
        desktop.type(c.typed);
        if (!c.crossReference) {
            // The list as the search leaves it, the box closed with Esc.
            desktop.press(QStringLiteral("Return"));
            const Window box = waitForWindow(c.box);
            ASSERT_NE(box, 0u);
            ASSERT_TRUE(waitUntilFocused(box));
            desktop.press(QStringLiteral("Escape"));
            ASSERT_TRUE(waitUntilGone(c.box));
        }
        const QImage paragraphs = look(main, twin.ListView1[2]);
        if (c.crossReference) {
            desktop.press(QStringLiteral("ctrl+a"));
            desktop.click(on(main, twin.toolbarButtons[12]));
        } else {
            desktop.press(QStringLiteral("Return"));
        }
        const Window box = waitForWindow(c.box);
        ASSERT_NE(box, 0u);
        ASSERT_TRUE(waitUntilFocused(box));
        desktop.press(QStringLiteral("Return"));
        ASSERT_TRUE(waitUntilGone(c.box));
        // A key typed after the Enter shows in the search box: everything before it has been done.
        const QImage search = look(main, twin.Text1[1]);
        desktop.press(QStringLiteral("End"));
        desktop.type(QStringLiteral("x"));
        ASSERT_TRUE(waitForChange(main, twin.Text1[1], search));
        EXPECT_TRUE(windows(c.box).empty()) << "the message came back";
        EXPECT_TRUE(windows(noEntryFound).empty());
        EXPECT_EQ(look(main, twin.ListView1[2]), paragraphs) << "the paragraphs listed changed";
    }
}

// At one and a half times the scale the window manager sizes windows in steps of two pixels.
class ScaleLane : public MainWindowLane, public ::testing::WithParamInterface<double> {};

TEST_P(ScaleLane, EveryWindowOpensWithinTheScreenAndWhole)
{
    const double scale = GetParam();
    const Window main = startMainWindow({QStringLiteral("QT_SCALE_FACTOR=") + QString::number(scale)});
    ASSERT_NE(main, 0u);
    const QRect area = desktop.workArea();
    snapshot(QStringLiteral("main"));
    // The main window is made as small as the screen; its layout keeps Exit in it.
    EXPECT_TRUE(area.contains(desktop.frameRect(main))) << "the main window lies off the screen";
    EXPECT_EQ(desktop.clientRect(main).size(), desktop.requestedSize(main)) << "the main window is not whole";
    varnel::varnelMain& twin = mainTwin();
    const QSize client = desktop.clientRect(main).size() / scale;
    twin.resize(client.width(), client.height());
    QCoreApplication::processEvents();
    ASSERT_EQ(twin.size(), client);
    const QPoint exitCorner = twin.Command1[0]->mapTo(&twin, twin.Command1[0]->rect().bottomRight());
    EXPECT_TRUE(area.contains(desktop.clientRect(main).topLeft() + scale * exitCorner)) << "Exit lies off the screen";

    // Every other window, opened as a person opens it: within the screen and whole where its size
    // can fit (at 1.5 each one can), else at least with its caption on the screen. A window marked
    // `keep` stays open for the next one, which it opens.
    varnel::varnelFillerSpecification fillerTwin;
    varnel::varnelAnumbers aNumbersTwin;
    const auto at = [&](Window window, const QWidget& twinWindow, const QWidget* control) {
        return desktop.clientRect(window).topLeft() + scale * control->mapTo(&twinWindow, control->rect().center());
    };
    const auto keys = [&](QStringList sequence) {
        return [=, this] {
            for (const QString& key : sequence)
                desktop.press(key);
        };
    };
    const auto search = [&](const QString& text) {
        desktop.click(at(main, twin, twin.Text1[1]));
        desktop.press(QStringLiteral("ctrl+a"));
        desktop.type(text);
    };
    Window last = 0;
    const struct {
        const char* window;
        std::function<void()> open;
        bool fits;
        bool keep = false;
    } cases[] = {
        {"interpretations", [&] { desktop.click(at(main, twin, twin.Command3)); }, true},
        {"base metals", keys({QStringLiteral("alt+t"), QStringLiteral("b")}), false},
        {"filler metals", keys({QStringLiteral("alt+t"), QStringLiteral("f")}), true, true},
        {"SFA matrix", [&] { desktop.click(at(last, fillerTwin, fillerTwin.cmdApplicability)); }, true},
        {"A-numbers", keys({QStringLiteral("alt+t"), QStringLiteral("a")}), false, true},
        {"cross-reference", [&] { desktop.click(at(last, aNumbersTwin, aNumbersTwin.cmdComposition)); }, true},
        {"calculator", keys({QStringLiteral("alt+t"), QStringLiteral("t")}), false},
        {"definitions", keys({QStringLiteral("alt+t"), QStringLiteral("d")}), true},
        {"applicability grid", keys({QStringLiteral("alt+a")}), true},
        {"licence", keys({QStringLiteral("alt+h"), QStringLiteral("l")}), true},
        {"about box", keys({QStringLiteral("alt+h"), QStringLiteral("a")}), true},
        {"printer setup", keys({QStringLiteral("alt+f"), QStringLiteral("u")}), true},
        {"import dialog", keys({QStringLiteral("alt+f"), QStringLiteral("i")}), true},
        {"figure viewer",
         [&] {
             search(QStringLiteral("QW-461"));
             desktop.press(QStringLiteral("ctrl+a"));
             desktop.click(at(main, twin, twin.toolbarButtons[12]));
         },
         false},
        {"a message", [&] { search(QStringLiteral("zzqq")); desktop.press(QStringLiteral("Return")); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        const Window window = opened(c.open);
        ASSERT_NE(window, 0u) << "the window did not open";
        snapshot(QString::fromLatin1(c.window));
        const QRect frame = desktop.frameRect(window);
        const auto where = [&] { return QStringLiteral("at %1,%2, %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height()).toStdString(); };
        if (c.fits || scale < 2) {
            EXPECT_TRUE(area.contains(frame)) << "it lies off the screen " << where();
            EXPECT_EQ(desktop.clientRect(window).size(), desktop.requestedSize(window)) << "it is not whole " << where();
        } else
            EXPECT_TRUE(area.contains(frame.topLeft())) << "its caption lies off the screen " << where();
        last = window;
        if (!c.keep) {
            ASSERT_TRUE(closeAllBut(main));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(At, ScaleLane, ::testing::Values(2.0, 1.5),
                         [](const auto& info) { return std::string(info.param == 2.0 ? "Twice" : "OneAndAHalf"); });

TEST_F(MainWindowLane, OnAFrenchDesktopTheCalculatorReadsAndWritesItsNumbersWithAPoint)
{
    const char* const french = "fr_FR.UTF-8";
    if (const locale_t installed = newlocale(LC_ALL_MASK, french, locale_t{}))
        freelocale(installed);
    else
        GTEST_SKIP() << "The locale " << french << " is not installed (scripts/install-deps makes it)";
    // French in everything but the character types, which also name the language that text is
    // shaped for (Turkish, for one, keeps f and i apart): those stay this process's, so that the
    // twin here draws the words as the program does.
    const QString inFrench = QLatin1String(french);
    const QString characterTypes = QLatin1String(std::setlocale(LC_CTYPE, nullptr));
    const Window main = startMainWindow({QStringLiteral("LC_ALL="), QStringLiteral("LANG=") + inFrench,
                                         QStringLiteral("LC_NUMERIC=") + inFrench,
                                         QStringLiteral("LC_CTYPE=") + characterTypes});
    ASSERT_NE(main, 0u);
    varnel::varnelMain& twin = mainTwin();
    varnel::varnelThickness calculatorTwin;
    calculatorTwin.show();

    desktop.click(on(main, twin.toolbarButtons[7]));
    const Window calculator = waitForWindow(titled(calculatorTwin.windowTitle()));
    ASSERT_NE(calculator, 0u);
    ASSERT_TRUE(waitUntilDrawn(calculator));
    ASSERT_TRUE(waitUntilFocused(calculator));
    // Groove welds with transverse bends by GTAW, in inches: T 0.75 and t 0.5.
    desktop.click(on(calculator, calculatorTwin.opt[0]));
    desktop.click(on(calculator, calculatorTwin.text2[2]));
    desktop.press(QStringLiteral("End"));
    desktop.press(QStringLiteral("shift+Home"));
    desktop.type(QStringLiteral("GTAW"));
    desktop.click(on(calculator, calculatorTwin.txtBMthickness));
    desktop.type(QStringLiteral("0.75"));
    desktop.click(on(calculator, calculatorTwin.txtWMthickness));
    desktop.type(QStringLiteral("0.5"));

    // The twin, given the same, shows what the program's labels must show.
    calculatorTwin.opt[0]->setValue(true);
    calculatorTwin.text2[2]->setText(QStringLiteral("GTAW"));
    calculatorTwin.txtBMthickness->setText(QStringLiteral("0.75"));
    calculatorTwin.txtWMthickness->setText(QStringLiteral("0.5"));
    ASSERT_EQ(calculatorTwin.lblBMTmax->caption(), "1.5");
    ASSERT_EQ(calculatorTwin.lblWMTmax->caption(), "1");
    const QImage expected = calculatorTwin.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto showsAsTwin = [&](const QWidget* label) {
        return look(calculator, label).convertToFormat(QImage::Format_RGB32)
            == expected.copy(QRect(label->mapTo(&calculatorTwin, QPoint(0, 0)), label->size()));
    };
    // The value used for t, under its box, follows the last key; the rest is drawn with it.
    EXPECT_TRUE(testing_support::waitFor([&] { return showsAsTwin(calculatorTwin.LabelW); }, 20000)) << "t used";
    EXPECT_TRUE(showsAsTwin(calculatorTwin.LabelT)) << "T used";
    EXPECT_TRUE(showsAsTwin(calculatorTwin.lblBMTmax)) << "Max T";
    EXPECT_TRUE(showsAsTwin(calculatorTwin.lblWMTmax)) << "Max t";
    snapshot(QStringLiteral("calculator"));
}
