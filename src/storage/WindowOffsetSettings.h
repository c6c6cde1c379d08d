// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/RecordFile.h"

// What a window placed beside the main window remembers between runs: its top-left corner as an
// offset from the main window's, in pixels. Each window has its own factory offset.
template <qint32 FactoryX, qint32 FactoryY>
struct WindowOffsetSettings {
    qint32 offsetX = FactoryX;
    qint32 offsetY = FactoryY;

    // Reads the record when headerAccepted is true; otherwise, or when the record is damaged or cut
    // short, takes the factory values.
    void read(RecordFile &file, bool headerAccepted)
    {
        WindowOffsetSettings read;
        if (headerAccepted) {
            read.offsetX = file.readInt32();
            read.offsetY = file.readInt32();
            if (!file.intact())
                read = WindowOffsetSettings();
        }
        *this = read;
    }

    void write(RecordFile &file) const
    {
        file.writeInt32(offsetX);
        file.writeInt32(offsetY);
    }

    bool operator==(const WindowOffsetSettings &) const = default;
};

using NameDialogSettings = WindowOffsetSettings<46, 66>;
using ListDataDialogSettings = WindowOffsetSettings<53, 33>;
