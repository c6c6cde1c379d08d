// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/MainWindowSettings.h"
#include "storage/MiniWindowSettings.h"
#include "storage/TextWindowSettings.h"
#include "storage/WindowOffsetSettings.h"

// Every window's remembered values, as the settings file keeps them. The program holds one set for
// the whole run; each window reads its own at start-up and when it opens, and writes it back
// before the settings are written at the end.
struct WindowSettings {
    NameDialogSettings name;
    TextWindowSettings text;
    ListDataDialogSettings listData;
    MiniWindowSettings mini;
    MainWindowSettings main;

    // Brings every size and position within what the desktop can show: a damaged file or a
    // window grown beyond the screens would otherwise be opened at that size at every start.
    // Without a desktop (an empty rectangle) nothing is changed.
    void keepOnDesktop(const QRect &desktop);

    bool operator==(const WindowSettings &) const = default;
};
