// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class RecordFile;

// What the mini window remembers between runs: the main window's left and top as the last
// restore from the mini window set them, in pixels; -1 and -1 before any restore.
struct MiniWindowSettings {
    qint32 restoreX = -1;
    qint32 restoreY = -1;

    // Reads the section when headerAccepted is true; otherwise, or when the section is damaged or cut
    // short, takes the factory values.
    void read(RecordFile &file, bool headerAccepted);
    void write(RecordFile &file) const;

    bool operator==(const MiniWindowSettings &) const = default;
};
