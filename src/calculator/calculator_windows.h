#pragma once
// Installs the opener of the window this area builds: the qualification calculator.

namespace varnel {

void registerCalculatorWindows();

}  // namespace varnel
