// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a settings file from arbitrary bytes. Whatever the bytes, reading must end in an orderly way,
// and what was read must survive writing and reading again unchanged: the file written from it is
// accepted and read back to the very same values, so writing once more gives the same bytes.
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "storage/SettingsFile.h"
#include "storage/WindowSettings.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const QRect Desktop(0, 0, 1024, 768);

struct Program {
    GlobalSettings state;
    NewListDefaults firstList;
    WindowSettings windows;

    SettingsFile file() { return SettingsFile(state, firstList, windows); }

    SettingsFile::Found start(QByteArray bytes)
    {
        QBuffer buffer(&bytes);
        return file().readSettingsAtStart(buffer, Desktop);
    }

    QByteArray end()
    {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        if (!file().writeSettingsAtEnd(buffer))
            fail("writing to memory failed");
        return buffer.data();
    }

    [[noreturn]] static void fail(const char *why)
    {
        std::fprintf(stderr, "fuzz_settings: %s\n", why);
        std::abort();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    Program first;
    first.start(bytes);
    const QByteArray once = first.end();

    Program second;
    if (second.start(once) != SettingsFile::Found::Usable)
        Program::fail("a file just written was not accepted");
    const QByteArray twice = second.end();
    if (twice != once)
        Program::fail("values changed on their way through the file");
    if (!(second.windows == first.windows))
        Program::fail("window records changed on their way through the file");
    return 0;
}
