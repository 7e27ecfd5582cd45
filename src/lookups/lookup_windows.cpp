#include "lookups/lookup_windows.h"

#include "app/window_openers.h"
#include "lookups/varnel_anumbers.h"
#include "lookups/varnel_definitions.h"
#include "lookups/filler_metal_window.h"
#include "lookups/base_metal_window.h"
#include "platform/ui/seams.h"

namespace varnel {

namespace {

// Every opening creates the window afresh and drops it when it has closed.
template <typename Window>
void showWindow()
{
    Window window;
    platform::showModal(window);
}

}  // namespace

void registerLookupWindows()
{
    WindowOpeners& openers = windowOpeners();
    openers.definitions = showWindow<varnelDefinitions>;
    openers.materialSpecification = showWindow<varnelMaterialSpecification>;
    openers.fillerSpecification = showWindow<varnelFillerSpecification>;
    openers.aNumbers = showWindow<varnelAnumbers>;
}

}  // namespace varnel
