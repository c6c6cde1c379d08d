// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CheckedBlockWriter.h"

#include "storage/RecordFile.h"

void CheckedBlockWriter::begin(RecordFile &file, qint16 value)
{
    m_value = value;
    file.writeInt16(value);
    m_pointerAt = file.position();
    file.writeInt32(0);
}

void CheckedBlockWriter::finish(RecordFile &file)
{
    const qint64 end = file.position();
    file.setPosition(m_pointerAt);
    file.writeInt32(qint32(end));
    file.setPosition(end);
    file.writeInt16(m_value);
}
