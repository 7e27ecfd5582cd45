#include "browser/browser_windows.h"

#include "app/window_openers.h"

namespace varnel {

void registerBrowserWindows()
{
}

}  // namespace varnel
