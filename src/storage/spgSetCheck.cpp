#include "storage/spgSetCheck.h"

#include "storage/spgFileCon.h"

void spgSetCheck::setUBData(spgFileCon &file, qint16 value)
{
    m_value = value;
    file.setIntB(value);
    m_pointerAt = file.position();
    file.setLonB(0);
}

void spgSetCheck::setUBDataCheck(spgFileCon &file)
{
    const qint64 end = file.position();
    file.setPosition(m_pointerAt);
    file.setLonB(qint32(end));
    file.setPosition(end);
    file.setIntB(m_value);
}
