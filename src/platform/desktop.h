#pragma once
// The desktop's top-level windows of other programs, as the X Window System's window manager
// lists them (_NET_CLIENT_LIST_STACKING): their titles, whether they are shown or minimised (the
// `visible` of a DesktopWindow), and restoring and raising one.
// Where there is no X display (the offscreen platform, a pure Wayland session) no window is found.

#include "platform/ui/seams.h"

#include <memory>

namespace platform {

std::unique_ptr<WindowFinder> desktopWindowFinder();

}  // namespace platform
