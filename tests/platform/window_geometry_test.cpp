// Placement of windows on the screen.

#include "platform/ui/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

TEST(WindowGeometry, AWindowLargerThanTheScreensAreaOpensAtItsTopLeftCorner)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.setFixedSize(area.size() + QSize(200, 100));
    platform::ui::centreOnScreen(window);
    window.show();
    EXPECT_EQ(window.frameGeometry().topLeft(), area.topLeft());
}
