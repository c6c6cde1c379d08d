#include "storage/RecordFileHeader.h"

#include "storage/spgFileCon.h"

RecordFileHeader::Status RecordFileHeader::read(spgFileCon &Fee, QStringView title, qint16 formatVersion)
{
    Fee.getIntB();
    Fee.getIntB();
    Fee.getIntB();
    for (const QString &expected : {makerText(), title.toString()}) {
        QString found;
        if (!Fee.getSenBCk(StringLimit, found))
            return Broken;
        if (found != expected)
            return Broken;
    }
    const qint16 version = Fee.getIntB();
    if (!Fee.intact())
        return Broken;
    if (version < formatVersion)
        return OlderFormat;
    if (version > formatVersion)
        return NewerFormat;
    return Accepted;
}

void RecordFileHeader::write(spgFileCon &Fee, QStringView title, qint16 formatVersion)
{
    Fee.setIntB(ProgramMajor);
    Fee.setIntB(ProgramMinor);
    Fee.setIntB(ProgramRevision);
    Fee.setSenBEx(makerText());
    Fee.setSenBEx(title);
    Fee.setIntB(formatVersion);
}
