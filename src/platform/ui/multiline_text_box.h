#pragma once
// A multi-line text box: word-wrapped, with a vertical scroll bar. A locked box cannot be edited,
// but its text can still be scrolled, selected and copied.

#include <QPlainTextEdit>

namespace platform::ui {

class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget* parent = nullptr);
    QString text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }
    bool locked() const { return isReadOnly(); }
    void setLocked(bool locked);
};

}  // namespace platform::ui
