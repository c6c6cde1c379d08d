// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>
#include <QStringView>

// The program's own pictures, compiled into the executable: the toolbar's button pictures by
// key ("TOPSA", "TUDELEL", ...) with a double-size drawing for high-density screens, and the
// mouse pointers by number.
namespace ProgramPictures {

// The picture of a key; a null icon for an unknown key.
QIcon icon(QStringView key);

// The program's own icon, in each size it is drawn in.
QIcon programIcon();

// Pointers of the mouse gestures.
enum CursorNumber {
    SweepCursor = 201,     // sweeping a selection in a list
    DropListCursor = 202,  // dragged items would drop into the list below the pointer
    DropBarCursor = 203,   // dragged items would move their list to the bar below the pointer
    NoDropCursor = 204,    // nothing happens when dragged items are dropped here
    ToolHoverCursor = 205, // over an opened toolbar group in hover mode
    LinkCursor = 206,      // over a link
};

// The pointer of a number; the arrow for an unknown number.
QCursor cursor(int number);

} // namespace ProgramPictures
