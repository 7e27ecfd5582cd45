// The recalculation of the calculator and what it shows, the parameter panel with its paragraph
// and figure links, and the friction angle.

#include "calculator/varnel_thickness.h"

#include "app/varnel_core.h"
#include "app/window_openers.h"
#include "calculator/friction_angle.h"
#include "calculator/parameter_panel.h"
#include "calculator/qualified_ranges.h"
#include "platform/ui/line.h"
#include "platform/ui/slider.h"
#include "platform/ui/twips.h"
#include "platform/vb.h"

#include <QScrollBar>
#include <cmath>

namespace varnel {

using namespace platform::ui;
using namespace calculator;

namespace {

// The box's own enabled state, whatever its frame's.
bool ownEnabled(const QWidget* control) { return control->isEnabledTo(control->parentWidget()); }

void applyLabel(Label* label, const std::optional<LabelText>& text)
{
    if (!text)
        return;
    label->setCaption(text->caption);
    label->setToolTip(text->toolTip);
}

void applyCaption(Label* label, const std::optional<QString>& caption)
{
    if (caption)
        label->setCaption(*caption);
}

void applyVisible(QWidget* control, const std::optional<bool>& visible)
{
    if (visible)
        control->setVisible(*visible);
}

}  // namespace

CalculatorState varnelThickness::calculatorState() const
{
    CalculatorState state;
    state.txtBMthickness = txtBMthickness->text();
    state.txtWMthickness = txtWMthickness->text();
    state.mmUnits = mmUnits;
    for (int i = 0; i < static_cast<int>(opt.size()); ++i)
        if (opt[i]->value())
            state.opt = static_cast<QualificationType>(i);
    state.processAbbr = processAbbr;
    for (int i = 0; i < param::count; ++i)
        state.chkParam[i] = {chkParam[i]->value() == 1, ownEnabled(chkParam[i])};
    state.chkFullThickness = chkFullThickness->value() == 1;
    state.optFrwJoint = optFrwJoint[1]->value() ? FrwJoint::tubular : FrwJoint::solid;
    state.frwSolid = frwSolid;
    // The first chosen material, from the lowest index, decides.
    for (int i = static_cast<int>(optStud.size()) - 1; i >= 0; --i)
        if (optStud[i]->value())
            state.optStud = static_cast<StudMaterial>(i);
    state.optStudPlate = optStudPlate[0]->value() ? StudPlate::other : StudPlate::pNo1;
    state.threadSeries = static_cast<ThreadSeries>(threadSeries);
    state.Slider = {Slider[0]->value(), Slider[1]->value()};
    return state;
}

void varnelThickness::showQualifiedRanges()
{
    const QualifiedRangesView view = calculator::showQualifiedRanges(calculatorState());

    // What the type's rule writes. The root-deposit box may be cleared here, which recalculates
    // once more, nested, before this run goes on.
    if (view.rootDepositBox) {
        CheckBox* rootDeposit = chkParam[param::rootDepositOnly];
        rootDeposit->setEnabled(view.rootDepositBox->enabled);
        rootDeposit->setValue(view.rootDepositBox->value ? 1 : 0);
    }
    if (view.txtTest1)
        txtTest1->setText(*view.txtTest1);
    applyLabel(lblBMthickness, view.lblBMthickness);
    applyLabel(lblWMthickness, view.lblWMthickness);
    if (view.chkFullThicknessToolTip)
        chkFullThickness->setToolTip(*view.chkFullThicknessToolTip);
    applyCaption(LabelMinT[1], view.LabelMinT1);
    applyCaption(LabelMinT[2], view.LabelMinT2);
    applyCaption(LabelMaxT[1], view.LabelMaxT1);
    applyCaption(LabelMaxT[2], view.LabelMaxT2);
    applyVisible(LabelMinT[0], view.flashNotesVisible);
    applyVisible(LabelMinT[5], view.flashNotesVisible);
    applyCaption(lblBMfillet, view.lblBMfillet);
    applyCaption(lblWMfillet, view.lblWMfillet);
    applyCaption(lblJointTmin, view.lblJointTmin);
    applyCaption(lblJointTmax, view.lblJointTmax);
    applyVisible(lblWMTmin, view.lblWMTminVisible);
    applyVisible(lblWMTmax, view.lblWMTmaxVisible);
    applyCaption(lblStudSize, view.lblStudSize);

    // The results and the result area of the type.
    LabelT->setCaption(view.LabelT);
    LabelW->setCaption(view.LabelW);
    lblBMTmin->setCaption(view.lblBMTmin);
    lblWMTmin->setCaption(view.lblWMTmin);
    lblBMTmax->setCaption(view.lblBMTmax);
    lblWMTmax->setCaption(view.lblWMTmax);
    lblFrwArea->setCaption(view.lblFrwArea);
    LabelMinT[2]->setVisible(view.LabelMinT2Visible);
    if (view.cmdXref7Tag)
        setTag(cmdXref[7], *view.cmdXref7Tag);
    if (view.cmdXref7ToolTip)
        cmdXref[7]->setToolTip(*view.cmdXref7ToolTip);
    applyCaption(lblGrooveWelds, view.lblGrooveWelds);
    lblGrooveWelds->setToolTip(view.lblGrooveWeldsToolTip);
    fraFillets->setVisible(view.fraFilletsVisible);
    fraExceptions->setVisible(view.fraExceptionsVisible);
    cmdPicture[6]->setVisible(view.cmdPicture6Visible);
    fraStudRange->setVisible(view.fraStudRangeVisible);
    lblStudSize->setVisible(view.lblStudSizeVisible);
    fraStudParameters->setVisible(view.fraStudParametersVisible);
    lblQTnote->setVisible(view.lblQTnoteVisible);
    for (Frame* resistance : fraResistance)
        resistance->setVisible(view.fraResistanceVisible);
    fraFrwRange->setVisible(view.fraFrwRangeVisible);
    fraFrwParameters->setVisible(view.fraFrwParametersVisible);
    for (int i = 0; i < static_cast<int>(view.cmdXrefVisible.size()); ++i)
        cmdXref[i]->setVisible(view.cmdXrefVisible[i]);
}

void varnelThickness::checkDepositThickness()
{
    if (calculator::checkDepositThickness(calculatorState()))
        chkFullThickness->setValue(1);
}

void varnelThickness::checkWallThickness()
{
    const std::optional<WallCut> cut = calculator::checkWallThickness(calculatorState());
    if (!cut)
        return;
    if (cut->Slider0)
        Slider[0]->setValue(*cut->Slider0);
    txtWMthickness->setText(cut->txtWMthickness);
}

void varnelThickness::setParameterPanel()
{
    const ParameterPanelView view = calculator::setParameterPanel(calculatorState());
    lblWMthickness->resize(platform::twips(view.lblWMthicknessSize.width), platform::twips(view.lblWMthicknessSize.height));
    lblWMTmin->setVisible(view.lblWMTminVisible);
    lblWMTmax->setVisible(view.lblWMTmaxVisible);
    for (int i = 0; i < param::count; ++i)
        if (view.chkParamEnabled[i])
            chkParam[i]->setEnabled(*view.chkParamEnabled[i]);
    for (int i = 0; i < param::count; ++i) {
        if (view.chkParam[i])
            chkParam[i]->setValue(*view.chkParam[i] ? 1 : 0);
        applyVisible(cmdXref[i], view.cmdXrefVisible[i]);
    }
    if (view.chkFullThickness)
        chkFullThickness->setValue(*view.chkFullThickness ? 1 : 0);
    chkFullThickness->setVisible(view.chkFullThicknessVisible);
    if (view.frwSolid)
        frwSolid = *view.frwSolid;
    if (view.txtWMthickness)
        txtWMthickness->setText(*view.txtWMthickness);
    txtWMthickness->setVisible(view.txtWMthicknessVisible);
    lblWMthickness->setVisible(view.lblWMthicknessVisible);
    LabelW->setVisible(view.LabelWVisible);
    Slider[1]->setVisible(view.Slider1Visible);
}

void varnelThickness::chkParam_Click(int) { showQualifiedRanges(); }

void varnelThickness::chkFullThickness_Click()
{
    if (chkFullThickness->value() == 1) {
        Slider[1]->setValue(Slider[0]->value());
        txtWMthickness->setText(txtBMthickness->text());
    }
    showQualifiedRanges();
}

void varnelThickness::optFrwJoint_Click(int)
{
    setParameterPanel();
    setSliderRanges();
    showQualifiedRanges();
}

void varnelThickness::optStud_Click(int) { showQualifiedRanges(); }

void varnelThickness::optStudPlate_Click(int index)
{
    CheckBox* heating = chkParam[param::extendedHeating];
    const ParamBox box = extendedHeatingBox(index == 0 ? StudPlate::other : StudPlate::pNo1,
                                            {heating->value() == 1, ownEnabled(heating)});
    heating->setValue(box.value ? 1 : 0);
    heating->setEnabled(box.enabled);
    showQualifiedRanges();
}

void varnelThickness::optThreads_Click(int index)
{
    threadSeries = index;
    showQualifiedRanges();
}

void varnelThickness::cmdXref_Click(int index)
{
    varnelCore().lookupKey = tagOf(cmdXref[index]);
    if (const auto& open = windowOpeners().crossReference) {
        open();
        Form_Activate();
    }
}

void varnelThickness::cmdPicture_Click(int index)
{
    varnelCore().pictureKey = vb::Trim(cmdPicture[index]->text());
    if (const auto& open = windowOpeners().picture) {
        open();
        Form_Activate();
    }
}

void varnelThickness::VScroll1_Change() { txtFrwAngle->setText(frictionAngleText(VScroll1->value())); }

void varnelThickness::txtFrwAngle_Change()
{
    const FrictionAngleView view = frictionAngle(txtFrwAngle->text());
    Line1->setX2(view.Line1X2);
    lblAxis[0]->move(platform::twips(static_cast<int>(std::lround(view.lblAxis0Left))), lblAxis[0]->y());
    lblAxis[1]->setCaption(view.lblAxis1);
}

}  // namespace varnel
