// Which button Enter and Esc press in each window, under the window manager with a person's
// timing: the focused button or the default button, the cancel button, or nothing.

#include "desktop/desktop_lane.h"

#include "lookups/base_metal_window.h"
#include "lookups/filler_metal_window.h"

#include <QToolButton>
#include <set>

using namespace lane;

namespace {

enum class Effect {
    Nothing,  // the window stays as it was
    Closes,   // the key presses the button that closes the window
    Message,  // the key presses a button whose work ends in a message (a print saying its file)
    Resets,   // the key presses a button that empties the window's entries
};

// The windows in the order of the table below, one case each, each case a start of its own.
const char* const windowNames[] = {"BaseMetals",    "FillerMetals",      "SfaMatrix",  "ANumbers",
                                   "Definitions",   "CrossReference",    "ApplicabilityGrid", "Calculator",
                                   "FigureViewer",  "Licence",           "AboutBox",   "Interpretations"};

class WindowKeysLane : public DesktopLane, public ::testing::WithParamInterface<int> {
protected:
    bool present(Window window)
    {
        for (Window w : desktop.clientWindows())
            if (w == window)
                return desktop.viewable(window);
        return false;
    }
    // The key, then what it did to `window`.
    void expect(Window window, const QString& key, Effect effect)
    {
        SCOPED_TRACE(key.toStdString());
        const std::set<Window> windowsBefore = shownNow();
        const QImage before = desktop.grab(desktop.clientRect(window));
        if (effect == Effect::Message) {
            const Window message = openedSince(windowsBefore, [&] { desktop.press(key); });
            ASSERT_NE(message, 0u) << "no message came";
            desktop.press(QStringLiteral("Return"));
            EXPECT_TRUE(testing_support::waitFor([&] { return !present(message); }, 20000));
            EXPECT_TRUE(present(window)) << "the window closed";
            return;
        }
        desktop.press(key);
        switch (effect) {
        case Effect::Closes:
            EXPECT_TRUE(testing_support::waitFor([&] { return !present(window); }, 20000)) << "the window stayed";
            return;
        case Effect::Message:
            break;
        case Effect::Resets:
            EXPECT_TRUE(testing_support::waitFor(
                [&] { return desktop.grab(desktop.clientRect(window)) != before; }, 20000))
                << "the entries stayed";
            break;
        case Effect::Nothing: {
            // Tab moves the focus on, which shows in most windows: everything before it has been
            // done then. A window whose focus does not show is given three seconds.
            desktop.press(QStringLiteral("Tab"));
            testing_support::waitFor(
                [&] { return !present(window) || desktop.grab(desktop.clientRect(window)) != before; }, 3000);
            EXPECT_EQ(shownNow(), windowsBefore) << "a window came or went";
            break;
        }
        }
        EXPECT_TRUE(present(window)) << "the window closed";
    }
};

}  // namespace

TEST_P(WindowKeysLane, EnterAndEscPressTheButtonsTheWindowGivesThemOrNothing)
{
    const Window main = startMainWindow();
    ASSERT_NE(main, 0u);
    varnel::varnelMain& twin = mainTwin();
    varnel::varnelMaterialSpecification baseMetals;
    baseMetals.show();
    varnel::varnelFillerSpecification fillerMetals;
    fillerMetals.show();

    const auto click = [&](Window window, const QWidget* control) { return [=, this] { desktop.click(on(window, control)); }; };
    const auto keys = [&](QStringList sequence) {
        return [=, this] {
            for (const QString& key : sequence)
                desktop.press(key);
        };
    };
    // Each window in turn, opened as a person opens it: from the main window or from the window
    // that leads to it.
    const struct {
        const char* window;
        std::function<Window()> open;
        std::function<void(Window)> prepare;  // gives the keys something to work on
        Effect enter, escape;
    } cases[] = {
        {"base metals: Print is the default, no cancel button",
         [&] { return opened(click(main, twin.toolbarButtons[4])); },
         [&](Window) { desktop.press(QStringLiteral("Down")); },  // a row chosen to print
         Effect::Message, Effect::Nothing},
        {"filler metals: Print is the default, Cancel the cancel button",
         [&] { return opened(click(main, twin.toolbarButtons[5])); },
         [&](Window) { desktop.press(QStringLiteral("Down")); }, Effect::Message, Effect::Closes},
        {"SFA matrix: Cancel is the cancel button",
         [&] {
             const Window filler = opened(click(main, twin.toolbarButtons[5]));
             return filler ? opened(click(filler, fillerMetals.cmdApplicability)) : 0;
         },
         nullptr, Effect::Nothing, Effect::Closes},
        {"A-numbers: Esc presses Reset", [&] { return opened(click(main, twin.toolbarButtons[6])); },
         [&](Window) { desktop.type(QStringLiteral("0.2")); }, Effect::Nothing, Effect::Resets},
        {"definitions: no default button until a pick, no cancel button",
         [&] { return opened(keys({QStringLiteral("alt+t"), QStringLiteral("d")})); }, nullptr, Effect::Nothing,
         Effect::Nothing},
        {"cross-reference: Cancel is the cancel button",
         [&] {
             const Window base = opened(click(main, twin.toolbarButtons[4]));
             return base ? opened(click(base, baseMetals.Command3[0])) : 0;
         },
         nullptr, Effect::Nothing, Effect::Closes},
        {"applicability grid: no cancel button; Enter presses Cancel once Tab has given it the focus",
         [&] { return opened(click(main, twin.Command5)); }, nullptr, Effect::Closes, Effect::Nothing},
        {"calculator: neither", [&] { return opened(click(main, twin.toolbarButtons[7])); }, nullptr,
         Effect::Nothing, Effect::Nothing},
        {"figure viewer: neither",
         [&] {
             desktop.click(on(main, twin.Text1[1]));
             desktop.press(QStringLiteral("ctrl+a"));
             desktop.type(QStringLiteral("QW-461"));
             desktop.press(QStringLiteral("ctrl+a"));
             return opened(click(main, twin.toolbarButtons[12]));
         },
         nullptr, Effect::Nothing, Effect::Nothing},
        {"licence: no cancel button; Enter presses OK once Tab has given it the focus",
         [&] { return opened(keys({QStringLiteral("alt+h"), QStringLiteral("l")})); }, nullptr, Effect::Closes,
         Effect::Nothing},
        {"about box: OK takes Enter", [&] { return opened(keys({QStringLiteral("alt+h"), QStringLiteral("a")})); },
         nullptr, Effect::Closes, Effect::Nothing},
        {"interpretations: the hidden search button is the default, also from a focused option, Exit the cancel button",
         [&] { return opened(click(main, twin.Command3)); },
         [&](Window window) {
             desktop.click(on(window, sorvikTwin().Text1[1]));
             desktop.type(QStringLiteral("zzqq"));
             desktop.click(on(window, sorvikTwin().Option1[0]));  // chosen already: no search
         },
         Effect::Message, Effect::Closes},
    };
    ASSERT_EQ(std::size(cases), std::size(windowNames));
    {
        const auto& c = cases[GetParam()];
        SCOPED_TRACE(c.window);
        const Window window = c.open();
        if (!window)
            snapshot(QStringLiteral("not-opened"));
        ASSERT_NE(window, 0u) << "the window did not open";
        snapshot(QString::fromLatin1(c.window).section(u':', 0, 0));
        if (c.prepare)
            c.prepare(window);
        // A key that closes the window comes last.
        if (c.escape == Effect::Closes) {
            expect(window, QStringLiteral("Return"), c.enter);
            expect(window, QStringLiteral("Escape"), c.escape);
        } else {
            expect(window, QStringLiteral("Escape"), c.escape);
            expect(window, QStringLiteral("Return"), c.enter);
        }
        snapshot(QString::fromLatin1(c.window).section(u':', 0, 0) + QStringLiteral(" keys"));
        ASSERT_TRUE(closeAllBut(main)) << "the windows it opened did not close";
    }
}

INSTANTIATE_TEST_SUITE_P(EachWindow, WindowKeysLane, ::testing::Range(0, static_cast<int>(std::size(windowNames))),
                         [](const ::testing::TestParamInfo<int>& info) { return std::string(windowNames[info.param]); });
