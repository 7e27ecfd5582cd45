#include "browser/varnel_agreement.h"

#include "app/varnel_core.h"
#include "data/read_failures.h"
#include "platform/ui/cancel_button.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"

namespace varnel {

using platform::twipsRect;
using namespace platform::ui;

varnelAgreement::varnelAgreement(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("varnelAgreement"));
    setWindowTitle(QStringLiteral("Varnel License"));
    // No button of the window is its cancel button: Esc does nothing.
    platform::ui::setCancelButton(*this, nullptr);
    setFixedSize(platform::twips(7200), platform::twips(6525));

    // A holder without border: its caption "Software License Agreement" is not shown.
    Frame1 = new Frame({}, this, true);
    Frame1->setGeometry(twipsRect(60, 60, 7095, 6435));
    Text1 = new MultiLineTextBox(Frame1);
    Text1->setGeometry(twipsRect(60, 60, 7005, 5895));
    Text1->setLocked(true);
    QFont bold = Text1->font();
    bold.setBold(true);
    Text1->setFont(bold);

    Command1[3] = new CommandButton(QStringLiteral("OK"), Frame1);
    Command1[3]->setGeometry(twipsRect(3180, 6030, 1095, 375));
    Command1[3]->click = guarded([this] { Command1_Click(3); });

    Form_Load();
}

void varnelAgreement::Form_Load()
{
    centreOnScreen(*this);
    // No row or a Null text: the box stays empty and nothing is reported. A damaged file, or no
    // database at all, is said.
    try {
        auto version = referenceDatabase().openRecordset(QStringLiteral("SELECT * FROM [version]"));
        if (!version->eof())
            Text1->setText(nullToEmpty(version->field(QStringLiteral("License"))));
        version->close();
    } catch (const std::exception& error) {
        Text1->setText(QString());
        sayReferenceDamage(error);
    }
}

void varnelAgreement::Command1_Click(int) { close(); }

}  // namespace varnel
