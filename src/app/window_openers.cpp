#include "app/window_openers.h"

namespace varnel {

WindowOpeners& windowOpeners()
{
    static WindowOpeners openers;
    return openers;
}

}  // namespace varnel
