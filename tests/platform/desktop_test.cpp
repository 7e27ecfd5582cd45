// The desktop's window finder against a real X server (Xvfb) with a window manager (openbox)
// that minimises windows: which windows it counts as shown, and that activation restores and
// raises a minimised one. Skipped where neither can be started.

#include "platform/desktop.h"
#include "platform/ui/seams.h"
#include "shell/shell_check_routines.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// The values of WM_STATE that the window manager keeps on a client window; a window without the
// property is withdrawn too.
enum class WmState : long { Withdrawn = 0, Normal = 1, Iconic = 3 };

bool waitFor(const std::function<bool()>& condition, int milliseconds = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QThread::msleep(10);
    }
    return true;
}

// An X server of its own with a window manager, and a connection to it for the test's windows.
class XDesktop {
public:
    // Empty when it started; otherwise why not.
    QString start()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (xvfb.isEmpty() || openbox.isEmpty())
            return QStringLiteral("Xvfb and openbox are needed (Debian packages xvfb and openbox)");

        // Xvfb chooses a free display number and writes it to its standard output.
        server_.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                             QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                             QStringLiteral("800x600x24")});
        if (!server_.waitForStarted(5000))
            return QStringLiteral("Xvfb did not start");
        while (!server_.canReadLine() && server_.waitForReadyRead(5000)) {
        }
        if (!server_.canReadLine())
            return QStringLiteral("Xvfb named no display");
        name_ = u':' + QString::fromLatin1(server_.readLine().trimmed());
        display_ = XOpenDisplay(name_.toLatin1().constData());
        if (!display_)
            return QStringLiteral("the display %1 could not be opened").arg(name_);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), name_);
        environment.insert(QStringLiteral("HOME"), home_.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path());
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), home_.path());
        manager_.setProcessEnvironment(environment);
        manager_.start(openbox, {QStringLiteral("--sm-disable")});
        if (!manager_.waitForStarted(5000))
            return QStringLiteral("openbox did not start");
        // The manager is ready once it manages a window; one mapped while it starts up may be
        // missed, so the probe is mapped again until it is managed.
        const Window probe = createWindow(QStringLiteral("probe"));
        const bool managed = waitFor([&] {
            if (state(probe) == WmState::Normal)
                return true;
            XUnmapWindow(display_, probe);
            XMapWindow(display_, probe);
            QThread::msleep(100);
            return state(probe) == WmState::Normal;
        });
        XDestroyWindow(display_, probe);
        XSync(display_, False);
        if (!managed)
            return QStringLiteral("openbox manages no window");
        return {};
    }

    ~XDesktop()
    {
        if (display_)
            XCloseDisplay(display_);
        for (QProcess* process : {&manager_, &server_}) {
            process->terminate();
            if (!process->waitForFinished(3000))
                process->kill();
            process->waitForFinished(3000);
        }
    }

    const QString& name() const { return name_; }
    Display* display() const { return display_; }

    // A top-level window with the title, mapped and managed: its state is Normal.
    Window createWindow(const QString& title)
    {
        const int screen = DefaultScreen(display_);
        const Window window = XCreateSimpleWindow(display_, RootWindow(display_, screen), 10, 10, 200, 100, 0,
                                                  BlackPixel(display_, screen), WhitePixel(display_, screen));
        const QByteArray utf8 = title.toUtf8();
        XStoreName(display_, window, utf8.constData());
        XChangeProperty(display_, window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(utf8.constData()), static_cast<int>(utf8.size()));
        XMapWindow(display_, window);
        XFlush(display_);
        return window;
    }

    WmState state(Window window)
    {
        const std::vector<long> values = longs(window, "WM_STATE", atom("WM_STATE"));
        return values.empty() ? WmState::Withdrawn : static_cast<WmState>(values[0]);
    }
    bool viewable(Window window)
    {
        XWindowAttributes attributes;
        return XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable;
    }
    Window activeWindow()
    {
        const std::vector<Window> active = rootWindows("_NET_ACTIVE_WINDOW");
        return active.empty() ? 0 : active[0];
    }
    std::vector<Window> rootWindows(const char* property)
    {
        std::vector<Window> windows;
        for (long value : longs(DefaultRootWindow(display_), property, XA_WINDOW))
            windows.push_back(static_cast<Window>(value));
        return windows;
    }

private:
    Atom atom(const char* name) { return XInternAtom(display_, name, False); }

    std::vector<long> longs(Window window, const char* property, Atom type)
    {
        std::vector<long> values;
        Atom actualType = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        XSync(display_, False);
        if (XGetWindowProperty(display_, window, atom(property), 0, 64, False, type, &actualType, &format, &count,
                               &after, &data) == 0 && data && format == 32) {
            const auto* list = reinterpret_cast<const long*>(data);
            values.assign(list, list + count);
        }
        if (data)
            XFree(data);
        return values;
    }

    QProcess server_;
    QProcess manager_;
    QTemporaryDir home_;
    QString name_;
    Display* display_ = nullptr;
};

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
