#include "platform/ui/once_per_doing.h"

#include <QCoreApplication>
#include <QEvent>

namespace platform::ui {

namespace {

class DoingCounter : public QObject {
public:
    quint64 count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            ++count;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

quint64 doings()
{
    // The counter watches every event of the program from the first time it is asked.
    static DoingCounter* const counter = [] {
        auto* watcher = new DoingCounter;
        if (QCoreApplication* application = QCoreApplication::instance())
            application->installEventFilter(watcher);
        return watcher;
    }();
    return counter->count;
}

}  // namespace platform::ui
