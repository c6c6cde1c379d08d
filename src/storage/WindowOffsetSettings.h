#pragma once

#include "storage/spgFileCon.h"

// What a window placed beside the main window remembers between runs: its top-left corner as an
// offset from the main window's, in pixels. Each window has its own factory offset.
template <qint32 FactoryX, qint32 FactoryY>
struct WindowOffsetSettings {
    qint32 NowPosX = FactoryX;
    qint32 NowPosY = FactoryY;

    // Reads the record when Version is true; otherwise, or when the record is damaged or cut
    // short, takes the factory values.
    void read(spgFileCon &Fee, bool Version)
    {
        WindowOffsetSettings read;
        if (Version) {
            read.NowPosX = Fee.getLonB();
            read.NowPosY = Fee.getLonB();
            if (!Fee.intact())
                read = WindowOffsetSettings();
        }
        *this = read;
    }

    void write(spgFileCon &Fee) const
    {
        Fee.setLonB(NowPosX);
        Fee.setLonB(NowPosY);
    }

    bool operator==(const WindowOffsetSettings &) const = default;
};

using NameDialogSettings = WindowOffsetSettings<46, 66>;
using ListDataDialogSettings = WindowOffsetSettings<53, 33>;
