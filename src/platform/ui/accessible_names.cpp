#include "platform/ui/accessible_names.h"

#include "platform/ui/caption_fit.h"
#include "platform/ui/control_readings.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/grid_accessibility.h"
#include "platform/ui/twips.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVariant>
#include <algorithm>
#include <limits>

namespace platform::ui {

namespace {

// The name set here, kept on the control so that a name given by hand is told from it.
constexpr char givenHere[] = "platformAccessibleName";
// Kept on the control: the label or frame whose caption names it, or the box whose name it takes.
constexpr char namedBy[] = "platformAccessibleNameSource";
// Set on a label, frame or box that names a control.
constexpr char namesControls[] = "platformNamesControls";

// How far before a control its label may stand, in pixels.
constexpr int labelReach = platform::twips(240);

QString plainCaption(const QLabel& label)
{
    if (label.textFormat() == Qt::RichText || (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text())))
        return {};
    // A label that has a buddy shows its mnemonic as an underline.
    return (label.buddy() ? shownCaption(label.text(), true) : label.text()).simplified();
}

// The label that stands before `control`: on its left on its line, or right above it, or (for a
// slider over its scale's caption) right below it; the nearest.
QLabel* labelBeside(const QWidget& control)
{
    const bool below = qobject_cast<const QAbstractSlider*>(&control) != nullptr;
    const QWidget* container = control.parentWidget();
    if (!container)
        return nullptr;
    const QRect c = control.geometry();
    QLabel* nearest = nullptr;
    int nearestDistance = std::numeric_limits<int>::max();
    for (QObject* child : container->children()) {
        auto* label = qobject_cast<QLabel*>(child);
        if (!label || label->isHidden() || plainCaption(*label).isEmpty())
            continue;
        const QRect l = label->geometry();
        const bool onItsLeft = l.right() < c.left() + 2 && c.left() - l.right() <= labelReach
                               && l.center().y() >= c.top() && l.center().y() <= c.bottom();
        const bool above = l.bottom() < c.top() + 2 && c.top() - l.bottom() <= labelReach && l.left() <= c.right()
                           && l.right() >= c.left() && l.left() >= c.left() - labelReach;
        const bool under = below && l.top() > c.bottom() - 2 && l.top() - c.bottom() <= labelReach
                           && l.left() <= c.right() && l.right() >= c.left();
        if (!onItsLeft && !above && !under)
            continue;
        const int distance = onItsLeft ? c.left() - l.right() : above ? c.top() - l.bottom() : l.top() - c.bottom();
        if (distance < nearestDistance) {
            nearest = label;
            nearestDistance = distance;
        }
    }
    return nearest;
}

// The label that names `control` as its buddy, in its window.
QLabel* labelFor(const QWidget& control)
{
    for (QLabel* label : control.window()->findChildren<QLabel*>())
        if (label->buddy() == &control && !plainCaption(*label).isEmpty())
            return label;
    return nullptr;
}

// `w`'s place in its window.
QRect placeInWindow(const QWidget& w)
{
    return QRect(w.mapTo(w.window(), QPoint(0, 0)), w.size());
}

// The box `control` belongs to: one in whose area it lies (a drop-down button in its box), or one
// that stands right before it on its line (a slider beside its box) or right above it (a pick list
// under the box it drops from), in any container of the window.
QWidget* boxOf(const QWidget& control)
{
    const QRect c = placeInWindow(control);
    QWidget* nearest = nullptr;
    int nearestDistance = std::numeric_limits<int>::max();
    for (QWidget* box : control.window()->findChildren<QWidget*>()) {
        if (box == &control || box->isHidden() || !(qobject_cast<QLineEdit*>(box) || qobject_cast<QComboBox*>(box))
            || !takesInput(*box))
            continue;
        const QRect b = placeInWindow(*box);
        const bool within = b.contains(c.center());
        const bool before = b.right() < c.left() + 2 && c.left() - b.right() <= labelReach && b.center().y() >= c.top()
                            && b.center().y() <= c.bottom();
        const bool above = b.bottom() < c.top() + 2 && c.top() - b.bottom() <= labelReach && b.left() <= c.right()
                           && b.right() >= c.left();
        if (!within && !before && !above)
            continue;
        const int distance = within ? -1 : before ? c.left() - b.right() : c.top() - b.bottom();
        if (distance < nearestDistance) {
            nearest = box;
            nearestDistance = distance;
        }
    }
    return nearest;
}

QString tipOf(const QWidget& control) { return control.toolTip().simplified(); }

// What a control that is named after another control's name is, said after that name: "Term
// list", "Term drop-down", "% C slider"; so that it has a name of its own within its window.
QString withKind(const QString& name, const QWidget& control)
{
    if (qobject_cast<const QAbstractSlider*>(&control))
        return name + QStringLiteral(" slider");
    if (qobject_cast<const QAbstractItemView*>(&control))
        return name + QStringLiteral(" list");
    if (qobject_cast<const QAbstractButton*>(&control))
        return name + QStringLiteral(" drop-down");
    return name;
}

// The name from a label, a tool tip, the box it belongs to (when `boxToo`), the frames around or
// the window's title; `source` is told the label or frame whose caption it is, the box whose name
// it takes, or the frame without a caption yet that will name it once it has one.
QString nameFromAround(const QWidget& control, bool boxToo, QWidget*& source)
{
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    const bool slider = qobject_cast<const QAbstractSlider*>(&control) != nullptr;
    const auto fromBox = [&]() -> QString {
        QWidget* box = boxToo ? boxOf(control) : nullptr;
        if (!box)
            return {};
        QString name = box->accessibleName();
        if (name.isEmpty())
            name = nameFromAround(*box, false, source);
        else
            source = box;
        return name.isEmpty() ? name : withKind(name, control);
    };
    const auto fromLabel = [&](QLabel* label) {
        source = label;
        return slider ? withKind(plainCaption(*label), control) : plainCaption(*label);
    };
    // A label that is given the control as its buddy names it.
    if (QLabel* label = labelFor(control))
        return fromLabel(label);
    // A slider beside its box serves that box.
    if (slider) {
        if (const QString name = fromBox(); !name.isEmpty())
            return name;
    }
    // A button's neighbours may be another button's labels, so a button is not named by labels.
    if (!button) {
        if (QLabel* label = labelBeside(control))
            return fromLabel(label);
    }
    if (const QString tip = tipOf(control); !tip.isEmpty())
        return tip;
    if (const QString name = fromBox(); !name.isEmpty())
        return name;
    if (button && !button->text().trimmed().isEmpty())
        return shownCaption(button->text(), true).simplified();
    for (QWidget* holder = control.parentWidget(); holder && !holder->isWindow(); holder = holder->parentWidget()) {
        if (auto* frame = qobject_cast<QGroupBox*>(holder)) {
            source = frame;
            if (!frame->title().trimmed().isEmpty())
                return shownCaption(frame->title(), true).simplified();
        }
    }
    return control.window()->windowTitle().simplified();
}

// A caption names its button when it holds a word, two letters or digits at least: "|<", "▼"
// or a lone accelerator letter ("&I") does not.
bool namedByItsCaption(const QWidget& control)
{
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    if (!button)
        return false;
    const QString shown = shownCaption(button->text(), true);
    return std::count_if(shown.begin(), shown.end(), [](QChar c) { return c.isLetterOrNumber(); }) >= 2;
}

class NamingOnShow final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool shownOrRetitled = event->type() == QEvent::Show || event->type() == QEvent::WindowTitleChange;
        if (shownOrRetitled && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow())
                nameControls(*window);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

bool takesInput(const QWidget& w)
{
    if (w.isWindow())
        return false;
    // The parts of a composite control (the box of an editable drop-down, a spin box's editor,
    // a scroll area's bars) belong to it.
    if (const QWidget* parent = w.parentWidget()) {
        if (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent)
            || parent->objectName() == QLatin1String("qt_scrollarea_hcontainer")
            || parent->objectName() == QLatin1String("qt_scrollarea_vcontainer"))
            return false;
    }
    if (qobject_cast<const QHeaderView*>(&w))
        return false;
    return qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QLineEdit*>(&w)
           || qobject_cast<const QComboBox*>(&w) || qobject_cast<const QAbstractSlider*>(&w)
           || qobject_cast<const QAbstractItemView*>(&w) || qobject_cast<const QTextEdit*>(&w)
           || qobject_cast<const QPlainTextEdit*>(&w) || qobject_cast<const FlexGrid*>(&w)
           || qobject_cast<const QAbstractSpinBox*>(&w);
}

namespace {

bool namedByHand(const QWidget& control)
{
    const QString current = control.accessibleName();
    return !current.isEmpty() && current != control.property(givenHere).toString();
}

void giveName(QWidget& control, const QString& name)
{
    control.setProperty(givenHere, name);
    control.setAccessibleName(name);
}

// The controls that `source` names take its caption or name anew.
void renameNamedBy(QWidget& source)
{
    if (!source.property(namesControls).toBool())
        return;
    for (QWidget* control : source.window()->findChildren<QWidget*>())
        if (control->property(namedBy).value<QObject*>() == &source)
            nameControl(*control);
}

// A frame by its own caption: Qt names a frame without a name of its own after the frame around
// it, so that frames in one frame would share its name, and so would their controls.
void nameFrame(QGroupBox& frame)
{
    if (!namedByHand(frame))
        giveName(frame, shownCaption(frame.title(), true).simplified());
}

}  // namespace

void nameControl(QWidget& control)
{
    if (auto* frame = qobject_cast<QGroupBox*>(&control))
        nameFrame(*frame);
    if (!takesInput(control) || namedByItsCaption(control) || namedByHand(control))
        return;
    QWidget* source = nullptr;
    const QString name = nameFromAround(control, true, source);
    if (source)
        source->setProperty(namesControls, true);
    control.setProperty(namedBy, QVariant::fromValue(static_cast<QObject*>(source)));
    const bool renamed = name != control.accessibleName();
    giveName(control, name);
    // A slider, drop-down button or pick list named after this box follows it.
    if (renamed)
        renameNamedBy(control);
}

void nameControls(QWidget& window)
{
    for (QWidget* control : window.findChildren<QWidget*>()) {
        nameControl(*control);
        readHiddenButton(*control);
    }
}

void nameControlsForAssistiveTechnology()
{
    static NamingOnShow* naming = nullptr;
    if (naming)
        return;
    readGridsAsTables();
    readDropDownsAndHiddenButtons();
    naming = new NamingOnShow(qApp);
    qApp->installEventFilter(naming);
}

void captionChanged(QWidget& source)
{
    if (auto* frame = qobject_cast<QGroupBox*>(&source))
        nameFrame(*frame);
    renameNamedBy(source);
}

}  // namespace platform::ui
