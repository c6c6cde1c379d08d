// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CheckedBlockReader.h"

#include "storage/RecordFile.h"

namespace CheckedBlockReader {

bool beginBlock(RecordFile &file, qint16 &value)
{
    value = file.readInt16();
    const qint32 end = file.readInt32();
    const qint64 content = file.position();
    if (end <= 0)
        return false;
    // The closing value takes the two bytes at positions end and end + 1; in a file cut short they
    // are missing and would read as zeros, which must not pass for a check value of 0.
    if (qint64(end) + 1 > file.size())
        return false;
    file.setPosition(end);
    const qint16 closing = file.readInt16();
    file.setPosition(content);
    return closing == value;
}

void finishBlock(RecordFile &file)
{
    file.readInt16();
}

} // namespace CheckedBlockReader
