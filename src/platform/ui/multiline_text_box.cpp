#include "platform/ui/multiline_text_box.h"

namespace platform::ui {

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void MultiLineTextBox::setLocked(bool locked)
{
    setReadOnly(locked);
    // A read-only box selects with the mouse only; the keyboard must select and copy too.
    if (locked)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

}  // namespace platform::ui
