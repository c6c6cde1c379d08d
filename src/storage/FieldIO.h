// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/FocusMode.h"
#include "storage/RecordFile.h"

// Reads and writes the fields a field list names, each in the record type of its C++ type:
// bool, 16-bit and 32-bit integers (a focus mode as its number), float and strings, each in its stored form.
namespace FieldIO {

inline void read(RecordFile &file, bool &value) { value = file.readBool(); }
inline void read(RecordFile &file, qint16 &value) { value = file.readInt16(); }
inline void read(RecordFile &file, qint32 &value) { value = file.readInt32(); }
inline void read(RecordFile &file, FocusMode &value) { value = FocusMode(file.readInt16()); }
inline void read(RecordFile &file, float &value) { value = file.readFloat(); }
inline void read(RecordFile &file, QString &value) { value = file.readString(); }

inline void write(RecordFile &file, bool value) { file.writeBool(value); }
inline void write(RecordFile &file, qint16 value) { file.writeInt16(value); }
inline void write(RecordFile &file, qint32 value) { file.writeInt32(value); }
inline void write(RecordFile &file, FocusMode value) { file.writeInt16(qint16(value)); }
inline void write(RecordFile &file, float value) { file.writeFloat(value); }
inline void write(RecordFile &file, const QString &value) { file.writeString(value); }

// `each(visit)` calls visit(member, check) for every field, in file order.
template <typename Record, typename Each>
void readAll(RecordFile &file, Record &into, Each each)
{
    each([&](auto member, auto) { read(file, into.*member); });
}

template <typename Record, typename Each>
void writeAll(RecordFile &file, const Record &from, Each each)
{
    each([&](auto member, auto) { write(file, from.*member); });
}

// Takes each field of `read` that passes its check; the others keep what `into` holds.
template <typename Record, typename Each>
void takeChecked(Record &into, const Record &read, Each each)
{
    each([&](auto member, auto check) {
        if (check(read.*member))
            into.*member = read.*member;
    });
}

// Whether every field passes its check.
template <typename Record, typename Each>
bool allChecked(const Record &record, Each each)
{
    bool passed = true;
    each([&](auto member, auto check) { passed = passed && check(record.*member); });
    return passed;
}

} // namespace FieldIO
