#pragma once
// The cross-reference pop-up: the text of the paragraph that lookupKey stands for. A key found
// in the cross-reference table leads to the paragraph in its row; any other key is itself the
// paragraph.

#include "platform/ui/controls.h"

#include <QDialog>
#include <array>

namespace varnel {

class varnelCrossReference : public QDialog {
    Q_OBJECT
public:
    // Creation loads the window: it reads lookupKey and shows its paragraph.
    explicit varnelCrossReference(QWidget* parent = nullptr);

    std::array<platform::ui::Frame*, 2> Frame1{};             // 1: captioned with the key
    platform::ui::RichTextBox* RichTextBox1 = nullptr;
    std::array<platform::ui::CommandButton*, 1> Command1{};   // 0: Cancel

    // The paragraph whose text is shown, worked out at load.
    QString paragraphToShow;

    void Form_Load();
    void Form_Activate();
    void Command1_Click(int index);
};

}  // namespace varnel
