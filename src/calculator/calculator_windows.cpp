#include "calculator/calculator_windows.h"

#include "app/window_openers.h"
#include "calculator/varnel_thickness.h"
#include "platform/ui/seams.h"

#include <QApplication>

namespace varnel {

void registerCalculatorWindows()
{
    windowOpeners().thickness = [] {
        varnelThickness window(QApplication::activeWindow());
        platform::showModal(window);
    };
}

}  // namespace varnel
