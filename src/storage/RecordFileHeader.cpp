// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/RecordFileHeader.h"

#include "storage/RecordFile.h"

RecordFileHeader::Status RecordFileHeader::read(RecordFile &file, QStringView title, qint16 formatVersion)
{
    file.readInt16();
    file.readInt16();
    file.readInt16();
    for (const QString &expected : {makerText(), title.toString()}) {
        QString found;
        if (!file.readStringUpTo(StringLimit, found))
            return Broken;
        if (found != expected)
            return Broken;
    }
    const qint16 version = file.readInt16();
    if (!file.intact())
        return Broken;
    if (version < formatVersion)
        return OlderFormat;
    if (version > formatVersion)
        return NewerFormat;
    return Accepted;
}

void RecordFileHeader::write(RecordFile &file, QStringView title, qint16 formatVersion)
{
    file.writeInt16(ProgramMajor);
    file.writeInt16(ProgramMinor);
    file.writeInt16(ProgramRevision);
    file.writeString(makerText());
    file.writeString(title);
    file.writeInt16(formatVersion);
}
