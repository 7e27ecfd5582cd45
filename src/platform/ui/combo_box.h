#pragma once
// A drop-down list without typing. Choosing an entry runs `click`, also when it was already
// chosen; choosing one from code (setListIndex) runs it too, as the windows expect. Adding
// entries chooses none.

#include <QComboBox>
#include <functional>

namespace platform::ui {

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    std::function<void()> click;

    int listCount() const { return count(); }
    int listIndex() const { return currentIndex(); }  // 0-based, -1 when none is chosen
    void setListIndex(int index);
    QString text() const { return currentText(); }
    void addEntry(const QString& text);
    void clearEntries() { clear(); }
};

}  // namespace platform::ui
