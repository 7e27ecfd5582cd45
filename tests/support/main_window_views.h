#pragma once
// What a person sees of the main window, read as text, so that a window test compares one string
// with what the screen shows.

#include "browser/varnel_main.h"
#include "support/control_views.h"

namespace testing_support {

// The entries of the paragraph list, in list order, joined by "|".
inline QString listedParagraphs(const varnel::varnelMain& main) { return entriesOf(*main.ListView1[2]).join(u'|'); }

// The entries of one drop-down pick list (1 search history, 2 processes, 3 categories), joined by "|".
inline QString pickListEntries(const varnel::varnelMain& main, int list)
{
    return entriesOf(*main.List1[list]).join(u'|');
}

// Which of the four navigation buttons (first, previous, next, last) are enabled: "1" or "0" each.
inline QString navigationButtons(const varnel::varnelMain& main) { return enabledStates(main.Command4); }

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

// Chooses `process` in the process box (none: the process stays), then, when `categoryWords` are
// given, the first category that contains them; false when no category does.
inline bool chooseCategory(varnel::varnelMain& main, const QString& process, const QString& categoryWords)
{
    if (!process.isEmpty())
        main.Text1[2]->setText(process);
    if (categoryWords.isEmpty())
        return true;
    for (const QString& category : entriesOf(*main.List1[3]))
        if (category.contains(categoryWords)) {
            main.Text1[3]->setText(category);
            return true;
        }
    return false;
}

}  // namespace testing_support
