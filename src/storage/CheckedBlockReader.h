// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class RecordFile;

// Reads a check-framed block written by CheckedBlockWriter.
namespace CheckedBlockReader {

// Reads the opening check value into `value` (whatever the outcome) and the end pointer, and
// compares the closing check value with the opening one. True when they match; the file then
// stands at the start of the content. A pointer of 0 or less, or one whose closing value lies
// beyond the end of the file (a block cut short), gives false.
bool beginBlock(RecordFile &file, qint16 &value);
// Steps over the closing check value once the content has been read.
void finishBlock(RecordFile &file);

} // namespace CheckedBlockReader
