#include "lookups/type_ahead.h"

#include "platform/ui/twips.h"

namespace varnel {

int completionEntry(const platform::ui::ListView& list, const QString& typed)
{
    const QString lower = typed.toLower();
    for (int i = 1; i <= list.count(); ++i) {
        const QString entry = list.entryText(i);
        if (entry.size() >= typed.size() && entry.left(typed.size()).toLower() == lower)
            return i;
    }
    return 0;
}

int pickListHeight(int entries)
{
    constexpr int rowHeight = 285;
    if (entries >= 10)
        return 10 * rowHeight;
    return entries >= 1 ? entries * rowHeight : rowHeight;
}

void sizePickList(platform::ui::ListView& list)
{
    list.resize(list.width(), platform::twips(pickListHeight(list.count())));
}

platform::ui::CommandButton* newArrowButton(QWidget* parent)
{
    auto* arrow = new platform::ui::CommandButton(QString(QChar(0x25BC)), parent);
    QFont font = arrow->font();
    font.setPointSizeF(5.25);  // a small arrow, scaled with the screen like the text
    arrow->setFont(font);
    return arrow;
}

void appendPickEntries(platform::ui::ListView& list, const QStringList& texts, const QIcon& icon)
{
    QList<QTreeWidgetItem*> entries;
    entries.reserve(texts.size());
    for (const QString& text : texts) {
        auto* entry = new QTreeWidgetItem(QStringList{text});
        entry->setIcon(0, icon);
        entries.append(entry);
    }
    list.addTopLevelItems(entries);
}

}  // namespace varnel
