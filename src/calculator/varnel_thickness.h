#pragma once
// The qualification calculator: for a qualification type, a welding process and the test-coupon
// values of a PQR, the qualified base-metal and weld-metal ranges and the required tests. Every
// change of an input recomputes the results at once.
//
// The window binds the widget-free rules of this area to its controls: it copies the controls
// into a CalculatorState, asks a rule, and writes the answer back. Writing a control from code
// runs that control's own handling, nested, so a write may recompute before the writer goes on.
// Split by concern: layout and opening here, the process list, the values and units, the results
// and parameter panel in the files beside it.

#include "calculator/calculator_state.h"
#include "platform/ui/controls.h"

#include <QDialog>
#include <array>

class QScrollBar;

namespace platform::ui {
class Slider;
class Line;
}  // namespace platform::ui

namespace varnel {

class varnelThickness : public QDialog {
    Q_OBJECT
public:
    // Creation loads the window: it reads the main window's process and category (when there is a
    // main window) and presets the type and process from them.
    explicit varnelThickness(QWidget* parent = nullptr);
    ~varnelThickness() override;

    // ------------------------------------------------------------------ areas
    platform::ui::Frame* frmQualificationTest = nullptr;
    platform::ui::Frame* fraParameters = nullptr;
    platform::ui::Frame* fraStudParameters = nullptr;
    platform::ui::Frame* fraFrwParameters = nullptr;
    platform::ui::Frame* fraThicknessTested = nullptr;
    platform::ui::Frame* fraThicknessQualified = nullptr;
    platform::ui::Frame* fraThicknessQualifiedFW = nullptr;
    platform::ui::Frame* fraTests = nullptr;

    // ------------------------------------------------------------------ type and process
    std::array<platform::ui::OptionButton*, 10> opt{};
    std::array<platform::ui::TextBox*, 3> text2{};          // 2: the process box
    std::array<platform::ui::CommandButton*, 3> cmdProcess{};
    std::array<platform::ui::ListView*, 3> List2{};

    // ------------------------------------------------------------------ parameters and links
    std::array<platform::ui::CheckBox*, 7> chkParam{};
    std::array<platform::ui::CommandButton*, 15> cmdXref{};  // paragraph buttons; Tag in property "Tag"
    std::array<platform::ui::CommandButton*, 7> cmdPicture{}; // 6: the overlay figure
    platform::ui::Frame* fraStudMaterial = nullptr;
    std::array<platform::ui::OptionButton*, 3> optStud{};
    platform::ui::Frame* fraStudPlate = nullptr;
    std::array<platform::ui::OptionButton*, 2> optStudPlate{};
    platform::ui::Frame* fraThreads = nullptr;
    std::array<platform::ui::OptionButton*, 3> optThreads{};
    platform::ui::Frame* fraFrwJoint = nullptr;
    std::array<platform::ui::OptionButton*, 2> optFrwJoint{};
    platform::ui::Frame* fraFrwAngle = nullptr;
    QScrollBar* VScroll1 = nullptr;
    platform::ui::TextBox* txtFrwAngle = nullptr;
    platform::ui::Line* Line1 = nullptr;
    platform::ui::Line* Line2 = nullptr;
    platform::ui::Label* lblStationary = nullptr;
    std::array<platform::ui::Label*, 2> lblAxis{};

    // ------------------------------------------------------------------ values tested
    platform::ui::Label* lblBMthickness = nullptr;
    platform::ui::Label* lblWMthickness = nullptr;
    platform::ui::TextBox* txtBMthickness = nullptr;
    platform::ui::TextBox* txtWMthickness = nullptr;
    std::array<platform::ui::Slider*, 2> Slider{};
    platform::ui::CheckBox* chkFullThickness = nullptr;
    std::array<platform::ui::OptionButton*, 2> optUnits{};
    platform::ui::CommandButton* cmdUnitsConversion = nullptr;
    platform::ui::Label* LabelT = nullptr;
    platform::ui::Label* LabelW = nullptr;

    // ------------------------------------------------------------------ results
    platform::ui::Label* lblGrooveWelds = nullptr;
    std::array<platform::ui::Label*, 6> LabelMinT{};  // 0, 5: flash notes; 1, 2, 3: row heads
    std::array<platform::ui::Label*, 4> LabelMaxT{};  // 1, 2, 3: row heads
    platform::ui::Label* lblBMTmin = nullptr;
    platform::ui::Label* lblWMTmin = nullptr;
    platform::ui::Label* lblBMTmax = nullptr;
    platform::ui::Label* lblWMTmax = nullptr;
    platform::ui::Frame* fraFillets = nullptr;
    platform::ui::Label* lblBMfillet = nullptr;
    platform::ui::Label* lblWMfillet = nullptr;
    platform::ui::Frame* fraExceptions = nullptr;
    platform::ui::Frame* fraExceptionsFW = nullptr;
    std::array<platform::ui::Frame*, 2> fraResistance{};
    platform::ui::Label* lblJointTmin = nullptr;
    platform::ui::Label* lblJointTmax = nullptr;
    platform::ui::Frame* fraStudRange = nullptr;
    platform::ui::Label* lblStudSize = nullptr;
    platform::ui::Label* lblQTnote = nullptr;
    platform::ui::Frame* fraFrwRange = nullptr;
    platform::ui::Label* lblFrwArea = nullptr;
    platform::ui::RichTextBox* txtTest1 = nullptr;
    platform::ui::CommandButton* Command1 = nullptr;

    // ------------------------------------------------------------------ members
    bool mmUnits = false;
    bool typeAheadOff = false;
    QString processAbbr;
    bool frwSolid = true;
    int threadSeries = 0;

    // The Tag of a paragraph button: the paragraph its click opens.
    static QString tagOf(const QWidget* control);
    static void setTag(QWidget* control, const QString& tag);

    // The controls as the rules read them.
    calculator::CalculatorState calculatorState() const;

    // ------------------------------------------------------------------ lifecycle
    void Form_Load();
    // Activation: when the window is shown and when a window it opened has closed.
    void Form_Activate();
    void Command1_Click();
    void initiateCalculator();

    // ------------------------------------------------------------------ types and process list
    int optSelected() const;
    bool initiateDatabase();
    QString loadList();
    void opt_Click(int index);
    void text2_Change(int index);
    void text2_KeyDown(int index, int keyCode, int shift);
    void text2_KeyPress(int index, int& keyAscii);
    void text2_GotFocus(int index);
    void cmdProcess_Click(int index);
    void List2_KeyUp(int index, int keyCode, int shift);
    void List2_MouseUp(int index);
    void hideProcessList();
    // Leaving the base-metal box closes the list, unless the focus goes to the list itself: the
    // drop-down button, which takes no focus, opens the list and hands it the focus.
    void txtBMthickness_LostFocus();

    // ------------------------------------------------------------------ values, units and sliders
    void txtBMthickness_Change();
    void txtWMthickness_Change();
    void optUnits_Click(int index);
    void cmdUnitsConversion_Click();
    void setSliderRanges();
    void Slider_Scroll(int index);

    // ------------------------------------------------------------------ results
    void showQualifiedRanges();
    void checkDepositThickness();
    void checkWallThickness();

    // ------------------------------------------------------------------ parameter panel and links
    void setParameterPanel();
    void chkParam_Click(int index);
    void chkFullThickness_Click();
    void optFrwJoint_Click(int index);
    void optStud_Click(int index);
    void optStudPlate_Click(int index);
    void optThreads_Click(int index);
    void cmdXref_Click(int index);
    void cmdPicture_Click(int index);
    void VScroll1_Change();
    void txtFrwAngle_Change();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createTypeAndProcessControls();
    void createParameterControls();
    void createStudPanel();
    void createFrictionPanel();
    void createValueControls();
    void createResultControls();
    // The exceptions row: three paragraph buttons (their cmdXref indexes) with their labels.
    void createExceptionsRow(platform::ui::Frame* row, const std::array<int, 3>& buttons);
    void wireHandlers();
    // A value box's change: mirror, consistency check, recalculation, slider.
    void valueBoxChanged(int index);
    // The person has finished a value (left its box or slider, pressed Enter, let go of a
    // slider): the consistency check that a value still being typed or moved waits for runs now.
    void valueFinished(int index);
    // The check of the second value against the first: the tubular wall for friction welding,
    // else the deposit.
    void checkThicknesses();
    void takeProcessEntry(int index);

    // The value boxes' texts as the rules last saw them, to undo an edit they may not see.
    std::array<QString, 2> acceptedValueText_;
    // A slider that the person is still moving writes its box.
    bool sliderMoving_ = false;
};

}  // namespace varnel
