#include "browser/varnel_cross_reference.h"

#include "app/varnel_core.h"
#include "data/read_failures.h"
#include "platform/ui/cancel_button.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/seams.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"

#include <QKeyEvent>

namespace varnel {

using platform::twipsRect;
using namespace platform::ui;

varnelCrossReference::varnelCrossReference(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("varnelCrossReference"));
    setWindowTitle(QStringLiteral("Cross reference"));
    setFixedSize(platform::twips(6855), platform::twips(4245));

    Frame1[1] = new Frame(QStringLiteral("Cross-reference"), this);
    Frame1[1]->setGeometry(twipsRect(30, 30, 6765, 3765));
    RichTextBox1 = new RichTextBox(Frame1[1]);
    RichTextBox1->setGeometry(twipsRect(120, 300, 6540, 3375));
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSizeF(9.75);
    RichTextBox1->setFont(courier);

    Command1[0] = new CommandButton(QStringLiteral("&Cancel"), this);
    Command1[0]->setGeometry(twipsRect(5790, 3870, 1000, 315));
    Command1[0]->click = guarded([this] { Command1_Click(0); });
    setCancelButton(*this, Command1[0]);

    Form_Load();
}

void varnelCrossReference::Form_Load()
{
    centreOnScreen(*this);
    platform::setPointer(platform::Pointer::Hourglass);
    VarnelCore& core = varnelCore();
    paragraphToShow.clear();
    Frame1[1]->setCaption(core.lookupKey);

    // A failed query leaves the text empty, a damaged file or no database is said; the window
    // opens all the same.
    try {
        auto row = referenceDatabase().openRecordset(
            QStringLiteral("SELECT * FROM [Cross-reference] WHERE [reference] = ") + dao::literal(core.lookupKey));
        paragraphToShow = row->eof() ? core.lookupKey : nullToEmpty(row->field(QStringLiteral("variable")));
        row->close();
    } catch (const std::exception& error) {
        sayReferenceDamage(error);
        return;
    }
    if (paragraphToShow.isEmpty())
        return;
    try {
        auto paragraph = referenceDatabase().openRecordset(
            QStringLiteral("SELECT * FROM [Variables] WHERE [variable] = ") + dao::literal(paragraphToShow));
        if (!paragraph->eof())
            RichTextBox1->setText(nullToEmpty(paragraph->field(QStringLiteral("var_text"))));
        paragraph->close();
    } catch (const std::exception& error) {
        RichTextBox1->setText(QString());
        sayReferenceDamage(error);
    }
}

void varnelCrossReference::Form_Activate() { platform::setPointer(platform::Pointer::Default); }

void varnelCrossReference::Command1_Click(int) { close(); }

}  // namespace varnel
