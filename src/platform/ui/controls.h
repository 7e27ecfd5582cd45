#pragma once
// Controls that behave as the windows were designed for: setting a value from code runs the same
// handling as the person's own edit, at once and nested; key handling arrives as key down, key
// press (which may drop the character) and key up, with the old key codes; focus changes arrive
// as got-focus and lost-focus. Each control kind keeps that rule in one place, here.
//
// Handlers are plain std::function members set by the window that owns the control.
//
// Captions of labels, buttons, check boxes, option buttons and frames fit the box the layout gives
// them (caption_fit.h): each of these controls draws its caption in the fitted size, and
// captionFit() tells what it draws. Their setText (setTitle for a frame) fits the new caption.

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QTreeView>
#include <QTreeWidget>
#include <functional>
#include <utility>
#include <vector>

#include "platform/ui/caption_fit.h"
#include "platform/ui/colours.h"
#include "platform/ui/key_filter.h"

namespace platform::ui {

// Key codes of the old runtime for the keys the windows test.
namespace keys {
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
}  // namespace keys

// The old key code of a Qt key event (letters as capitals, digits as themselves); 0 when none.
int keyCodeOf(int qtKey);

struct KeyHandlers {
    std::function<void(int keyCode, int shift)> keyDown;
    // The character typed; set it to 0 to drop the key.
    std::function<void(int& keyAscii)> keyPress;
    std::function<void(int keyCode, int shift)> keyUp;
    std::function<void()> gotFocus;
    std::function<void()> lostFocus;
};

// The keys that went down in one control and have not come up yet. A key that comes up in a
// control where it never went down went down elsewhere: in a message box that the press closed,
// or in another window. Its release is not a key-up of this control; otherwise the Enter that
// closes a box would, on coming up, run the control's Enter once more. The keys are forgotten
// when the control loses the focus.
class KeysDown {
public:
    void pressed(const QKeyEvent& event);
    // True when the key went down here; it is forgotten then.
    bool released(const QKeyEvent& event);
    void forget() { keys_.clear(); }

private:
    std::vector<int> keys_;
};

// A one-line text box. Writing a different text runs `change` at once; writing the same text runs
// nothing. Typed characters pass key press first and can be dropped there. Without the focus the
// box shows the start of its text: Qt shows the part around the caret, so the caret waits at the
// start meanwhile, and the selection (selStart, selLength) is kept aside and comes back with the
// focus.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    std::function<void()> change;
    KeyHandlers handlers;
    // The filter of a box that takes only some texts (a value box). Every edit of the person
    // passes it: a typed key before key press sees it, and any other edit (a paste by menu, key
    // or middle button, a drop, an undo, a deletion) as editPassesFilter judges it; an edit that
    // fails is undone before `change` runs. Texts that code writes are the window's own and pass.
    KeyFilter keyFilter;

    int selStart() const;
    int selLength() const;
    void setSel(int start, int length);
    QString selText() const;
    // A fixed background with its own text colour, or a system one with the palette's (colours.h).
    void setBackColor(const QColor& color) { platform::ui::setBackColor(*this, color); }
    void setBackColor(SystemColour color) { platform::ui::setBackColor(*this, color); }
    QColor backColor() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    void textChangedHere();
    void showStart();  // without the focus: keep the selection aside, the caret to the start
    void takeBackSelection();
    bool parked() const;  // the selection is aside and the caret still waits at the start

    bool keptAside_ = false;
    int keptStart_ = 0;
    int keptLength_ = 0;
    KeysDown keysDown_;
    QString accepted_;  // the text as the last change left it, which an edit that fails its filter restores
};

// A control that fits its caption into its own box. Captions of one kind side by side on one line
// (one container, one top, one font) are drawn in one size, the smallest in which each of them
// fits its own box, so that none looks smaller than the others: captionFit() is what the control
// draws, ownCaptionFit() the fit in its box alone.
class FittedCaption {
public:
    virtual ~FittedCaption() = default;
    virtual const CaptionFit& ownCaptionFit() = 0;
};

class CommandButton : public QPushButton, public FittedCaption {
    Q_OBJECT
public:
    explicit CommandButton(const QString& caption = {}, QWidget* parent = nullptr);
    std::function<void()> click;
    void setText(const QString& caption);
    const CaptionFit& captionFit();
    const CaptionFit& ownCaptionFit() override;
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter presses the button that has the focus, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    CaptionFitter fitter_;
};

// Makes `button` the drop-down button of a box: a tab stop, which Space presses to drop its list
// down, as every command button is; a click leaves the focus in the box, which the list takes.
void makeDropDownButton(CommandButton& button);

// A check box with the values 0 (clear) and 1 (ticked). A change of value, by the person or by
// code, runs `click`.
class CheckBox : public QCheckBox, public FittedCaption {
    Q_OBJECT
public:
    explicit CheckBox(const QString& caption = {}, QWidget* parent = nullptr);
    std::function<void()> click;
    std::function<void()> gotFocus;
    int value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }
    void setText(const QString& caption);
    const CaptionFit& captionFit();
    const CaptionFit& ownCaptionFit() override;
    QRect captionArea() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Enter goes on to the window (its default button) rather than pressing the box.
    void keyPressEvent(QKeyEvent* event) override;

private:
    CaptionFitter fitter_;
};

// An option button. Choosing it runs `click`; setting it from code runs `click` even when it was
// already chosen, as the windows expect.
class OptionButton : public QRadioButton, public FittedCaption {
    Q_OBJECT
public:
    explicit OptionButton(const QString& caption = {}, QWidget* parent = nullptr);
    std::function<void()> click;
    std::function<void()> gotFocus;
    bool value() const { return isChecked(); }
    void setValue(bool chosen);
    void setText(const QString& caption);
    const CaptionFit& captionFit();
    const CaptionFit& ownCaptionFit() override;
    QRect captionArea() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Enter goes on to the window (its default button) rather than choosing the option.
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool settingFromCode_ = false;
    CaptionFitter fitter_;
};

// A label whose caption change runs `change`. A label wraps its caption at word boundaries when
// asked to or when its box holds two lines of its font. An auto-sized label takes the size its
// caption needs whenever the caption changes (its height when it wraps, else its width), within
// its container.
class Label : public QLabel, public FittedCaption {
    Q_OBJECT
public:
    explicit Label(const QString& caption = {}, QWidget* parent = nullptr);
    std::function<void()> change;
    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    void setText(const QString& caption);
    void setAutoSize(bool autoSize);
    bool wraps() const;
    const CaptionFit& captionFit();
    const CaptionFit& ownCaptionFit() override;
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool plainCaption() const;  // not rich text, not a picture: the label draws it itself
    void sizeToCaption();

    bool autoSize_ = false;
    CaptionFitter fitter_;
};

// A frame: captioned, or a borderless holder of other controls. Its caption may have a colour of
// its own, which the controls it holds do not take.
class Frame : public QGroupBox, public FittedCaption {
    Q_OBJECT
public:
    explicit Frame(const QString& caption = {}, QWidget* parent = nullptr, bool borderless = false);
    QString caption() const { return title(); }
    void setCaption(const QString& caption) { setTitle(caption); }
    void setTitle(const QString& caption);
    // A fixed caption colour, drawn so that it stands out from the frame's background (colours.h).
    void setCaptionColor(const QColor& color);
    // The colour the caption is drawn in.
    QColor captionColor() const;
    const CaptionFit& captionFit();
    const CaptionFit& ownCaptionFit() override;
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Keys pass through a frame to its window (Enter to the default button): it has no check box
    // that they could press.
    bool event(QEvent* event) override;

private:
    CaptionFitter fitter_;
    QColor captionColor_;  // invalid: the palette's
};

// What the list views share: key press (which may drop the character), key up, mouse up and
// got focus, with the old key codes; and a one-column list's column as wide as the list, so that
// its entries use all the room there is and it never scrolls sideways.
template <typename View>
class ListEvents : public View {
public:
    using View::View;
    std::function<void(int keyCode, int shift)> keyUp;
    std::function<void(int& keyAscii)> keyPress;
    std::function<void()> mouseUp;
    std::function<void()> gotFocus;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void updateGeometries() override;

private:
    KeysDown keysDown_;
};
extern template class ListEvents<QTreeWidget>;
extern template class ListEvents<QTreeView>;

// Whether a list entry begins with `text` as a whole word (case-insensitive): the list views' own
// item search.
bool beginsWithWholeWord(const QString& entry, const QString& text);

// A list view in report style (one or more columns, no header unless asked) with small icons.
// Entries are counted from 1 as the windows count them; 0 means none.
class ListView : public ListEvents<QTreeWidget> {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr, int columns = 1);

    int count() const { return topLevelItemCount(); }
    QTreeWidgetItem* addEntry(const QString& text, const QIcon& icon = {});
    QString entryText(int index) const;       // 1-based
    int selectedIndex() const;                // 1-based, 0 when none
    QString selectedText() const;             // empty when none
    void selectIndex(int index);              // 1-based; scrolls it into view
    void setGhosted(int index, bool ghosted); // a ghosted entry cannot be taken
    bool isGhosted(int index) const;
    // The first entry whose text begins with `text` as a whole word (case-insensitive), 0 if none.
    int findWholeWordPrefix(const QString& text) const;
    void clearEntries();
};

// A pick list that drops down under its box: a one-column list view, hidden until its button
// shows it. While shown it is as wide as its longest entry needs, never narrower than the place its
// window gives it and never past its container's right edge (it moves left as far as it must);
// hidden, it takes that place again, so its window's layout sees only the place it gave.
class DropDownList : public ListView {
    Q_OBJECT
public:
    explicit DropDownList(QWidget* parent = nullptr);
    ~DropDownList() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int neededWidth() const;
    void takePlace(const QRect& place);
    // The window moved or sized the list: that is its place from now on.
    void placedByWindow(const QRect& place);
    void widen();
    void widenLater();

    QRect given_;
    bool placing_ = false;
    bool widenPending_ = false;
};

// A one-column list view of plain texts that all show the same small icon, for lists of many
// thousand entries: the texts are held in a model (no item object per entry) and a whole list is
// set in one pass. Looks and counts as ListView does.
class TextListView : public ListEvents<QTreeView> {
    Q_OBJECT
public:
    explicit TextListView(QWidget* parent = nullptr);

    int count() const;
    // Replaces every entry; `icon` is the icon of every entry.
    void setEntries(QStringList texts, const QIcon& icon = {});
    void addEntry(const QString& text, const QIcon& icon = {});
    QString entryText(int index) const;       // 1-based
    int selectedIndex() const;                // 1-based, 0 when none
    QString selectedText() const;             // empty when none
    void selectIndex(int index);              // 1-based; scrolls it into view
    // The first entry whose text begins with `text` as a whole word (case-insensitive), 0 if none.
    int findWholeWordPrefix(const QString& text) const;
    void clearEntries();

private:
    class Entries;
    Entries* entries_;
};

// A rich-text box showing plain text in which words can be coloured. Read-only, but the person
// can select and copy. Positions count characters from 0.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);
    std::function<void()> change;
    std::function<void()> gotFocus;
    std::function<void()> lostFocus;

    // Every colour the box is given for its text is drawn so that it stands out from the box's
    // background (colours.h): as given on a light palette.
    QString text() const { return plain_; }
    void setText(const QString& text);  // plain text in the box's own text colour; runs `change`
    // Formatted text: each piece of text in its format, in order, put in in one edit, so that the
    // text is laid out once however many pieces it has. text() is then the pieces' plain text.
    // Runs `change`.
    void setFormattedText(const std::vector<std::pair<QString, QTextCharFormat>>& pieces);
    // The next occurrence of `word` at or after `start`, ignoring case; -1 when none.
    int find(const QString& word, int start) const;
    int selStart() const;
    int selLength() const;
    void setSel(int start, int length);
    QString selText() const;
    // Colours the current selection, and sets the colour of text typed at the caret.
    void setSelColor(const QColor& color);
    // Colours each (start, length) range of the text in one edit, which lays the text out once
    // rather than once a range; the selection and the caret stay where they are.
    void colourRanges(const std::vector<std::pair<int, int>>& ranges, const QColor& color);
    // Colours every occurrence of `word` that find() gives, each search going on after the last
    // occurrence (so occurrences never overlap), in one edit as colourRanges does.
    void colourOccurrences(const QString& word, const QColor& color);
    // While one lives, the box's changes are one edit: the text is laid out again once, when it
    // ends, however many ranges were coloured.
    class OneEdit {
    public:
        explicit OneEdit(RichTextBox& box);
        ~OneEdit();
        OneEdit(const OneEdit&) = delete;
        OneEdit& operator=(const OneEdit&) = delete;

    private:
        QTextCursor cursor_;
    };

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Whatever font the box is given, its text is set without shaping where the script allows.
    void keepTextUnshaped();
    QColor readable(const QColor& color) const;

    QString plain_;  // the text as set, for searching
};

// Takes the focus from the control of `window` that holds it, so that the control's lost-focus
// handling (a box's, a slider's, a finished edit's) runs while the window is still whole. A window
// whose controls report to it calls this from its destructor: once its base takes the window down,
// the focus would move and those reports would reach a window that is gone.
void releaseFocus(QWidget& window);

}  // namespace platform::ui
