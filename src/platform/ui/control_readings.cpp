#include "platform/ui/control_readings.h"

#include "platform/ui/caption_fit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QVariant>

namespace platform::ui {

namespace {

// Set on a button that stood hidden when its window was shown.
constexpr char hiddenButton[] = "platformHiddenButton";

// Whether a control raised above `control` in its container paints its background over all of it.
bool standsHidden(const QWidget& control)
{
    const QWidget* container = control.parentWidget();
    if (!container || control.isWindow())
        return false;
    const QObjectList& stack = container->children();  // from the bottom up
    for (qsizetype i = stack.indexOf(&control) + 1; i < stack.size(); ++i) {
        const auto* above = qobject_cast<const QWidget*>(stack[i]);
        if (above && !above->isWindow() && above->isVisibleTo(container) && above->autoFillBackground()
            && above->geometry().contains(control.geometry()))
            return true;
    }
    return false;
}

// A drop-down: its name is its name, its value its text; its children are its list and, where
// it can be typed in, its box.
class DropDownReading final : public QAccessibleWidget {
public:
    explicit DropDownReading(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        const QString value = box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
        if (t == QAccessible::Value)
            return value;
        const QString own = QAccessibleWidget::text(t);
        return own.isEmpty() && t == QAccessible::Name ? value : own;
    }

    int childCount() const override { return box()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QLineEdit* typed = box()->isEditable() ? box()->lineEdit() : nullptr;
        return typed && typed->rect().contains(typed->mapFromGlobal(QPoint(x, y))) ? child(1) : nullptr;
    }

    // Pressing it opens or closes its list.
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }
};

// A button that stood hidden when its window was shown: not showing while it stays hidden.
class HiddenButtonReading final : public QAccessibleWidget {
public:
    explicit HiddenButtonReading(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        return own.isEmpty() && t == QAccessible::Name ? shownCaption(button()->text(), true) : own;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || standsHidden(*button());
        state.defaultButton = button()->property("default").toBool();
        return state;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* controlReading(const QString&, QObject* object)
{
    if (auto* box = qobject_cast<QComboBox*>(object))
        return new DropDownReading(box);
    if (auto* button = qobject_cast<QAbstractButton*>(object); button && button->property(hiddenButton).toBool())
        return new HiddenButtonReading(button);
    return nullptr;
}

}  // namespace

void readDropDownsAndHiddenButtons() { QAccessible::installFactory(controlReading); }

void readHiddenButton(QWidget& control)
{
    if (!qobject_cast<QAbstractButton*>(&control) || control.property(hiddenButton).toBool() || !standsHidden(control))
        return;
    control.setProperty(hiddenButton, true);
    // A reading made before now is Qt's own: the next one is made anew.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&control)));
}

}  // namespace platform::ui
