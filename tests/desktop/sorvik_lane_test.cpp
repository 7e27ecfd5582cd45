// The interpretations on the real desktop: opened from the main window for the paragraph shown,
// searched and stepped through; the interpretations program that the main window starts and
// then finds again by its window's title; and the messages of a window that is being opened.

#include "desktop/desktop_lane.h"

#include "support/file_bytes.h"

#include <QToolButton>
#include <set>

using namespace lane;

namespace {

const TitleMatch sorvikTitle = beginsWith(QStringLiteral("Sorvik"));

class SorvikLane : public DesktopLane {
protected:
    // The interpretations windows on the desktop (message boxes titled "Sorvik" are lower).
    std::vector<Window> browsers()
    {
        std::vector<Window> found;
        for (Window window : windows(sorvikTitle))
            if (desktop.viewable(window) && desktop.clientRect(window).height() > 300)
                found.push_back(window);
        return found;
    }
    // Shows paragraph `entry` of the main window's list and presses the interpretations button.
    void openInterpretations(Window main, int entry)
    {
        varnel::varnelMain& twin = mainTwin();
        const QImage text = look(main, twin.RichTextBox1);
        desktop.click(on(main, twin.ListView1[2]->viewport(),
                         twin.ListView1[2]->visualRect(twin.ListView1[2]->model()->index(entry - 1, 0))));
        if (entry != 1) {
            ASSERT_TRUE(waitForChange(main, twin.RichTextBox1, text));
        }
        desktop.click(on(main, twin.Command3));
    }
};

}  // namespace

TEST_F(SorvikLane, APersonOpensTheInterpretationsOfAParagraphSearchesAndStepsThroughTheHits)
{
    const Window main = startMainWindow();
    ASSERT_NE(main, 0u);
    openInterpretations(main, 1);
    const Window browser = waitForWindow(beginsWith(QStringLiteral("Sorvik   [ ASME Section IX")));
    ASSERT_NE(browser, 0u);
    ASSERT_TRUE(waitUntilDrawn(browser));
    varnel::sorvikMain& twin = sorvikTwin();
    EXPECT_TRUE(showsGreen(browser, twin.Command2[2])) << "the drop-down arrow is not green";

    // Without a paragraph, Enter in the search box presses the window's hidden search button,
    // which searches every interpretation of the section.
    desktop.click(on(browser, twin.Text1[0]));
    desktop.press(QStringLiteral("ctrl+a"));
    desktop.press(QStringLiteral("BackSpace"));
    EXPECT_TRUE(enter(browser, twin.Text1[1], QStringLiteral("weld"), twin.RichTextBox1));
    EXPECT_TRUE(windows(noEntryFound).empty());
    snapshot(QStringLiteral("searched"));
    QImage text;
    // No hit is chosen yet, so "Show last" and "Show first" lead in; then back, hit by hit.
    for (int button : {3, 1, 1}) {
        text = look(browser, twin.RichTextBox1);
        desktop.click(on(browser, twin.Command4[button]));
        EXPECT_TRUE(waitForChange(browser, twin.RichTextBox1, text)) << "button " << button;
    }
    snapshot(QStringLiteral("stepped"));

    // Esc presses Exit: the main window is left.
    desktop.press(QStringLiteral("Escape"));
    EXPECT_TRUE(waitUntilGone(sorvikTitle));
    EXPECT_EQ(windows(mainTitle).size(), 1u);
}

TEST_F(SorvikLane, AnInterpretationsProgramWhoseDatabaseDidNotOpenIsRaisedNotStartedAgain)
{
    ASSERT_TRUE(testing_support::writeBytes(
        settingsFile(), ("[sorvik]\ndata%20path=" + home.filePath(QStringLiteral("nowhere/intasme.mdb")) + "\n").toUtf8()));
    const Window main = startMainWindow();
    ASSERT_NE(main, 0u);
    varnel::varnelMain& twin = mainTwin();

    // Toolbar button 9 starts the program; its window comes, and over it the message that its
    // database did not open.
    desktop.click(on(main, twin.toolbarButtons[9]));
    const Window box = waitForWindow(titled(QStringLiteral("No database")));
    ASSERT_NE(box, 0u);
    ASSERT_EQ(browsers().size(), 1u) << "the message came before its window";
    const Window browser = browsers().front();
    EXPECT_TRUE(desktop.title(browser).startsWith(QStringLiteral("Sorvik  "))) << desktop.title(browser).toStdString();
    EXPECT_TRUE(desktop.frameRect(browser).contains(desktop.clientRect(box).center()))
        << "the message is not over its window";
    snapshot(QStringLiteral("refused"));

    // Tools > Sorvik and button 9 again while the message is open, each with the main window in
    // front: the program's window is brought to the front, and no second program starts.
    const auto again = [&](int way) {
        desktop.activate(main);
        EXPECT_TRUE(testing_support::waitFor([&] { return desktop.activeWindow() == main; }));
        if (way == 0) {
            desktop.press(QStringLiteral("alt+t"));
            desktop.press(QStringLiteral("i"));
        } else {
            desktop.click(on(main, twin.toolbarButtons[9]));
        }
        EXPECT_TRUE(testing_support::waitFor([&] {
            const Window active = desktop.activeWindow();
            return active == browser || active == box;
        })) << "way " << way;
    };
    again(0);
    again(1);
    std::set<long> programs;
    for (Window window : windows(sorvikTitle))
        programs.insert(desktop.pid(window));
    EXPECT_EQ(programs.size(), 1u);
    EXPECT_EQ(browsers().size(), 1u);

    // Answered, the message takes the program with it: no window is left to search nothing.
    desktop.activate(box);
    desktop.press(QStringLiteral("Return"));
    EXPECT_TRUE(waitUntilGone(sorvikTitle));
    EXPECT_EQ(windows(mainTitle).size(), 1u);
}

TEST_F(SorvikLane, AMessageOfTheInterpretationsWindowComesWhenTheWindowIsOnTheScreen)
{
    const Window main = startMainWindow();
    ASSERT_NE(main, 0u);
    // QW-408.7, the last paragraph listed, has no interpretation.
    const QImage before = desktop.grab(QRect(QPoint(0, 0), screenSize()));
    openInterpretations(main, 13);
    const Window box = waitForWindow(noEntryFound);
    ASSERT_NE(box, 0u);
    const std::vector<Window> shown = browsers();
    ASSERT_EQ(shown.size(), 1u) << "the message came before its window";
    // The window's menu and toolbar, clear of the message, are drawn already.
    QRect top = desktop.clientRect(shown[0]);
    top.setHeight(40);
    EXPECT_NE(desktop.grab(top), before.copy(top)) << "the message came before its window was drawn";
    EXPECT_TRUE(desktop.frameRect(shown[0]).contains(desktop.clientRect(box).center()))
        << "the message is not over its window";
    snapshot(QStringLiteral("message"));
    ASSERT_TRUE(waitUntilFocused(box));
    desktop.press(QStringLiteral("Return"));
    EXPECT_TRUE(waitUntilGone(noEntryFound));
    EXPECT_EQ(browsers().size(), 1u);
}

TEST_F(SorvikLane, AtTwiceTheScaleTheInterpretationsProgramAndItsPrinterSetupOpenWithinTheScreen)
{
    startProgram(QStringLiteral("sorvik"), {}, {QStringLiteral("QT_SCALE_FACTOR=2")});
    const Window browser = waitForWindow(beginsWith(QStringLiteral("Sorvik   [ ASME Section IX")));
    ASSERT_NE(browser, 0u);
    ASSERT_TRUE(waitUntilDrawn(browser));
    const QRect area = desktop.workArea();
    const QRect frame = desktop.frameRect(browser);
    EXPECT_TRUE(area.contains(frame)) << "the interpretations lie off the screen at " << frame.y() << ", " << frame.width() << "x" << frame.height();
    desktop.press(QStringLiteral("alt+f"));
    const Window setup = opened([&] { desktop.press(QStringLiteral("u")); });
    ASSERT_NE(setup, 0u);
    snapshot(QStringLiteral("printer setup"));
    EXPECT_TRUE(area.contains(desktop.frameRect(setup))) << "Printer Setup lies off the screen";
}
