#pragma once
// How a window of one area opens a window of another: the area that builds a window installs its
// opener here at start-up, so areas need not link against each other. An opener not installed
// shows nothing.

#include <functional>

namespace varnel {

struct WindowOpeners {
    std::function<void()> definitions;  // varnelDefinitions, reads lookupKey on activation
};

WindowOpeners& windowOpeners();

}  // namespace varnel
