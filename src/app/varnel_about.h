#pragma once
// The About box: which program and version is running and where its Code texts come from.

#include "platform/ui/controls.h"

#include <QDialog>

namespace varnel {

class varnelAbout : public QDialog {
    Q_OBJECT
public:
    explicit varnelAbout(QWidget* parent = nullptr);

    platform::ui::Label* lblTitle;
    platform::ui::Label* lblVersion;
    platform::ui::Label* lblCopyright;
    platform::ui::Label* lblDisclaimer;
    QLabel* Picture1;
    platform::ui::Frame* fraTrademarks;
    platform::ui::Label* lblTm0;
    platform::ui::Label* lblTm1;
    platform::ui::Label* lblTm2;
    platform::ui::CommandButton* Command1;

    void Form_Load();
    void Command1_Click();

    static QString disclaimer();
};

}  // namespace varnel
