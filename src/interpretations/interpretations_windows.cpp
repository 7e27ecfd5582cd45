#include "interpretations/interpretations_windows.h"

#include "app/window_openers.h"
#include "interpretations/sorvik_main.h"
#include "platform/ui/seams.h"

namespace varnel {

void registerInterpretationsWindows()
{
    windowOpeners().interpretations = [] {
        sorvikMain window;
        // A wrong password has ended the program while the window loaded; a database the window
        // cannot use has been said, and there is nothing to show.
        if (platform::programEnded() || window.databaseRefused())
            return;
        platform::showModal(window);
    };
}

}  // namespace varnel
