// The controls' rules the windows rely on: values set from code run the same handling as the
// person's edit, key presses can be dropped, a filtered box judges every edit by its filter, and
// Escape belongs to the window.

#include "platform/ui/cancel_button.h"
#include "platform/ui/controls.h"
#include "support/control_views.h"

#include <QDialog>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>
#include <memory>

using namespace platform::ui;

TEST(Controls, ATextBoxRunsItsChangeOnlyForADifferentText)
{
    TextBox box;
    int changes = 0;
    box.change = [&] { ++changes; };
    box.setText("SMAW");
    box.setText("SMAW");
    box.setText("");
    EXPECT_EQ(changes, 2);
}

TEST(Controls, ASelectionSetFromCodeStaysWithinTheText)
{
    QWidget window;
    auto* box = new TextBox(&window);
    box->setText("SMAW");
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const struct {
        int start, length;
        int selStart, selLength;
    } cases[] = {
        {4, 0, 4, 0},   // the caret after the last character
        {0, 4, 0, 4},   // the whole text
        {2, 9, 2, 2},   // to the end, no further
        {9, 1, 4, 0},
        {-1, 2, 0, 2},
    };
    for (const bool focus : {false, true}) {
        if (focus)
            box->setFocus();
        for (const auto& c : cases) {
            box->setSel(c.start, c.length);
            EXPECT_EQ(box->selStart(), c.selStart) << c.start << "+" << c.length << (focus ? " with" : " without") << " the focus";
            EXPECT_EQ(box->selLength(), c.selLength) << c.start << "+" << c.length << (focus ? " with" : " without") << " the focus";
        }
    }
}

TEST(Controls, ADroppedKeyNeverReachesTheText)
{
    TextBox box;
    std::vector<int> downs, presses, ups;
    box.handlers.keyDown = [&](int key, int) { downs.push_back(key); };
    box.handlers.keyPress = [&](int& ascii) {
        presses.push_back(ascii);
        if (ascii == '"')
            ascii = 0;
    };
    box.handlers.keyUp = [&](int key, int) { ups.push_back(key); };
    QTest::keyClicks(&box, "a\"b");
    EXPECT_EQ(box.text(), "ab");
    EXPECT_EQ(presses, (std::vector<int>{'a', '"', 'b'}));
    EXPECT_EQ(downs.size(), 3u);
    EXPECT_EQ(ups.size(), 3u);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(downs.back(), keys::Delete);
}

TEST(Controls, AKeyComingUpWhereItNeverWentDownIsNoKeyUpThere)
{
    // The Enter that closes a message box comes up in the box that had the focus before it.
    QWidget window;
    auto* box = new TextBox(&window);
    auto* items = new ListView(&window);
    auto* texts = new TextListView(&window);
    auto* other = new TextBox(&window);
    std::vector<int> ups;
    box->handlers.keyUp = [&](int key, int) { ups.push_back(key); };
    items->keyUp = [&](int key, int) { ups.push_back(key); };
    texts->keyUp = [&](int key, int) { ups.push_back(key); };
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (QWidget* control : std::initializer_list<QWidget*>{box, items, texts}) {
        ups.clear();
        control->setFocus();
        QTest::keyRelease(control, Qt::Key_Return);  // went down elsewhere
        EXPECT_TRUE(ups.empty()) << control->metaObject()->className();
        QTest::keyClick(control, Qt::Key_Return);  // down and up here
        EXPECT_EQ(ups, std::vector<int>{keys::Enter}) << control->metaObject()->className();
        QTest::keyPress(control, Qt::Key_Space);  // down here, then the focus moves on
        other->setFocus();
        control->setFocus();
        QTest::keyRelease(control, Qt::Key_Space);
        EXPECT_EQ(ups, std::vector<int>{keys::Enter}) << control->metaObject()->className();
    }
}

TEST(Controls, EveryEditOfTheFilteredBoxPassesItsKeyFilter)
{
    // Digits only, at most four.
    TextBox box;
    box.keyFilter = [](const QString& text, int, int selLength, int key) {
        return key == keys::Backspace || (key >= '0' && key <= '9' && text.size() - selLength < 4);
    };
    std::vector<QString> changes;
    box.change = [&] { changes.push_back(box.text()); };
    box.show();
    box.setFocus();
    QTest::keyClicks(&box, "1a2");
    EXPECT_EQ(box.text(), "12");
    const struct {
        const char* pasted;
        const char* text;  // after the paste at the end
    } cases[] = {
        {" 3", "12"},     // a blank is no digit
        {"3\t", "12"},   // nor a tab
        {"345", "12"},    // a fifth digit
        {"34", "1234"},
    };
    for (const auto& c : cases) {
        box.setCursorPosition(static_cast<int>(box.text().size()));
        box.insert(QString::fromLatin1(c.pasted));  // as a paste, a drop or the middle button puts text in
        EXPECT_EQ(box.text(), QLatin1String(c.text)) << c.pasted;
        EXPECT_EQ(changes.back(), box.text()) << "a refused edit runs no change";
    }
    EXPECT_EQ(changes, (std::vector<QString>{"1", "12", "1234"}));
    // A deletion passes as Backspace does; a text written by code is the window's own.
    box.setSelection(1, 2);
    box.del();
    EXPECT_EQ(box.text(), "14");
    box.setText("x y");
    EXPECT_EQ(box.text(), "x y");
}

TEST(Controls, EscapeInABoxReachesItsWindow)
{
    QDialog dialog;
    auto* box = new TextBox(&dialog);
    box->handlers.keyPress = [](int& ascii) { ascii = 0; };  // a box that refuses every character
    dialog.show();
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(Controls, EscPressesTheWindowsCancelButtonAndNothingElse)
{
    const struct {
        const char* what;
        bool withButton, shown;
        int clicks;
    } cases[] = {
        {"no cancel button", false, true, 0},
        {"a cancel button", true, true, 1},
        {"a hidden cancel button", true, false, 0},
    };
    for (const auto& c : cases) {
        QDialog dialog;
        auto* box = new TextBox(&dialog);
        auto* cancel = new CommandButton("&Cancel", &dialog);
        int clicks = 0;
        cancel->click = [&] { ++clicks; };
        setCancelButton(dialog, c.withButton ? cancel : nullptr);
        dialog.show();
        cancel->setVisible(c.shown);
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible()) << c.what;  // the window does not close by itself
        EXPECT_EQ(clicks, c.clicks) << c.what;
    }
}

TEST(Controls, EnterPressesTheFocusedButtonElseTheWindowsDefaultButton)
{
    const struct {
        const char* what;
        bool withDefault, onButton;
        std::vector<std::string> clicked;
        Qt::Key key = Qt::Key_Return;
        Qt::KeyboardModifiers modifiers = {};
    } cases[] = {
        {"a focused button", true, true, {"Cancel"}},
        {"a focused button, the keypad's Enter", true, true, {"Cancel"}, Qt::Key_Enter, Qt::KeypadModifier},
        {"a box, in a window with a default button", true, false, {"Print"}},
        {"a focused button, no default button", false, true, {"Cancel"}},
        {"a box, no default button", false, false, {}},
    };
    for (const auto& c : cases) {
        QDialog dialog;
        auto* box = new TextBox(&dialog);
        auto* print = new CommandButton("&Print", &dialog);
        auto* cancel = new CommandButton("&Cancel", &dialog);
        std::vector<std::string> clicked;
        print->click = [&] { clicked.push_back("Print"); };
        cancel->click = [&] { clicked.push_back("Cancel"); };
        print->setDefault(c.withDefault);
        dialog.show();
        // The button had the focus before: the box's Enter still goes to the default button.
        cancel->setFocus();
        QWidget* focused = c.onButton ? static_cast<QWidget*>(cancel) : box;
        focused->setFocus();
        QTest::keyClick(focused, c.key, c.modifiers);
        EXPECT_EQ(clicked, c.clicked) << c.what;
    }
}

TEST(Controls, AnOptionSetFromCodeRunsItsClickEvenWhenAlreadyChosen)
{
    QWidget holder;
    auto* a = new OptionButton("And", &holder);
    auto* b = new OptionButton("Or", &holder);
    int clicksA = 0, clicksB = 0;
    a->click = [&] { ++clicksA; };
    b->click = [&] { ++clicksB; };
    a->setValue(true);
    a->setValue(true);
    b->setValue(true);
    EXPECT_EQ(clicksA, 2);
    EXPECT_EQ(clicksB, 1);
    EXPECT_FALSE(a->value());
}

TEST(Controls, ACheckBoxRunsItsClickWhenItsValueChanges)
{
    CheckBox box;
    int clicks = 0;
    box.click = [&] { ++clicks; };
    box.setValue(1);
    box.setValue(1);
    box.setValue(0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(box.value(), 0);
}

TEST(Controls, AListViewCountsFromOneAndFindsWholeWords)
{
    ListView list;
    for (const char* entry : {"QW-402", "QW-402.10", "QW-402.1", "QW-403"})
        list.addEntry(QString::fromLatin1(entry));
    EXPECT_EQ(list.selectedIndex(), 0);
    EXPECT_EQ(list.findWholeWordPrefix("QW-402.1"), 3);
    EXPECT_EQ(list.findWholeWordPrefix("qw-403"), 4);
    EXPECT_EQ(list.findWholeWordPrefix("QW-404"), 0);
    list.selectIndex(2);
    EXPECT_EQ(list.selectedText(), "QW-402.10");
    list.setGhosted(2, true);
    EXPECT_TRUE(list.isGhosted(2));
}

TEST(Controls, AnOpenPickListWidensForItsEntriesUpToItsContainersRightEdge)
{
    QWidget container;
    container.resize(300, 400);
    container.show();
    const QString entry = QStringLiteral("GTAW  -  Gas Tungsten Arc Welding");
    // A list as tall as `rows` entries, placed at `left`, 20 pixels wide, holding `entries`.
    const auto opened = [&](int left, int rows, int entries) {
        auto list = std::make_unique<DropDownList>(&container);
        list->hide();
        for (int i = 0; i < entries; ++i)
            list->addEntry(entry);
        list->setGeometry(left, 0, 20, rows * list->sizeHintForRow(0) + 2 * list->frameWidth());
        list->show();
        return list;
    };
    const auto probe = opened(0, 4, 4);
    const int needed = static_cast<const QAbstractItemView&>(*probe).sizeHintForColumn(0) + 2 * probe->frameWidth();
    const int scrollBar = probe->verticalScrollBar()->sizeHint().width();
    const int room = container.width();
    ASSERT_LT(needed + scrollBar, room);
    const struct {
        const char* what;
        int left, rows, entries;
        QRect place;
    } cases[] = {
        {"room to the right", 10, 4, 4, QRect(10, 0, needed, 0)},
        {"ending at the right edge", room - needed, 4, 4, QRect(room - needed, 0, needed, 0)},
        {"one pixel past the right edge", room - needed + 1, 4, 4, QRect(room - needed, 0, needed, 0)},
        {"exactly as many entries as it shows", 10, 4, 4, QRect(10, 0, needed, 0)},
        {"one entry more than it shows, beside a scroll bar", 10, 4, 5, QRect(10, 0, needed + scrollBar, 0)},
    };
    for (const auto& c : cases) {
        const auto list = opened(c.left, c.rows, c.entries);
        EXPECT_EQ(list->x(), c.place.x()) << c.what;
        EXPECT_EQ(list->width(), c.place.width()) << c.what;
        list->hide();  // closed, it takes the place its window gave it again
        EXPECT_EQ(list->geometry().topLeft(), QPoint(c.left, 0)) << c.what;
        EXPECT_EQ(list->width(), 20) << c.what;
    }
}

namespace {

// The same entries, searches and keys on both list views.
template <typename List>
void expectListRules(List& list)
{
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.entryText(1), "QW-402");
    EXPECT_EQ(list.entryText(4), "QW-403");
    EXPECT_EQ(list.entryText(0), "");
    EXPECT_EQ(list.entryText(5), "");
    EXPECT_EQ(list.selectedIndex(), 0);
    EXPECT_EQ(list.selectedText(), "");
    const struct {
        const char* text;
        int entry;
    } finds[] = {{"QW-402.1", 3}, {"qw-403", 4}, {"QW-402", 1}, {"QW-40", 0}, {"QW-404", 0}};
    for (const auto& f : finds)
        EXPECT_EQ(list.findWholeWordPrefix(QString::fromLatin1(f.text)), f.entry) << f.text;
    list.selectIndex(4);  // the last entry
    EXPECT_EQ(list.selectedText(), "QW-403");
    list.selectIndex(5);  // no such entry: the selection stays
    EXPECT_EQ(list.selectedIndex(), 4);
    list.selectIndex(2);
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_EQ(list.selectedText(), "QW-402.10");

    std::vector<int> presses, ups;
    list.keyPress = [&](int& ascii) {
        presses.push_back(ascii);
        ascii = 0;
    };
    list.keyUp = [&](int key, int) { ups.push_back(key); };
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Q);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(presses, (std::vector<int>{'q'}));
    EXPECT_EQ(ups, (std::vector<int>{'Q', keys::Down}));
    EXPECT_EQ(list.selectedIndex(), 3);  // Down moved the selection; the dropped key did nothing

    list.clearEntries();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.selectedIndex(), 0);
    EXPECT_EQ(list.findWholeWordPrefix("QW-402"), 0);
}

const char* const entries[] = {"QW-402", "QW-402.10", "QW-402.1", "QW-403"};

}  // namespace

TEST(Controls, BothListViewsCountFromOneFindWholeWordsAndPassKeysOn)
{
    ListView items;
    for (const char* entry : entries)
        items.addEntry(QString::fromLatin1(entry));
    items.show();
    expectListRules(items);

    TextListView texts;
    texts.setEntries({"old"});
    QStringList all;
    for (const char* entry : entries)
        all << QString::fromLatin1(entry);
    texts.setEntries(all);  // replaces what was there
    texts.show();
    expectListRules(texts);
    texts.addEntry("QW-404");
    texts.addEntry("QW-405");
    EXPECT_EQ(texts.count(), 2);
    EXPECT_EQ(texts.entryText(2), "QW-405");
}

TEST(Controls, ARichTextBoxColoursRangesInOneEditAndKeepsTheSelection)
{
    RichTextBox box;
    box.setText("weld metal\nbase metal");
    box.setSel(2, 3);
    {
        const RichTextBox::OneEdit edit(box);
        box.colourRanges({{0, 4}, {5, 5}}, Qt::red);
        box.colourRanges({{16, 5}}, Qt::blue);
    }
    const QColor red(229, 0, 0);  // pure red drawn darker, to stand out from white at 4.5:1
    const struct {
        int position;
        QColor colour;
    } cells[] = {{0, red}, {3, red}, {4, Qt::black}, {5, red}, {9, red},
                 {11, Qt::black}, {15, Qt::black}, {16, Qt::blue}, {20, Qt::blue}};
    for (const auto& cell : cells)
        EXPECT_EQ(testing_support::colourAt(box, cell.position), cell.colour) << cell.position;
    EXPECT_EQ(box.text(), "weld metal\nbase metal");
    EXPECT_EQ(box.selStart(), 2);
    EXPECT_EQ(box.selLength(), 3);
}

TEST(Controls, ARichTextBoxColoursASelectionAndFindsWithoutCase)
{
    RichTextBox box;
    int changes = 0;
    box.change = [&] { ++changes; };
    box.setText("Preheat and PREHEAT");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box.find("preheat", 0), 0);
    EXPECT_EQ(box.find("preheat", 1), 12);
    EXPECT_EQ(box.find("", 0), -1);
    box.setSel(12, 7);
    box.setSelColor(Qt::red);
    EXPECT_EQ(changes, 1);  // colouring is no change of text
    EXPECT_EQ(box.selText(), "PREHEAT");
}
