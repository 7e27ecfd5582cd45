#pragma once
// What a person sees of the main window, read as text, so that a window test compares one string
// with what the screen shows.

#include "browser/varnel_main.h"

#include <QColor>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>

namespace testing_support {

// The entries of the paragraph list, in list order, joined by "|".
inline QString listedParagraphs(const varnel::varnelMain& main)
{
    QStringList texts;
    for (int i = 1; i <= main.ListView1[2]->count(); ++i)
        texts << main.ListView1[2]->entryText(i);
    return texts.join(u'|');
}

// The entries of one drop-down pick list (1 search history, 2 processes, 3 categories), joined by "|".
inline QString pickListEntries(const varnel::varnelMain& main, int list)
{
    QStringList texts;
    for (int i = 1; i <= main.List1[list]->count(); ++i)
        texts << main.List1[list]->entryText(i);
    return texts.join(u'|');
}

// Which of the four navigation buttons (first, previous, next, last) are enabled: "1" or "0" each.
inline QString navigationButtons(const varnel::varnelMain& main)
{
    QString on;
    for (const auto* button : main.Command4)
        on += button->isEnabled() ? u'1' : u'0';
    return on;
}

// A pick-list box with its drop-down button: "open" (both enabled, white), "closed" (both disabled,
// grey), or what each of them shows when they disagree.
inline QString boxState(const varnel::varnelMain& main, int box)
{
    const auto* text = main.Text1[box];
    const auto* button = main.Command2[box];
    const QString colour = text->backColor().name();
    if (text->isEnabled() && button->isEnabled() && colour == QLatin1String("#ffffff"))
        return QStringLiteral("open");
    if (!text->isEnabled() && !button->isEnabled() && colour == QLatin1String("#e0e0e0"))
        return QStringLiteral("closed");
    return QStringLiteral("box %1, button %2, %3")
        .arg(text->isEnabled() ? "enabled" : "disabled", button->isEnabled() ? "enabled" : "disabled", colour);
}

// The colour of the character at `position` of the paragraph text.
inline QColor paragraphColourAt(const varnel::varnelMain& main, int position)
{
    QTextCursor cursor(main.RichTextBox1->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().foreground().color();
}

}  // namespace testing_support
