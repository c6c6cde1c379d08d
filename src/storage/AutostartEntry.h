// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The desktop entry in the per-user XDG autostart folder that starts the program at login.
class AutostartEntry {
public:
    // Named as the program's menu entry, so that a desktop's own autostart settings show it as such.
    static QString path();
    // Writes the entry that starts the given executable, unless it is so already. False when it
    // could not be written.
    static bool write(const QString &program);
    // False when an entry is left that could not be removed.
    static bool remove();
};
