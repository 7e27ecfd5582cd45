#pragma once
// The A-number window: a weld-deposit analysis of six elements, typed or set with sliders, is
// classified by Table QW-442 ([A Numbers]) after every change. The rows whose ranges hold the
// analysis are marked and named in the result line; each box shows by its colour where its value
// lies against the largest table value of its element.

#include "lookups/a_number_rules.h"
#include "lookups/lookup_dialog.h"

#include <QSlider>
#include <array>
#include <memory>

namespace varnel {

class varnelAnumbers : public LookupDialog {
    Q_OBJECT
public:
    explicit varnelAnumbers(QWidget* parent = nullptr);
    ~varnelAnumbers() override;

    // ------------------------------------------------------------------ controls
    platform::ui::Frame* Frame1 = nullptr;  // the composition
    std::array<QSlider*, anumber::elementCount> Slider{};
    platform::ui::Label* lblC = nullptr;
    platform::ui::Label* lblCr = nullptr;
    platform::ui::Label* lblMo = nullptr;
    platform::ui::Label* lblNi = nullptr;
    platform::ui::Label* lblMn = nullptr;
    platform::ui::Label* lblSi = nullptr;
    std::array<platform::ui::TextBox*, anumber::elementCount> txtElement{};
    platform::ui::Label* Label2 = nullptr;
    platform::ui::Label* lblAnumber = nullptr;
    platform::ui::Frame* Frame2 = nullptr;                  // the rows of the table
    std::array<platform::ui::Label*, 13> lblElement{};      // 1..12, one per A-number
    platform::ui::Label* Label1 = nullptr;                  // the notes
    platform::ui::CommandButton* cmdComposition = nullptr;  // "QW-404.5"
    std::array<platform::ui::CommandButton*, 2> Command1{};  // 0 Cancel, 1 Reset

    // ------------------------------------------------------------------ state
    std::unique_ptr<dao::Recordset> aNumberSnapshot;  // [A Numbers], open while the window is
    std::array<double, anumber::elementCount> tableMax{};
    bool tableUnread = false;  // [A Numbers] is missing or damaged: the window says so and determines nothing

    // The row colours and box colours the window shows.
    static QColor rowColour(bool matched);
    static QColor boxColour(anumber::BoxColour colour);
    QColor rowColourOf(int aNumber) const;

    void Form_Load();
    void Form_Unload();
    bool setFormDefaults();
    void determineAnumber();
    // Every change of a box's text, typed or made with the mouse (paste, cut, delete, undo, a
    // drop) or by a slider, determines again.
    void txtElement_Change(int index);
    void Slider_Change(int index);
    void Slider_MouseUp(int index);
    void Command1_Click(int index);
    void cmdComposition_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void setRowColour(int aNumber, bool matched);
};

}  // namespace varnel
