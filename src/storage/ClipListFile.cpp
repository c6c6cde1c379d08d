// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ClipListFile.h"

#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "model/ProgramTexts.h"
#include "storage/ClipListFieldList.h"
#include "storage/Cp932Codec.h"
#include "storage/FieldIO.h"
#include "storage/RecordFileHeader.h"
#include "storage/RecordFile.h"
#include "storage/CheckedBlockReader.h"
#include "storage/CheckedBlockWriter.h"

#include <QIODevice>

#include <cerrno>
#include <cstring>
#include <new>

namespace {

// "QKU1" as two little-endian 16-bit values.
constexpr qint16 TagFirst = 'Q' | ('K' << 8);
constexpr qint16 TagSecond = 'U' | ('1' << 8);
constexpr qint64 SupplementMinimum = 4 + 4 + 4;

struct SupplementEntry {
    qint16 field = 0;
    qint16 item = -1;
    QString text;
};

// Whether each UTF-16 unit reads back as itself from code page 932. Besides the characters the code
// page lacks, a few are written by a look-alike ("¥" as the backslash code, "〜" U+301C as the code
// that reads as "～" U+FF5E). Built once: saving asks it for every character of a list.
const std::vector<bool> &roundTrips()
{
    static const std::vector<bool> table = [] {
        const Cp932Codec &codec = Cp932Codec::instance();
        std::vector<bool> t(0x10000);
        for (char32_t u = 0; u < 0x10000; ++u)
            t[u] = codec.canEncode(char16_t(u)) && codec.toUnicode(codec.fromUnicode(char16_t(u))) == u;
        return t;
    }();
    return table;
}

bool losesCharacters(QStringView text)
{
    const std::vector<bool> &kept = roundTrips();
    for (QChar c : text) {
        if (!kept[c.unicode()])
            return true;
    }
    return false;
}

// What a string reads back as once it went through code page 932.
QString throughCp932(QStringView text)
{
    const Cp932Codec &codec = Cp932Codec::instance();
    const QByteArray bytes = codec.encode(text);
    QString back;
    codec.decode(bytes.constData(), bytes.size(), text.size(), back);
    return back;
}

QString *fieldOf(ClipListContent &content, qint16 field, qint16 item)
{
    ClipListOptions &o = content.options;
    switch (field) {
    case ClipListFile::ListName: return item == -1 ? &o.name : nullptr;
    case ClipListFile::LineBreakText: return item == -1 ? &o.lineBreakMark : nullptr;
    case ClipListFile::FilePath: return item == -1 ? &o.fileName : nullptr;
    case ClipListFile::Font: return item == -1 ? &o.fontName : nullptr;
    case ClipListFile::ItemText:
    case ClipListFile::ItemName:
        if (item < 0 || size_t(item) >= content.items.size())
            return nullptr;
        return field == ClipListFile::ItemText ? &content.items[size_t(item)].text : &content.items[size_t(item)].name;
    default: return nullptr;
    }
}

std::vector<SupplementEntry> supplementFor(const ClipListContent &content)
{
    std::vector<SupplementEntry> entries;
    const ClipListOptions &o = content.options;
    const QString *listFields[] = {&o.name, &o.lineBreakMark, &o.fileName, &o.fontName};
    for (qint16 field = 0; field < 4; ++field) {
        if (losesCharacters(*listFields[field]))
            entries.push_back({field, -1, *listFields[field]});
    }
    for (size_t i = 0; i < content.items.size(); ++i) {
        if (losesCharacters(content.items[i].text))
            entries.push_back({ClipListFile::ItemText, qint16(i), content.items[i].text});
        if (losesCharacters(content.items[i].name))
            entries.push_back({ClipListFile::ItemName, qint16(i), content.items[i].name});
    }
    return entries;
}

void writeSupplement(RecordFile &file, const std::vector<SupplementEntry> &entries)
{
    const qint64 start = file.position();
    file.writeInt16(TagFirst);
    file.writeInt16(TagSecond);
    file.writeInt32(qint32(entries.size()));
    for (const SupplementEntry &e : entries) {
        file.writeInt16(e.field);
        file.writeInt16(e.item);
        file.writeInt32(qint32(e.text.size()));
        for (QChar c : e.text)
            file.writeInt16(qint16(c.unicode()));
    }
    file.writeInt32(qint32(file.position() - start + 4));
}

// Applies a supplement that is whole and matches what the file says in code page 932;
// anything else is ignored, so a supplement can never make a file unreadable.
void applySupplement(RecordFile &file, ClipListContent &content)
{
    const qint64 start = file.position();
    if (file.size() - (start - 1) < SupplementMinimum)
        return;
    if (file.readInt16() != TagFirst || file.readInt16() != TagSecond)
        return;
    const qint32 count = file.readInt32();
    // Every entry takes at least eight bytes.
    if (count < 1 || qint64(count) * 8 > file.size() - (file.position() - 1))
        return;
    std::vector<SupplementEntry> entries;
    for (qint32 n = 0; n < count; ++n) {
        SupplementEntry e;
        e.field = file.readInt16();
        e.item = file.readInt16();
        const qint32 units = file.readInt32();
        if (units < 0 || qint64(units) * 2 > file.size() - (file.position() - 1))
            return;
        e.text = QString(units, Qt::Uninitialized);
        for (qint32 u = 0; u < units; ++u)
            e.text[u] = QChar(quint16(file.readInt16()));
        if (!file.intact())
            return;
        entries.push_back(std::move(e));
    }
    const qint32 length = file.readInt32();
    if (!file.intact() || file.position() - 1 != file.size() || length != file.position() - start)
        return;
    for (const SupplementEntry &e : entries) {
        const QString *stored = fieldOf(content, e.field, e.item);
        if (!stored || throughCp932(e.text) != *stored)
            return;
    }
    for (const SupplementEntry &e : entries)
        *fieldOf(content, e.field, e.item) = e.text;
}

} // namespace

ClipListOptions ClipListOptions::of(const ListRecord &list)
{
    ClipListOptions o;
    ClipListFieldList{}([&](auto option, auto) { o.*option = list.*option; });
    return o;
}

void ClipListOptions::applyTo(ListOptions &list) const
{
    ClipListFieldList{}([&](auto option, auto) { list.*option = this->*option; });
}

ClipListFile::ReadResult ClipListFile::read(const QString &path)
{
    RecordFile file;
    const bool opened = file.openForRead(path);
    return readFrom(file, opened);
}

ClipListFile::ReadResult ClipListFile::read(QIODevice &device)
{
    RecordFile file;
    const bool opened = file.openDeviceForRead(device);
    return readFrom(file, opened);
}

ClipListFile::ReadResult ClipListFile::readFrom(RecordFile &file, bool opened)
{
    ReadResult result;
    try {
        if (opened)
            result = readContent(file);
    } catch (const std::bad_alloc &) {
        // Whatever was taken goes: the list is left as it was.
        result = {};
        result.status = Status::Unreadable;
        result.reason = QString::fromLocal8Bit(std::strerror(ENOMEM));
        return result;
    }
    // A read that failed says nothing about the content: tell why rather than call it damaged.
    if (!opened || file.unreadable()) {
        result = {};
        result.status = Status::Unreadable;
        result.reason = file.errorString();
    }
    return result;
}

ClipListFile::ReadResult ClipListFile::readContent(RecordFile &file)
{
    ReadResult result;
    switch (RecordFileHeader::read(file, titleText(), FormatVersion)) {
    case RecordFileHeader::Accepted: break;
    case RecordFileHeader::OlderFormat: result.status = Status::OlderFormat; return result;
    case RecordFileHeader::NewerFormat: result.status = Status::NewerFormat; return result;
    default: result.status = Status::Broken; return result;
    }

    result.status = Status::DamagedItems;
    ClipListOptions &o = result.content.options;
    FieldIO::readAll(file, o, ClipListFieldList{});
    if (!file.intact() || !FieldIO::allChecked(o, ClipListFieldList{}))
        return result;

    qint16 last = 0;
    if (!CheckedBlockReader::beginBlock(file, last) || last < -1)
        return result;
    // The items must end exactly where the block says it ends; a damaged string count that still
    // fits the file shows here.
    const qint64 itemsStart = file.position();
    file.setPosition(itemsStart - 4);
    const qint64 blockEnd = file.readInt32();
    // Every item takes at least eight bytes (two string counts): a count the file cannot hold is damage.
    if ((qint64(last) + 1) * 8 > file.size() - (file.position() - 1))
        return result;
    result.content.items.reserve(size_t(last + 1));
    for (qint32 n = 0; n <= last; ++n) {
        ClipItem item;
        item.text = file.readString();
        item.name = file.readString();
        if (!file.intact())
            return result;
        result.content.items.push_back(std::move(item));
    }
    if (file.position() != blockEnd)
        return result;
    CheckedBlockReader::finishBlock(file);
    if (!file.intact())
        return result;
    applySupplement(file, result.content);
    result.status = Status::Loaded;
    return result;
}

void ClipListFile::writeTo(RecordFile &file, const ClipListContent &content)
{
    RecordFileHeader::write(file, titleText(), FormatVersion);
    const ClipListOptions &o = content.options;
    FieldIO::writeAll(file, o, ClipListFieldList{});

    CheckedBlockWriter block;
    block.begin(file, qint16(content.items.size() - 1));
    for (const ClipItem &item : content.items) {
        file.writeString(item.text);
        file.writeString(item.name);
    }
    block.finish(file);

    const std::vector<SupplementEntry> supplement = supplementFor(content);
    if (!supplement.empty())
        writeSupplement(file, supplement);
}

bool ClipListFile::write(const QString &path, const ClipListContent &content, QString *error)
{
    RecordFile file;
    return finishWrite(file, file.openForSave(path), content, error);
}

bool ClipListFile::write(QIODevice &device, const ClipListContent &content, QString *error)
{
    RecordFile file;
    return finishWrite(file, file.openDeviceForSave(device), content, error);
}

bool ClipListFile::finishWrite(RecordFile &file, bool opened, const ClipListContent &content, QString *error)
{
    if (opened) {
        writeTo(file, content);
        if (file.close())
            return true;
    }
    if (error)
        *error = file.errorString();
    return false;
}

QString ClipListFile::readErrorTitle()
{
    return ProgramTexts::title() + ProgramTexts::fileReadErrorSuffix();
}

QString ClipListFile::readErrorText(const ReadResult &result, const QString &path, const QString &crLf, bool nameFile)
{
    const QString named = QStringLiteral("ﾌｧｲﾙ名：") + path + crLf + crLf;
    const QString broken = QStringLiteral("このﾌｧｲﾙは、壊れています。") + crLf + QStringLiteral("このﾌｧｲﾙを開くことは出来ません。");
    switch (result.status) {
    case Status::OlderFormat:
        return named + QStringLiteral("このﾌｧｲﾙは以前のﾊﾞｰｼﾞｮﾝで作られたﾌｧｲﾙなので、") + crLf +
               QStringLiteral("安全に開くことが出来ませんでした。");
    case Status::NewerFormat:
        return named + QStringLiteral("このﾌｧｲﾙはこれ以降のﾊﾞｰｼﾞｮﾝで作られたﾌｧｲﾙなので、") + crLf +
               QStringLiteral("安全に開くことが出来ませんでした。");
    case Status::Broken:
        return QStringLiteral("ﾌｧｲﾙ名") + path + crLf + crLf + broken;
    case Status::DamagedItems:
        return nameFile ? named + broken : broken;
    case Status::Unreadable:
        return named + QStringLiteral("このﾌｧｲﾙを読み込めませんでした。") + crLf + result.reason;
    case Status::Loaded: break;
    }
    return QString();
}

QString ClipListFile::writeErrorTitle()
{
    return ProgramTexts::title() + QStringLiteral(" ﾌｧｲﾙ書き込みｴﾗｰ");
}

QString ClipListFile::writeErrorText(const QString &path, const QString &reason, const QString &crLf)
{
    return QStringLiteral("ﾌｧｲﾙ名：") + path + crLf + crLf + QStringLiteral("このﾌｧｲﾙに保存できませんでした。") + crLf + reason;
}
