#pragma once
// What every lookup window shares: it is a modal window that activates when it is shown and
// again when a window it showed closes, sets the default pointer on activation, lets Esc press
// its cancel button (or nothing, platform/ui/cancel_button.h), and reads the open reference database through snapshots.

#include "platform/dao/dao.h"
#include "platform/ui/controls.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace varnel {

class LookupDialog : public QDialog {
    Q_OBJECT
public:
    // Activation: the default pointer; windows that do more extend it.
    virtual void Form_Activate();

protected:
    LookupDialog(const QString& name, QWidget* parent);

    // Shows a window of another area through its opener (nothing when none is installed), or a
    // window of this area, modally; this window is active again afterwards.
    void openWindow(const std::function<void()>& opener);
    void showChild(QDialog& child);

    void showEvent(QShowEvent* event) override;
};

// The hourglass pointer for the lifetime of the object, the default pointer after it, also when
// the work it covers failed.
class Hourglass {
public:
    Hourglass();
    ~Hourglass();
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

// A read-only snapshot of Jet SQL text (or a table) on the open reference database; error 91
// when no database is open.
std::unique_ptr<dao::Recordset> openSnapshot(const QString& sqlOrTable);

// What a window says in place of its data when a table it reads is missing from the database:
// "The table [A Numbers] is missing from the database.". Whether `error` says so.
QString missingTableText(const QString& table);
bool isMissingTable(const dao::Error& error);

// A field of the current row as the lists show it: Null as empty, blanks trimmed.
QString trimmedField(const dao::Recordset& rs, const QString& name);

// The count caption of a results frame: "1,234 matching materials" (thousands grouped as the
// locale groups them), "No matching materials found.".
QString matchCountCaption(int count);

// Places a button that lies over words of a label's caption: centred over `covered`, which follows
// `before` in the caption, and at least as wide as those words, whatever the font.
void placeOverText(QWidget& button, const QLabel& label, const QString& before, const QString& covered);

// Gives a box the focus; when the window is not active (the focus then arrives later, or never
// while a test drives it), runs the box's got-focus handling at once.
void giveFocus(platform::ui::TextBox& box);

}  // namespace varnel
