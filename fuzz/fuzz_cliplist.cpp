// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a clip-list file from arbitrary bytes. Whatever the bytes, reading must end in an orderly way;
// a file that is accepted must survive writing and reading again: the file written from it is accepted
// with the very same options and items (the supplement included), and writing once more gives the same bytes.
#include "storage/ClipListFile.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fail(const char *why)
{
    std::fprintf(stderr, "fuzz_cliplist: %s\n", why);
    std::abort();
}

ClipListFile::ReadResult readBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    return ClipListFile::read(buffer);
}

QByteArray writeBytes(const ClipListContent &content)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    if (!ClipListFile::write(buffer, content))
        fail("writing to memory failed");
    return buffer.data();
}

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameContent(const ClipListContent &a, const ClipListContent &b)
{
    const ClipListOptions &o = a.options;
    const ClipListOptions &p = b.options;
    if (!sameBits(o.heightShare, p.heightShare) || !sameBits(o.fontSize, p.fontSize))
        return false;
    if (o.captionLength != p.captionLength || o.itemLimit != p.itemLimit || o.addAtFocus != p.addAtFocus || o.addAtBottom != p.addAtBottom ||
        o.focusMode != p.focusMode || o.backColour != p.backColour || o.textColour != p.textColour || o.focusedBackColour != p.focusedBackColour ||
        o.focusedTextColour != p.focusedTextColour || o.name != p.name || o.lineBreakMark != p.lineBreakMark ||
        o.fileName != p.fileName || o.fontName != p.fontName)
        return false;
    if (a.items.size() != b.items.size())
        return false;
    for (size_t i = 0; i < a.items.size(); ++i) {
        if (a.items[i].text != b.items[i].text || a.items[i].name != b.items[i].name)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ClipListFile::ReadResult first = readBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (first.status != ClipListFile::Status::Loaded)
        return 0;

    const QByteArray once = writeBytes(first.content);
    const ClipListFile::ReadResult second = readBytes(once);
    if (second.status != ClipListFile::Status::Loaded)
        fail("a file just written was not accepted");
    if (!sameContent(second.content, first.content))
        fail("options or items changed on their way through the file");
    if (writeBytes(second.content) != once)
        fail("writing the same list twice gave different files");
    return 0;
}
