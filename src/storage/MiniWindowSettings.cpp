// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/MiniWindowSettings.h"

#include "storage/RecordFile.h"

void MiniWindowSettings::read(RecordFile &file, bool headerAccepted)
{
    MiniWindowSettings read;
    if (headerAccepted) {
        read.restoreX = file.readInt32();
        read.restoreY = file.readInt32();
        if (!file.intact())
            read = MiniWindowSettings();
    }
    *this = read;
}

void MiniWindowSettings::write(RecordFile &file) const
{
    file.writeInt32(restoreX);
    file.writeInt32(restoreY);
}
