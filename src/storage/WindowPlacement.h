// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

// Window-rectangle arithmetic against a desktop rectangle (the primary screen, in pixels), kept
// apart from the screen itself so that it can be checked without one.
namespace WindowPlacement {

struct DesktopEdges {
    qint32 right = 0;  // first pixel column past the desktop
    qint32 bottom = 0; // first pixel row past the desktop
};

// The desktop's right and bottom edges; both 0 when there is no desktop (an empty rectangle).
DesktopEdges desktopSize(const QRect &desktop);

// Keeps a window on the desktop: a left or top before the desktop's is moved onto it, then a
// window reaching past the right or bottom edge is moved back so that it ends at that edge. The
// size never changes, so a window larger than the desktop ends up starting before it (2000 pixels
// wide on a 1024-pixel desktop: left -976). Returns true when the window was moved. Without a
// desktop only the first step applies, rather than pushing the window out of sight.
bool fitOnScreen(qint32 &left, qint32 &top, qint32 width, qint32 height, const QRect &desktop);

// Keeps a window's size within the desktop's: a window larger than the desktop in either
// direction is made as large as the desktop that way. Without a desktop the size is kept.
void fitSize(qint32 &width, qint32 &height, const QRect &desktop);

// Keeps an offset between two windows within the desktop's size either way: a larger one
// would place the second window off the desktop from anywhere on it. Without a desktop the
// offset is kept.
void fitOffset(qint32 &x, qint32 &y, const QRect &desktop);

// The top-left corner that centres a window of the given size on the desktop, halves rounded to
// the even neighbour.
QPoint centredOnDesktop(qint32 width, qint32 height, const QRect &desktop);

} // namespace WindowPlacement
