#pragma once
// What a person sees of a control, read as plain values: the entries of a list in list order,
// the colour of one character of a text box, which of a row of buttons are enabled.

#include <QAbstractButton>
#include <QColor>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace testing_support {

// The entries of a list view (counted from 1), in list order.
template <typename List>
QStringList entriesOf(const List& list)
{
    QStringList texts;
    for (int i = 1; i <= list.count(); ++i)
        texts << list.entryText(i);
    return texts;
}

// One column of a list view in report style (0 the rows' own texts), in list order.
template <typename List>
QStringList columnOf(const List& list, int column)
{
    QStringList texts;
    for (int i = 1; i <= list.count(); ++i)
        texts << list.subItem(i, column);
    return texts;
}

// The colour of the character at `position` of a text box.
inline QColor colourAt(const QTextEdit& box, int position)
{
    QTextCursor cursor(box.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().foreground().color();
}

// Which of `buttons` are enabled, in their order: "1" or "0" each.
template <typename Buttons>
QString enabledStates(const Buttons& buttons)
{
    QString on;
    for (const QAbstractButton* button : buttons)
        on += button->isEnabled() ? u'1' : u'0';
    return on;
}

}  // namespace testing_support
