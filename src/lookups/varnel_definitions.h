#pragma once
// The glossary window: a term of the welding, brazing or AWS glossary, typed with completion or
// picked from the drop-down, and its definition; the figures a definition refers to open in the
// figure viewer. It starts on the term in lookupKey and leaves the last term looked up there.

#include "lookups/lookup_dialog.h"
#include "platform/ui/controls.h"

#include <array>
#include <exception>
#include <memory>

namespace varnel {

class varnelDefinitions : public LookupDialog {
    Q_OBJECT
public:
    explicit varnelDefinitions(QWidget* parent = nullptr);

    // ------------------------------------------------------------------ controls
    std::array<platform::ui::Frame*, 3> Frame1{};          // 0 term, 1 definition, 2 source
    std::array<platform::ui::OptionButton*, 3> Option1{};  // welding, brazing, AWS
    std::array<platform::ui::TextBox*, 1> Text1{};
    std::array<platform::ui::CommandButton*, 1> Command2{};
    std::array<platform::ui::ListView*, 1> List1{};
    platform::ui::RichTextBox* RichTextBox1 = nullptr;
    std::array<platform::ui::CommandButton*, 2> Command1{};  // 0 Cancel, 1 View figure(s)

    // ------------------------------------------------------------------ state
    std::unique_ptr<dao::Recordset> glossaryRecordset;
    bool skipTypeAhead = false;
    bool firstCompletion = false;
    QString figureList;

    void Form_Load();
    void Form_Activate() override;
    // The query of the chosen glossary.
    QString glossaryTable() const;
    QString glossaryQuery() const;
    // The definition box says that the chosen glossary is missing, or damaged, or that no
    // database is open; no figures.
    void showGlossaryMissing();
    void showUnreadableGlossary(const std::exception& error);
    void loadMenuList();
    void loadDefinition();
    void loadFigures(const QString& figures);

    void Text1_Change(int index);
    void Text1_GotFocus(int index);
    void Text1_KeyDown(int index, int keyCode, int shift);
    void Command2_Click(int index);
    void List1_KeyUp(int index, int keyCode, int shift);
    void List1_MouseUp(int index);
    void Option1_Click(int index);
    void Command1_Click(int index);

private:
    void createControls();
    void takePickedEntry(bool byKeyboard);
};

// The figure list of a definition's figure field: each figure behind "Fig.", joined by ", ".
QString figureListOf(const QString& figures);

}  // namespace varnel
