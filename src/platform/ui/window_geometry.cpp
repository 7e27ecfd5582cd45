#include "platform/ui/window_geometry.h"

#include "platform/desktop.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace platform::ui {

namespace {

// The frame around the window: as the window system has it once the window was shown, before
// that as the window manager will draw it (in the window's own units).
QMargins frameOf(QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    if (frame != inner)
        return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                        frame.bottom() - inner.bottom());
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    const QMargins pixels = windowManagerFrame(window.winId());
    const qreal ratio = window.devicePixelRatioF();
    const auto units = [ratio](int value) { return static_cast<int>(std::ceil(value / ratio)); };
    return QMargins(units(pixels.left()), units(pixels.top()), units(pixels.right()), units(pixels.bottom()));
}

// A window manager gives a window its base size plus whole steps of its size increment. At a
// fractional scale Qt makes that step one pixel of the window's own, two on the screen at one and
// a half times the scale, and counts the steps from 0 or from the window's least size: a window
// whose size on the screen lay between two steps opened a screen pixel short, one of its own once
// rounded back (and a grid that no longer fitted scrolled). A base a whole number of steps below
// the window's size lets it open whole.
void keepSizeReachable(QWidget& window)
{
    const qreal scale = window.devicePixelRatioF();
    const int step = qRound(scale);
    if (step <= 1)
        return;
    const auto onScreen = [scale](int size) { return qRound(size * scale); };
    const auto base = [&](int size) {
        for (int candidate = 0; candidate < 64; ++candidate)
            if ((onScreen(size) - onScreen(candidate)) % step == 0)
                return candidate;
        return 0;
    };
    window.setBaseSize(base(window.width()), base(window.height()));
}

// Keeps the base size of every window in step with its size: before the window manager first
// sizes it (when it is shown) and whenever its size changes.
class WholeWindows final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Show || event->type() == QEvent::Resize) && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog)
                keepSizeReachable(*window);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void keepWindowsWhole()
{
    static WholeWindows* whole = nullptr;
    if (whole)
        return;
    whole = new WholeWindows(qApp);
    qApp->installEventFilter(whole);
}

void centreOnScreen(QWidget& window, QSize smallest)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameOf(window);
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    if (window.minimumSize() != window.maximumSize()) {
        const QSize floor = smallest.isValid() ? smallest.expandedTo(window.minimumSize()) : window.minimumSize();
        const QSize fitting = window.size().boundedTo(area.size() - frameSize).expandedTo(floor).boundedTo(window.size());
        if (fitting != window.size())
            window.resize(fitting);
    }
    const QSize outer = window.size() + frameSize;
    const QPoint frameAt(area.left() + std::max(0, (area.width() - outer.width()) / 2),
                         area.top() + std::max(0, (area.height() - outer.height()) / 2));
    // A window that exists on the screen already is moved by its inner area, less the frame
    // that Qt knows of (none before the window was shown): the inner area goes inside the frame.
    const QPoint knownFrame = window.geometry().topLeft() - window.pos();
    window.move(frameAt + QPoint(frame.left(), frame.top()) - knownFrame);
}

}  // namespace platform::ui
