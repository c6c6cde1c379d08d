#include "storage/ClipListFile.h"

#include "model/ItemControl.h"
#include "model/ListOb.h"
#include "model/ProgramTexts.h"
#include "storage/ClipListFieldList.h"
#include "storage/Cp932Codec.h"
#include "storage/FieldIO.h"
#include "storage/RecordFileHeader.h"
#include "storage/spgFileCon.h"
#include "storage/spgGetCheck.h"
#include "storage/spgSetCheck.h"

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
    case ClipListFile::ListName: return item == -1 ? &o.loName : nullptr;
    case ClipListFile::LineBreakText: return item == -1 ? &o.ReturnLetter : nullptr;
    case ClipListFile::FilePath: return item == -1 ? &o.fiName : nullptr;
    case ClipListFile::Font: return item == -1 ? &o.FontName : nullptr;
    case ClipListFile::ItemText:
    case ClipListFile::ItemName:
        if (item < 0 || size_t(item) >= content.items.size())
            return nullptr;
        return field == ClipListFile::ItemText ? &content.items[size_t(item)].ioWords : &content.items[size_t(item)].ioName;
    default: return nullptr;
    }
}

std::vector<SupplementEntry> supplementFor(const ClipListContent &content)
{
    std::vector<SupplementEntry> entries;
    const ClipListOptions &o = content.options;
    const QString *listFields[] = {&o.loName, &o.ReturnLetter, &o.fiName, &o.FontName};
    for (qint16 field = 0; field < 4; ++field) {
        if (losesCharacters(*listFields[field]))
            entries.push_back({field, -1, *listFields[field]});
    }
    for (size_t i = 0; i < content.items.size(); ++i) {
        if (losesCharacters(content.items[i].ioWords))
            entries.push_back({ClipListFile::ItemText, qint16(i), content.items[i].ioWords});
        if (losesCharacters(content.items[i].ioName))
            entries.push_back({ClipListFile::ItemName, qint16(i), content.items[i].ioName});
    }
    return entries;
}

void writeSupplement(spgFileCon &Fee, const std::vector<SupplementEntry> &entries)
{
    const qint64 start = Fee.position();
    Fee.setIntB(TagFirst);
    Fee.setIntB(TagSecond);
    Fee.setLonB(qint32(entries.size()));
    for (const SupplementEntry &e : entries) {
        Fee.setIntB(e.field);
        Fee.setIntB(e.item);
        Fee.setLonB(qint32(e.text.size()));
        for (QChar c : e.text)
            Fee.setIntB(qint16(c.unicode()));
    }
    Fee.setLonB(qint32(Fee.position() - start + 4));
}

// Applies a supplement that is whole and matches what the file says in code page 932;
// anything else is ignored, so a supplement can never make a file unreadable.
void applySupplement(spgFileCon &Fee, ClipListContent &content)
{
    const qint64 start = Fee.position();
    if (Fee.size() - (start - 1) < SupplementMinimum)
        return;
    if (Fee.getIntB() != TagFirst || Fee.getIntB() != TagSecond)
        return;
    const qint32 count = Fee.getLonB();
    // Every entry takes at least eight bytes.
    if (count < 1 || qint64(count) * 8 > Fee.size() - (Fee.position() - 1))
        return;
    std::vector<SupplementEntry> entries;
    for (qint32 n = 0; n < count; ++n) {
        SupplementEntry e;
        e.field = Fee.getIntB();
        e.item = Fee.getIntB();
        const qint32 units = Fee.getLonB();
        if (units < 0 || qint64(units) * 2 > Fee.size() - (Fee.position() - 1))
            return;
        e.text = QString(units, Qt::Uninitialized);
        for (qint32 u = 0; u < units; ++u)
            e.text[u] = QChar(quint16(Fee.getIntB()));
        if (!Fee.intact())
            return;
        entries.push_back(std::move(e));
    }
    const qint32 length = Fee.getLonB();
    if (!Fee.intact() || Fee.position() - 1 != Fee.size() || length != Fee.position() - start)
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

ClipListOptions ClipListOptions::of(const ListOb &list)
{
    ClipListOptions o;
    ClipListFieldList{}([&](auto option, auto) { o.*option = list.*option; });
    return o;
}

void ClipListOptions::applyTo(ListOb &list) const
{
    ClipListFieldList{}([&](auto option, auto) { list.*option = this->*option; });
}

ClipListFile::ReadResult ClipListFile::read(const QString &path)
{
    spgFileCon Fee;
    const bool opened = Fee.openByForOpen(path);
    return readFrom(Fee, opened);
}

ClipListFile::ReadResult ClipListFile::read(QIODevice &device)
{
    spgFileCon Fee;
    const bool opened = Fee.openDeviceForOpen(device);
    return readFrom(Fee, opened);
}

ClipListFile::ReadResult ClipListFile::readFrom(spgFileCon &Fee, bool opened)
{
    ReadResult result;
    try {
        if (opened)
            result = readContent(Fee);
    } catch (const std::bad_alloc &) {
        // Whatever was taken goes: the list is left as it was.
        result = {};
        result.status = Status::Unreadable;
        result.reason = QString::fromLocal8Bit(std::strerror(ENOMEM));
        return result;
    }
    // A read that failed says nothing about the content: tell why rather than call it damaged.
    if (!opened || Fee.unreadable()) {
        result = {};
        result.status = Status::Unreadable;
        result.reason = Fee.errorString();
    }
    return result;
}

ClipListFile::ReadResult ClipListFile::readContent(spgFileCon &Fee)
{
    ReadResult result;
    switch (RecordFileHeader::read(Fee, titleText(), FormatVersion)) {
    case RecordFileHeader::Accepted: break;
    case RecordFileHeader::OlderFormat: result.status = Status::OlderFormat; return result;
    case RecordFileHeader::NewerFormat: result.status = Status::NewerFormat; return result;
    default: result.status = Status::Broken; return result;
    }

    result.status = Status::DamagedItems;
    ClipListOptions &o = result.content.options;
    FieldIO::readAll(Fee, o, ClipListFieldList{});
    if (!Fee.intact() || !FieldIO::allChecked(o, ClipListFieldList{}))
        return result;

    qint16 last = 0;
    if (!spgGetCheck::getUBData(Fee, last) || last < -1)
        return result;
    // The items must end exactly where the block says it ends; a damaged string count that still
    // fits the file shows here.
    const qint64 itemsStart = Fee.position();
    Fee.setPosition(itemsStart - 4);
    const qint64 blockEnd = Fee.getLonB();
    // Every item takes at least eight bytes (two string counts): a count the file cannot hold is damage.
    if ((qint64(last) + 1) * 8 > Fee.size() - (Fee.position() - 1))
        return result;
    result.content.items.reserve(size_t(last + 1));
    for (qint32 n = 0; n <= last; ++n) {
        ItemOb item;
        item.ioWords = Fee.getSenBEx();
        item.ioName = Fee.getSenBEx();
        if (!Fee.intact())
            return result;
        result.content.items.push_back(std::move(item));
    }
    if (Fee.position() != blockEnd)
        return result;
    spgGetCheck::getUBDataCheck(Fee);
    if (!Fee.intact())
        return result;
    applySupplement(Fee, result.content);
    result.status = Status::Loaded;
    return result;
}

void ClipListFile::writeTo(spgFileCon &Fee, const ClipListContent &content)
{
    RecordFileHeader::write(Fee, titleText(), FormatVersion);
    const ClipListOptions &o = content.options;
    FieldIO::writeAll(Fee, o, ClipListFieldList{});

    spgSetCheck block;
    block.setUBData(Fee, qint16(content.items.size() - 1));
    for (const ItemOb &item : content.items) {
        Fee.setSenBEx(item.ioWords);
        Fee.setSenBEx(item.ioName);
    }
    block.setUBDataCheck(Fee);

    const std::vector<SupplementEntry> supplement = supplementFor(content);
    if (!supplement.empty())
        writeSupplement(Fee, supplement);
}

bool ClipListFile::write(const QString &path, const ClipListContent &content, QString *error)
{
    spgFileCon Fee;
    return finishWrite(Fee, Fee.openByForSave(path), content, error);
}

bool ClipListFile::write(QIODevice &device, const ClipListContent &content, QString *error)
{
    spgFileCon Fee;
    return finishWrite(Fee, Fee.openDeviceForSave(device), content, error);
}

bool ClipListFile::finishWrite(spgFileCon &Fee, bool opened, const ClipListContent &content, QString *error)
{
    if (opened) {
        writeTo(Fee, content);
        if (Fee.closeBy())
            return true;
    }
    if (error)
        *error = Fee.errorString();
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
