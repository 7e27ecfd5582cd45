#pragma once
// Keys as the desktop delivers them. QTest sends some keys without the text that X11 and Wayland
// give them, which hides how a control treats that text.

#include <QTest>

namespace testing_support {

// Delete arrives with the text DEL (character 127).
inline void pressDelete(QWidget* widget)
{
    const QString del(QChar(0x7f));
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_Delete, del, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_Delete, del, Qt::NoModifier);
}

// Ctrl+V arrives with the text of its control character (22).
inline void pressPaste(QWidget* widget)
{
    const QString ctrlV(QChar(0x16));
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_V, ctrlV, Qt::ControlModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_V, ctrlV, Qt::ControlModifier);
}

}  // namespace testing_support
