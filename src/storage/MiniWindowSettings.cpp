#include "storage/MiniWindowSettings.h"

#include "storage/RecordFile.h"

void MiniWindowSettings::read(RecordFile &file, bool headerAccepted)
{
    MiniWindowSettings read;
    if (headerAccepted) {
        read.RestPosX = file.readInt32();
        read.RestPosY = file.readInt32();
        if (!file.intact())
            read = MiniWindowSettings();
    }
    *this = read;
}

void MiniWindowSettings::write(RecordFile &file) const
{
    file.writeInt32(RestPosX);
    file.writeInt32(RestPosY);
}
