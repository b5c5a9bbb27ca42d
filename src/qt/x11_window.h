#pragma once

#include <QRect>
#include <QWidget>
#include <vector>

namespace lumio {

// What Qt does not say to an X11 window manager for us. Everything here does nothing
// when the program does not run on X11 (offscreen tests, Wayland).
namespace x11 {

bool Available();

// The window's _NET_WM_STATE: no taskbar entry, no pager entry, and above the others
// or not. Written into the property while the window is unmapped (the window manager
// reads it when the window is mapped) and asked of the window manager while it is
// mapped.
void SetWindowStates(QWidget* window, bool skipTaskbar, bool skipPager, bool above);

// The window's input shape made its bounding shape: pointer input goes to what lies
// below wherever the window shows nothing. Qt sets the bounding shape from the widget
// mask in the screen's pixels, scaled as the window is (QT_SCALE_FACTOR, Xft.dpi); a
// copy of it stays exact at every scale, where rectangles of our own would not.
void MatchInputShapeToBounding(QWidget* window);

// Asks the window manager to move the window with the pointer, from where the left
// button went down (screen coordinates). False when there is no X11 window manager that
// offers it; the caller then moves the window itself.
bool StartWindowManagerMove(QWidget* window, QPoint pressedAt);
// Ends a move asked for above whose button came up before the window manager took the
// pointer: it never sees that release and would keep moving the window with the pointer.
void CancelWindowManagerMove(QWidget* window);

} // namespace x11
} // namespace lumio
