#pragma once
// Installs the openers of the reference lookups: the definitions, base-metal, filler-metal and
// A-number windows.

namespace varnel {

void registerLookupWindows();

}  // namespace varnel
