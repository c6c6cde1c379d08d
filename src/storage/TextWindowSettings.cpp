// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/TextWindowSettings.h"

#include "storage/RecordFile.h"

void TextWindowSettings::read(RecordFile &file, bool headerAccepted)
{
    const TextWindowSettings factory;
    TextWindowSettings read;
    if (headerAccepted) {
        read.offsetX = file.readInt32();
        read.offsetY = file.readInt32();
        read.height = file.readInt32();
        read.width = file.readInt32();
        read.locked = file.readBool();
        read.scrollMode = file.readInt32();
        if (!file.intact())
            read = factory;
        if (read.height <= 0)
            read.height = factory.height;
        if (read.width <= 0)
            read.width = factory.width;
        if (read.scrollMode != BothScrollBars && read.scrollMode != VerticalOnly)
            read.scrollMode = factory.scrollMode;
    }
    *this = read;
}

void TextWindowSettings::write(RecordFile &file) const
{
    file.writeInt32(offsetX);
    file.writeInt32(offsetY);
    file.writeInt32(height);
    file.writeInt32(width);
    file.writeBool(locked);
    file.writeInt32(scrollMode);
}
