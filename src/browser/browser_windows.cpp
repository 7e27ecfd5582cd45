#include "browser/browser_windows.h"

#include "app/varnel_core.h"
#include "app/window_openers.h"
#include "browser/varnel_main.h"
#include "browser/varnel_show_all_processes.h"
#include "data/reference_files.h"
#include "platform/ui/seams.h"

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

}  // namespace

void registerBrowserWindows()
{
    windowOpeners().showAllProcesses = showAllProcesses;
}

}  // namespace varnel
