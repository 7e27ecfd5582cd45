#pragma once
// Window geometry is designed in twips; on screen 15 twips make one device-independent pixel.
// Sizes given in twips are outer sizes of a window (frame included in the design) but we apply
// them to the client area: Qt places frames itself, and every window follows the same rule.

#include <QRect>
#include <cmath>

namespace platform {

inline constexpr int twipsPerPixel = 15;

constexpr int twips(int value) { return (value + (value >= 0 ? twipsPerPixel / 2 : -twipsPerPixel / 2)) / twipsPerPixel; }
constexpr int toTwips(int pixels) { return pixels * twipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

}  // namespace platform
