#pragma once
// Window geometry is designed in twips; on screen 15 twips make one device-independent pixel.
// Qt places the frames itself, so a window is sized by its client area: a design that gives a
// client area is applied as it stands, and one that gives a window's outer size, or lays out by
// it, is applied less the frame, caption and menu bar the design counts in it (below).

#include <QRect>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace platform {

inline constexpr int twipsPerPixel = 15;

constexpr int twips(int value) { return (value + (value >= 0 ? twipsPerPixel / 2 : -twipsPerPixel / 2)) / twipsPerPixel; }
// The fewest pixels that hold `value` twips (value not negative).
constexpr int twipsAtLeast(int value) { return (value + twipsPerPixel - 1) / twipsPerPixel; }
constexpr int toTwips(int pixels) { return pixels * twipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// Places a new control at its design place (twips) and hands it back.
template <typename W>
W* placed(W* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

// A widget's place and size in twips, for layouts that work in the design's units.
namespace twips_geometry {
inline int L(const QWidget* w) { return toTwips(w->x()); }
inline int T(const QWidget* w) { return toTwips(w->y()); }
inline int W(const QWidget* w) { return toTwips(w->width()); }
inline int H(const QWidget* w) { return toTwips(w->height()); }
inline void setL(QWidget* w, int v) { w->move(twips(v), w->y()); }
inline void setT(QWidget* w, int v) { w->move(w->x(), twips(v)); }
inline void setW(QWidget* w, int v) { w->resize(std::max(0, twips(v)), w->height()); }
inline void setH(QWidget* w, int v) { w->resize(w->width(), std::max(0, twips(v))); }
}  // namespace twips_geometry

// Frame (across) and caption, menu bar and frame (down) around the area a window's controls are
// placed in: the design's outer sizes less these give that area. A window without a menu bar has
// caption and frame alone above and below that area.
inline constexpr int outerExtraWidth = 120;
inline constexpr int outerExtraHeight = 765;
inline constexpr int outerExtraHeightWithoutMenu = 375;

}  // namespace platform
