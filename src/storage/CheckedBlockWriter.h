// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class RecordFile;

// Writes a check-framed block: a check value, a pointer to the block's end, the content, and the
// check value again, so that a reader can tell a block that was written to its end.
class CheckedBlockWriter {
public:
    // Writes the opening check value and a placeholder for the end pointer; the caller then
    // writes the block's content.
    void begin(RecordFile &file, qint16 value);
    // Fills in the end pointer and writes the closing check value; the file is left just after
    // the block.
    void finish(RecordFile &file);

private:
    qint16 m_value = 0;
    qint64 m_pointerAt = 0; // 1-based position of the end pointer
};
