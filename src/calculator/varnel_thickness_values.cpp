// The two value boxes of the calculator: the key filter, the handling of every change, the unit
// options with the conversion button, and the sliders beside the boxes.

#include "calculator/varnel_thickness.h"

#include "calculator/units_and_sliders.h"
#include "calculator/value_entry.h"
#include "platform/ui/slider.h"

#include <QScopedValueRollback>

namespace varnel {

using namespace platform::ui;
using calculator::QualificationType;

void varnelThickness::txtBMthickness_Change() { valueBoxChanged(0); }
void varnelThickness::txtWMthickness_Change() { valueBoxChanged(1); }

void varnelThickness::valueBoxChanged(int index)
{
    TextBox* box = index == 0 ? txtBMthickness : txtWMthickness;
    TextBox* other = index == 0 ? txtWMthickness : txtBMthickness;
    // The boxes' key filter has judged every edit of the person's that put characters in; a
    // deletion may still leave a value beyond the limit (3.05 less its point), and one that does
    // is undone here before any rule sees its value. Texts the window writes itself are its own
    // and pass.
    if (box->isModified() && !calculator::acceptsEdit(acceptedValueText_[index], box->text(), mmUnits)) {
        box->setText(acceptedValueText_[index]);
        return;
    }
    acceptedValueText_[index] = box->text();
    if (chkFullThickness->value() == 1)
        other->setText(box->text());
    // A value the person is still typing or moving the slider through passes values on its way
    // (the 3 of 3/8, the 0 of 0.6): checked against the other value, they would tick t = T and
    // overwrite the other box. The check waits until the value is finished.
    if (!box->isModified() && !sliderMoving_)
        checkThicknesses();
    showQualifiedRanges();
    // Setting the slider raises nothing here, so no loop arises.
    if (const auto position = calculator::sliderPosition(box->text(), mmUnits, Slider[index]->max()))
        Slider[index]->setValue(*position);
}

void varnelThickness::valueFinished(int index)
{
    // The box's text is the person's no longer; later edits start a new entry.
    (index == 0 ? txtBMthickness : txtWMthickness)->setModified(false);
    checkThicknesses();
}

void varnelThickness::checkThicknesses()
{
    const bool tubularFriction =
        opt[static_cast<int>(QualificationType::friction)]->value() && optFrwJoint[1]->value();
    if (tubularFriction)
        checkWallThickness();
    else
        checkDepositThickness();
}

void varnelThickness::optUnits_Click(int)
{
    mmUnits = optUnits[1]->value();
    const calculator::UnitCaptions captions = calculator::unitCaptions(txtBMthickness->text(), mmUnits);
    fraThicknessTested->setCaption(captions.fraThicknessTested);
    fraThicknessQualified->setCaption(captions.fraThicknessQualified);
    cmdUnitsConversion->setToolTip(captions.cmdUnitsConversionToolTip);
    // The number is only read in the new unit, not converted.
    txtBMthickness->setText(captions.txtBMthickness);
    setSliderRanges();
    txtBMthickness_Change();
    txtWMthickness_Change();
    showQualifiedRanges();
}

void varnelThickness::cmdUnitsConversion_Click()
{
    const calculator::UnitConversion conversion = calculator::convertUnits(calculatorState());
    mmUnits = conversion.mmUnits;
    for (const calculator::BoxWrite& write : conversion.writes)
        (write.box == calculator::BoxWrite::txtBMthickness ? txtBMthickness : txtWMthickness)->setText(write.text);
    // Choosing the option from code runs its click, which rewrites the boxes in the new unit's style.
    optUnits[mmUnits ? 1 : 0]->setValue(true);
}

void varnelThickness::setSliderRanges()
{
    const calculator::SliderRanges ranges = calculator::setSliderRanges(calculatorState());
    if (ranges.Slider1Max)
        Slider[1]->setMax(*ranges.Slider1Max);
    Slider[0]->setMax(ranges.Slider0Max);
    for (platform::ui::Slider* slider : Slider) {
        slider->setLargeChange(ranges.LargeChange);
        slider->setSmallChange(ranges.SmallChange);
    }
}

void varnelThickness::Slider_Scroll(int index)
{
    TextBox* box = index == 0 ? txtBMthickness : txtWMthickness;
    // Dragged, or moved by keys while it has the focus, the slider is still being moved.
    const QScopedValueRollback moving(sliderMoving_, Slider[index]->isSliderDown() || Slider[index]->hasFocus());
    box->setText(calculator::sliderText(Slider[index]->value(), mmUnits));
    // With t = T the other box already has the same text through the mirror.
    if (chkFullThickness->value() == 1)
        Slider[1 - index]->setValue(Slider[index]->value());
}

}  // namespace varnel
