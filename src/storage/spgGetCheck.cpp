#include "storage/spgGetCheck.h"

#include "storage/spgFileCon.h"

namespace spgGetCheck {

bool getUBData(spgFileCon &file, qint16 &value)
{
    value = file.getIntB();
    const qint32 end = file.getLonB();
    const qint64 content = file.position();
    if (end <= 0)
        return false;
    // The closing value takes the two bytes at positions end and end + 1; in a file cut short they
    // are missing and would read as zeros, which must not pass for a check value of 0.
    if (qint64(end) + 1 > file.size())
        return false;
    file.setPosition(end);
    const qint16 closing = file.getIntB();
    file.setPosition(content);
    return closing == value;
}

void getUBDataCheck(spgFileCon &file)
{
    file.getIntB();
}

} // namespace spgGetCheck
