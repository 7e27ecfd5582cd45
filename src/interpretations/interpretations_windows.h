#pragma once
// Installs the opener of the interpretations browser.

namespace varnel {

void registerInterpretationsWindows();

}  // namespace varnel
