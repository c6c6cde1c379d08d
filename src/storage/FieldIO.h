#pragma once

#include "storage/spgFileCon.h"

// Reads and writes the fields a field list names, each in the record type of its C++ type:
// bool as BooB, 16-bit as IntB, 32-bit as LonB, float as SinB, strings as SenBEx.
namespace FieldIO {

inline void read(spgFileCon &Fee, bool &value) { value = Fee.getBooB(); }
inline void read(spgFileCon &Fee, qint16 &value) { value = Fee.getIntB(); }
inline void read(spgFileCon &Fee, qint32 &value) { value = Fee.getLonB(); }
inline void read(spgFileCon &Fee, float &value) { value = Fee.getSinB(); }
inline void read(spgFileCon &Fee, QString &value) { value = Fee.getSenBEx(); }

inline void write(spgFileCon &Fee, bool value) { Fee.setBooB(value); }
inline void write(spgFileCon &Fee, qint16 value) { Fee.setIntB(value); }
inline void write(spgFileCon &Fee, qint32 value) { Fee.setLonB(value); }
inline void write(spgFileCon &Fee, float value) { Fee.setSinB(value); }
inline void write(spgFileCon &Fee, const QString &value) { Fee.setSenBEx(value); }

// `each(visit)` calls visit(member, check) for every field, in file order.
template <typename Record, typename Each>
void readAll(spgFileCon &Fee, Record &into, Each each)
{
    each([&](auto member, auto) { read(Fee, into.*member); });
}

template <typename Record, typename Each>
void writeAll(spgFileCon &Fee, const Record &from, Each each)
{
    each([&](auto member, auto) { write(Fee, from.*member); });
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
