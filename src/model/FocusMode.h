// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// What a list's focus does while the pointer rests at a screen edge. Stored as a 16-bit number;
// a damaged file may hold any other value, which neither mode matches.
enum class FocusMode : qint16 {
    // The watcher's ticks step the focus through the list at the screen edges.
    MovesAtScreenEdges = 0,
    // The focus stays where it is.
    Stays = 1,
};

// One of the two modes, not a value from a damaged file.
constexpr bool isKnownFocusMode(FocusMode mode)
{
    return mode == FocusMode::MovesAtScreenEdges || mode == FocusMode::Stays;
}
