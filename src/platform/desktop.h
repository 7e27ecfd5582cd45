#pragma once
// The desktop's top-level windows of other programs, as the X Window System's window manager
// lists them (_NET_CLIENT_LIST_STACKING): their titles, whether they are shown or minimised (the
// `visible` of a DesktopWindow), and restoring and raising one.
// Where there is no X display (the offscreen platform, a pure Wayland session) no window is found.

#include "platform/ui/seams.h"

#include <QMargins>
#include <memory>

namespace platform {

std::unique_ptr<WindowFinder> desktopWindowFinder();

// The frame (left, top, right, bottom, in the screen's pixels) that the window manager puts
// around the program's window `windowId` before it is shown, as it tells on request
// (_NET_REQUEST_FRAME_EXTENTS); no margins where it tells nothing.
QMargins windowManagerFrame(unsigned long windowId);

}  // namespace platform
