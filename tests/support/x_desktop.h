#pragma once
// A desktop of its own for tests that need a real X server: Xvfb on a display number it chooses
// itself, the openbox window manager, and a connection to read back what is on the screen (the
// managed windows, their titles, places and states, and the pixels). It also works the keyboard
// and the mouse as a person does, through xdotool: a key goes down, stays down for a tenth of a
// second and comes up again.

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <vector>

// Xlib's names stay out of the tests that include this (its macros clash with GoogleTest's).
struct _XDisplay;

namespace testing_support {

using Display = ::_XDisplay;
using Window = unsigned long;  // an X window id

// Waits until the condition holds, checking it every few milliseconds; false when it still does
// not hold after `milliseconds`.
bool waitFor(const std::function<bool()>& condition, int milliseconds = 5000);

// The values of WM_STATE that the window manager keeps on a client window; a window without the
// property is withdrawn too.
enum class WmState : long { Withdrawn = 0, Normal = 1, Iconic = 3 };

class XDesktop {
public:
    XDesktop() = default;
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;
    ~XDesktop();

    // Starts the server with a screen of `screen` pixels and the window manager. Empty when they
    // run; otherwise why not.
    QString start(QSize screen = {800, 600});

    const QString& name() const { return name_; }
    Display* display() const { return display_; }
    // The environment of a program on this desktop: the display, and the home directory of the
    // window manager.
    QProcessEnvironment environment() const;

    // A top-level window with the title, mapped; the window manager manages it shortly after.
    Window createWindow(const QString& title);

    WmState state(Window window);
    bool viewable(Window window);
    Window activeWindow();
    std::vector<Window> rootWindows(const char* property);
    // The windows the manager manages, oldest first.
    std::vector<Window> clientWindows() { return rootWindows("_NET_CLIENT_LIST"); }
    QString title(Window window);
    // The process that owns the window (_NET_WM_PID); 0 when it does not say.
    long pid(Window window);
    // The window's own area and the area with the manager's frame, in screen pixels.
    QRect clientRect(Window window);
    QRect frameRect(Window window);
    // The size the program asked for the window (WM_NORMAL_HINTS); empty when it did not say.
    QSize requestedSize(Window window);
    // The part of the screen that windows may use (_NET_WORKAREA); the whole screen without one.
    QRect workArea();
    // What the screen shows in `area`, as far as it lies on the screen.
    QImage grab(const QRect& area);

    // A key (an X key name such as "Return", "Escape", "alt+t") down, a tenth of a second, up.
    void press(const QString& key);
    // Each character of `text` as a key of its own, down and up as a person types.
    void type(const QString& text);
    // Brings the window to the front and gives it the focus, as a click on its task-bar entry.
    void activate(Window window);
    // The pointer moves to `point`, rests, and the left button goes down and, a tenth of a second
    // later, up.
    void click(const QPoint& point);

private:
    unsigned long atom(const char* name);
    std::vector<long> longs(Window window, const char* property, unsigned long type);
    void xdotool(const QStringList& arguments);

    QProcess server_;
    QProcess manager_;
    QTemporaryDir home_;
    QString name_;
    Display* display_ = nullptr;
};

}  // namespace testing_support
