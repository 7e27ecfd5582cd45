#include "browser/browser_windows.h"

#include "app/varnel_core.h"
#include "app/window_openers.h"
#include "browser/varnel_agreement.h"
#include "browser/varnel_cross_reference.h"
#include "browser/varnel_main.h"
#include "browser/varnel_picture.h"
#include "browser/varnel_show_all_processes.h"
#include "data/reference_files.h"
#include "platform/ui/seams.h"

#include <QTimer>

namespace varnel {

namespace {

// The grid that matches the open file's layout, shown modally over the main window.
void showAllProcesses()
{
    if (isNewLayout(varnelCore().defaultFile)) {
        varnelshowAllProcesses2004 grid(varnelMain::instance());
        platform::showModal(grid);
    } else {
        varnelshowAllProcesses grid(varnelMain::instance());
        platform::showModal(grid);
    }
}

// Creates the window, shows it modally and activates it once it shows; returns when it has
// closed.
template <typename Window>
void showActivated()
{
    Window window;
    QTimer::singleShot(0, &window, [&window] {
        if (window.isVisible())
            window.Form_Activate();
    });
    platform::showModal(window);
}

}  // namespace

void registerBrowserWindows()
{
    WindowOpeners& openers = windowOpeners();
    openers.showAllProcesses = showAllProcesses;
    openers.crossReference = [] { showActivated<varnelCrossReference>(); };
    openers.picture = [] { showActivated<varnelPicture>(); };
    openers.agreement = [] {
        varnelAgreement window;
        platform::showModal(window);
    };
}

}  // namespace varnel
