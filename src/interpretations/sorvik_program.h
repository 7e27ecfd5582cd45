#pragma once
// The interpretations program of the family on its own: it announces its directory to the other
// programs and shows the interpretations window as its one top-level window.

#include "interpretations/sorvik_main.h"

#include <QStringList>
#include <memory>

namespace varnel {

// Stores `programDirectory` under "program path" of section "sorvik", takes `arguments` joined by
// blanks as the start string, and shows the window. Null when the program ended while the window
// loaded: the interpretations database refused the password, or could not be used (exit status 1
// either way, platform::programExitStatus()).
std::unique_ptr<sorvikMain> startSorvikProgram(const QString& programDirectory, const QStringList& arguments);

}  // namespace varnel
