#include "platform/desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <ctime>
#include <optional>

namespace platform {

namespace {

class X11WindowFinder final : public WindowFinder {
public:
    X11WindowFinder() : display_(XOpenDisplay(nullptr)) {}
    ~X11WindowFinder() override
    {
        if (display_)
            XCloseDisplay(display_);
    }

    std::vector<DesktopWindow> topLevelWindows() override
    {
        std::vector<DesktopWindow> windows;
        if (!display_)
            return windows;
        const Window root = DefaultRootWindow(display_);
        std::vector<Window> ids = windowList(root, "_NET_CLIENT_LIST_STACKING");
        std::reverse(ids.begin(), ids.end());  // the property lists bottom to top
        for (Window id : ids) {
            DesktopWindow window;
            window.id = id;
            window.title = titleOf(id);
            window.visible = shownOrMinimised(id);
            windows.push_back(window);
        }
        return windows;
    }

    void activate(unsigned long id) override
    {
        if (!display_)
            return;
        const Window root = DefaultRootWindow(display_);
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = id;
        event.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2;  // a request from a pager-like tool
        event.xclient.data.l[1] = CurrentTime;
        // Mapping a minimised window asks the window manager to restore it; the message asks it
        // to raise the window and give it the focus.
        XMapRaised(display_, id);
        XSendEvent(display_, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XFlush(display_);
    }

private:
    // A window counts while the window manager keeps it shown or minimised (WM_STATE Normal or
    // Iconic): a minimised window is unmapped, yet it is there to be restored. A window without
    // that state counts while it is mapped.
    bool shownOrMinimised(Window id)
    {
        constexpr long normalState = 1, iconicState = 3;
        const Atom wmState = XInternAtom(display_, "WM_STATE", True);
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::optional<long> state;
        if (wmState != None && XGetWindowProperty(display_, id, wmState, 0, 2, False, wmState, &type, &format, &count,
                                                  &after, &data) == Success && data && format == 32 && count >= 1)
            state = reinterpret_cast<const long*>(data)[0];
        if (data)
            XFree(data);
        if (state)
            return *state == normalState || *state == iconicState;
        XWindowAttributes attributes;
        return XGetWindowAttributes(display_, id, &attributes) && attributes.map_state == IsViewable;
    }

    std::vector<Window> windowList(Window root, const char* property)
    {
        std::vector<Window> ids;
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        const Atom atom = XInternAtom(display_, property, True);
        if (atom == None)
            return ids;
        if (XGetWindowProperty(display_, root, atom, 0, 1 << 16, False, XA_WINDOW, &type, &format, &count, &after,
                               &data) == Success && data && format == 32) {
            const auto* list = reinterpret_cast<const Window*>(data);
            ids.assign(list, list + count);
        }
        if (data)
            XFree(data);
        return ids;
    }

    QString titleOf(Window id)
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        const Atom netName = XInternAtom(display_, "_NET_WM_NAME", True);
        const Atom utf8 = XInternAtom(display_, "UTF8_STRING", True);
        QString title;
        if (netName != None && XGetWindowProperty(display_, id, netName, 0, 1024, False, utf8, &type, &format, &count,
                                                  &after, &data) == Success && data && format == 8)
            title = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
        if (data)
            XFree(data);
        if (title.isEmpty()) {
            char* name = nullptr;
            if (XFetchName(display_, id, &name) && name) {
                title = QString::fromLocal8Bit(name);
                XFree(name);
            }
        }
        return title;
    }

    Display* display_;
};

}  // namespace

std::unique_ptr<WindowFinder> desktopWindowFinder() { return std::make_unique<X11WindowFinder>(); }

QMargins windowManagerFrame(unsigned long windowId)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return {};
    const Window root = DefaultRootWindow(display);
    const Atom request = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", True);
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", True);
    const Atom supported = XInternAtom(display, "_NET_SUPPORTED", True);
    bool supportedByManager = false;
    if (request != None && extents != None && supported != None) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, root, supported, 0, 1 << 12, False, XA_ATOM, &type, &format, &count, &after,
                               &data) == Success && data && format == 32) {
            const auto* atoms = reinterpret_cast<const Atom*>(data);
            supportedByManager = std::find(atoms, atoms + count, request) != atoms + count;
        }
        if (data)
            XFree(data);
    }
    QMargins margins;
    if (supportedByManager) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = windowId;
        event.xclient.message_type = request;
        event.xclient.format = 32;
        XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XFlush(display);
        // The manager answers at once; a tenth of a second is ample.
        for (int wait = 0; wait < 20; ++wait) {
            Atom type = None;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char* data = nullptr;
            const bool read = XGetWindowProperty(display, windowId, extents, 0, 4, False, XA_CARDINAL, &type, &format,
                                                 &count, &after, &data) == Success && data && format == 32
                           && count == 4;
            if (read) {
                const auto* values = reinterpret_cast<const long*>(data);
                margins = QMargins(static_cast<int>(values[0]), static_cast<int>(values[2]), static_cast<int>(values[1]),
                                   static_cast<int>(values[3]));
            }
            if (data)
                XFree(data);
            if (read)
                break;
            struct timespec pause{0, 5'000'000};
            nanosleep(&pause, nullptr);
        }
    }
    XCloseDisplay(display);
    return margins;
}

}  // namespace platform
