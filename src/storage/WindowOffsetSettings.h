#pragma once

#include "storage/RecordFile.h"

// What a window placed beside the main window remembers between runs: its top-left corner as an
// offset from the main window's, in pixels. Each window has its own factory offset.
template <qint32 FactoryX, qint32 FactoryY>
struct WindowOffsetSettings {
    qint32 NowPosX = FactoryX;
    qint32 NowPosY = FactoryY;

    // Reads the record when headerAccepted is true; otherwise, or when the record is damaged or cut
    // short, takes the factory values.
    void read(RecordFile &file, bool headerAccepted)
    {
        WindowOffsetSettings read;
        if (headerAccepted) {
            read.NowPosX = file.readInt32();
            read.NowPosY = file.readInt32();
            if (!file.intact())
                read = WindowOffsetSettings();
        }
        *this = read;
    }

    void write(RecordFile &file) const
    {
        file.writeInt32(NowPosX);
        file.writeInt32(NowPosY);
    }

    bool operator==(const WindowOffsetSettings &) const = default;
};

using NameDialogSettings = WindowOffsetSettings<46, 66>;
using ListDataDialogSettings = WindowOffsetSettings<53, 33>;
