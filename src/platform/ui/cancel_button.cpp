#include "platform/ui/cancel_button.h"

#include <QAbstractButton>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>

namespace platform::ui {

namespace {

// Sees every key that reaches the window unhandled by its controls, before the window's own
// handling.
class CancelKey final : public QObject {
public:
    using QObject::QObject;
    QPointer<QAbstractButton> button;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier)
            return false;
        if (button && button->isVisible() && button->isEnabled())
            button->click();
        return true;
    }
};

}  // namespace

void setCancelButton(QDialog& window, QAbstractButton* button)
{
    // The filter is known by its name (a class without its own meta-object is no type to find).
    const QString name = QStringLiteral("cancel key");
    auto* key = static_cast<CancelKey*>(window.findChild<QObject*>(name, Qt::FindDirectChildrenOnly));
    if (!key) {
        key = new CancelKey(&window);
        key->setObjectName(name);
        window.installEventFilter(key);
    }
    key->button = button;
}

}  // namespace platform::ui
