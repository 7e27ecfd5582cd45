#include "lookups/lookup_dialog.h"

#include "app/varnel_core.h"
#include "platform/ui/cancel_button.h"
#include "platform/ui/seams.h"
#include "platform/vb.h"

#include <QLabel>
#include <QShowEvent>

namespace varnel {

LookupDialog::LookupDialog(const QString& name, QWidget* parent) : QDialog(parent)
{
    setObjectName(name);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // Until the window names its cancel button, Esc does nothing.
    platform::ui::setCancelButton(*this, nullptr);
}

void LookupDialog::Form_Activate() { platform::setPointer(platform::Pointer::Default); }

void LookupDialog::openWindow(const std::function<void()>& opener)
{
    if (!opener)
        return;
    opener();
    Form_Activate();
}

void LookupDialog::showChild(QDialog& child)
{
    platform::showModal(child);
    Form_Activate();
}

void LookupDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window restored from the task bar is not activated anew.
    if (!event->spontaneous())
        Form_Activate();
}

Hourglass::Hourglass() { platform::setPointer(platform::Pointer::Hourglass); }
Hourglass::~Hourglass() { platform::setPointer(platform::Pointer::Default); }

QString missingTableText(const QString& table)
{
    return QStringLiteral("The table [%1] is missing from the database.").arg(table);
}

bool isMissingTable(const dao::Error& error) { return error.number() == dao::TableNotFound; }

std::unique_ptr<dao::Recordset> openSnapshot(const QString& sqlOrTable)
{
    return referenceDatabase().openRecordset(sqlOrTable);
}

QString trimmedField(const dao::Recordset& rs, const QString& name) { return vb::Trim(nullToEmpty(rs.field(name))); }

QString matchCountCaption(int count)
{
    if (count <= 0)
        return QStringLiteral("No matching materials found.");
    return vb::Format(count, QStringLiteral("#,###")) + QStringLiteral(" matching materials");
}

void placeOverText(QWidget& button, const QLabel& label, const QString& before, const QString& covered)
{
    const QFontMetrics metrics = label.fontMetrics();
    const int start = label.x() + metrics.horizontalAdvance(before);
    const int wordsWidth = metrics.horizontalAdvance(covered);
    const int width = std::max(button.width(), wordsWidth + 12);
    button.setGeometry(start + (wordsWidth - width) / 2, button.y(), width, button.height());
}

void giveFocus(platform::ui::TextBox& box)
{
    box.setFocus();
    if (!box.hasFocus() && box.handlers.gotFocus)
        box.handlers.gotFocus();
}

}  // namespace varnel
