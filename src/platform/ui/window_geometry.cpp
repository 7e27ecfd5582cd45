#include "platform/ui/window_geometry.h"

#include "platform/desktop.h"

#include <QGuiApplication>
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

}  // namespace

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
