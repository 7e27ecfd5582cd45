#include "app/varnel_about.h"

#include "app/version.h"
#include "platform/ui/cancel_button.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"

#include <QPainter>

namespace varnel {

using platform::twipsRect;
using namespace platform::ui;

namespace {

QPixmap logo()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x2f, 0x5f, 0x9f));
    p.setPen(Qt::NoPen);
    p.drawEllipse(2, 2, 44, 44);
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(12, 14, 24, 36);
    p.drawLine(24, 36, 36, 14);
    return pixmap;
}

}  // namespace

varnelAbout::varnelAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("varnelAbout"));
    // No button of the window is its cancel button: Esc does nothing.
    platform::ui::setCancelButton(*this, nullptr);
    setFixedSize(platform::twips(6600), platform::twips(4560));

    Picture1 = new QLabel(this);
    Picture1->setGeometry(twipsRect(240, 240, 720, 720));
    Picture1->setPixmap(logo());

    lblTitle = new Label({}, this);
    lblTitle->setGeometry(twipsRect(1200, 240, 5160, 480));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = new Label({}, this);
    lblVersion->setGeometry(twipsRect(1200, 760, 5160, 240));
    lblCopyright = new Label({}, this);
    lblCopyright->setGeometry(twipsRect(1200, 1040, 5160, 240));

    lblDisclaimer = new Label({}, this);
    lblDisclaimer->setGeometry(twipsRect(240, 1440, 6120, 1200));
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    fraTrademarks = new Frame({}, this);
    fraTrademarks->setGeometry(twipsRect(240, 2700, 6120, 1140));
    lblTm0 = new Label({}, fraTrademarks);
    lblTm0->setGeometry(twipsRect(120, 180, 5880, 240));
    lblTm1 = new Label({}, fraTrademarks);
    lblTm1->setGeometry(twipsRect(120, 480, 5880, 240));
    lblTm2 = new Label({}, fraTrademarks);
    lblTm2->setGeometry(twipsRect(120, 780, 5880, 240));

    Command1 = new CommandButton(QStringLiteral("&OK"), this);
    Command1->setGeometry(twipsRect(5280, 3990, 1080, 375));
    Command1->setDefault(true);
    Command1->click = [this] { Command1_Click(); };

    Form_Load();
}

QString varnelAbout::disclaimer()
{
    return QStringLiteral("The ASME Section IX Code was used for development of this program.  ")
           + QStringLiteral("Portions of referenced ASME Section IX Code are verbatim excerpts.  Selected paragraphs and ")
           + QStringLiteral("tables are reproduced in their entirety.  In each instance, the code paragraph or table is cited.  ")
           + QStringLiteral("The verbatim excerpts are reproduced by permission of the American Society of Mechanical Engineers.");
}

void varnelAbout::Form_Load()
{
    centreOnScreen(*this);
    setWindowTitle(QStringLiteral("About ") + programTitle());
    lblVersion->setCaption(QStringLiteral("Version ") + versionText());
    lblTitle->setCaption(programTitle());
    lblCopyright->setCaption(legalCopyright());
    lblDisclaimer->setCaption(disclaimer());
    lblTm0->setCaption(legalTrademarks());
    lblTm1->setCaption(QStringLiteral("AWS  is a trademark of the American Welding Society."));
    lblTm2->setCaption(QStringLiteral("ASME is a trademark of the American Society of Mechanical Engineers."));
}

void varnelAbout::Command1_Click() { close(); }

}  // namespace varnel
