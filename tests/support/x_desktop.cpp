#include "support/x_desktop.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace testing_support {

namespace {

// Windows of the programs under test come and go while the test reads them; a request about a
// window that is gone is answered with nothing rather than ending the test.
int ignoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

bool waitFor(const std::function<bool()>& condition, int milliseconds)
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

QString XDesktop::start(QSize screen)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (xvfb.isEmpty() || openbox.isEmpty())
        return QStringLiteral("Xvfb and openbox are needed (Debian packages xvfb and openbox)");

    // Xvfb chooses a free display number and writes it to its standard output.
    const QString size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    server_.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                         QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"), size});
    if (!server_.waitForStarted(5000))
        return QStringLiteral("Xvfb did not start");
    while (!server_.canReadLine() && server_.waitForReadyRead(10000)) {
    }
    if (!server_.canReadLine())
        return QStringLiteral("Xvfb named no display");
    name_ = u':' + QString::fromLatin1(server_.readLine().trimmed());
    display_ = XOpenDisplay(name_.toLatin1().constData());
    if (!display_)
        return QStringLiteral("the display %1 could not be opened").arg(name_);
    XSetErrorHandler(ignoreError);

    manager_.setProcessEnvironment(environment());
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
    }, 15000);
    XDestroyWindow(display_, probe);
    XSync(display_, False);
    if (!managed)
        return QStringLiteral("openbox manages no window");
    return {};
}

XDesktop::~XDesktop()
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

QProcessEnvironment XDesktop::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), name_);
    environment.insert(QStringLiteral("HOME"), home_.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path());
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home_.path());
    return environment;
}

Window XDesktop::createWindow(const QString& title)
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

WmState XDesktop::state(Window window)
{
    const std::vector<long> values = longs(window, "WM_STATE", atom("WM_STATE"));
    return values.empty() ? WmState::Withdrawn : static_cast<WmState>(values[0]);
}

bool XDesktop::viewable(Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable;
}

Window XDesktop::activeWindow()
{
    const std::vector<Window> active = rootWindows("_NET_ACTIVE_WINDOW");
    return active.empty() ? 0 : active[0];
}

std::vector<Window> XDesktop::rootWindows(const char* property)
{
    std::vector<Window> windows;
    for (long value : longs(DefaultRootWindow(display_), property, XA_WINDOW))
        windows.push_back(static_cast<Window>(value));
    return windows;
}

QString XDesktop::title(Window window)
{
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    QString text;
    if (XGetWindowProperty(display_, window, atom("_NET_WM_NAME"), 0, 1024, False, atom("UTF8_STRING"), &actualType,
                           &format, &count, &after, &data) == Success && data && format == 8)
        text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
    if (data)
        XFree(data);
    return text;
}

long XDesktop::pid(Window window)
{
    const std::vector<long> values = longs(window, "_NET_WM_PID", XA_CARDINAL);
    return values.empty() ? 0 : values[0];
}

QRect XDesktop::clientRect(Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window, &attributes))
        return {};
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return QRect(x, y, attributes.width, attributes.height);
}

QRect XDesktop::frameRect(Window window)
{
    const QRect client = clientRect(window);
    const std::vector<long> extents = longs(window, "_NET_FRAME_EXTENTS", XA_CARDINAL);
    if (extents.size() < 4)
        return client;
    return client.adjusted(static_cast<int>(-extents[0]), static_cast<int>(-extents[2]), static_cast<int>(extents[1]),
                           static_cast<int>(extents[3]));
}

QSize XDesktop::requestedSize(Window window)
{
    XSizeHints hints{};
    long supplied = 0;
    const bool said = XGetWMNormalHints(display_, window, &hints, &supplied) && (hints.flags & (USSize | PSize));
    return said ? QSize(hints.width, hints.height) : QSize();
}

QRect XDesktop::workArea()
{
    const std::vector<long> area = longs(DefaultRootWindow(display_), "_NET_WORKAREA", XA_CARDINAL);
    if (area.size() >= 4)
        return QRect(static_cast<int>(area[0]), static_cast<int>(area[1]), static_cast<int>(area[2]),
                     static_cast<int>(area[3]));
    const Screen* screen = DefaultScreenOfDisplay(display_);
    return QRect(0, 0, WidthOfScreen(screen), HeightOfScreen(screen));
}

QImage XDesktop::grab(const QRect& wanted)
{
    // The part of it that lies on the screen.
    const Screen* screen = DefaultScreenOfDisplay(display_);
    const QRect area = wanted & QRect(0, 0, WidthOfScreen(screen), HeightOfScreen(screen));
    if (area.isEmpty())
        return {};
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.x(), area.y(),
                              static_cast<unsigned>(area.width()), static_cast<unsigned>(area.height()), AllPlanes,
                              ZPixmap);
    if (!image)
        return {};
    QImage result(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        if (image->bits_per_pixel == 32 && image->byte_order == LSBFirst) {
            const auto* pixels = reinterpret_cast<const quint32*>(image->data + y * image->bytes_per_line);
            for (int x = 0; x < area.width(); ++x)
                line[x] = 0xff000000u | (pixels[x] & 0xffffffu);
        } else {
            for (int x = 0; x < area.width(); ++x)
                line[x] = 0xff000000u | static_cast<QRgb>(XGetPixel(image, x, y) & 0xffffffu);
        }
    }
    XDestroyImage(image);
    return result;
}

void XDesktop::press(const QString& key)
{
    xdotool({QStringLiteral("keydown"), key, QStringLiteral("sleep"), QStringLiteral("0.1"), QStringLiteral("keyup"),
             key});
}

void XDesktop::type(const QString& text)
{
    QStringList arguments;
    for (const QChar c : text) {
        QString key = c;
        if (c == u' ')
            key = QStringLiteral("space");
        else if (c == u'-')
            key = QStringLiteral("minus");
        else if (c == u'.')
            key = QStringLiteral("period");
        else if (c == u'/')
            key = QStringLiteral("slash");
        arguments << QStringLiteral("keydown") << key << QStringLiteral("sleep") << QStringLiteral("0.1")
                  << QStringLiteral("keyup") << key << QStringLiteral("sleep") << QStringLiteral("0.05");
    }
    xdotool(arguments);
}

void XDesktop::activate(Window window)
{
    xdotool({QStringLiteral("windowactivate"), QString::number(window)});
}

void XDesktop::click(const QPoint& point)
{
    xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
             QStringLiteral("sleep"), QStringLiteral("0.1"), QStringLiteral("mousedown"), QStringLiteral("1"),
             QStringLiteral("sleep"), QStringLiteral("0.1"), QStringLiteral("mouseup"), QStringLiteral("1")});
}

void XDesktop::xdotool(const QStringList& arguments)
{
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(30000);
}

unsigned long XDesktop::atom(const char* name) { return XInternAtom(display_, name, False); }

std::vector<long> XDesktop::longs(Window window, const char* property, unsigned long type)
{
    std::vector<long> values;
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XSync(display_, False);
    if (XGetWindowProperty(display_, window, atom(property), 0, 64, False, type, &actualType, &format, &count, &after,
                           &data) == Success && data && format == 32) {
        const auto* list = reinterpret_cast<const long*>(data);
        values.assign(list, list + count);
    }
    if (data)
        XFree(data);
    return values;
}

}  // namespace testing_support
