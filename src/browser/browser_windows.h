#pragma once
// Installs the openers of the windows this area builds besides the main window.

namespace varnel {

void registerBrowserWindows();

}  // namespace varnel
