// The desktop's window finder against a real X server (Xvfb) with a window manager (openbox)
// that minimises windows: which windows it counts as shown, and that activation restores and
// raises a minimised one. Skipped where neither can be started.

#include "platform/desktop.h"
#include "platform/ui/seams.h"
#include "shell/shell_check_routines.h"
#include "support/x_desktop.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

namespace {

using testing_support::waitFor;
using testing_support::WmState;
using testing_support::XDesktop;

class DesktopFinder : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString why = desktop.start();
        if (!why.isEmpty())
            GTEST_SKIP() << "No X server with a window manager for this test: " << why.toStdString();
        // The program's own seams keep the display they were made with; only this test's
        // finders reach the test's server, which is gone before the program ends.
        platform::seams();
        savedDisplay = qgetenv("DISPLAY");
        qputenv("DISPLAY", desktop.name().toLatin1());
        displaySet = true;
    }
    void TearDown() override
    {
        if (!displaySet)
            return;
        if (savedDisplay.isNull())
            qunsetenv("DISPLAY");
        else
            qputenv("DISPLAY", savedDisplay);
    }

    // The finder's entry for the window; an entry with id 0 when it lists none.
    platform::DesktopWindow listed(Window window)
    {
        for (const platform::DesktopWindow& w : platform::desktopWindowFinder()->topLevelWindows())
            if (w.id == window)
                return w;
        return {};
    }

    XDesktop desktop;
    QByteArray savedDisplay;
    bool displaySet = false;
};

}  // namespace

TEST_F(DesktopFinder, ShownAndMinimisedWindowsCountWithdrawnOnesDoNot)
{
    const struct {
        const char* title;
        WmState state;
        bool counted;
    } cases[] = {
        {"Sorvik  [ shown ]", WmState::Normal, true},
        {"Sorvik  [ minimised ]", WmState::Iconic, true},
        {"Sorvik  [ withdrawn ]", WmState::Withdrawn, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const Window window = desktop.createWindow(QString::fromLatin1(c.title));
        ASSERT_TRUE(waitFor([&] { return desktop.state(window) == WmState::Normal; }));
        if (c.state == WmState::Iconic)
            XIconifyWindow(desktop.display(), window, DefaultScreen(desktop.display()));
        if (c.state == WmState::Withdrawn)
            XWithdrawWindow(desktop.display(), window, DefaultScreen(desktop.display()));
        XFlush(desktop.display());
        ASSERT_TRUE(waitFor([&] { return desktop.state(window) == c.state; }));

        const platform::DesktopWindow found = listed(window);
        EXPECT_EQ(found.id != 0 && found.visible, c.counted);
        if (found.id != 0) {
            EXPECT_EQ(found.title, QLatin1String(c.title));
        }
    }
}

TEST_F(DesktopFinder, ASiblingsMinimisedWindowIsRestoredAndMadeActive)
{
    const Window window = desktop.createWindow(QStringLiteral("Sorvik  [ minimised ]"));
    const Window other = desktop.createWindow(QStringLiteral("Another program"));
    ASSERT_TRUE(waitFor([&] { return desktop.state(window) == WmState::Normal && desktop.state(other) == WmState::Normal; }));
    XIconifyWindow(desktop.display(), window, DefaultScreen(desktop.display()));
    XFlush(desktop.display());
    ASSERT_TRUE(waitFor([&] { return desktop.state(window) == WmState::Iconic && !desktop.viewable(window); }));

    // The main window's way to a running sibling, through the desktop's own finder.
    std::unique_ptr<platform::WindowFinder> finder = platform::desktopWindowFinder();
    std::swap(platform::seams().windowFinder, finder);
    const unsigned long activated = varnel::activateProgramWindow(QStringLiteral("Sorvik  "), varnel::TitleMatch::BeginsWith, false);
    std::swap(platform::seams().windowFinder, finder);
    ASSERT_EQ(activated, window);
    EXPECT_TRUE(waitFor([&] { return desktop.state(window) == WmState::Normal && desktop.viewable(window); }));
    EXPECT_TRUE(waitFor([&] { return desktop.activeWindow() == window; }));
    // In front: last in the stacking order of the managed windows.
    EXPECT_TRUE(waitFor([&] {
        const std::vector<Window> stacking = desktop.rootWindows("_NET_CLIENT_LIST_STACKING");
        return !stacking.empty() && stacking.back() == window;
    }));
}
