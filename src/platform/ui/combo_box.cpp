#include "platform/ui/combo_box.h"

namespace platform::ui {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this] {
        if (click)
            click();
    });
}

void ComboBox::setListIndex(int index)
{
    setCurrentIndex(index);
    if (currentIndex() >= 0 && click)
        click();
}

void ComboBox::addEntry(const QString& text)
{
    const bool noneChosen = currentIndex() < 0;
    addItem(text);
    // Qt chooses the first entry added; the list has no choice until one is made.
    if (noneChosen)
        setCurrentIndex(-1);
}

}  // namespace platform::ui
