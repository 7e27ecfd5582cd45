#include "platform/ui/controls.h"

#include "platform/ui/accessible_names.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <limits>

namespace platform::ui {

int keyCodeOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace: return keys::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return keys::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return keys::Enter;
    case Qt::Key_Escape: return keys::Escape;
    case Qt::Key_Space: return keys::Space;
    case Qt::Key_Left: return keys::Left;
    case Qt::Key_Up: return keys::Up;
    case Qt::Key_Right: return keys::Right;
    case Qt::Key_Down: return keys::Down;
    case Qt::Key_Delete: return keys::Delete;
    default: break;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    return 0;
}

namespace {

int shiftOf(const QKeyEvent* event)
{
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (event->modifiers() & Qt::ControlModifier) shift |= 2;
    if (event->modifiers() & Qt::AltModifier) shift |= 4;
    return shift;
}

// The character a key press types, as the old runtime's key-press code; 0 for none. Escape is
// none: it belongs to the window (its cancel button), not to the control. Delete types no
// character either (Qt gives it the text DEL, 127): it edits the text, and the change handling
// sees the result.
int asciiOf(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace: return keys::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return keys::Enter;
    case Qt::Key_Escape:
    case Qt::Key_Delete: return 0;
    default: break;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return 0;
    return text[0].unicode();
}

// Enter, from the main keys or the keypad, without Shift, Ctrl or Alt. Which keys press a focused
// button, check box or option, or a frame's check box, is the desktop's choice in Qt: Space alone
// here, Enter too under GNOME's theme. The controls keep Enter for the window's default button, as
// the windows expect, whatever the theme.
bool isEnter(const QKeyEvent& event)
{
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The box's own editing shortcuts (paste, cut, copy, undo, redo, select all) type no character:
// the edit they make is judged as any edit that is not a typed key.
bool isEditingShortcut(const QKeyEvent& event)
{
    for (const QKeySequence::StandardKey key : {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Copy,
                                                 QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll})
        if (event.matches(key))
            return true;
    return false;
}

// A cut caption drawn where mnemonics are read: its ampersands shown as they are.
QString literal(const QString& text)
{
    QString escaped = text;
    return escaped.replace(u'&', QStringLiteral("&&"));
}

// The fit of a button's caption, check box's or option button's caption in `area`.
const CaptionFit& fitButtonCaption(QAbstractButton& button, CaptionFitter& fitter, const QRect& area)
{
    return fitter.fit(button, shownCaption(button.text(), true), button.font(), area.size(), false);
}

// Runs `visit` on each shown control of the kind of `control` beside it on its line.
template <typename Visit>
void forEachNeighbour(const QWidget& control, Visit visit)
{
    const QWidget* container = control.parentWidget();
    if (!container)
        return;
    for (QObject* child : container->children()) {
        auto* other = qobject_cast<QWidget*>(child);
        auto* fitted = dynamic_cast<FittedCaption*>(child);
        if (other && fitted && other != &control && other->metaObject() == control.metaObject() && !other->isHidden()
            && other->y() == control.y() && other->font() == control.font())
            visit(*other, *fitted);
    }
}

// What `control` draws: its own fit, in the smallest size of the captions of its kind beside it.
const CaptionFit& fitBesideNeighbours(QWidget& control, FittedCaption& own, CaptionFitter& fitter)
{
    double points = captionPoints(own.ownCaptionFit().font);
    forEachNeighbour(control, [&](QWidget&, FittedCaption& other) {
        points = std::min(points, captionPoints(other.ownCaptionFit().font));
    });
    return fitter.atMost(points);
}

// A new caption fits again, and may change the size its neighbours draw in.
void fitNewCaption(QWidget& control, FittedCaption& own)
{
    own.ownCaptionFit();
    forEachNeighbour(control, [](QWidget& other, FittedCaption&) { other.update(); });
}

// Draws `element` of a button with its caption as fitted.
void paintButton(QAbstractButton& button, QStyleOptionButton option, QStyle::ControlElement element,
                 const CaptionFit& fit)
{
    QStylePainter painter(&button);
    if (!fit.whole)
        option.text = literal(fit.text);
    option.fontMetrics = QFontMetrics(fit.font);
    painter.setFont(fit.font);
    painter.drawControl(element, option);
}

}  // namespace

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] { textChangedHere(); });
}

void TextBox::textChangedHere()
{
    // A new text takes its selection from Qt, as a box with the focus would.
    keptAside_ = false;
    if (keyFilter && isModified() && !editPassesFilter(accepted_, text(), keyFilter)) {
        const qsizetype start = editedRange(accepted_, text()).start;
        const QSignalBlocker quiet(this);
        setText(accepted_);
        setCursorPosition(static_cast<int>(start));
        showStart();
        return;
    }
    accepted_ = text();
    if (change)
        change();
    showStart();
}

void TextBox::showStart()
{
    if (hasFocus())
        return;
    if (!parked()) {
        keptStart_ = hasSelectedText() ? selectionStart() : cursorPosition();
        keptLength_ = static_cast<int>(selectedText().size());
        keptAside_ = true;
    }
    if (cursorPosition() != 0 || hasSelectedText()) {
        const QSignalBlocker quiet(this);
        setCursorPosition(0);
    }
}

bool TextBox::parked() const { return keptAside_ && !hasSelectedText() && cursorPosition() == 0; }

int TextBox::selStart() const
{
    if (parked())
        return keptStart_;
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int TextBox::selLength() const { return parked() ? keptLength_ : static_cast<int>(selectedText().size()); }

void TextBox::setSel(int start, int length)
{
    start = std::clamp(start, 0, static_cast<int>(text().size()));
    length = std::clamp(length, 0, static_cast<int>(text().size()) - start);
    if (!hasFocus()) {
        keptStart_ = start;
        keptLength_ = length;
        keptAside_ = true;
        showStart();
        return;
    }
    if (length == 0)
        setCursorPosition(start);
    else
        setSelection(start, length);
}

QString TextBox::selText() const
{
    return parked() ? text().mid(keptStart_, keptLength_) : selectedText();
}

QColor TextBox::backColor() const { return palette().color(QPalette::Base); }

void KeysDown::pressed(const QKeyEvent& event)
{
    if (std::find(keys_.begin(), keys_.end(), event.key()) == keys_.end())
        keys_.push_back(event.key());
}

bool KeysDown::released(const QKeyEvent& event)
{
    const auto key = std::find(keys_.begin(), keys_.end(), event.key());
    if (key == keys_.end())
        return false;
    if (!event.isAutoRepeat())
        keys_.erase(key);
    return true;
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    keysDown_.pressed(*event);
    // A key sent to a box without the focus (only a program does that) works on its selection.
    takeBackSelection();
    struct ShowStartAfter {
        TextBox* box;
        ~ShowStartAfter() { box->showStart(); }
    } after{this};
    if (handlers.keyDown)
        handlers.keyDown(keyCodeOf(event->key()), shiftOf(event));
    int ascii = asciiOf(event);
    if (ascii != 0 && keyFilter && !isEditingShortcut(*event) && !keyFilter(text(), selStart(), selLength(), ascii)) {
        event->accept();
        return;
    }
    if (ascii != 0 && handlers.keyPress) {
        handlers.keyPress(ascii);
        if (ascii == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    if (keysDown_.released(*event) && handlers.keyUp && !event->isAutoRepeat())
        handlers.keyUp(keyCodeOf(event->key()), shiftOf(event));
}

bool TextBox::event(QEvent* event)
{
    // Tab moves the focus before the box would see it as a key; the box still hears of it
    // (key down and key up) so that a Tab can end an entry. An entry whose end gave the focus to
    // where it leads (a search, to its results) has moved the focus already: the Tab moves it no
    // further.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            const QWidget* focus = window()->focusWidget();
            if (handlers.keyDown)
                handlers.keyDown(keys::Tab, shiftOf(key));
            if (handlers.keyUp)
                handlers.keyUp(keys::Tab, shiftOf(key));
            if (window()->focusWidget() != focus) {
                event->accept();
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

void TextBox::takeBackSelection()
{
    // A caret or selection set through Qt's own calls meanwhile stands.
    const bool back = parked();
    keptAside_ = false;
    if (!back)
        return;
    const QSignalBlocker quiet(this);
    if (keptLength_ == 0)
        setCursorPosition(keptStart_);
    else
        setSelection(keptStart_, keptLength_);
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    takeBackSelection();
    QLineEdit::focusInEvent(event);
    if (handlers.gotFocus)
        handlers.gotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    keysDown_.forget();
    QLineEdit::focusOutEvent(event);
    if (handlers.lostFocus)
        handlers.lostFocus();
    showStart();
}

// ---------------------------------------------------------------- buttons and boxes

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (click)
            click();
    });
}

void CommandButton::setText(const QString& caption)
{
    QPushButton::setText(caption);
    fitNewCaption(*this, *this);
}

QRect CommandButton::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (!icon().isNull())
        area.setLeft(area.left() + iconSize().width() + 4);
    return area;
}

const CaptionFit& CommandButton::ownCaptionFit() { return fitButtonCaption(*this, fitter_, captionArea()); }

const CaptionFit& CommandButton::captionFit() { return fitBesideNeighbours(*this, *this, fitter_); }

void CommandButton::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintButton(*this, option, QStyle::CE_PushButton, captionFit());
}

// The button is no auto-default one: were it, a dialog would make it its default button once it
// had the focus, and Enter in a box would press it from then on. So the button takes Enter itself
// while it has the focus, and Enter in a box still presses the window's own default button.
void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(*event)) {
        QPushButton::click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void makeDropDownButton(CommandButton& button) { button.setFocusPolicy(Qt::TabFocus); }

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::toggled, this, [this] {
        if (click)
            click();
    });
}

void CheckBox::focusInEvent(QFocusEvent* event)
{
    QCheckBox::focusInEvent(event);
    if (gotFocus)
        gotFocus();
}

void CheckBox::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(*event))
        event->ignore();
    else
        QCheckBox::keyPressEvent(event);
}

void CheckBox::setText(const QString& caption)
{
    QCheckBox::setText(caption);
    fitNewCaption(*this, *this);
}

QRect CheckBox::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
}

const CaptionFit& CheckBox::ownCaptionFit() { return fitButtonCaption(*this, fitter_, captionArea()); }

const CaptionFit& CheckBox::captionFit() { return fitBesideNeighbours(*this, *this, fitter_); }

void CheckBox::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintButton(*this, option, QStyle::CE_CheckBox, captionFit());
}

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !settingFromCode_ && click)
            click();
    });
}

void OptionButton::setValue(bool chosen)
{
    settingFromCode_ = true;
    setChecked(chosen);
    settingFromCode_ = false;
    if (chosen && click)
        click();
}

void OptionButton::focusInEvent(QFocusEvent* event)
{
    QRadioButton::focusInEvent(event);
    if (gotFocus)
        gotFocus();
}

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(*event))
        event->ignore();
    else
        QRadioButton::keyPressEvent(event);
}

void OptionButton::setText(const QString& caption)
{
    QRadioButton::setText(caption);
    fitNewCaption(*this, *this);
}

QRect OptionButton::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
}

const CaptionFit& OptionButton::ownCaptionFit() { return fitButtonCaption(*this, fitter_, captionArea()); }

const CaptionFit& OptionButton::captionFit() { return fitBesideNeighbours(*this, *this, fitter_); }

void OptionButton::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintButton(*this, option, QStyle::CE_RadioButton, captionFit());
}

// ---------------------------------------------------------------- Label

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

void Label::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    if (change)
        change();
}

void Label::setText(const QString& caption)
{
    const bool renamed = caption != text();
    QLabel::setText(caption);
    if (renamed)
        captionChanged(*this);
    if (autoSize_)
        sizeToCaption();
    if (plainCaption())
        fitNewCaption(*this, *this);
}

void Label::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (autoSize_)
        sizeToCaption();
}

void Label::sizeToCaption()
{
    const QFontMetricsF metrics(font());
    const int border = 2 * (frameWidth() + margin());
    const QWidget* container = parentWidget();
    if (wordWrap()) {
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, captionArea().width(), std::numeric_limits<int>::max()),
                                                   Qt::TextWordWrap, text());
        int height = static_cast<int>(std::ceil(std::max(needed.height(), metrics.height()))) + border;
        if (container)
            height = std::min(height, container->height() - y());
        resize(width(), height);
    } else {
        int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(text()))) + border;
        if (container)
            width = std::min(width, container->width() - x());
        resize(width, height());
    }
}

bool Label::plainCaption() const
{
    if (!pixmap().isNull())
        return false;
    return textFormat() == Qt::PlainText || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text()));
}

QRect Label::captionArea() const
{
    const int m = margin();
    return contentsRect().adjusted(m, m, -m, -m);
}

bool Label::wraps() const
{
    return wordWrap() || captionArea().height() >= 2 * QFontMetricsF(font()).height();
}

const CaptionFit& Label::captionFit() { return fitBesideNeighbours(*this, *this, fitter_); }

const CaptionFit& Label::ownCaptionFit()
{
    return fitter_.fit(*this, plainCaption() ? text() : QString(), font(), captionArea().size(), wraps());
}

void Label::paintEvent(QPaintEvent* event)
{
    if (!plainCaption()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const CaptionFit& fit = captionFit();
    painter.setFont(fit.font);
    const int flags = static_cast<int>(alignment()) | (wraps() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, captionArea(), flags, palette(), isEnabled(), fit.text, foregroundRole());
}

// ---------------------------------------------------------------- Frame

Frame::Frame(const QString& caption, QWidget* parent, bool borderless) : QGroupBox(caption, parent)
{
    // A holder draws nothing but the background it may be given. It takes no style sheet, which
    // would keep the palette of its controls from following the window's and its own.
    setFlat(borderless);
}

void Frame::setTitle(const QString& caption)
{
    const bool renamed = caption != title();
    QGroupBox::setTitle(caption);
    fitNewCaption(*this, *this);
    if (renamed)
        captionChanged(*this);
}

QRect Frame::captionArea() const
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    return QRect(label.left(), label.top(), std::max(0, width() - 2 * label.left()), label.height());
}

void Frame::setCaptionColor(const QColor& color)
{
    captionColor_ = color;
    update();
}

QColor Frame::captionColor() const
{
    return captionColor_.isValid() ? readableOn(backgroundOf(*this), captionColor_) : palette().color(QPalette::WindowText);
}

const CaptionFit& Frame::captionFit() { return fitBesideNeighbours(*this, *this, fitter_); }

const CaptionFit& Frame::ownCaptionFit()
{
    return fitter_.fit(*this, shownCaption(title(), true), font(), captionArea().size(), false);
}

bool Frame::event(QEvent* event)
{
    // Qt's frame takes the keys that press a button as presses of its check box, whether it has
    // one or not, and keeps them from the window.
    if (!isCheckable() && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
        return QWidget::event(event);
    return QGroupBox::event(event);
}

void Frame::paintEvent(QPaintEvent*)
{
    if (isFlat())
        return;
    const CaptionFit& fit = captionFit();
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    if (!fit.whole)
        option.text = literal(fit.text);
    option.fontMetrics = QFontMetrics(fit.font);
    if (captionColor_.isValid() && isEnabled()) {
        option.textColor = captionColor();
        option.palette.setColor(QPalette::WindowText, option.textColor);
    }
    painter.setFont(fit.font);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

// ---------------------------------------------------------------- list views

template <typename View>
void ListEvents<View>::keyPressEvent(QKeyEvent* event)
{
    keysDown_.pressed(*event);
    int ascii = asciiOf(event);
    if (ascii != 0 && keyPress) {
        keyPress(ascii);
        if (ascii == 0) {
            event->accept();
            return;
        }
    }
    View::keyPressEvent(event);
}

template <typename View>
void ListEvents<View>::keyReleaseEvent(QKeyEvent* event)
{
    View::keyReleaseEvent(event);
    if (keysDown_.released(*event) && keyUp && !event->isAutoRepeat())
        keyUp(keyCodeOf(event->key()), shiftOf(event));
}

template <typename View>
void ListEvents<View>::mouseReleaseEvent(QMouseEvent* event)
{
    View::mouseReleaseEvent(event);
    if (mouseUp)
        mouseUp();
}

template <typename View>
void ListEvents<View>::focusInEvent(QFocusEvent* event)
{
    View::focusInEvent(event);
    if (gotFocus)
        gotFocus();
}

template <typename View>
void ListEvents<View>::focusOutEvent(QFocusEvent* event)
{
    keysDown_.forget();
    View::focusOutEvent(event);
}

template <typename View>
void ListEvents<View>::updateGeometries()
{
    View::updateGeometries();
    // The hidden header is not told of the list's size, so a lone column follows it from here,
    // also when a vertical scroll bar comes or goes.
    QHeaderView* header = this->header();
    if (header->count() == 1 && header->sectionSize(0) != this->viewport()->width())
        header->resizeSection(0, this->viewport()->width());
}

template class ListEvents<QTreeWidget>;
template class ListEvents<QTreeView>;

bool beginsWithWholeWord(const QString& entry, const QString& text)
{
    return entry.startsWith(text, Qt::CaseInsensitive) && (entry.size() == text.size() || !entry[text.size()].isLetterOrNumber());
}

namespace {

// One look for every list view: no header or tree lines, single selection; a one-column list
// never scrolls sideways (its column is the list's width).
void setListLook(QTreeView& view, int columns)
{
    if (columns == 1)
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setHeaderHidden(true);
    view.setRootIsDecorated(false);
    view.setUniformRowHeights(true);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setAllColumnsShowFocus(true);
}

}  // namespace

ListView::ListView(QWidget* parent, int columns) : ListEvents<QTreeWidget>(parent)
{
    setColumnCount(columns);
    setListLook(*this, columns);
}

DropDownList::DropDownList(QWidget* parent) : ListView(parent)
{
    given_ = geometry();
    // Entries that come or change while the list is open widen it once the filling is done.
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model(), signal, this, [this] { widenLater(); });
    connect(model(), &QAbstractItemModel::dataChanged, this, [this] { widenLater(); });
    connect(model(), &QAbstractItemModel::modelReset, this, [this] { widenLater(); });
}

// The list view's own end empties its model after this part of the list is gone.
DropDownList::~DropDownList() { disconnect(model(), nullptr, this, nullptr); }

int DropDownList::neededWidth() const
{
    const int entries = sizeHintForColumn(0);
    if (entries <= 0)
        return 0;
    int width = entries + 2 * frameWidth();
    // A list with more entries than it shows carries a vertical scroll bar beside them.
    const int rowHeight = sizeHintForRow(0);
    const int shownHeight = height() - 2 * frameWidth() - (isHeaderHidden() ? 0 : header()->sizeHint().height());
    if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff && rowHeight > 0 && count() * rowHeight > shownHeight)
        width += verticalScrollBar()->sizeHint().width();
    return width;
}

void DropDownList::takePlace(const QRect& place)
{
    if (place == geometry())
        return;
    placing_ = true;
    setGeometry(place);
    placing_ = false;
    // Its column follows the new width at once, not at the next layout.
    updateGeometries();
}

void DropDownList::widen()
{
    widenPending_ = false;
    if (!isVisible() || !parentWidget())
        return;
    QRect place = given_;
    const int needed = neededWidth();
    if (needed > place.width()) {
        const int room = parentWidget()->width();
        place.setWidth(std::min(needed, room));
        if (place.right() >= room)
            place.moveLeft(std::max(0, room - place.width()));
    }
    takePlace(place);
}

void DropDownList::widenLater()
{
    if (widenPending_ || !isVisible())
        return;
    widenPending_ = true;
    QMetaObject::invokeMethod(this, [this] { widen(); }, Qt::QueuedConnection);
}

void DropDownList::showEvent(QShowEvent* event)
{
    ListView::showEvent(event);
    widen();
    // A pick list that serves several boxes is named after the one it drops from now.
    nameControl(*this);
}

void DropDownList::hideEvent(QHideEvent* event)
{
    ListView::hideEvent(event);
    takePlace(given_);
}

void DropDownList::placedByWindow(const QRect& place)
{
    if (placing_)
        return;
    given_ = place;
    widen();
}

void DropDownList::moveEvent(QMoveEvent* event)
{
    ListView::moveEvent(event);
    placedByWindow(QRect(pos(), given_.size()));
}

void DropDownList::resizeEvent(QResizeEvent* event)
{
    ListView::resizeEvent(event);
    placedByWindow(QRect(given_.topLeft(), size()));
}

QTreeWidgetItem* ListView::addEntry(const QString& text, const QIcon& icon)
{
    auto* item = new QTreeWidgetItem(this);
    item->setText(0, text);
    if (!icon.isNull())
        item->setIcon(0, icon);
    return item;
}

QString ListView::entryText(int index) const
{
    const QTreeWidgetItem* item = topLevelItem(index - 1);
    return item ? item->text(0) : QString();
}

int ListView::selectedIndex() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.isEmpty())
        return 0;
    return indexOfTopLevelItem(selected.constFirst()) + 1;
}

QString ListView::selectedText() const { return entryText(selectedIndex()); }

void ListView::selectIndex(int index)
{
    QTreeWidgetItem* item = topLevelItem(index - 1);
    if (!item)
        return;
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item);
}

void ListView::setGhosted(int index, bool ghosted)
{
    if (QTreeWidgetItem* item = topLevelItem(index - 1)) {
        item->setData(0, Qt::UserRole + 1, ghosted);
        item->setForeground(0, ghosted ? palette().brush(QPalette::Disabled, QPalette::Text)
                                       : palette().brush(QPalette::Active, QPalette::Text));
    }
}

bool ListView::isGhosted(int index) const
{
    const QTreeWidgetItem* item = topLevelItem(index - 1);
    return item && item->data(0, Qt::UserRole + 1).toBool();
}

int ListView::findWholeWordPrefix(const QString& text) const
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (beginsWithWholeWord(topLevelItem(i)->text(0), text))
            return i + 1;
    return 0;
}

void ListView::clearEntries() { clear(); }

// The entries of a TextListView: their texts and the one icon they show.
class TextListView::Entries final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    QStringList texts;
    QIcon icon;

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : static_cast<int>(texts.size()); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= texts.size())
            return {};
        if (role == Qt::DisplayRole)
            return texts[index.row()];
        if (role == Qt::DecorationRole && !icon.isNull())
            return icon;
        return {};
    }

    void replace(QStringList newTexts, const QIcon& newIcon)
    {
        beginResetModel();
        texts = std::move(newTexts);
        icon = newIcon;
        endResetModel();
    }

    void append(const QString& text, const QIcon& newIcon)
    {
        const int row = static_cast<int>(texts.size());
        beginInsertRows({}, row, row);
        texts.append(text);
        if (!newIcon.isNull())
            icon = newIcon;
        endInsertRows();
    }
};

TextListView::TextListView(QWidget* parent) : ListEvents<QTreeView>(parent), entries_(new Entries(this))
{
    setModel(entries_);
    setListLook(*this, 1);
}

int TextListView::count() const { return static_cast<int>(entries_->texts.size()); }

void TextListView::setEntries(QStringList texts, const QIcon& icon) { entries_->replace(std::move(texts), icon); }

void TextListView::addEntry(const QString& text, const QIcon& icon) { entries_->append(text, icon); }

QString TextListView::entryText(int index) const
{
    return index >= 1 && index <= count() ? entries_->texts[index - 1] : QString();
}

int TextListView::selectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? 0 : selected.constFirst().row() + 1;
}

QString TextListView::selectedText() const { return entryText(selectedIndex()); }

void TextListView::selectIndex(int index)
{
    if (index < 1 || index > count())
        return;
    const QModelIndex entry = entries_->index(index - 1);
    selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(entry);
}

int TextListView::findWholeWordPrefix(const QString& text) const
{
    for (qsizetype i = 0; i < entries_->texts.size(); ++i)
        if (beginsWithWholeWord(entries_->texts[i], text))
            return static_cast<int>(i) + 1;
    return 0;
}

void TextListView::clearEntries() { entries_->replace({}, entries_->icon); }

// ---------------------------------------------------------------- RichTextBox

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setAcceptRichText(false);
    // Nothing here is typed: colouring need not be kept for undoing.
    document()->setUndoRedoEnabled(false);
    keepTextUnshaped();
}

void RichTextBox::keepTextUnshaped()
{
    // Latin text is set as the old control set it, letter by letter without kerning or ligatures
    // (scripts that need shaping are still shaped); a long paragraph then lays out in a fraction
    // of the time that shaping each new text would take.
    if (font().styleStrategy() & QFont::PreferNoShaping)
        return;
    QFont unshaped = font();
    unshaped.setStyleStrategy(QFont::StyleStrategy(unshaped.styleStrategy() | QFont::PreferNoShaping));
    setFont(unshaped);
}

void RichTextBox::changeEvent(QEvent* event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        keepTextUnshaped();
}

QColor RichTextBox::readable(const QColor& color) const { return readableOn(palette().color(QPalette::Base), color); }

void RichTextBox::setText(const QString& text)
{
    // The box is read-only: its text changes only here, and colouring is not a change. A plain
    // text takes the format at the caret: none, so that it shows in the box's own text colour.
    setCurrentCharFormat(QTextCharFormat());
    setPlainText(text);
    plain_ = toPlainText();
    if (change)
        change();
}

void RichTextBox::setFormattedText(const std::vector<std::pair<QString, QTextCharFormat>>& pieces)
{
    clear();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (auto [text, format] : pieces) {
        if (format.hasProperty(QTextFormat::ForegroundBrush))
            format.setForeground(readable(format.foreground().color()));
        cursor.insertText(text, format);
    }
    cursor.endEditBlock();
    plain_ = toPlainText();
    if (change)
        change();
}

int RichTextBox::find(const QString& word, int start) const
{
    if (word.isEmpty() || start < 0)
        return -1;
    return static_cast<int>(plain_.indexOf(word, start, Qt::CaseInsensitive));
}

int RichTextBox::selStart() const { return textCursor().selectionStart(); }

int RichTextBox::selLength() const
{
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void RichTextBox::setSel(int start, int length)
{
    const int size = document()->characterCount() - 1;
    start = std::clamp(start, 0, std::max(size, 0));
    length = std::clamp(length, 0, std::max(size - start, 0));
    QTextCursor c(document());
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString RichTextBox::selText() const
{
    // The selection as plain text; paragraph breaks come back as line feeds.
    return textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

void RichTextBox::setSelColor(const QColor& color)
{
    QTextCursor c = textCursor();
    QTextCharFormat format;
    format.setForeground(readable(color));
    if (c.hasSelection())
        c.mergeCharFormat(format);
    setTextColor(format.foreground().color());
}

void RichTextBox::colourRanges(const std::vector<std::pair<int, int>>& ranges, const QColor& color)
{
    if (ranges.empty())
        return;
    QTextCharFormat format;
    format.setForeground(readable(color));
    QTextCursor c(document());
    c.beginEditBlock();
    for (const auto& [start, length] : ranges) {
        c.setPosition(start);
        c.setPosition(start + length, QTextCursor::KeepAnchor);
        c.mergeCharFormat(format);
    }
    c.endEditBlock();
}

void RichTextBox::colourOccurrences(const QString& word, const QColor& color)
{
    std::vector<std::pair<int, int>> hits;
    const int length = static_cast<int>(word.size());
    for (int at = find(word, 0); at >= 0; at = find(word, at + length))
        hits.emplace_back(at, length);
    colourRanges(hits, color);
}

RichTextBox::OneEdit::OneEdit(RichTextBox& box) : cursor_(box.document()) { cursor_.beginEditBlock(); }

RichTextBox::OneEdit::~OneEdit() { cursor_.endEditBlock(); }

void RichTextBox::focusInEvent(QFocusEvent* event)
{
    QTextEdit::focusInEvent(event);
    if (gotFocus)
        gotFocus();
}

void RichTextBox::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    if (lostFocus)
        lostFocus();
}

void releaseFocus(QWidget& window)
{
    if (QWidget* focused = window.focusWidget())
        focused->clearFocus();
}

}  // namespace platform::ui
