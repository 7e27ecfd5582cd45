// The controls' rules the windows rely on: values set from code run the same handling as the
// person's edit, key presses can be dropped, and Escape belongs to the window.

#include "platform/ui/controls.h"

#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

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

TEST(Controls, EscapeInABoxReachesItsWindow)
{
    QDialog dialog;
    auto* box = new TextBox(&dialog);
    box->handlers.keyPress = [](int& ascii) { ascii = 0; };  // a box that refuses every character
    dialog.show();
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
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
