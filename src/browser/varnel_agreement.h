#pragma once
// The licence agreement of the open reference database, read-only, with an OK button.

#include "platform/ui/controls.h"
#include "platform/ui/multiline_text_box.h"

#include <QDialog>
#include <array>

namespace varnel {

class varnelAgreement : public QDialog {
    Q_OBJECT
public:
    // Creation loads the window: it reads the agreement text anew from mainDatabase.
    explicit varnelAgreement(QWidget* parent = nullptr);

    platform::ui::Frame* Frame1 = nullptr;                    // borderless holder
    platform::ui::MultiLineTextBox* Text1 = nullptr;          // the agreement, locked
    std::array<platform::ui::CommandButton*, 4> Command1{};   // 3: OK

    void Form_Load();
    void Command1_Click(int index);
};

}  // namespace varnel
