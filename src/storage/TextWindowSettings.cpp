#include "storage/TextWindowSettings.h"

#include "storage/RecordFile.h"

void TextWindowSettings::read(RecordFile &file, bool headerAccepted)
{
    const TextWindowSettings factory;
    TextWindowSettings read;
    if (headerAccepted) {
        read.NowPosX = file.readInt32();
        read.NowPosY = file.readInt32();
        read.nowPosH = file.readInt32();
        read.nowPosW = file.readInt32();
        read.textLock = file.readBool();
        read.textVBoth = file.readInt32();
        if (!file.intact())
            read = factory;
        if (read.nowPosH <= 0)
            read.nowPosH = factory.nowPosH;
        if (read.nowPosW <= 0)
            read.nowPosW = factory.nowPosW;
        if (read.textVBoth != BothScrollBars && read.textVBoth != VerticalOnly)
            read.textVBoth = factory.textVBoth;
    }
    *this = read;
}

void TextWindowSettings::write(RecordFile &file) const
{
    file.writeInt32(NowPosX);
    file.writeInt32(NowPosY);
    file.writeInt32(nowPosH);
    file.writeInt32(nowPosW);
    file.writeBool(textLock);
    file.writeInt32(textVBoth);
}
